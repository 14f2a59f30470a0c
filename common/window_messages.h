// The program's own window messages, numbered in one place so that no two
// meet in one window procedure.
#pragma once

#include <windows.h>

namespace hush {

// Sent by the Internet Explorer helper (and scripts, by number) to the
// program's presence window: save and end without asking. Its number is
// what every installed helper sends, so it never changes.
inline constexpr UINT kQuietExitMessage = 32790;

// Posted by the uninstaller to the window titled with the program's name as
// the removal starts. The setup program has ended the program by then, so
// nothing answers it; its number stays as it was.
inline constexpr UINT kUninstallingMessage = 9000;

// Posted to the main window by the settings pages.
inline constexpr UINT kCatchingChangedMessage = 8008;
inline constexpr UINT kLanguageChangedMessage = 8009;
inline constexpr UINT kDisplayOnTopChangedMessage = 8010;
inline constexpr UINT kBannerBlockChangedMessage = 8011;

// Posted by the main window to itself: an exit that waited for a nested
// window goes on.
inline constexpr UINT kResumeExitMessage = WM_APP + 1;
// Posted by the Popups page to itself: the wizard asked for at start-up runs
// once the page is up.
inline constexpr UINT kRunStartupWizardMessage = WM_APP + 2;

}  // namespace hush
