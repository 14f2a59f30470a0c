// The Internet Explorer helper library: its load and unload hooks in real
// host processes (named as the browser, the shell and anything else), its
// registration through regsvr32, the object through COM, and putting the
// saved browser settings back.
#include <gtest/gtest.h>
#include <windows.h>

#include <exdisp.h>
#include <ocidl.h>
#include <shlobj.h>

#include <fstream>
#include <string>

#include "product_names.h"

namespace hush {
namespace {

constexpr char kClassKey[] = "CLSID\\{4DF1DB24-A57C-11D3-A180-00A0C90AE44B}";
constexpr char kHelperKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\"
    "{4DF1DB24-A57C-11D3-A180-00A0C90AE44B}";
constexpr char kInternetSettings[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr UINT kExitQuietly = 32790;
const CLSID kHelperClass = {
    0x4df1db24, 0xa57c, 0x11d3, {0xa1, 0x80, 0x00, 0xa0, 0xc9, 0x0a, 0xe4, 0x4b}};

std::string ReadText(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  ::RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  ::RegCloseKey(opened);
  return text;
}

DWORD ReadNumber(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  DWORD value = 0, size = sizeof value, type = 0;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0xDEAD;
  if (::RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    value = 0xDEAD;
  ::RegCloseKey(opened);
  return value;
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

void SetValue(HKEY root, const std::string& key, const char* name, DWORD type, const void* data,
              DWORD size) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
    return;
  if (data == nullptr)
    ::RegDeleteValueA(opened, name);
  else
    ::RegSetValueExA(opened, name, 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(opened);
}

void SetText(HKEY root, const std::string& key, const char* name, const std::string& value) {
  SetValue(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

class HelperLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "hushbho-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    // A copy of its own per test: the shared browser count is per file.
    library_ = folder_ + "HushBHO.dll";
    ASSERT_TRUE(::CopyFileA(HUSH_BHO_LIBRARY, library_.c_str(), FALSE));
    SetText(HKEY_CURRENT_USER, "Software\\Hushwall", "Path", folder_.substr(0, folder_.size() - 1));
    SetValue(HKEY_CURRENT_USER, "Software\\Hushwall", "Language", REG_SZ, nullptr, 0);
  }
  void TearDown() override {
    if (window_ != nullptr) ::DestroyWindow(window_);
  }

  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ + name, std::ios::binary) << text;
  }
  bool Exists(const std::string& name) const {
    return ::GetFileAttributesA((folder_ + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  void SetStartup(int mode) const {
    WriteFile("HushINI.ini", "[Hushwall]\r\nStartup=" + std::to_string(mode) + "\r\n");
  }
  // The main program's presence window, as the library looks for it.
  void ShowMainProgram() {
    window_ = ::CreateWindowA("STATIC", HUSH_WEB_SITE, WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
  }
  bool ExitQuietlyPosted() {
    MSG message;
    return ::PeekMessageA(&message, window_, kExitQuietly, kExitQuietly, PM_REMOVE) != 0;
  }

  // Starts the host program as `name` in the test folder, holding the
  // library until `release` (when given) is set.
  PROCESS_INFORMATION StartHost(const std::string& name, const char* release = nullptr) const {
    const std::string host = folder_ + name;
    ::CreateDirectoryA(host.substr(0, host.find_last_of('\\')).c_str(), nullptr);
    ::CopyFileA(HUSH_BHO_HOST, host.c_str(), FALSE);
    std::string command = "\"" + host + "\" \"" + library_ + "\"";
    if (release != nullptr) command += std::string(" ") + release;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process);
    return process;
  }
  static DWORD Finish(PROCESS_INFORMATION process) {
    DWORD code = 0;
    if (::WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
      ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
  }
  DWORD RunHost(const std::string& name) const { return Finish(StartHost(name)); }

  static DWORD RunCommand(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
      return 0xFFFFFFFF;
    return Finish(process);
  }

  std::string folder_, library_;
  HWND window_ = nullptr;
};

// The shell never keeps the library, whatever else is on its path; other
// hosts load it and leave the browser count alone.
TEST_F(HelperLibraryTest, HostsAreJudgedByTheirOwnFileName) {
  SetStartup(2);
  EXPECT_EQ(RunHost("explorer.exe"), 2u);
  EXPECT_EQ(RunHost("other.exe"), 1u);
  EXPECT_EQ(RunHost("Explorer.EXE.tools\\notepad.exe"), 1u);
  ShowMainProgram();
  EXPECT_EQ(RunHost("explorer.exe.tools\\iexplore.exe"), 1u);
  EXPECT_FALSE(ExitQuietlyPosted());
}

TEST_F(HelperLibraryTest, WithoutTheMainProgramTheBrowserRunsWithoutTheLibrary) {
  SetStartup(2);
  EXPECT_EQ(RunHost("iexplore.exe"), 2u);
  EXPECT_FALSE(Exists("started"));
}

// Started with the browser, the main program is told to exit quietly when
// that browser goes; one that ran before the browser is not.
TEST_F(HelperLibraryTest, TheBrowserStartsTheMainProgramAndEndsItWhenItGoes) {
  SetStartup(1);
  ::CopyFileA(HUSH_BHO_HOST, (folder_ + "HushPop.exe").c_str(), FALSE);
  HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, "HushBhoTestRelease");
  const PROCESS_INFORMATION browser = StartHost("iexplore.exe", "HushBhoTestRelease");
  for (int i = 0; i < 100 && !Exists("started"); ++i) ::Sleep(100);
  EXPECT_TRUE(Exists("started"));
  ShowMainProgram();  // the started program's window
  ::SetEvent(release);
  EXPECT_EQ(Finish(browser), 1u);
  EXPECT_TRUE(ExitQuietlyPosted());

  ::ResetEvent(release);
  const PROCESS_INFORMATION second = StartHost("iexplore.exe", "HushBhoTestRelease");
  ::Sleep(500);
  ::SetEvent(release);
  EXPECT_EQ(Finish(second), 1u);
  EXPECT_FALSE(ExitQuietlyPosted());
  ::CloseHandle(release);
}

// The start-up mode is the user's own, from the user's data folder; the
// file beside the library is only the installed default.
TEST_F(HelperLibraryTest, TheStartUpModeIsReadFromTheUsersSettings) {
  SetStartup(0);
  char appData[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  const std::string userFolder = std::string(appData) + "\\Hushwall";
  const std::string userSettings = userFolder + "\\HushINI.ini";
  ::CreateDirectoryA(userFolder.c_str(), nullptr);
  std::ofstream(userSettings, std::ios::binary) << "[Hushwall]\r\nStartup=1\r\n";
  ::CopyFileA(HUSH_BHO_HOST, (folder_ + "HushPop.exe").c_str(), FALSE);
  EXPECT_EQ(RunHost("iexplore.exe"), 1u);
  for (int i = 0; i < 100 && !Exists("started"); ++i) ::Sleep(100);
  EXPECT_TRUE(Exists("started"));
  ::DeleteFileA(userSettings.c_str());
}

TEST_F(HelperLibraryTest, RegistersAndUnregistersThroughRegsvr32) {
  ASSERT_EQ(RunCommand("regsvr32 /s \"" + library_ + "\""), 0u);
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, std::string(kClassKey) + "\\InprocServer32", nullptr),
            library_);
  EXPECT_EQ(
      ReadText(HKEY_CLASSES_ROOT, std::string(kClassKey) + "\\InprocServer32", "ThreadingModel"),
      "Apartment");
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj\\CurVer", nullptr),
            "CookieHlprObj.CookieHlprObj.1");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, std::string(kClassKey) + "\\Programmable"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kHelperKey));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "TypeLib\\{4DF1DB23-A57C-11D3-A180-00A0C90AE44B}\\1.0"));

  // The object through COM: no site yet, and the events' null guard.
  ::CoInitialize(nullptr);
  IObjectWithSite* helper = nullptr;
  ASSERT_EQ(::CoCreateInstance(kHelperClass, nullptr, CLSCTX_INPROC_SERVER, IID_IObjectWithSite,
                               reinterpret_cast<void**>(&helper)),
            S_OK);
  EXPECT_EQ(helper->SetSite(nullptr), S_OK);
  IUnknown* site = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(helper->GetSite(IID_IUnknown, reinterpret_cast<void**>(&site)), E_FAIL);
  EXPECT_EQ(site, nullptr);
  IDispatch* dispatch = nullptr;
  ASSERT_EQ(helper->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  UINT count = 0;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(dispatch->Invoke(253, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
            E_INVALIDARG);
  dispatch->Release();
  helper->Release();
  ::CoFreeUnusedLibraries();
  ::CoUninitialize();

  // Both Run values go: the user's, which the program writes, and the
  // machine's. Twice: the second finds nothing more to remove and still
  // succeeds.
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  SetText(HKEY_CURRENT_USER, run, "Hushwall", "\"C:\\Hushwall\\PopHush.exe\"");
  SetText(HKEY_LOCAL_MACHINE, run, "Hushwall", "\"C:\\Hushwall\\PopHush.exe\"");
  for (int round = 0; round < 2; ++round)
    EXPECT_EQ(RunCommand("regsvr32 /s /u \"" + library_ + "\""), 0u) << round;
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kHelperKey));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, run, "Hushwall"), "");
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, run, "Hushwall"), "");
}

// A folder name may hold the registration script's quote character: the
// class still names the library's whole path, and removal finds it all.
TEST_F(HelperLibraryTest, RegistersFromAFolderWhoseNameHoldsAnApostrophe) {
  const std::string folder = folder_ + "Bob's Tools";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::string library = folder + "\\HushBHO.dll";
  ASSERT_TRUE(::CopyFileA(library_.c_str(), library.c_str(), FALSE));
  ASSERT_EQ(RunCommand("regsvr32 /s \"" + library + "\""), 0u);
  const std::string server = std::string(kClassKey) + "\\InprocServer32";
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, server, nullptr), library);
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, server, "ThreadingModel"), "Apartment");
  EXPECT_EQ(RunCommand("regsvr32 /s /u \"" + library + "\""), 0u);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
}

// Internet Explorer's saved proxy comes back once, as the DWORD Windows
// reads, and only over Hushwall's own setting.
TEST_F(HelperLibraryTest, RestoresTheSavedProxyOnceAndOnlyOverHushwalls) {
  HMODULE library = ::LoadLibraryA(library_.c_str());
  ASSERT_NE(library, nullptr);
  auto restore = reinterpret_cast<int(WINAPI*)()>(
      reinterpret_cast<void*>(::GetProcAddress(library, "RestoreIE")));
  ASSERT_NE(restore, nullptr);
  EXPECT_EQ(restore(), 0);  // no Browser.ini

  struct Case {
    const char* enableText;
    const char* current;
    DWORD enable;
    const char* server;
  };
  for (const Case& c : {Case{"1,0,0,0", "http=Hushwall:8100", 1, "work:3128"},
                        Case{"1", "http=Hushwall:8100", 1, "work:3128"},
                        Case{"0,0,0,0", "mine:8080", 7, "mine:8080"}}) {
    WriteFile("Browser.ini",
              std::string("[IE Settings]\r\nSaved=1\r\nProxy=work:3128\r\nProxyEnable=") +
                  c.enableText + "\r\n");
    SetText(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer", c.current);
    const DWORD seven = 7;
    SetValue(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable", REG_DWORD, &seven, sizeof seven);
    EXPECT_EQ(restore(), 1) << c.enableText;
    EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable"), c.enable)
        << c.enableText;
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer"), c.server);
    // Once back, never again.
    SetText(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer", "http=Hushwall:8100");
    EXPECT_EQ(restore(), 1);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer"), "http=Hushwall:8100");
  }
  ::FreeLibrary(library);
}

}  // namespace
}  // namespace hush
