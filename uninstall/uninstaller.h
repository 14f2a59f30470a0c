// Removal: puts back everything Hushwall changed outside its own folder
// (the ActiveX zone settings, every configured browser, the hosts file) and
// asks a running main program to quit. Message boxes only, no window.
#pragma once

namespace hush::uninstall {

// The whole removal; without Hushwall's registry key nothing at all
// happens. Returns the exit code (always 0).
int RunUninstall();

}  // namespace hush::uninstall
