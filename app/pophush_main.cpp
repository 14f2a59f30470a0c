// The main program: the application object does all its work in its
// instance initialisation and the process ends when that returns.
#include <windows.h>

#include "app/hushwall_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  hush::CHushwallApp app;
  return app.Run();
}
