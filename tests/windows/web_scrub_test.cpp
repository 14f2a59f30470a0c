// The clean-up library on real folders and the registry under Wine: it
// empties what is plainly a cache and refuses every other folder a setting
// may name; two runs side by side both finish.
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "browsers/cleanup_runner.h"
#include "tests/windows/browser_fixture.h"
#include "webscrub/web_scrub.h"

namespace hush::test {
namespace {

constexpr char kOperaKey[] = "Software\\Opera Software";

// Runs a Unix program from inside Wine, which starts it as the shell would
// (its exit code does not come back: callers look at what it did).
void RunUnix(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return;
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

bool ExistsWithin(const std::string& path, bool wanted) {
  for (int i = 0; i < 50; ++i) {
    if ((::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == wanted) return true;
    ::Sleep(100);
  }
  return false;
}

std::string UnixPathOf(const std::string& path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return {};
  char* name = unixName(std::filesystem::path(path).wstring().c_str());
  if (name == nullptr) return {};
  std::string result = name;
  ::HeapFree(::GetProcessHeap(), 0, name);
  return result;
}

// A Unix symbolic link in the prefix, as a user's shell makes it: Wine
// shows it as a plain folder, so only where it really leads gives it away.
// Removed again as a link, never through it.
class UnixLink {
 public:
  UnixLink(const std::string& link, const std::string& target)
      : link_(link), unixLink_(UnixPathOf(link)) {
    const std::string to = UnixPathOf(target);
    if (unixLink_.empty() || to.empty()) return;
    RunUnix("Z:\\bin\\ln -sfn \"" + to + "\" \"" + unixLink_ + "\"");
    made_ = ExistsWithin(link_, true);
  }
  ~UnixLink() {
    if (!made_) return;
    RunUnix("Z:\\bin\\rm -f \"" + unixLink_ + "\"");
    ExistsWithin(link_, false);
  }
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;
  bool made() const { return made_; }

 private:
  std::string link_, unixLink_;
  bool made_ = false;
};

class WebScrubTest : public BrowserFixture {
 protected:
  static void Clean(int kind, const std::function<void()>& betweenScanAndDelete = {}) {
    CInternetCleanerParamters parameters;
    parameters.m_nBrowserKind = kind;
    parameters.m_bCachedFiles = parameters.m_bUrlCacheEntries = parameters.m_bEmptyFolders = 1;
    CInternetCleanerModule module;
    module.m_pParamters = &parameters;
    module.Scan();
    if (betweenScanAndDelete) betweenScanAndDelete();
    if (kind == kWebScrubOpera)
      module.DeleteOperaRedundantEntries();
    else
      module.DeleteReduandantEntries();
  }
};

// Opera's folders come from the registry: one names a real Opera folder,
// the others the Windows folder and a drive's root, whose "cache4" folders
// are not Opera's to empty.
TEST_F(WebScrubTest, OnlyAFolderThatIsPlainlyACacheIsEmptied) {
  const std::string opera = At("Opera");
  const std::string emptied[] = {opera + "\\cache4\\opr0001.htm", opera + "\\cache4\\sub\\a.gif"};
  const std::string kept[] = {opera + "\\cookies4.dat", "C:\\windows\\cache4\\system.dat",
                              "C:\\cache4\\mine.txt"};
  for (const std::string& file : emptied) Write(file, "x");
  for (const std::string& file : kept) Write(file, "x");
  SetText(kOperaKey, "Last Directory2", opera + "\\");
  SetText(kOperaKey, "Last CommandLine", "C:\\windows\\Opera.exe");
  SetText(kOperaKey, "Last CommandLine v2", "C:\\Opera.exe");

  Clean(kWebScrubOpera);
  for (const std::string& file : emptied) EXPECT_FALSE(Exists(file)) << file;
  EXPECT_FALSE(Exists(opera + "\\cache4\\sub"));  // empty folders go too
  EXPECT_TRUE(Exists(opera + "\\cache4"));
  for (const std::string& file : kept) EXPECT_TRUE(Exists(file)) << file;
  // The Internet Explorer and Mozilla runs do not touch Opera's folders.
  Write(emptied[0], "x");
  Clean(kWebScrubInternetExplorer);
  Clean(kWebScrubMozilla);
  EXPECT_TRUE(Exists(emptied[0]));
  for (const char* file : {"C:\\windows\\cache4", "C:\\cache4"}) std::filesystem::remove_all(file);
}

// A folder inside the cache that leads elsewhere, there at the scan or
// swapped in between the scan and the deletion: nothing outside is
// deleted, not even a file of the same name as one the scan found.
TEST_F(WebScrubTest, AFolderInTheCacheThatLeadsElsewhereIsNotFollowed) {
  const std::string cache = At("Opera\\cache4\\");
  Write(cache + "own.htm", "x");
  Write(cache + "swapped\\same.htm", "x");
  Write(At("outside\\victim.txt"), "x");
  Write(At("outside\\same.htm"), "x");
  SetText(kOperaKey, "Last Directory2", At("Opera"));
  std::unique_ptr<UnixLink> swapped;
  {
    const UnixLink linked(cache + "linked", At("outside"));
    if (!linked.made()) GTEST_SKIP() << "no Unix links here";
    Clean(kWebScrubOpera, [&] {
      std::filesystem::remove_all(cache + "swapped");
      swapped = std::make_unique<UnixLink>(cache + "swapped", At("outside"));
    });
    ASSERT_TRUE(swapped->made());
    swapped.reset();
  }
  EXPECT_FALSE(Exists(cache + "own.htm"));
  EXPECT_TRUE(Exists(At("outside\\victim.txt")));
  EXPECT_TRUE(Exists(At("outside\\same.htm")));
}

// Registry-named folders in forms whose real place the text does not show:
// relative (to whatever folder the program runs in), with "..", in the
// "\\?\" form, and through a link into the Windows folder.
TEST_F(WebScrubTest, OperaFoldersInOddFormsAreRefused) {
  const std::string windowsSide =
      "C:\\windows\\hushtest-" +
      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
  Write(windowsSide + "\\cache4\\system.dat", "x");
  const UnixLink link(At("winlink"), windowsSide);
  if (!link.made()) GTEST_SKIP() << "no Unix links here";
  ::SetCurrentDirectoryA(At("").c_str());
  const std::pair<std::string, std::string> cases[] = {
      {"Relative", "Relative\\"},
      {"Dotted", At("x\\..\\Dotted")},
      {"Device", "\\\\?\\" + At("Device")},
      {"winlink", At("winlink")},
  };
  for (const auto& [folder, named] : cases) {
    const std::string kept = At(folder + "\\cache4\\kept.htm");
    Write(kept, "x");
    SetText(kOperaKey, "Last Directory2", named);
    Clean(kWebScrubOpera);
    EXPECT_TRUE(Exists(kept)) << named;
  }
  ::SetCurrentDirectoryA("C:\\");
  EXPECT_TRUE(Exists(windowsSide + "\\cache4\\system.dat"));
  std::filesystem::remove_all(windowsSide);
}

// The program may start a run while another is under way: both finish and
// the cache ends up empty.
TEST_F(WebScrubTest, RunsSideBySideBothFinish) {
  const std::string cache = At("Opera\\cache4\\");
  for (int file = 0; file < 300; ++file) Write(cache + std::to_string(file) + ".htm", "x");
  SetText(kOperaKey, "Last Directory2", At("Opera"));
  std::thread first([] { Clean(kWebScrubOpera); });
  std::thread second([] { Clean(kWebScrubOpera); });
  first.join();
  second.join();
  EXPECT_FALSE(Exists(cache + "0.htm"));
  EXPECT_FALSE(Exists(cache + "299.htm"));
}

// The program's runs: requests while one runs add one run at most, the
// cache ends up empty, and nothing runs after the stop.
TEST_F(WebScrubTest, RequestsDuringARunQueueOneMore) {
  const std::string cache = At("Opera\\cache4\\");
  for (int file = 0; file < 300; ++file) Write(cache + std::to_string(file) + ".htm", "x");
  SetText(kOperaKey, "Last Directory2", At("Opera"));
  browsers::ConfigurationState state;
  state.opera7Configured = true;
  CleanupRunner runner;
  for (int request = 0; request < 3; ++request) runner.Request(state);
  ASSERT_TRUE(runner.WaitIdle(30000));
  EXPECT_GE(runner.runsDone(), 1);
  EXPECT_LE(runner.runsDone(), 2);
  EXPECT_FALSE(Exists(cache + "0.htm"));
  EXPECT_TRUE(runner.Stop(1000));
  Write(cache + "late.htm", "x");
  runner.Request(state);
  EXPECT_TRUE(runner.WaitIdle(1000));
  EXPECT_TRUE(Exists(cache + "late.htm"));
}

}  // namespace
}  // namespace hush::test
