// Access to a connection's buffers for the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "proxy/proxy_connection.h"

namespace hush {

struct ConnectionProbe {
  static ByteBuffer& ToServer(ProxyConnection& c) { return c.toServer_; }
  static ByteBuffer& ToBrowser(ProxyConnection& c) { return c.response_.Incoming(); }
  static void SetBrowserSocket(ProxyConnection& c, platform::Socket s) { c.browserSocket_ = s; }
  static void SetSendSize(ProxyConnection& c, int size) { c.sendSize_ = c.receiveSize_ = size; }

  // Bytes as an oracle's report shows them: control and high bytes escaped,
  // a line break after each line feed.
  static std::string Visible(const std::string& bytes) {
    std::string shown;
    for (unsigned char c : bytes) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped,
                    c == '\n'             ? "\\n\n"
                    : (c < 32 || c > 126) ? "\\x%02x"
                                          : "%c",
                    c);
      shown += escaped;
    }
    return shown;
  }
};

}  // namespace hush
