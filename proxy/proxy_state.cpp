#include "proxy/proxy_state.h"

namespace hush {

std::atomic<std::int32_t> ActiveConnectionCount{0};
std::atomic<std::int32_t> ConnectionsStarted{0};
std::atomic<std::int32_t> DefaultReceiveBufferSize{0};
std::atomic<std::int32_t> DefaultSendBufferSize{0};
std::atomic<std::int32_t> LoweredBufferSize{0};
std::atomic<platform::Socket> ListenSocket{platform::kNoSocket};

}  // namespace hush
