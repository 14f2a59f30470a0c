// The main program: the application object does all its work in its
// instance initialisation and the process ends when that returns. Asked for
// one hosts-file change on its command line, it makes only that change.
#include <windows.h>

#include "app/hosts_command.h"
#include "app/hushwall_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (const auto command = hush::HostsCommandOf(commandLine != nullptr ? commandLine : ""))
    return hush::RunHostsCommand(*command);
  hush::CHushwallApp app;
  return app.Run();
}
