#include "proxy/header_parsing.h"

#include <algorithm>
#include <cstring>

#include "common/ascii.h"

namespace hush {
namespace {

bool OffersGzip(std::string_view line) {
  return ContainsIgnoreCase(line, "accept-encoding:") && ContainsIgnoreCase(line, "gzip");
}

}  // namespace

bool IsHeaderComplete(std::string_view bytes) {
  int lineFeeds = 0;
  for (char c : bytes) {
    if (c == '\n') {
      if (++lineFeeds == 2) return true;
    } else if (c != '\r') {
      lineFeeds = 0;
    }
  }
  return false;
}

bool SplitHeaderBlock(ByteBuffer& buffer, std::vector<std::string>& lines,
                      const HeaderSplitOptions& options) {
  // The strings already in `lines` are reused: a keep-alive connection
  // splits a header of much the same lines for every request.
  size_t kept = 0;
  std::string lowered;
  const std::string_view bytes = buffer.view();
  size_t lineStart = 0;
  // A line ends at an LF that has a byte after it; the byte after it (and,
  // past a CR, the one after that) decides whether the block ends there.
  while (bytes.size() >= 2 && lineStart < bytes.size() - 1) {
    const void* lf = std::memchr(bytes.data() + lineStart, '\n', bytes.size() - 1 - lineStart);
    if (lf == nullptr) break;
    size_t end = static_cast<size_t>(static_cast<const char*>(lf) - bytes.data()) + 1;
    if (end < bytes.size() && bytes[end] == '\r') ++end;
    bool finished = end < bytes.size() && bytes[end] == '\n';
    if (finished) ++end;
    const std::string_view line = bytes.substr(lineStart, end - lineStart);
    if (options.classify) {
      AssignLowered(lowered, line);
      options.classify(lowered);
    }
    // The request or status line is never an offer, whatever its address
    // says ("/gzip?accept-encoding:" is a page like any other).
    const bool offer = options.dropGzipOffer && lineStart != 0 && OffersGzip(line);
    if (!offer) {
      if (kept < lines.size())
        lines[kept].assign(line);
      else
        lines.emplace_back(line);
      ++kept;
    }
    lineStart = end;
    if (finished) {
      lines.resize(kept);
      buffer.Consume(end);
      return true;
    }
  }
  lines.clear();
  return false;
}

std::string JoinHeader(const std::vector<std::string>& lines) {
  std::string header;
  size_t total = 4;
  for (const std::string& line : lines) total += line.size();
  header.reserve(total);
  for (const std::string& line : lines) header += line;
  while (header.size() > 1 && (header.back() == '\r' || header.back() == '\n')) header.pop_back();
  header += "\r\n\r\n";
  return header;
}

int Tokenize(std::string_view text, std::string_view separators, std::vector<std::string>& tokens) {
  tokens.clear();
  size_t end = text.find_first_of(std::string_view("\0\n", 2));
  if (end != std::string_view::npos) text = text.substr(0, end);
  size_t i = 0;
  while (i < text.size()) {
    i = text.find_first_not_of(separators, i);
    if (i == std::string_view::npos) break;
    size_t stop = text.find_first_of(separators, i);
    if (stop == std::string_view::npos) stop = text.size();
    tokens.emplace_back(text.substr(i, stop - i));
    i = stop;
  }
  return static_cast<int>(tokens.size());
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

size_t FindIgnoreCase(std::string_view text, std::string_view part) {
  const auto at = std::search(text.begin(), text.end(), part.begin(), part.end(),
                              [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
  return at == text.end() && !part.empty() ? std::string_view::npos
                                           : static_cast<size_t>(at - text.begin());
}

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return FindIgnoreCase(text, part) != std::string_view::npos;
}

void AssignLowered(std::string& lowered, std::string_view text) {
  lowered.assign(text);
  for (char& c : lowered) c = LowerAscii(c);
}

}  // namespace hush
