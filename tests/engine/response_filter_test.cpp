// The response side on the wire: which responses are held, rewritten,
// de-chunked or streamed, byte for byte.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "app/blocker_preparation.h"
#include "proxy/proxy_connection.h"
#include "proxy/response_filter.h"
#include "proxy/settings_store.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

using test::OriginConnection;
using test::OriginServer;
using test::RawClient;

const std::string kScript = "<script>/*" + std::string(1979, 's') + "*/</script>";  // 2000 bytes
const std::string kAlert = "<BGSOUND ID='QX_beep'>";

bool ControlHeld() { return true; }

class ResponseFilterTest : public test::ProxyTest {
 protected:
  void SetUp() override {
    ProxyTest::SetUp();
    SetPreparedBlockerScript(kScript);
    PublishSettings();
  }
  void TearDown() override {
    SetPreparedBlockerScript("");
    SetControlKeyProbeForTesting(nullptr);
    ProxyTest::TearDown();
  }
  // What the browser receives when the origin answers `raw` and closes.
  std::string Through(const std::string& raw, const std::string& method = "GET") {
    OriginServer origin([raw](OriginConnection& connection) {
      connection.ReadHead();
      connection.Send(raw);
    });
    RawClient browser(ProxyPort());
    browser.Send(method + " http://127.0.0.1:" + std::to_string(origin.port()) +
                 "/ HTTP/1.1\r\n\r\n");
    return browser.ReadToEnd();
  }
  static std::string Page(size_t size, const std::string& start = "<html><head><title>t</title>") {
    std::string page = start;
    page.resize(size, 'p');
    return page;
  }
};

TEST_F(ResponseFilterTest, HtmlPageGetsTheScriptInFrontAndItsLengthCorrected) {
  const std::string page = Page(1000);
  Settings().playWave.store(0);
  PublishSettings();
  EXPECT_EQ(
      Through("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000\r\n\r\n" + page),
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 3000\r\n\r\n" + kScript +
          page);
  Settings().playWave.store(1);
  PublishSettings();
  std::string withAlert = kScript + page;
  withAlert.insert(kScript.size() + 12, kAlert);  // right after "<html><head>"
  EXPECT_EQ(
      Through("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length:1000\r\n\r\n" + page),
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 3022\r\n\r\n" + withAlert);
}

TEST_F(ResponseFilterTest, PagesPassUnchangedWhenFilteringIsOffOrCtrlIsHeld) {
  const std::string response =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000\r\n\r\n" + Page(1000);
  SetControlKeyProbeForTesting(ControlHeld);
  EXPECT_EQ(Through(response), response);
  SetControlKeyProbeForTesting(nullptr);
  Settings().popupCheckEnabled.store(0);
  PublishSettings();
  EXPECT_EQ(Through(response), response);
  Settings().popupCheckEnabled.store(1);
  Settings().disabled.store(1);
  PublishSettings();
  EXPECT_EQ(Through(response), response);
}

TEST_F(ResponseFilterTest, OnlyPageLikeTextIsInjected) {
  for (const char* type : {"application/x-javascript", "text/javascript"}) {
    const std::string response = std::string("HTTP/1.1 200 OK\r\nContent-Type: ") + type +
                                 "\r\nContent-Length: 14\r\n\r\n<html>x</html>";
    EXPECT_EQ(Through(response), response) << type;
  }
  const std::string plain =
      "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 25\r\n\r\n";
  EXPECT_EQ(Through(plain + "x = '<script>' in quotes."), plain + "x = '<script>' in quotes.");
  EXPECT_EQ(Through(plain + "<script>first byte</scrip"), plain + "<script>first byte</scrip");
  EXPECT_NE(Through(plain + "text <script>a()</script>").find(kScript), std::string::npos);
}

TEST_F(ResponseFilterTest, ImagesAndComponentsStreamAtOnce) {
  for (const char* type : {"image/gif", "text/x-component"}) {
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    OriginServer origin([&](OriginConnection& connection) {
      connection.ReadHead();
      connection.Send(std::string("HTTP/1.1 200 OK\r\nContent-Type: ") + type +
                      "\r\nContent-Length: 10\r\n\r\nfirst");
      std::unique_lock<std::mutex> lock(mutex);
      released.wait(lock, [&] { return release; });
      connection.Send("-last");
    });
    RawClient browser(ProxyPort());
    browser.Send("GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
    // The first half arrives while the origin still holds the second back.
    EXPECT_NE(browser.ReadUntil("first").find("first"), std::string::npos) << type;
    {
      std::lock_guard<std::mutex> lock(mutex);
      release = true;
    }
    released.notify_all();
    EXPECT_EQ(browser.ReadBytes(5), "-last") << type;
  }
}

TEST_F(ResponseFilterTest, RedirectsNoContentAndNotModifiedStreamUnchanged) {
  for (const char* status : {"302 Found", "304 Not Modified", "204 No Content"}) {
    const std::string response = std::string("HTTP/1.1 ") + status +
                                 "\r\nContent-Type: text/html\r\nContent-Length: 6\r\n\r\n<html>";
    EXPECT_EQ(Through(response), response) << status;
  }
}

TEST_F(ResponseFilterTest, UntypedResponsesAreJudgedByTheirFirstBytes) {
  EXPECT_EQ(Through("HTTP/1.0 200 OK\r\n\r\n<html>hi</html>"),
            "HTTP/1.0 200 OK\r\n\r\n" + kScript + "<html>hi</html>");
  const std::string binary("HTTP/1.0 200 OK\r\n\r\n<html>\0\1\2</html>", 34);
  EXPECT_EQ(Through(binary), binary);
}

TEST_F(ResponseFilterTest, ChunkedPageBecomesOneBodyWithALength) {
  EXPECT_EQ(
      Through("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n"
              "6\r\n<html>\r\n3;ext=1\r\nabc\r\nA\r\n0123456789\r\n0\r\n\r\n"),
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2019\r\n\r\n" + kScript +
          "<html>abc0123456789");
  // Trailer fields after the last chunk are not part of the page.
  EXPECT_EQ(
      Through("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n"
              "6\r\n<html>\r\n0\r\nX-Checksum: 1\r\nX-Time: 2\r\n\r\n"),
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2006\r\n\r\n" + kScript +
          "<html>");
  const std::string png =
      "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nTransfer-Encoding: chunked\r\n\r\n"
      "4\r\n\x89PNG\r\n0\r\n\r\n";
  EXPECT_EQ(Through(png), png);
}

// The last chunk's line may come alone: trailers (or the empty line) that
// follow a moment later are still not page.
TEST_F(ResponseFilterTest, TrailersArrivingAfterTheLastChunkStayOutOfThePage) {
  for (const char* rest : {"X-Checksum: 1\r\n\r\n", "\r\n"}) {
    OriginServer origin([rest](OriginConnection& connection) {
      connection.ReadHead();
      connection.Send(
          "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n"
          "6\r\n<html>\r\n0\r\n");
      platform::SleepMilliseconds(200);
      connection.Send(rest);
    });
    RawClient browser(ProxyPort());
    browser.Send("GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
    EXPECT_EQ(browser.ReadResponse(),
              "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2006\r\n\r\n" +
                  kScript + "<html>")
        << rest;
    EXPECT_EQ(browser.ReadToEnd(1000), "") << rest;
  }
}

TEST_F(ResponseFilterTest, HeaderlessAnswerStartingWithMarkupIsAPage) {
  EXPECT_EQ(Through(" \r\n <html>old server</html>"), kScript + " \r\n <html>old server</html>");
}

TEST_F(ResponseFilterTest, MixedCaseHeadTagGetsNoAlertElement) {
  const std::string page = "<html><Head></Head><body>b</body></html>";
  EXPECT_EQ(Through("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + page),
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + kScript + page);
}

TEST_F(ResponseFilterTest, AlertElementFollowsTheFirstHeadTagOfThePageWithItsScript) {
  const std::string a = kAlert;
  // Far enough in that the page is not taken for binary.
  const std::string nulFirst = "<html>" + std::string(40, 'p') + '\0' + "<head>t";
  const struct {
    std::string script, page, expected;
  } cases[] = {
      {"<s>x</s>", "<html><head>t", "<s>x</s><html><head>" + a + "t"},
      {"<s><head></s>", "<html><head>t", "<s><head>" + a + "</s><html><head>t"},
      {"<s></s><he", "ad><body>b", "<s></s><head>" + a + "<body>b"},
      {"<s></s><head", "><body>b", "<s></s><head>" + a + "<body>b"},
      {"<s>x</s>", "<html><HEAD>t", "<s>x</s><html><HEAD>" + a + "t"},
      {"<s>x</s>", nulFirst, "<s>x</s>" + nulFirst},  // nothing is searched past a NUL
      {"<s>x</s>", "<html><head>", "<s>x</s><html><head>"},
  };
  for (const auto& c : cases) {
    SetPreparedBlockerScript(c.script);
    PublishSettings();
    EXPECT_EQ(Through("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + c.page),
              "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + c.expected)
        << c.script << c.page;
  }
}

TEST_F(ResponseFilterTest, ScriptGoesBehindALeadingDoctype) {
  const std::string start = "\xEF\xBB\xBF \r\n<!DOCTYPE html>";
  const std::string rest = "\n<html><body>standards mode</body></html>";
  EXPECT_EQ(Through("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + start + rest),
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + start + kScript + rest);
  // A doctype further in is not the page's start: the script goes first.
  const std::string late = "<html><!DOCTYPE html><body>x</body></html>";
  EXPECT_EQ(Through("HTTP/1.0 200 OK\r\n\r\n" + late), "HTTP/1.0 200 OK\r\n\r\n" + kScript + late);
}

TEST_F(ResponseFilterTest, PagesOverTheHoldLimitStreamUnchanged) {
  Settings().filterSizeLimit.store(1500);
  PublishSettings();
  const std::string response =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 5000\r\n\r\n" + Page(5000);
  EXPECT_EQ(Through(response), response);
  const std::string chunk(1000, 'c');
  const std::string chunked =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n";
  std::string body;
  for (int i = 0; i < 4; ++i) body += "3e8\r\n" + chunk + "\r\n";
  body += "0\r\n\r\n";
  // What was collected goes out again as one chunk, then the rest as sent.
  EXPECT_EQ(Through(chunked + body), chunked + "7d0\r\n" + chunk + chunk + "\r\n3e8\r\n" + chunk +
                                         "\r\n3e8\r\n" + chunk + "\r\n0\r\n\r\n");
}

TEST_F(ResponseFilterTest, SizesThatOverflowPassThroughUnchanged) {
  const std::string huge =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
      "99999999999999999999999\r\n\r\n"
      "<html>short</html>";
  EXPECT_EQ(Through(huge), huge);
  const std::string chunked =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n";
  EXPECT_EQ(Through(chunked + "FFFFFFFFFFFFFFFFFFFFFFFF\r\n<html>"),
            chunked + "FFFFFFFFFFFFFFFFFFFFFFFF\r\n<html>");
  EXPECT_EQ(Through(chunked + "6\r\n<html>\r\nzz\r\nmore"), chunked + "6\r\n<html>\r\nzz\r\nmore");
}

TEST_F(ResponseFilterTest, HeadAnswersAreNotHeldForABodyThatNeverComes) {
  OriginServer origin([](OriginConnection& connection) {
    connection.ReadHead();
    connection.Send("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 500\r\n\r\n");
    connection.ReadSome();  // keeps the connection open
  });
  RawClient browser(ProxyPort());
  browser.Send("HEAD http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
  EXPECT_EQ(browser.ReadUntil("\r\n\r\n"),
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 500\r\n\r\n");
}

TEST_F(ResponseFilterTest, ContinueAndTheRealAnswerInOneSegmentBothArrive) {
  const std::string page = "<html>posted</html>";
  EXPECT_EQ(Through("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                    "Content-Length: 19\r\n\r\n" +
                    page),
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
            "Content-Length: 2019\r\n\r\n" +
                kScript + page);
}

// Any number of interim answers in one segment: each passes, the page is
// filtered, and no stack grows with their number.
TEST_F(ResponseFilterTest, EndlessInterimAnswersPassOneAfterAnother) {
  std::string interim;
  for (int i = 0; i < 1000; ++i) interim += "HTTP/1.1 100 Continue\r\n\r\n";
  const std::string page = "<html>posted</html>";
  EXPECT_EQ(Through(interim +
                    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                    "Content-Length: 19\r\n\r\n" +
                    page),
            interim + "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2019\r\n\r\n" +
                kScript + page);
}

TEST_F(ResponseFilterTest, KeepAliveResponsesAreEachFiltered) {
  const std::string page = "<html>again</html>";
  OriginServer origin(OriginServer::Replying([&](const std::string&) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 18\r\n\r\n" + page;
  }));
  RawClient browser(ProxyPort());
  for (int i = 0; i < 3; ++i) {
    browser.Send("GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
    EXPECT_EQ(browser.ReadResponse(),
              "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2018\r\n\r\n" +
                  kScript + page);
  }
}

}  // namespace
}  // namespace hush

namespace hush {
namespace {

// The filter on its own, as a connection drives it: bytes in, the sink
// gets what the browser is to see.
class RecordingSink : public BrowserSink {
 public:
  void SendToBrowser(ByteBuffer& bytes) override {
    if (!open) return;
    sent.append(bytes.view());
    bytes.Clear();
  }
  bool BrowserOpen() const override { return open; }
  std::string sent;
  bool open = true;
};

TEST(ResponseFilterAlone, AnInterimAnswerLetsTheBodyGoAndThePageBehindItIsStillFiltered) {
  RecordingSink sink;
  ResponseFilter filter(sink);
  EngineSettings settings;
  settings.blockerScript = "<s></s>";
  filter.BeginResponse(std::make_shared<const EngineSettings>(settings), RequestFacts{});
  const std::string page = "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n<html>";
  filter.Incoming().Append("HTTP/1.1 100 Continue\r\n\r\n" + page);
  EXPECT_TRUE(filter.OnServerData());
  EXPECT_EQ(
      sink.sent,
      "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 13\r\n\r\n<s></s><html>");
  // Nothing is finished for a browser that has gone.
  sink.sent.clear();
  filter.BeginResponse(std::make_shared<const EngineSettings>(settings), RequestFacts{});
  filter.Incoming().Append(page.substr(0, page.size() - 1));
  EXPECT_FALSE(filter.OnServerData());
  sink.open = false;
  filter.FinishResponse();
  EXPECT_EQ(sink.sent, "");
}

}  // namespace
}  // namespace hush
