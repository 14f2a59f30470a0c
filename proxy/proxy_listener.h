// The proxy's listening socket on 127.0.0.1, its accept thread and the
// thread that each accepted connection gets.
#pragma once

#include <memory>

#include "proxy/engine_settings.h"
#include "proxy/platform.h"

namespace hush {

class ProxyListener {
 public:
  ProxyListener();
  // Stops listening; waits a further second when connections were started.
  ~ProxyListener();
  ProxyListener(const ProxyListener&) = delete;
  ProxyListener& operator=(const ProxyListener&) = delete;

  // Replaces the settings that connections take from their next request on
  // (any thread; the program's as a rule).
  void Publish(EngineSettings settings);

  // Listens on the port the current settings name. Failures go to the
  // diagnostic sink; returns false then.
  bool StartListening();
  // Closes the listen socket, releases the accept thread into its drain wait
  // and gives connection threads half a second to notice.
  void StopListening();

  // The port actually listened on (useful when PopupPort is 0).
  std::uint16_t ListeningPort() const;

 private:
  // Shared with every connection thread, which may outlive the listener.
  std::shared_ptr<SettingsFeed> feed_;
  std::shared_ptr<platform::ManualResetEvent> stopEvent_;
};

}  // namespace hush
