// The request rules: what a request line names and where the request goes.
#include "proxy/request_rules.h"

#include <gtest/gtest.h>

namespace hush {
namespace {

TEST(RequestRules, RequestLinesNameTheirHostPortAndPath) {
  struct Case {
    const char* line;
    bool valid;
    const char* host;
    int port;
    const char* path;
    bool connect;
  };
  const Case cases[] = {
      {"GET http://a.example/x?y HTTP/1.1\r\n", true, "a.example", 80, "/x?y", false},
      {"get HTTPS://a.example:8443/ HTTP/1.0\r\n", true, "a.example", 8443, "/", false},
      {"CONNECT secure.example:443 HTTP/1.1\r\n", true, "secure.example", 443, "", true},
      {"CONNECT secure.example HTTP/1.1\r\n", true, "secure.example", 80, "", true},
      {"GET /relative HTTP/1.1\r\n", false, "", 0, "", false},
      {"GET http://a.example HTTP/1.1\r\n", false, "", 0, "", false},  // no path
      {"GET http://a.example/\r\n", false, "", 0, "", false},
      {"GET http://a.example/ HTTP/1.1 extra\r\n", false, "", 0, "", false},
  };
  for (const Case& c : cases) {
    const std::optional<RequestLine> request = ParseRequestLine(c.line);
    ASSERT_EQ(request.has_value(), c.valid) << c.line;
    if (!request) continue;
    EXPECT_EQ(request->hostName, c.host) << c.line;
    EXPECT_EQ(request->port, c.port) << c.line;
    EXPECT_EQ(request->path, c.path) << c.line;
    EXPECT_EQ(request->connect, c.connect) << c.line;
  }
  EXPECT_EQ(OriginFormLine(*ParseRequestLine("GET http://h:81/p HTTP/1.1\r\n")),
            "GET /p HTTP/1.1\r\n");
}

// Only a CONNECT made straight to its server is answered by the proxy; with
// a gateway everything, CONNECT too, goes on to the gateway as it came.
TEST(RequestRules, RoutesGoToTheGatewayWhenOneIsSet) {
  EngineSettings direct;
  EngineSettings gateway;
  gateway.gatewayEnabled = true;
  gateway.gatewayHost = "10.0.0.1";
  gateway.gatewayPort = 3128;
  const RequestLine page = *ParseRequestLine("GET http://a.example:81/ HTTP/1.1\r\n");
  const RequestLine tunnel = *ParseRequestLine("CONNECT s.example:443 HTTP/1.1\r\n");
  struct Case {
    const RequestLine& request;
    const EngineSettings& settings;
    const char* host;
    int port;
    bool answerHere;
  };
  const Case cases[] = {
      {page, direct, "a.example", 81, false},
      {tunnel, direct, "s.example", 443, true},
      {page, gateway, "10.0.0.1", 3128, false},
      {tunnel, gateway, "10.0.0.1", 3128, false},
  };
  for (const Case& c : cases) {
    const Route route = ChooseRoute(c.request, c.settings);
    EXPECT_EQ(route.host, c.host);
    EXPECT_EQ(route.port, c.port);
    EXPECT_EQ(route.answerConnectHere, c.answerHere);
  }
}

}  // namespace
}  // namespace hush
