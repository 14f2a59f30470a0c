// Counting caught pop-ups: the blocker script marks the browser window's
// title for every pop-up it stops; the main window's timer looks for such a
// title, counts it, takes the mark away and tells the caller (who shows the
// counter).
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "common/app_registry.h"

namespace hush {

// The counter text after one more pop-up ("" or any non-number counts as 0;
// the count stops at its largest value instead of wrapping).
std::string NextCount(const std::string& count);
// The title without the first occurrence of the marker.
std::string TitleWithoutMarker(const std::string& title, const std::string& marker);

class TitlePoll {
 public:
  // Called after each counted pop-up, the new count already in the values.
  using CaughtHandler = std::function<void()>;

  // Every top-level window is looked at this often; the window the user
  // works in (where a page's pop-up is stopped) on every tick.
  static constexpr DWORD kFullScanMilliseconds = 1000;

  // One tick of the poll timer at `now` (milliseconds): true when a pop-up
  // was counted. After a catch every window is looked at on the next tick,
  // so several marked windows are counted on consecutive ticks.
  bool Tick(AppRegistryValues& values, const CaughtHandler& onCaught, bool playSound, DWORD now);

  // Looks at every top-level window for the first marked title and counts
  // it: one pop-up per call. Plays the alert sound when `playSound`, then
  // calls `onCaught` (if any).
  bool PollPopupTitles(AppRegistryValues& values, const CaughtHandler& onCaught, bool playSound);

 private:
  bool CountIfMarked(HWND window, AppRegistryValues& values, const CaughtHandler& onCaught,
                     bool playSound);
  bool Counted(HWND window, const std::string& title) const;
  void ForgetWindowsGone();

  // Counted windows whose title could not be changed (a hung or stubborn
  // window), with that title: counted once, not again on every tick.
  std::map<HWND, std::string> unchangeable_;
  DWORD lastFullScan_ = 0;
  bool scanEverything_ = true;
};

}  // namespace hush
