// Access to a connection's buffers for the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "proxy/proxy_connection.h"

namespace hush {

struct ConnectionProbe {
  static ByteBuffer& ToServer(ProxyConnection& c) { return c.toServer_; }
  static ByteBuffer& ToBrowser(ProxyConnection& c) { return c.toBrowser_; }
  static void SetBrowserSocket(ProxyConnection& c, platform::Socket s) { c.browserSocket_ = s; }
  static void SetSendSize(ProxyConnection& c, int size) { c.sendSize_ = c.receiveSize_ = size; }
};

}  // namespace hush
