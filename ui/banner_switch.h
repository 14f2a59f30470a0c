// Switching banner blocking, which changes the hosts file: directly when
// this user may, else through one elevated run of the program for just that
// change. The result is the state read back from the hosts file, so that no
// box or menu ticks a change that did not happen.
#pragma once

#include <windows.h>

namespace hush {

// Switches and returns whether banner blocking is on afterwards; a change
// that did not happen is told in a box owned by `owner`.
bool SwitchBannerBlocking(bool on, HWND owner);

}  // namespace hush
