// The byte-level helpers of the request side: where a header ends, how it
// is cut into lines and put back together, and how text is split.
#include "proxy/header_parsing.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace hush {
namespace {

TEST(HeaderEnd, RecognisesEveryBlankLineForm) {
  EXPECT_TRUE(IsHeaderComplete("GET / HTTP/1.0\r\n\r\n"));
  EXPECT_TRUE(IsHeaderComplete("GET / HTTP/1.0\n\n"));
  EXPECT_TRUE(IsHeaderComplete("GET / HTTP/1.0\n\r\n"));
  EXPECT_TRUE(IsHeaderComplete("GET / HTTP/1.0\n\r\r\r\n"));
  EXPECT_FALSE(IsHeaderComplete("GET / HTTP/1.0\r\nHost: a\r\n"));
  EXPECT_FALSE(IsHeaderComplete("GET / HTTP/1.0\r\n \r\n"));
  EXPECT_FALSE(IsHeaderComplete(""));
}

std::vector<std::string> Split(const std::string& bytes, ByteBuffer& buffer, bool dropGzip,
                               bool* finished = nullptr) {
  buffer.Clear();
  buffer.Append(bytes);
  std::vector<std::string> lines;
  HeaderSplitOptions options;
  options.dropGzipOffer = dropGzip;
  bool done = SplitHeaderBlock(buffer, lines, options);
  if (finished != nullptr) *finished = done;
  return lines;
}

TEST(HeaderSplit, KeepsLineEndingsAndLeavesTheBodyBehind) {
  ByteBuffer buffer;
  auto lines = Split("GET / HTTP/1.1\r\nHost: a\r\n\r\nBODY", buffer, false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "GET / HTTP/1.1\r\n");
  EXPECT_EQ(lines[1], "Host: a\r\n\r\n");
  EXPECT_EQ(buffer.view(), "BODY");

  lines = Split("GET / HTTP/1.0\n\r\nX", buffer, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "GET / HTTP/1.0\n\r\n");
  EXPECT_EQ(buffer.view(), "X");
}

TEST(HeaderSplit, IncompleteBlockLeavesTheBufferAlone) {
  ByteBuffer buffer;
  bool finished = true;
  auto lines = Split("GET / HTTP/1.1\r\nHost: a\r\n", buffer, false, &finished);
  EXPECT_FALSE(finished);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(buffer.size(), 25u);
  // A final LF with nothing after it cannot end the block yet.
  Split("GET / HTTP/1.1\r\n\n", buffer, false, &finished);
  EXPECT_TRUE(finished);
  Split("A\n", buffer, false, &finished);
  EXPECT_FALSE(finished);
}

TEST(HeaderSplit, DropsOnlyLinesThatOfferGzip) {
  ByteBuffer buffer;
  const std::string request =
      "GET / HTTP/1.1\r\nAccept-Encoding: gzip, deflate\r\n"
      "ACCEPT-ENCODING: x-GZIP\r\naccept-encoding: deflate\r\n"
      "X-Note: gzip\r\n\r\n";
  auto lines = Split(request, buffer, true);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "accept-encoding: deflate\r\n");
  EXPECT_EQ(lines[2], "X-Note: gzip\r\n\r\n");
  EXPECT_EQ(Split(request, buffer, false).size(), 5u);
  // An address that spells an offer is still the request line.
  lines = Split("GET http://h/gzip?accept-encoding: HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n",
                buffer, true);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "GET http://h/gzip?accept-encoding: HTTP/1.1\r\n");
}

TEST(HeaderSplit, ClassifierSeesLowercasedLines) {
  ByteBuffer buffer;
  buffer.Append("HTTP/1.1 200 OK\r\nContent-Type: Text/HTML\r\n\r\n");
  std::vector<std::string> seen, lines;
  HeaderSplitOptions options;
  options.classify = [&](const std::string& line) { seen.push_back(line); };
  ASSERT_TRUE(SplitHeaderBlock(buffer, lines, options));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], "content-type: text/html\r\n\r\n");
  EXPECT_EQ(lines[1], "Content-Type: Text/HTML\r\n\r\n");
}

TEST(HeaderJoin, EndsWithExactlyOneBlankLine) {
  EXPECT_EQ(JoinHeader({"GET / HTTP/1.0\r\n", "Host: a\r\n\r\n"}),
            "GET / HTTP/1.0\r\nHost: a\r\n\r\n");
  EXPECT_EQ(JoinHeader({"GET / HTTP/1.0\n", "Host: a\n\n"}), "GET / HTTP/1.0\nHost: a\r\n\r\n");
  // The first byte is never removed, even when it is a line end.
  EXPECT_EQ(JoinHeader({"\r\n"}), "\r\r\n\r\n");
  EXPECT_EQ(JoinHeader({}), "\r\n\r\n");
}

TEST(Tokenizer, SkipsEmptyTokensAndStopsAtLineFeedOrNul) {
  std::vector<std::string> tokens;
  EXPECT_EQ(Tokenize("  GET   /a  HTTP/1.1\r\n", " \r\n", tokens), 3);
  EXPECT_EQ(tokens[1], "/a");
  EXPECT_EQ(Tokenize("host:8080", ":", tokens), 2);
  EXPECT_EQ(Tokenize("a b\nc d", " ", tokens), 2);
  EXPECT_EQ(Tokenize(std::string_view("a b\0c", 5), " ", tokens), 2);
  EXPECT_EQ(Tokenize("::::", ":", tokens), 0);
}

TEST(ByteBufferTest, ConsumesFromTheFrontAndReusesSpace) {
  ByteBuffer buffer;
  buffer.Append("hello world");
  buffer.Consume(6);
  EXPECT_EQ(buffer.view(), "world");
  char* space = buffer.Reserve(100);
  space[0] = '!';
  buffer.Commit(1);
  EXPECT_EQ(buffer.view(), "world!");
  buffer.Assign(buffer.view().substr(1));  // from its own bytes
  EXPECT_EQ(buffer.view(), "orld!");
  buffer.Consume(100);
  EXPECT_TRUE(buffer.empty());
}

TEST(ByteBufferTest, PrependAndInsertKeepTheBytesInOrder) {
  struct Case {
    size_t room, consumed;  // front room kept, then bytes taken off the front
    size_t insertAt;
  } cases[] = {{0, 0, 0}, {0, 3, 5}, {16, 0, 2}, {16, 0, 15}, {2, 0, 99}, {0, 5, 4}, {8, 2, 1}};
  for (const Case& c : cases) {
    ByteBuffer buffer;
    buffer.KeepFrontRoom(c.room);
    buffer.Append("xxxxxbody of the page");
    buffer.Consume(c.consumed);
    std::string expected = std::string("xxxxxbody of the page").substr(c.consumed);
    buffer.Insert(c.insertAt, "<ins>");
    expected.insert(std::min(c.insertAt, expected.size()), "<ins>");
    buffer.Prepend("HEADER\r\n\r\n");
    EXPECT_EQ(buffer.view(), "HEADER\r\n\r\n" + expected) << c.room << " " << c.consumed;
  }
}

TEST(ByteBufferTest, HeadersPutInFrontPageAfterPageDoNotGrowTheStorage) {
  // A keep-alive connection rebuilds each page and puts its header in front.
  ByteBuffer buffer;
  const std::string page(20000, 'p'), header(250, 'h');
  size_t firstCapacity = 0;
  for (int i = 0; i < 1000; ++i) {
    buffer.Assign(page);
    buffer.Prepend(header);
    ASSERT_EQ(buffer.size(), page.size() + header.size());
    buffer.Clear();
    if (i == 0) firstCapacity = buffer.capacity();
  }
  EXPECT_LE(buffer.capacity(), 2 * firstCapacity);
}

}  // namespace
}  // namespace hush
