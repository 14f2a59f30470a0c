// Counting caught pop-ups: the blocker script marks the browser window's
// title for every pop-up it stops; the main window's timer looks for such a
// title, counts it, takes the mark away and shows the counter.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_registry.h"

namespace hush {

class CCounterDlg;

// The counter text after one more pop-up ("" or any non-number counts as 0;
// the count stops at its largest value instead of wrapping).
std::string NextCount(const std::string& count);
// The title without the first occurrence of the marker.
std::string TitleWithoutMarker(const std::string& title, const std::string& marker);

// Looks at the top-level windows for the first title with the marker and
// counts it: one pop-up per call. True when one was counted. Plays the alert
// sound when `playSound`, then shows `counter` (if any).
bool PollPopupTitles(AppRegistryValues& values, CCounterDlg* counter, bool playSound);

}  // namespace hush
