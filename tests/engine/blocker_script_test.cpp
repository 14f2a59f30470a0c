// Preparing the blocker script: the alert statement in its slot, the file
// never used as a format, and the snapshot that connection threads read.
#include "proxy/blocker_script.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>

#include "app/blocker_preparation.h"
#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "proxy/settings_store.h"
#include "support/test_environment.h"

namespace hush {
namespace {

class BlockerScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ResetSettingsToDefaults();
    folder_ = ini::ExecutableFolder();
    path_ = folder_ + "script-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
            ".js";
    OverrideBlockerScriptPath(path_);
    SetPreparedBlockerScript("");
  }
  void TearDown() override {
    std::remove(path_.c_str());
    OverrideBlockerScriptPath("");
    SetPreparedBlockerScript("");
  }
  std::string Prepare(const std::string& file) {
    std::ofstream(path_, std::ios::binary) << file;
    PrepareBlockerScript();
    return *PreparedBlockerScript();
  }
  std::string Statement() const {
    std::string sound = folder_ + "PopUp.wav";
    for (char& c : sound)
      if (c == '\\') c = '/';
    return "if( QX_beep ) QX_beep.src=\"" + sound + "\";";
  }
  std::string folder_, path_;
};

TEST_F(BlockerScriptTest, AlertStatementGoesIntoTheSlotWithForwardSlashes) {
  const std::string prepared = Prepare("A%sB");
  EXPECT_EQ(prepared, "A" + Statement() + "B");
  EXPECT_EQ(prepared.find('\\'), std::string::npos);
}

TEST_F(BlockerScriptTest, WithoutTheAlertSoundOnlyTheFirstSlotIsBlanked) {
  Settings().playWave.store(0);
  EXPECT_EQ(Prepare("A%sB"), "A  B");
  EXPECT_EQ(Prepare("A%sB%sC"), "A  B%sC");
}

TEST_F(BlockerScriptTest, TheFileIsNeverUsedAsAFormat) {
  // Well-formed files come out as printf would make them...
  EXPECT_EQ(Prepare("100%% sure %s done"), "100% sure " + Statement() + " done");
  // ...and stray directives are left alone instead of reading memory.
  EXPECT_EQ(Prepare("%n%d%s%x%"), "%n%d" + Statement() + "%x%");
  EXPECT_EQ(Prepare("no slot 50%%"), "no slot 50%%");  // used unchanged
}

TEST_F(BlockerScriptTest, MissingFileKeepsWhatWasPreparedAndIsReported) {
  Prepare("kept %s");
  const std::string before = *PreparedBlockerScript();
  std::remove(path_.c_str());
  std::vector<std::string> seen;
  SetDiagnosticObserver([&](const std::string& text) { seen.push_back(text); });
  LocateBlockerScript();
  PrepareBlockerScript();
  SetDiagnosticObserver(nullptr);
  EXPECT_EQ(*PreparedBlockerScript(), before);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "Warning: The Popup file does not exist.\n\nFile name: '" + path_ + "'");
  EXPECT_EQ(Prepare(""), "");
}

TEST_F(BlockerScriptTest, ReadersKeepAConsistentSnapshotWhileItIsReplaced) {
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done.load()) {
      auto script = PreparedBlockerScript();
      if (!script->empty() && script->find_first_not_of((*script)[0]) != std::string::npos) torn++;
    }
  });
  for (int i = 0; i < 5000; ++i)
    SetPreparedBlockerScript(std::string(static_cast<size_t>(100 + i % 900), i % 2 ? 'x' : 'y'));
  done.store(true);
  reader.join();
  EXPECT_EQ(torn.load(), 0);
}

TEST(PopupTitleMarker, IsTheWebSiteNameAndTheCatchText) {
  EXPECT_STREQ(kPopupTitleMarker, "www.hushwall.example Catch Another Popup");
}

}  // namespace
}  // namespace hush
