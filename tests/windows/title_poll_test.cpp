// Counting caught pop-ups from the marks the blocker script leaves in window
// titles, on real top-level windows.
#include "browsers/title_poll.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "proxy/blocker_script.h"
#include "ui/counter_dialog.h"
#include "windows/hosting.h"

namespace hush {
namespace {

const std::string kMarker = kPopupTitleMarker;

class BrowserWindow {
 public:
  explicit BrowserWindow(const std::string& title)
      : window_(::CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr)) {}
  ~BrowserWindow() { ::DestroyWindow(window_); }
  std::string title() const {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window_)) + 1, '\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
    return text;
  }

 private:
  HWND window_;
};

TEST(PopupCount, GrowsByOneFromWhateverTheRegistryHeld) {
  EXPECT_EQ(NextCount("41"), "42");
  EXPECT_EQ(NextCount("0"), "1");
  EXPECT_EQ(NextCount(""), "1");
  EXPECT_EQ(NextCount("many"), "1");
  EXPECT_EQ(NextCount("-3"), "1");
  EXPECT_EQ(NextCount("12abc"), "13");  // the leading value counts
  EXPECT_EQ(NextCount(" 5"), "6");
  EXPECT_EQ(NextCount("4294967295"), "4294967295");  // stops instead of wrapping
}

TEST(PopupTitlePoll, CountsOneMarkedWindowPerTickAndTakesItsMarkAway) {
  BrowserWindow first(kMarker + "News"), second(kMarker + kMarker + "Shop"), plain("Mail");
  AppRegistryValues values;
  values.blockedPopups = "5";
  std::vector<std::string> counts;
  TitlePoll poll;
  while (poll.PollPopupTitles(values, nullptr, false)) counts.push_back(values.blockedPopups);
  EXPECT_EQ(counts, (std::vector<std::string>{"6", "7", "8"}));  // the shop had two pop-ups
  EXPECT_EQ(first.title(), "News");
  EXPECT_EQ(second.title(), "Shop");
  EXPECT_EQ(plain.title(), "Mail");
}

// A page whose own title quotes the marker loses the marker, not its first
// characters; a long title keeps its tail.
TEST(PopupTitlePoll, OnlyTheMarkerLeavesTheTitle) {
  BrowserWindow quoting("Re: " + kMarker + "?"), longTitle(kMarker + std::string(400, 'x'));
  AppRegistryValues values;
  values.blockedPopups = "0";
  TitlePoll poll;
  EXPECT_TRUE(poll.PollPopupTitles(values, nullptr, false));
  EXPECT_TRUE(poll.PollPopupTitles(values, nullptr, false));
  EXPECT_FALSE(poll.PollPopupTitles(values, nullptr, false));
  EXPECT_EQ(quoting.title(), "Re: ?");
  EXPECT_EQ(longTitle.title(), std::string(400, 'x'));
}

TEST(PopupTitlePoll, ACaughtPopupShowsTheCounterWithTheNewCount) {
  ASSERT_TRUE(PrepareControlHosting());
  SkinReferences skins;
  AppRegistryValues values;
  values.blockedPopups = "9";
  CCounterDlg counter(values, skins);
  ASSERT_TRUE(counter.Create());
  const auto showCounter = [&counter] { counter.ShowCounter(); };
  BrowserWindow popup(kMarker + "Offers");
  TitlePoll poll;
  EXPECT_TRUE(poll.PollPopupTitles(values, showCounter, true));  // a missing sound file is no error
  EXPECT_TRUE(::IsWindowVisible(counter.hwnd()));
  EXPECT_EQ(counter.ItemText(1013), "10");
  // Another catch while it is on screen shows the new number.
  BrowserWindow another(kMarker + "More");
  EXPECT_TRUE(poll.PollPopupTitles(values, showCounter, false));
  EXPECT_EQ(counter.ItemText(1013), "11");
  // Closing it only hides it: it shows again on the next catch.
  ::SendMessageA(counter.hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(::IsWindow(counter.hwnd()));
  EXPECT_FALSE(::IsWindowVisible(counter.hwnd()));
  counter.ShowCounter();
  EXPECT_TRUE(::IsWindowVisible(counter.hwnd()));
}

// A browser window that no longer answers: the poll does not wait for it,
// and counts its pop-up once, not on every tick.
TEST(PopupTitlePoll, AHungWindowIsCountedOnceAndHoldsNothingUp) {
  HWND window = nullptr;
  HANDLE created = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread browser([&] {
    window = ::CreateWindowExA(0, "STATIC", (kMarker + "Stuck").c_str(), WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, nullptr, nullptr);
    ::SetEvent(created);
    ::WaitForSingleObject(release, 20000);  // hung: no messages answered
    ::DestroyWindow(window);
  });
  ::WaitForSingleObject(created, 5000);
  AppRegistryValues values;
  values.blockedPopups = "0";
  TitlePoll poll;
  const DWORD start = ::GetTickCount();
  EXPECT_TRUE(poll.PollPopupTitles(values, nullptr, false));
  for (int tick = 0; tick < 5; ++tick) EXPECT_FALSE(poll.PollPopupTitles(values, nullptr, false));
  EXPECT_LT(::GetTickCount() - start, 3000u);
  EXPECT_EQ(values.blockedPopups, "1");
  ::SetEvent(release);
  browser.join();
  ::CloseHandle(created);
  ::CloseHandle(release);
}

}  // namespace
}  // namespace hush
