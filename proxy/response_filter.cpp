// The response side of a connection. For now every byte from the server is
// forwarded as it arrives; classification and page rewriting hook in here.
#include "proxy/proxy_connection.h"

namespace hush {

void ProxyConnection::ResetResponse() { responseLines_.clear(); }

void ProxyConnection::OnServerData() { SendAll(browserSocket_, toBrowser_); }

void ProxyConnection::FinishResponse() { SendAll(browserSocket_, toBrowser_); }

}  // namespace hush
