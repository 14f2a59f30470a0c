// The "[Proxy]" section of Opera's settings file "opera6.ini": whether it
// points Opera at the proxy, and the edits that set and reset it. Only the
// two lines "Use HTTP" and "HTTP Server" inside that section are touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browsers/http_proxy.h"

namespace hush::browsers {

// The two lines as they were before a set; none where the file had none.
struct OperaProxyLines {
  std::optional<std::string> useHttp;
  std::optional<std::string> httpServer;
};

OperaProxyLines FindOperaProxyLines(std::string_view fileText);

// The file with "Use HTTP=1" and "HTTP Server=host:port" in its "[Proxy]"
// section (added where missing); a file without the section gets the whole
// block at its end.
std::string WithOperaProxySet(std::string_view fileText, const std::string& host,
                              const std::string& port);

// The file with the two lines put back as they were before the set, or as
// "Use HTTP=0" and a bare "HTTP Server" when that is not known. Lines that
// are not there are not added.
std::string WithOperaProxyReset(std::string_view fileText, const OperaProxyLines* before);

// The HTTP proxy those lines switch on, if any.
std::optional<HttpProxy> OperaHttpProxy(const OperaProxyLines& lines);

// "Use HTTP=1" and "HTTP Server=Hushwall:8100" inside "[Proxy]".
bool OperaTextUsesProxy(std::string_view fileText);

}  // namespace hush::browsers
