// UInHush: run by the setup program's removal; no window, no command line.
#include <windows.h>

#include "uninstall/uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return hush::uninstall::RunUninstall(); }
