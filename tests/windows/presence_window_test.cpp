// The single-instance name and the presence window other programs find.
#include "ui/framework/presence_window.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace hush {
namespace {

TEST(SingleInstance, ASecondClaimOrAnotherObjectOfTheNameFails) {
  UniqueMutex first, second, third;
  EXPECT_TRUE(ClaimSingleInstance("hushwall-test-instance", first));
  EXPECT_FALSE(ClaimSingleInstance("hushwall-test-instance", second));
  const UniqueEvent event(::CreateEventA(nullptr, FALSE, FALSE, "hushwall-test-event"));
  EXPECT_FALSE(ClaimSingleInstance("hushwall-test-event", third));
}

UINT received = 0;
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kQuietExitMessage) received = message;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(PresenceWindowTest, IsFoundByTitleAndPassesOnlyTheQuietExitOn) {
  WNDCLASSA recorderClass = {};
  recorderClass.lpfnWndProc = Recorder;
  recorderClass.hInstance = ::GetModuleHandleA(nullptr);
  recorderClass.lpszClassName = "HushwallTestRecorder";
  ::RegisterClassA(&recorderClass);
  HWND main = ::CreateWindowExA(0, "HushwallTestRecorder", "main", 0, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(main, nullptr);

  PresenceWindow presence;
  ASSERT_TRUE(presence.Create("www.hushwall.example"));
  presence.ForwardTo(main);
  HWND found = ::FindWindowA(nullptr, "www.hushwall.example");
  EXPECT_EQ(found, presence.handle());
  EXPECT_FALSE(::IsWindowVisible(found));

  ::SendMessageA(found, WM_CLOSE, 0, 0);
  ::SendMessageA(found, 9000, 0, 0);  // the uninstaller's message: no effect
  EXPECT_TRUE(::IsWindow(found));
  ::SendMessageA(found, kQuietExitMessage, 0, 0);
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
  EXPECT_EQ(received, kQuietExitMessage);
  ::DestroyWindow(main);
}

}  // namespace
}  // namespace hush
