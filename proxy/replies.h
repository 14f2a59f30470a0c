// The proxy's own fixed replies, byte for byte as browsers have always
// received them.
#pragma once

#include <string_view>

namespace hush {

inline constexpr std::string_view kInvalidHeaderReply =
    "HTTP/1.0 400 Invalid header received from browser\n\n";

inline constexpr std::string_view kConnectionEstablishedReply =
    "HTTP/1.0 200 Connection established\r\nProxy-agent: QX-Proxy/1.0\r\n\r\n";

// The markup sits in the header section; that is how the reply has always
// looked on the wire.
inline constexpr std::string_view kConnectFailedReply =
    "HTTP/1.0 404 Error connecting to site\r\nPragma: no-cache\r\n"
    "Content-Type: text/html\r\n<html>\r\n<head>\r\nSite does not exist.\r\n"
    "</head></html>\r\n\r\n";

}  // namespace hush
