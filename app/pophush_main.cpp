// The main program for now: load the settings and the blocker script, run
// the proxy until the program is told to end.
#include <windows.h>

#include "app/settings_store.h"
#include "proxy/blocker_script.h"
#include "proxy/platform.h"
#include "proxy/proxy_listener.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!hush::platform::StartSockets()) return 1;
  hush::LoadSettings();
  hush::LocateBlockerScript();
  hush::PrepareBlockerScript();
  hush::ProxyListener listener;
  listener.StartListening();
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
