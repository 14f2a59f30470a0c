// The clean-up library on real folders and the registry under Wine: it
// empties what is plainly a cache and refuses every other folder a setting
// may name; two runs side by side both finish.
#include <filesystem>
#include <thread>

#include "tests/windows/browser_fixture.h"
#include "ui/cleanup_runner.h"
#include "webscrub/web_scrub.h"

namespace hush::test {
namespace {

constexpr char kOperaKey[] = "Software\\Opera Software";

class WebScrubTest : public BrowserFixture {
 protected:
  static void Clean(int kind) {
    CInternetCleanerParamters parameters;
    parameters.m_nBrowserKind = kind;
    parameters.m_bCachedFiles = parameters.m_bUrlCacheEntries = parameters.m_bEmptyFolders = 1;
    CInternetCleanerModule module;
    module.m_pParamters = &parameters;
    module.Scan();
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
