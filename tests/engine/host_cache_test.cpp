// The host name cache: switching, sizing, replacement order, and readers
// that race writers.
#include "proxy/host_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "proxy/engine_settings.h"
#include "proxy/settings_store.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

class HostCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ResetSettingsToDefaults();
    HostCacheClear();
  }
  void TearDown() override {
    test::ResetSettingsToDefaults();
    HostCacheClear();
  }
  // The entries in use as the program's settings give them to the engine.
  static int Entries() { return EngineSettingsOf(Settings()).hostCacheEntries; }
  static void UseCache(int size) {
    Settings().dnsCacheDisable.store(0);
    Settings().dnsCacheSize.store(size);
  }
};

TEST_F(HostCacheTest, IsOffUnlessTheSettingsSwitchItOn) {
  HostCacheInsert("a.example", 1, Entries());
  EXPECT_EQ(HostCacheLookup("a.example", Entries()), 0u);
  UseCache(10);
  HostCacheInsert("a.example", 1, Entries());
  EXPECT_EQ(HostCacheLookup("a.example", Entries()), 1u);
  Settings().dnsCacheDisable.store(1);
  EXPECT_EQ(HostCacheLookup("a.example", Entries()), 0u);
}

TEST_F(HostCacheTest, FullCacheReplacesTheOldestFirst) {
  UseCache(2);
  HostCacheInsert("A", 1, Entries());
  HostCacheInsert("B", 2, Entries());
  HostCacheInsert("C", 3, Entries());  // replaces A
  EXPECT_EQ(HostCacheLookup("A", Entries()), 0u);
  EXPECT_EQ(HostCacheLookup("B", Entries()), 2u);
  EXPECT_EQ(HostCacheLookup("C", Entries()), 3u);
  HostCacheInsert("D", 4, Entries());  // replaces B
  EXPECT_EQ(HostCacheLookup("B", Entries()), 0u);
  EXPECT_EQ(HostCacheLookup("C", Entries()), 3u);
  EXPECT_EQ(HostCacheLookup("D", Entries()), 4u);
}

TEST_F(HostCacheTest, NamesAreExactAndSizesAreBounded) {
  UseCache(10);
  HostCacheInsert("Host.example", 7, Entries());
  EXPECT_EQ(HostCacheLookup("host.example", Entries()), 0u);
  HostCacheInsert(std::string(256, 'x'), 8, Entries());  // does not fit an entry
  EXPECT_EQ(HostCacheLookup(std::string(256, 'x'), Entries()), 0u);
  HostCacheInsert(std::string(255, 'y'), 9, Entries());
  EXPECT_EQ(HostCacheLookup(std::string(255, 'y'), Entries()), 9u);

  Settings().dnsCacheSize.store(0);
  HostCacheInsert("zero", 1, Entries());
  EXPECT_EQ(HostCacheLookup("zero", Entries()), 0u);

  UseCache(5000);  // more than the table holds
  for (std::uint32_t i = 1; i <= 200; ++i) HostCacheInsert("h" + std::to_string(i), i, Entries());
  EXPECT_EQ(HostCacheLookup("h200", Entries()), 200u);
  EXPECT_EQ(HostCacheLookup("h1", Entries()), 0u);
}

TEST_F(HostCacheTest, LookupsNeverPairOneHostsNameWithAnothersAddress) {
  UseCache(3);
  std::atomic<bool> done{false};
  std::atomic<int> mixed{0};
  auto address = [](int i) { return static_cast<std::uint32_t>(1000 + i); };
  std::thread writer([&] {
    for (int round = 0; round < 20000; ++round)
      HostCacheInsert("host" + std::to_string(round % 7), address(round % 7), Entries());
    done.store(true);
  });
  std::thread reader([&] {
    while (!done.load())
      for (int i = 0; i < 7; ++i) {
        std::uint32_t found = HostCacheLookup("host" + std::to_string(i), Entries());
        if (found != 0 && found != address(i)) mixed++;
      }
  });
  writer.join();
  reader.join();
  EXPECT_EQ(mixed.load(), 0);
}

class HostCacheRelayTest : public test::ProxyTest {
 protected:
  static int Entries() { return EngineSettingsOf(Settings()).hostCacheEntries; }
};

TEST_F(HostCacheRelayTest, NamedHostsAreCachedAndDottedAddressesNever) {
  HostCacheClear();
  Settings().dnsCacheDisable.store(0);
  PublishSettings();
  test::OriginServer origin(test::OriginServer::Replying(
      [](const std::string&) { return test::HttpResponse("ok", "Content-Type: image/gif\r\n"); }));
  for (const char* host : {"127.0.0.1", "localhost"}) {
    test::RawClient browser(ProxyPort());
    browser.Send("GET http://" + std::string(host) + ":" + std::to_string(origin.port()) +
                 "/ HTTP/1.0\r\n\r\n");
    EXPECT_NE(browser.ReadResponse().find("ok"), std::string::npos) << host;
  }
  EXPECT_EQ(HostCacheLookup("127.0.0.1", Entries()), 0u);
  EXPECT_NE(HostCacheLookup("localhost", Entries()), 0u);
  HostCacheClear();
}

}  // namespace
}  // namespace hush
