// Shared set-up for the engine tests: sockets started once, settings back to
// their defaults (and handed to the proxy) between tests, one proxy listener
// per test suite.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "proxy/proxy_listener.h"

namespace hush::test {

// Every setting back to the value it has when the settings file is missing.
void ResetSettingsToDefaults();

// A test suite with one running proxy on an ephemeral loopback port.
class ProxyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;
  static std::uint16_t ProxyPort();
  // Hands the running proxy the settings record and the prepared script as
  // they are now, as the program does after each change.
  static void PublishSettings();
  // The same with `adjust` applied to what is published (what the record
  // does not hold, such as the HTTPS minter).
  static void PublishSettings(const std::function<void(EngineSettings&)>& adjust);
  // Diagnostics reported since the test began.
  std::vector<std::string> Diagnostics() const;

 private:
  static std::unique_ptr<ProxyListener> listener_;
};

// Waits up to `limitMs` for `condition` to hold.
bool Eventually(const std::function<bool()>& condition, int limitMs = 5000);

}  // namespace hush::test
