// Empties the browsers' caches through the clean-up library on a worker
// thread whenever pop-up catching is switched: one run at a time, a request
// during a run queues one more, each run works on its own copy of the
// configuration, and the program's end waits a bounded time for a run.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "browsers/configuration_state.h"

namespace hush {

class CleanupRunner {
 public:
  CleanupRunner();
  ~CleanupRunner();
  CleanupRunner(const CleanupRunner&) = delete;
  CleanupRunner& operator=(const CleanupRunner&) = delete;

  // A run for the browsers configured in `state` (copied now).
  void Request(const browsers::ConfigurationState& state);
  // Waits at most `milliseconds` for the runs asked for; true when none is
  // left. No run starts after Stop.
  bool Stop(unsigned milliseconds);
  // Waits until the runs asked for so far are done (tests).
  bool WaitIdle(unsigned milliseconds);
  // How many runs have ended.
  int runsDone() const;

  // What the worker shares with the runner (defined with the runner).
  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace hush
