#include "support/test_environment.h"

#include <chrono>
#include <mutex>
#include <thread>

#include "app/engine_publication.h"
#include "common/diagnostic.h"
#include "proxy/platform.h"
#include "proxy/settings_store.h"

namespace hush::test {
namespace {

std::mutex diagnosticsMutex;
std::vector<std::string> diagnostics;

class SocketsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(platform::StartSockets()); }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new SocketsEnvironment);

}  // namespace

std::unique_ptr<ProxyListener> ProxyTest::listener_;

void ResetSettingsToDefaults() {
  OverrideSettingsFilePath("no-such-folder/HushINI.ini");
  LoadSettings();
  OverrideSettingsFilePath("");
}

void ProxyTest::SetUpTestSuite() {
  ResetSettingsToDefaults();
  listener_ = std::make_unique<ProxyListener>();
  PublishSettings();
  ASSERT_TRUE(listener_->StartListening());
}

void ProxyTest::TearDownTestSuite() { listener_.reset(); }

void ProxyTest::SetUp() {
  ResetSettingsToDefaults();
  PublishSettings();
  {
    std::lock_guard<std::mutex> lock(diagnosticsMutex);
    diagnostics.clear();
  }
  // Not under diagnosticsMutex: the sink holds its own lock while it calls
  // the observer, which takes diagnosticsMutex.
  SetDiagnosticObserver([](const std::string& text) {
    std::lock_guard<std::mutex> lock(diagnosticsMutex);
    diagnostics.push_back(text);
  });
}

void ProxyTest::TearDown() {
  SetDiagnosticObserver(nullptr);
  ResetSettingsToDefaults();
}

std::uint16_t ProxyTest::ProxyPort() { return listener_->ListeningPort(); }

void ProxyTest::PublishSettings() { PublishEngineSettings(*listener_); }

void ProxyTest::PublishSettings(const std::function<void(EngineSettings&)>& adjust) {
  EngineSettings settings = CurrentEngineSettings();
  adjust(settings);
  listener_->Publish(std::move(settings));
}

std::vector<std::string> ProxyTest::Diagnostics() const {
  std::lock_guard<std::mutex> lock(diagnosticsMutex);
  return diagnostics;
}

bool Eventually(const std::function<bool()>& condition, int limitMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace hush::test
