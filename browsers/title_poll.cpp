#include "browsers/title_poll.h"

#include <mmsystem.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "proxy/blocker_script.h"

namespace hush {
namespace {

// How long a window may take to accept its new title.
constexpr UINT kSetTitleMilliseconds = 250;

// The whole title, read without sending the window a message: a hung
// window cannot hold the poll up.
std::string TitleOf(HWND window) {
  std::vector<wchar_t> wide(512);
  int length = 0;
  for (;;) {
    length = ::InternalGetWindowText(window, wide.data(), static_cast<int>(wide.size()));
    if (length < static_cast<int>(wide.size()) - 1 || wide.size() >= (1u << 20)) break;
    wide.resize(wide.size() * 2);
  }
  if (length <= 0) return {};
  const int size =
      ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string title(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, title.data(), size, nullptr, nullptr);
  return title;
}

// A window that does not answer within the time limit keeps its title.
bool SetTitle(HWND window, const std::string& title) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kSetTitleMilliseconds,
                               &result) != 0 &&
         result != FALSE;
}

}  // namespace

// The count's leading decimal value, as the registry's readers take it
// ("12abc" is 12, " 5" is 5); no digits at all count as 0.
std::string NextCount(const std::string& count) {
  const char* begin = count.data();
  const char* end = begin + count.size();
  while (begin != end && (*begin == ' ' || *begin == '\t')) ++begin;
  std::uint64_t value = 0;
  if (std::from_chars(begin, end, value).ec != std::errc{}) value = 0;
  if (value < std::numeric_limits<std::uint32_t>::max()) ++value;
  return std::to_string(value);
}

std::string TitleWithoutMarker(const std::string& title, const std::string& marker) {
  const size_t at = title.find(marker);
  if (at == std::string::npos) return title;
  return title.substr(0, at) + title.substr(at + marker.size());
}

bool TitlePoll::Counted(HWND window, const std::string& title) const {
  const auto found = unchangeable_.find(window);
  return found != unchangeable_.end() && found->second == title;
}

bool TitlePoll::CountIfMarked(HWND window, AppRegistryValues& values, const CaughtHandler& onCaught,
                              bool playSound) {
  const std::string title = TitleOf(window);
  if (title.find(kPopupTitleMarker) == std::string::npos || Counted(window, title)) return false;
  values.blockedPopups = NextCount(values.blockedPopups);
  // Without SND_NODEFAULT a sound file that cannot be played gives the
  // system's default sound.
  if (playSound) ::PlaySoundA(values.userWavPath.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
  if (onCaught) onCaught();
  const std::string unmarked = TitleWithoutMarker(title, kPopupTitleMarker);
  if (!SetTitle(window, unmarked) || TitleOf(window) != unmarked)
    unchangeable_[window] = title;
  else
    unchangeable_.erase(window);
  return true;
}

void TitlePoll::ForgetWindowsGone() {
  for (auto entry = unchangeable_.begin(); entry != unchangeable_.end();) {
    if (::IsWindow(entry->first) && TitleOf(entry->first) == entry->second)
      ++entry;
    else
      entry = unchangeable_.erase(entry);
  }
}

bool TitlePoll::PollPopupTitles(AppRegistryValues& values, const CaughtHandler& onCaught,
                                bool playSound) {
  struct Search {
    TitlePoll* poll;
    AppRegistryValues* values;
    const CaughtHandler* onCaught;
    bool playSound;
    bool counted = false;
  } search{this, &values, &onCaught, playSound};
  ForgetWindowsGone();
  ::EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        search->counted = search->poll->CountIfMarked(window, *search->values, *search->onCaught,
                                                      search->playSound);
        return search->counted ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.counted;
}

bool TitlePoll::Tick(AppRegistryValues& values, const CaughtHandler& onCaught, bool playSound,
                     DWORD now) {
  if (scanEverything_ || now - lastFullScan_ >= kFullScanMilliseconds) {
    lastFullScan_ = now;
    scanEverything_ = PollPopupTitles(values, onCaught, playSound);
    return scanEverything_;
  }
  HWND foreground = ::GetForegroundWindow();
  if (foreground == nullptr || !CountIfMarked(foreground, values, onCaught, playSound))
    return false;
  scanEverything_ = true;
  return true;
}

}  // namespace hush
