#include "ui/title_poll.h"

#include <mmsystem.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

#include "proxy/blocker_script.h"
#include "ui/counter_dialog.h"

namespace hush {
namespace {

struct MarkedWindow {
  HWND window = nullptr;
  std::string title;
};

// The whole title, however long: it is written back without the marker.
std::string FullTitle(HWND window) {
  std::string title(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  title.resize(
      static_cast<size_t>(::GetWindowTextA(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM context) {
  char title[260] = {};  // the marker is looked for in the first 259 characters
  ::GetWindowTextA(window, title, sizeof title);
  if (std::string_view(title).find(kPopupTitleMarker) == std::string_view::npos) return TRUE;
  auto* found = reinterpret_cast<MarkedWindow*>(context);
  found->window = window;
  found->title = FullTitle(window);
  return FALSE;
}

}  // namespace

std::string NextCount(const std::string& count) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), value);
  if (error != std::errc{} || end != count.data() + count.size()) value = 0;
  if (value < std::numeric_limits<std::uint32_t>::max()) ++value;
  return std::to_string(value);
}

std::string TitleWithoutMarker(const std::string& title, const std::string& marker) {
  const size_t at = title.find(marker);
  if (at == std::string::npos) return title;
  return title.substr(0, at) + title.substr(at + marker.size());
}

bool PollPopupTitles(AppRegistryValues& values, CCounterDlg* counter, bool playSound) {
  MarkedWindow found;
  ::EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&found));
  if (found.window == nullptr) return false;
  values.blockedPopups = NextCount(values.blockedPopups);
  // Without SND_NODEFAULT a sound file that cannot be played gives the
  // system's default sound.
  if (playSound) ::PlaySoundA(values.userWavPath.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
  if (counter != nullptr) counter->ShowCounter();
  ::SetWindowTextA(found.window, TitleWithoutMarker(found.title, kPopupTitleMarker).c_str());
  return true;
}

}  // namespace hush
