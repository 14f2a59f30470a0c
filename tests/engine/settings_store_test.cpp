// The settings file: defaults, the load and save lists, number formatting,
// write failures and readers that race a save.
#include "proxy/settings_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "proxy/proxy_connection.h"
#include "proxy/proxy_state.h"
#include "support/test_environment.h"

namespace hush {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Beside the test program: a bare file name would mean the Windows
    // folder to the private-profile functions.
    path_ = ini::ExecutableFolder() + "settings-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini";
    std::remove(path_.c_str());
    OverrideSettingsFilePath(path_);
  }
  void TearDown() override {
    std::remove(path_.c_str());
    test::ResetSettingsToDefaults();
  }
  void WriteFile(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  std::string ReadFile() {
    std::ifstream file(path_, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  std::string path_;
};

TEST_F(SettingsStoreTest, MissingFileGivesTheDefaults) {
  Settings().popupPort.store(8100);
  Settings().gatewayIP.Set("old");
  LoadSettings();
  const ProxySettings& s = Settings();
  EXPECT_EQ(s.popupIP.Get(), "Hushwall");
  EXPECT_EQ(s.popupPort.load(), 0);  // an ephemeral port
  EXPECT_EQ(s.gatewayIP.Get(), "");
  EXPECT_EQ(s.gatewayPort.load(), 80);
  EXPECT_EQ(s.startup.load(), 2);
  EXPECT_EQ(s.displayOnTop.load(), 1);
  EXPECT_EQ(s.useDefaultBufferSizes.load(), 1);
  EXPECT_EQ(s.bufferSize.load(), 8192);
  EXPECT_EQ(s.dnsCacheSize.load(), 10);
  EXPECT_EQ(s.dnsCacheDisable.load(), 1);  // host cache off
  EXPECT_EQ(s.popupCheckEnabled.load(), 1);
  EXPECT_EQ(s.playWave.load(), 1);
  EXPECT_EQ(s.connectionTimeOut.load(), 60);
  EXPECT_EQ(s.useDefaultTimeOut.load(), 1);
}

TEST_F(SettingsStoreTest, LoadReadsNumbersAndTextsAsTheSystemDoes) {
  WriteFile(
      "[Other]\r\nPopupPort=1\r\n[Hushwall]\r\nPopupPort=8100\r\n"
      "GatewayIP=proxy.example\r\nBufferSize=abc\r\n"
      "PopupCheckDisabled=1\r\nConnectionTimeOut=4294967295\r\n"
      "DNSCacheSize=-1\r\nPopupIP=" +
      std::string(300, 'h') + "\r\n");
  LoadSettings();
  const ProxySettings& s = Settings();
  EXPECT_EQ(s.popupPort.load(), 8100);
  EXPECT_EQ(s.gatewayIP.Get(), "proxy.example");
  EXPECT_EQ(s.bufferSize.load(), 0);  // not a number
  EXPECT_EQ(s.popupCheckEnabled.load(), 0);
  EXPECT_EQ(s.connectionTimeOut.load(), -1);  // the same 32-bit pattern
  EXPECT_EQ(s.dnsCacheSize.load(), -1);
  EXPECT_EQ(s.popupIP.Get(), std::string(259, 'h'));
}

// Values a settings file may hold that would switch filtering off for
// every page or make every idle connection spin.
TEST_F(SettingsStoreTest, NoStoredLimitTurnsFilteringOffOrMakesConnectionsSpin) {
  ProxySettings& s = Settings();
  const std::pair<std::int32_t, std::uint32_t> limits[] = {
      {0, 4194304}, {-1, 4194304}, {-5, 4194304}, {1, 1}, {65536, 65536}};
  for (const auto& [stored, used] : limits) {
    s.filterSizeLimit.store(stored);
    EXPECT_EQ(EffectiveFilterSizeLimit(s), used) << stored;
  }
  s.useDefaultTimeOut.store(0);
  const std::pair<std::int32_t, int> waits[] = {
      {0, 1000}, {1, 1000}, {60, 60000}, {-1, -1}, {2147484, -1}};
  for (const auto& [seconds, milliseconds] : waits) {
    s.connectionTimeOut.store(seconds);
    EXPECT_EQ(ConnectionWaitMilliseconds(s), milliseconds) << seconds;
  }
  s.useDefaultTimeOut.store(1);
  s.connectionTimeOut.store(0);
  EXPECT_EQ(ConnectionWaitMilliseconds(s), -1);
}

TEST_F(SettingsStoreTest, SaveWritesEveryKeyInItsOrder) {
  Settings().popupCheckEnabled.store(0);
  Settings().dnsCacheSize.store(-1);
  Settings().gatewayIP.Set("10.1.2.3");
  Settings().httpsExclusions.Set("bank.example, shop.example");
  SaveSettings();
  const std::string file = ReadFile();
  const char* keys[] = {"PopupIP=Hushwall",
                        "PopupPort=0",
                        "GatewayIP=10.1.2.3",
                        "GatewayPort=80",
                        "GatewayEnable=0",
                        "BannerBlock=0",
                        "Startup=2",
                        "DisplayOnTop=1",
                        "ResetStats=0",
                        "UseDefaultBufferSizes=1",
                        "Disabled=0",
                        "DisableProxy=0",
                        "BufferSize=8192",
                        "DNSCacheSize=4294967295",
                        "DNSCacheDisable=1",
                        "PopupCheckDisabled=1",
                        "PlayWave=1",
                        "ConnectionTimeOut=60",
                        "UseDefaultTimeOut=1",
                        "FilterSizeLimit=4194304",
                        "HttpsFiltering=0",
                        "HttpsPorts=",
                        "HttpsExclusions=bank.example, shop.example"};
  size_t previous = file.find("[Hushwall]");
  ASSERT_NE(previous, std::string::npos) << file;
  for (const char* key : keys) {
    size_t at = file.find(key);
    ASSERT_NE(at, std::string::npos) << key << " missing in\n" << file;
    EXPECT_GT(at, previous) << key << " out of order in\n" << file;
    previous = at;
  }
  // What was saved loads back unchanged.
  test::ResetSettingsToDefaults();
  OverrideSettingsFilePath(path_);
  LoadSettings();
  EXPECT_EQ(Settings().popupCheckEnabled.load(), 0);
  EXPECT_EQ(Settings().dnsCacheSize.load(), -1);
  EXPECT_EQ(Settings().gatewayIP.Get(), "10.1.2.3");
}

TEST_F(SettingsStoreTest, SaveKeepsTheSendBackOff) {
  Settings().bufferSize.store(2500);
  BackOffBufferSize(2500);
  EXPECT_EQ(LoweredBufferSize.load(), 2048);  // 1476 is below the floor
  SaveSettings();
  EXPECT_NE(ReadFile().find("BufferSize=2048"), std::string::npos);
}

TEST_F(SettingsStoreTest, OnlyTheFirstWriteFailureIsReported) {
  std::vector<std::string> seen;
  SetDiagnosticObserver([&](const std::string& text) { seen.push_back(text); });
  OverrideSettingsFilePath("no-such-folder/deeper/HushINI.ini");
  SaveSettings();
  SaveSettings();
  SetDiagnosticObserver(nullptr);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "Error writing to file:\nno-such-folder/deeper/HushINI.ini");
}

TEST(HttpsSettings, ListsAreReadTheWayTheEngineMatchesThem) {
  const std::vector<std::int32_t> defaultOnly{443};
  const std::vector<std::int32_t> withExtra{443, 8443, 9443};
  EXPECT_EQ(HttpsPortsOf(""), defaultOnly);
  EXPECT_EQ(HttpsPortsOf("8443, 443,9443, 0, 70000, x1, -5, 8443"), withExtra);
  const std::vector<std::string> hosts{"bank.example", "pay.example", "shop.example"};
  EXPECT_EQ(HostListOf(" Bank.Example ,*.pay.example,, .shop.example. "), hosts);
  EXPECT_TRUE(HostListOf(" , *. ,").empty());
}

TEST(SettingsFile, LivesBesideTheProgram) {
  const std::string path = SettingsFilePath();
  ASSERT_GT(path.size(), 12u);
  EXPECT_EQ(path.substr(path.size() - 11), "HushINI.ini");
  const char separator = path[path.size() - 12];
  EXPECT_TRUE(separator == '\\' || separator == '/');
}

TEST(SharedTextTest, ReadersNeverSeeATornValue) {
  SharedText text(std::string(64, 'a'));
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done.load()) {
      const std::string value = text.Get();
      if (value.find_first_not_of(value[0]) != std::string::npos) torn++;
    }
  });
  for (int i = 0; i < 20000; ++i)
    text.Set(std::string(static_cast<size_t>(1 + i % 200), i % 2 ? 'b' : 'c'));
  done.store(true);
  reader.join();
  EXPECT_EQ(torn.load(), 0);
}

}  // namespace
}  // namespace hush
