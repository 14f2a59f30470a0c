// Running out of memory: a connection that cannot get memory closes alone,
// and the script being prepared again keeps the one prepared before. The
// test program's allocations fail above a ceiling while a test sets one.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <new>

#include "app/blocker_preparation.h"
#include "common/ini_file.h"
#include "proxy/blocker_script.h"
#include "proxy/proxy_state.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace {
std::atomic<std::size_t> allocationCeiling{std::numeric_limits<std::size_t>::max()};
}  // namespace

void* operator new(std::size_t size) {
  if (size > allocationCeiling.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
// The array forms too: the sanitizers' run-time would otherwise serve them
// itself, past the ceiling.
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace hush {
namespace {

class AllocationCeiling {
 public:
  explicit AllocationCeiling(std::size_t bytes) { allocationCeiling.store(bytes); }
  ~AllocationCeiling() { allocationCeiling.store(std::numeric_limits<std::size_t>::max()); }
};

class OutOfMemoryTest : public test::ProxyTest {};

TEST_F(OutOfMemoryTest, AConnectionThatRunsOutClosesAloneAndTheProxyServesOn) {
  const std::string page =
      test::HttpResponse("<html><head></head><body>" + std::string(3 << 20, 'x') + "</body></html>",
                         "Content-Type: text/html\r\n");
  // Sends from the page as it is: the origin itself needs no large block.
  test::OriginServer origin([&page](test::OriginConnection& connection) {
    while (!connection.ReadHead().empty()) connection.Send(page);
  });
  // The held page grows until a block over the ceiling is needed. The
  // connection then closes without sending the part it held: with the
  // script in front and its length corrected it would look whole.
  const std::shared_ptr<const std::string> script = PreparedBlockerScript();
  SetPreparedBlockerScript("<script>" + std::string(600 << 10, ' ') + "</script>");
  PublishSettings();
  const std::string request =
      "GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n";
  {
    AllocationCeiling ceiling(1 << 20);
    test::RawClient browser(ProxyPort());
    browser.Send(request);
    EXPECT_TRUE(browser.PeerClosed());
    EXPECT_EQ(browser.ReadToEnd(0).size(), 0u);
    EXPECT_TRUE(test::Eventually([] { return ActiveConnectionCount.load() == 0; }));
  }
  test::RawClient browser(ProxyPort());
  browser.Send(request);
  EXPECT_NE(browser.ReadResponse().find("</body></html>"), std::string::npos);
  SetPreparedBlockerScript(*script);
  PublishSettings();
}

TEST(OutOfMemory, PreparingTheScriptAgainKeepsTheOldOne) {
  const std::string path = ini::ExecutableFolder() + "script-out-of-memory.js";
  std::ofstream(path, std::ios::binary) << std::string(256 * 1024, ' ');
  OverrideBlockerScriptPath(path);
  SetPreparedBlockerScript("before");
  {
    AllocationCeiling ceiling(64 * 1024);
    PrepareBlockerScript();
  }
  EXPECT_EQ(*PreparedBlockerScript(), "before");
  std::remove(path.c_str());
  OverrideBlockerScriptPath("");
  SetPreparedBlockerScript("");
}

}  // namespace
}  // namespace hush
