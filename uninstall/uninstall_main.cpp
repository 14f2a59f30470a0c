// UInHush: run by the setup program's removal; no window. A silent removal
// (the setup program's /S) passes "/S" on: then no message box waits for a
// user who is not there, and each is taken as answered with OK.
#include <windows.h>

#include <cstring>

#include "uninstall/uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (commandLine != nullptr && std::strstr(commandLine, "/S") != nullptr)
    return hush::uninstall::RunUninstall(
        [](const std::string&, const std::string&, unsigned) { return IDOK; });
  return hush::uninstall::RunUninstall();
}
