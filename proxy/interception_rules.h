// The rules for HTTPS interception that need no socket: which CONNECTs are
// intercepted, what a request inside an intercepted connection may ask for,
// and how a tunnel is asked of the gateway and its answer read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "proxy/client_hello.h"
#include "proxy/engine_settings.h"
#include "proxy/request_rules.h"

namespace hush {

// `host` (any case) is an excluded host or a subdomain of one.
bool IsExcludedHost(std::string_view host, const std::vector<std::string>& exclusions);

// A CONNECT the settings say to intercept: filtering on, a minter, the port
// one of the HTTPS ports and the host not excluded.
bool WantsInterception(const RequestLine& connect, const EngineSettings& settings);

// The ClientHello leaves the CONNECT to be intercepted: a whole hello with
// a usable name (its server name, else `connectHost`) that is not
// excluded, and HTTP/1.1 among its protocols when it names any (a browser
// that only speaks HTTP/2 here would not understand the answer). The name
// TLS is opened for goes to `name`.
bool HelloAllowsInterception(const ClientHello& hello, const std::string& connectHost,
                             const EngineSettings& settings, std::string& name);

// A request header inside an intercepted connection to `host`: origin-form
// ("GET /path HTTP/1.1"), for that host (its Host header, when it has one,
// names no other). Nothing otherwise: such a request is refused, as the
// connection reaches only the server it was verified for.
std::optional<RequestLine> ParseInterceptedRequest(const std::vector<std::string>& lines,
                                                   const std::string& host, std::int32_t port);

// What the proxy sends a gateway for a tunnel of its own to `host`:`port`.
std::string GatewayConnectRequest(const std::string& host, std::int32_t port);
// The gateway's answer header (through its blank line) opened the tunnel.
bool GatewayOpenedTunnel(std::string_view replyHead);

}  // namespace hush
