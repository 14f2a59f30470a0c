// The host name cache: switching, sizing, replacement order, and readers
// that race writers.
#include "proxy/host_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "proxy/proxy_settings.h"
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
  static void UseCache(int size) {
    Settings().dnsCacheDisable.store(0);
    Settings().dnsCacheSize.store(size);
  }
};

TEST_F(HostCacheTest, IsOffUnlessTheSettingsSwitchItOn) {
  HostCacheInsert("a.example", 1);
  EXPECT_EQ(HostCacheLookup("a.example"), 0u);
  UseCache(10);
  HostCacheInsert("a.example", 1);
  EXPECT_EQ(HostCacheLookup("a.example"), 1u);
  Settings().dnsCacheDisable.store(1);
  EXPECT_EQ(HostCacheLookup("a.example"), 0u);
}

TEST_F(HostCacheTest, FullCacheReplacesTheOldestFirst) {
  UseCache(2);
  HostCacheInsert("A", 1);
  HostCacheInsert("B", 2);
  HostCacheInsert("C", 3);  // replaces A
  EXPECT_EQ(HostCacheLookup("A"), 0u);
  EXPECT_EQ(HostCacheLookup("B"), 2u);
  EXPECT_EQ(HostCacheLookup("C"), 3u);
  HostCacheInsert("D", 4);  // replaces B
  EXPECT_EQ(HostCacheLookup("B"), 0u);
  EXPECT_EQ(HostCacheLookup("C"), 3u);
  EXPECT_EQ(HostCacheLookup("D"), 4u);
}

TEST_F(HostCacheTest, NamesAreExactAndSizesAreBounded) {
  UseCache(10);
  HostCacheInsert("Host.example", 7);
  EXPECT_EQ(HostCacheLookup("host.example"), 0u);
  HostCacheInsert(std::string(256, 'x'), 8);  // does not fit an entry
  EXPECT_EQ(HostCacheLookup(std::string(256, 'x')), 0u);
  HostCacheInsert(std::string(255, 'y'), 9);
  EXPECT_EQ(HostCacheLookup(std::string(255, 'y')), 9u);

  Settings().dnsCacheSize.store(0);
  HostCacheInsert("zero", 1);
  EXPECT_EQ(HostCacheLookup("zero"), 0u);

  UseCache(5000);  // more than the table holds
  for (std::uint32_t i = 1; i <= 200; ++i) HostCacheInsert("h" + std::to_string(i), i);
  EXPECT_EQ(HostCacheLookup("h200"), 200u);
  EXPECT_EQ(HostCacheLookup("h1"), 0u);
}

TEST_F(HostCacheTest, LookupsNeverPairOneHostsNameWithAnothersAddress) {
  UseCache(3);
  std::atomic<bool> done{false};
  std::atomic<int> mixed{0};
  auto address = [](int i) { return static_cast<std::uint32_t>(1000 + i); };
  std::thread writer([&] {
    for (int round = 0; round < 20000; ++round)
      HostCacheInsert("host" + std::to_string(round % 7), address(round % 7));
    done.store(true);
  });
  std::thread reader([&] {
    while (!done.load())
      for (int i = 0; i < 7; ++i) {
        std::uint32_t found = HostCacheLookup("host" + std::to_string(i));
        if (found != 0 && found != address(i)) mixed++;
      }
  });
  writer.join();
  reader.join();
  EXPECT_EQ(mixed.load(), 0);
}

class HostCacheRelayTest : public test::ProxyTest {};

TEST_F(HostCacheRelayTest, NamedHostsAreCachedAndDottedAddressesNever) {
  HostCacheClear();
  Settings().dnsCacheDisable.store(0);
  test::OriginServer origin(test::OriginServer::Replying(
      [](const std::string&) { return test::HttpResponse("ok", "Content-Type: image/gif\r\n"); }));
  for (const char* host : {"127.0.0.1", "localhost"}) {
    test::RawClient browser(ProxyPort());
    browser.Send("GET http://" + std::string(host) + ":" + std::to_string(origin.port()) +
                 "/ HTTP/1.0\r\n\r\n");
    EXPECT_NE(browser.ReadResponse().find("ok"), std::string::npos) << host;
  }
  EXPECT_EQ(HostCacheLookup("127.0.0.1"), 0u);
  EXPECT_NE(HostCacheLookup("localhost"), 0u);
  HostCacheClear();
}

}  // namespace
}  // namespace hush
