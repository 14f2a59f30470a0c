// State shared by all proxy threads of the process.
#pragma once

#include <atomic>
#include <cstdint>

#include "proxy/platform.h"

namespace hush {

// Number of connection objects alive.
extern std::atomic<std::int32_t> ActiveConnectionCount;
// 1 once a connection thread has been started; cleared by the drain wait.
extern std::atomic<std::int32_t> ConnectionsStarted;
// SO_RCVBUF and SO_SNDBUF of the most recent listen socket.
extern std::atomic<std::int32_t> DefaultReceiveBufferSize;
extern std::atomic<std::int32_t> DefaultSendBufferSize;
// The buffer size the engine fell back to after the platform ran out of
// buffer space (0: it never did). It stands in for the configured size until
// the settings are loaded again, and is what they save.
extern std::atomic<std::int32_t> LoweredBufferSize;
// The listen socket; kNoSocket is also the proxy-wide stop signal that every
// connection thread polls.
extern std::atomic<platform::Socket> ListenSocket;

}  // namespace hush
