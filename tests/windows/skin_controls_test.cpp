// The skin and splash controls as the program uses them: created through
// COM from a hosting dialog, called at their table positions, and checked by
// what they draw.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <ocidl.h>
#include <shlwapi.h>

#include "common/ini_file.h"
#include "skin/skin_interfaces.h"
#include "ui/framework/control_host.h"
#include "ui/framework/dialog.h"
#include "ui/skins.h"
#include "ui/splash_dialog.h"
#include "windows/hosting.h"

namespace hush {
namespace {

constexpr COLORREF kPopupBackground = RGB(250, 200, 40);

// Calls the method at `position` of an interface table: the controls'
// callers know their methods by place, not by name.
template <typename... Arguments>
HRESULT CallAt(IUnknown* object, int position, Arguments... arguments) {
  using Method = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Arguments...);
  Method* table = *reinterpret_cast<Method**>(object);
  return table[position](object, arguments...);
}

class SkinControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(PrepareControlHosting()); }
  void SetUp() override {
    folder_ = ini::ExecutableFolder() + "skins";
    std::filesystem::create_directories(folder_);
    WriteMainSkin(folder_);
    WriteFile(folder_ + "/popup.skn", "[Skin]\r\nName=Counter\r\nBackground=250,200,40\r\n");
    ASSERT_TRUE(host_.Create());
    ASSERT_TRUE(other_.Create());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  ui::ComPtr<skin::ISkin> SkinOf(int controlId) {
    auto skin = host_.HostedInterface<skin::ISkin>(controlId, skin::kSkinInterface);
    EXPECT_TRUE(skin) << "control " << controlId;
    return skin;
  }

  std::string folder_;
  ui::Dialog host_{203};
  ui::Dialog other_{200};
};

TEST_F(SkinControlsTest, ASkinLoadedThroughOneInstanceIsAppliedThroughAnother) {
  auto loader = SkinOf(1034), applier = SkinOf(1035);
  const std::wstring path = InstalledFilePath(folder_, kMainSkinFile);
  EXPECT_EQ(CallAt(loader.Get(), 8, path.c_str()), S_OK);
  EXPECT_EQ(CallAt(applier.Get(), 13, skin::NumberFromWindow(other_.hwnd())), S_OK);

  EXPECT_EQ(ErasedColorAt(other_.hwnd(), 20, 20), kMainBackground);
  EXPECT_EQ(ErasedColorAt(other_.hwnd(), 1, 1), kMainFrame);
  // Plain controls take the skin's colours too.
  HDC dc = ::GetDC(other_.hwnd());
  EXPECT_NE(::SendMessageA(other_.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(other_.Item(1002))),
            0);
  EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
  ::ReleaseDC(other_.hwnd(), dc);
}

TEST_F(SkinControlsTest, EachWindowKeepsItsSkinWhenAnotherIsLoaded) {
  ui::ComPtr<skin::ISkin> counter = SkinOf(1034), main = SkinOf(1035);
  LoadInstalledSkin(counter, folder_, kCounterSkinFile);
  SkinWindow(counter, host_.hwnd());
  LoadInstalledSkin(main, folder_, kMainSkinFile);
  SkinWindow(main, other_.hwnd());
  EXPECT_EQ(ErasedColorAt(host_.hwnd(), 20, 20), kPopupBackground);
  EXPECT_EQ(ErasedColorAt(other_.hwnd(), 20, 20), kMainBackground);

  // A refresh redraws with the window's own skin.
  ui::ComPtr<IDispatch> object;
  EXPECT_EQ(CallAt(main.Get(), 17, skin::NumberFromWindow(host_.hwnd()), object.Receive()), S_OK);
  auto windowSkin = ui::ComPtr<skin::IWindowSkin>::Query(object.Get(), skin::kWindowSkinInterface);
  ASSERT_TRUE(windowSkin);
  EXPECT_EQ(CallAt(windowSkin.Get(), 34), S_OK);
  EXPECT_EQ(ErasedColorAt(host_.hwnd(), 20, 20), kPopupBackground);
}

TEST_F(SkinControlsTest, UnskinnedWindowsAndMissingFilesChangeNothing) {
  auto skin = SkinOf(1034);
  ui::ComPtr<IDispatch> object;
  EXPECT_EQ(skin->GetWindowSkin(skin::NumberFromWindow(other_.hwnd()), object.Receive()), S_FALSE);
  EXPECT_FALSE(object);
  RefreshSkinnedWindow(skin, other_.hwnd());  // no object: no refresh, no harm

  LoadInstalledSkin(skin, folder_, kMainSkinFile);
  EXPECT_NE(skin->LoadSkinFile(InstalledFilePath(folder_, "missing.skn").c_str()), S_OK);
  SkinWindow(skin, other_.hwnd());
  EXPECT_EQ(ErasedColorAt(other_.hwnd(), 20, 20), kMainBackground);

  // A window that has gone: its skin object answers without drawing.
  ui::ComPtr<IDispatch> gone;
  skin->GetWindowSkin(skin::NumberFromWindow(other_.hwnd()), gone.Receive());
  ::DestroyWindow(other_.hwnd());
  auto windowSkin = ui::ComPtr<skin::IWindowSkin>::Query(gone.Get(), skin::kWindowSkinInterface);
  ASSERT_TRUE(windowSkin);
  EXPECT_EQ(windowSkin->RefreshSkin(), S_FALSE);
}

TEST_F(SkinControlsTest, InitialPropertiesReachEachControl) {
  auto frameOnly = SkinOf(1036);
  LoadInstalledSkin(frameOnly, folder_, kMainSkinFile);
  SkinWindow(frameOnly, other_.hwnd());
  // Told not to skin the client area: the window erases as it always did,
  // and only the frame is the skin's.
  EXPECT_NE(ErasedColorAt(other_.hwnd(), 20, 20), kMainBackground);
}

TEST_F(SkinControlsTest, AControlNobodyRegisteredIsNotThereToCall) {
  EXPECT_FALSE(ui::HostedControl(host_.hwnd(), 1037));
  EXPECT_FALSE(ui::HostedControl(host_.hwnd(), 1301));  // not a host at all
  ui::ComPtr<skin::ISkin> none;
  TakeSkin(none, host_, 1037);
  EXPECT_FALSE(none);
  SkinWindow(none, other_.hwnd());
  RefreshSkinnedWindow(none, other_.hwnd());
}

// A skinned window runs the library's code until it is destroyed, whether or
// not any control object is left.
TEST_F(SkinControlsTest, TheLibraryStaysLoadedWhileAWindowWearsItsSkin) {
  SkinWindow(SkinOf(1034), other_.hwnd());
  ::DestroyWindow(host_.hwnd());  // its hosts release their controls
  auto canUnloadNow = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("HushSkin.dll"), "DllCanUnloadNow")));
  ASSERT_NE(canUnloadNow, nullptr);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  ::DestroyWindow(other_.hwnd());
  EXPECT_EQ(canUnloadNow(), S_OK);
}

class SplashTest : public SkinControlsTest {
 protected:
  void WriteSplash(const std::string& duration) {
    std::filesystem::copy_file(std::string(HUSH_TEST_ASSETS_DIR) + "/Flags/English.bmp",
                               folder_ + "/picture.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    WriteFile(folder_ + "/splash.spl",
              "[Splash]\r\nPicture=picture.bmp\r\nDuration=" + duration + "\r\n");
  }
  static HWND SplashWindow() { return ::FindWindowW(L"HushSplashWindow", nullptr); }

  ui::ComPtr<IUnknown> NewSplash() {
    ui::ComPtr<IUnknown> splash;
    ::CoCreateInstance(skin::kSplashControlClass, nullptr, CLSCTX_INPROC_SERVER,
                       skin::kSplashInterface, reinterpret_cast<void**>(splash.Receive()));
    return splash;
  }
};

TEST_F(SplashTest, ShowsThePictureForTheFilesTimeThenGoes) {
  WriteSplash("300");
  auto splash = NewSplash();
  ASSERT_TRUE(splash);
  const std::wstring path = InstalledFilePath(folder_, kSplashFile);
  EXPECT_EQ(CallAt(splash.Get(), 29, path.c_str()), S_OK);
  EXPECT_EQ(CallAt(splash.Get(), 25, 0L), S_OK);
  const DWORD start = ::GetTickCount();
  EXPECT_EQ(CallAt(splash.Get(), 18, 0L), S_OK);
  EXPECT_GE(::GetTickCount() - start, 250u);
  EXPECT_EQ(SplashWindow(), nullptr);

  // Asked to return at once, the splash stays on screen by itself.
  EXPECT_EQ(CallAt(splash.Get(), 18, 1L), S_OK);
  EXPECT_NE(SplashWindow(), nullptr);
  splash.Reset();
  EXPECT_EQ(SplashWindow(), nullptr);
}

TEST_F(SplashTest, TheControlsTimeLimitCutsALongSplashShort) {
  WriteSplash("600000");
  auto splash = NewSplash();
  auto persistence = ui::ComPtr<IPersistStreamInit>::Query(splash.Get(), IID_IPersistStreamInit);
  ASSERT_TRUE(persistence);
  const char block[] = "TimeLimit=100\n";
  IStream* stream = ::SHCreateMemStream(reinterpret_cast<const BYTE*>(block), sizeof block - 1);
  ASSERT_EQ(persistence->Load(stream), S_OK);
  stream->Release();
  EXPECT_EQ(CallAt(splash.Get(), 29, InstalledFilePath(folder_, kSplashFile).c_str()), S_OK);
  EXPECT_EQ(CallAt(splash.Get(), 18, 0L), S_OK);  // returns within the limit, not in ten minutes
}

TEST_F(SplashTest, TheSplashDialogClosesItselfWithOrWithoutAFile) {
  WriteSplash("100");
  CSplashDlg splash(folder_);
  EXPECT_EQ(splash.DoModal(), 0);
  EXPECT_EQ(SplashWindow(), nullptr);

  std::filesystem::remove(folder_ + "/splash.spl");
  CSplashDlg without(folder_);
  EXPECT_EQ(without.DoModal(), 0);
}

}  // namespace
}  // namespace hush
