#include "browsers/cleanup_runner.h"

#include <chrono>

#include "webscrub/web_scrub.h"

namespace hush {

// Lives as long as the worker: a worker still running when the program ends
// never touches a destroyed object.
struct CleanupRunner::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::optional<browsers::ConfigurationState> pending;
  bool running = false;
  bool stopping = false;
  int done = 0;
  CInternetCleanerModule module;
  CInternetCleanerParamters parameters;
};

namespace {

void CleanKind(CInternetCleanerModule& module, CInternetCleanerParamters& parameters, int kind) {
  parameters.m_nBrowserKind = kind;
  module.Scan();
  if (kind == kWebScrubOpera)
    module.DeleteOperaRedundantEntries();
  else
    module.DeleteReduandantEntries();
}

void RunOnce(CInternetCleanerModule& module, CInternetCleanerParamters& parameters,
             const browsers::ConfigurationState& state) {
  parameters.m_bCachedFiles = parameters.m_bUrlCacheEntries = parameters.m_bEmptyFolders = 1;
  module.m_pParamters = &parameters;
  if (state.lanConfigured || state.dialUpConfigured)
    CleanKind(module, parameters, kWebScrubInternetExplorer);
  if (state.netscapeConfigured)
    for (int kind : {kWebScrubMozilla, kWebScrubNetscape, kWebScrubFirefox})
      CleanKind(module, parameters, kind);
  if (state.opera6Configured || state.opera7Configured)
    CleanKind(module, parameters, kWebScrubOpera);
}

void Work(const std::shared_ptr<CleanupRunner::Shared>& shared) {
  std::unique_lock<std::mutex> lock(shared->mutex);
  for (;;) {
    shared->changed.wait(lock, [&] { return shared->pending || shared->stopping; });
    if (shared->stopping) break;
    const browsers::ConfigurationState state = *shared->pending;
    shared->pending.reset();
    shared->running = true;
    lock.unlock();
    RunOnce(shared->module, shared->parameters, state);
    lock.lock();
    shared->running = false;
    ++shared->done;
    shared->changed.notify_all();
  }
  shared->changed.notify_all();
}

}  // namespace

CleanupRunner::CleanupRunner() : shared_(std::make_shared<Shared>()) {
  worker_ = std::thread(Work, shared_);
}

CleanupRunner::~CleanupRunner() { Stop(5000); }

void CleanupRunner::Request(const browsers::ConfigurationState& state) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  if (shared_->stopping) return;
  // A second request while one is queued changes only what the queued one
  // cleans: one more run at most.
  shared_->pending = state;
  shared_->changed.notify_all();
}

bool CleanupRunner::WaitIdle(unsigned milliseconds) {
  std::unique_lock<std::mutex> lock(shared_->mutex);
  return shared_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                   [&] { return !shared_->pending && !shared_->running; });
}

bool CleanupRunner::Stop(unsigned milliseconds) {
  if (!worker_.joinable()) return true;
  const bool idle = WaitIdle(milliseconds);
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->stopping = true;
    shared_->pending.reset();
    shared_->changed.notify_all();
  }
  // A run that takes longer is left to end with the process.
  if (idle)
    worker_.join();
  else
    worker_.detach();
  return idle;
}

int CleanupRunner::runsDone() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->done;
}

}  // namespace hush
