#include "browsers/text_lines.h"

namespace hush::browsers {

namespace {

// Where the line that starts at `start` ends: the index of its last line-end
// byte, npos when it runs to the end of the bytes.
std::size_t LineEndAt(std::string_view bytes, std::size_t start, LoneCarriageReturn loneCr) {
  if (loneCr == LoneCarriageReturn::kIsText) return bytes.find('\n', start);
  const std::size_t at = bytes.find_first_of("\r\n", start);
  if (at == std::string_view::npos || bytes[at] == '\n') return at;
  return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? at + 1 : at;
}

}  // namespace

TextLines TextLines::Parse(std::string_view bytes, LoneCarriageReturn loneCr) {
  TextLines parsed;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t feed = LineEndAt(bytes, start, loneCr);
    if (feed == std::string_view::npos) {
      parsed.lines_.push_back({std::string(bytes.substr(start)), ""});
      break;
    }
    std::size_t textEnd = feed;
    if (bytes[feed] == '\n' && textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
    parsed.lines_.push_back({std::string(bytes.substr(start, textEnd - start)),
                             std::string(bytes.substr(textEnd, feed + 1 - textEnd))});
    start = feed + 1;
  }
  return parsed;
}

std::string TextLines::Bytes() const {
  std::string bytes;
  for (const TextLine& line : lines_) bytes.append(line.text).append(line.end);
  return bytes;
}

std::string TextLines::LineEnd() const {
  std::size_t crlf = 0, lf = 0, cr = 0;
  for (const TextLine& line : lines_) {
    if (line.end == "\r\n") ++crlf;
    if (line.end == "\n") ++lf;
    if (line.end == "\r") ++cr;
  }
  if (cr > crlf && cr > lf) return "\r";
  return lf > crlf ? "\n" : "\r\n";
}

void TextLines::Append(std::string text, const std::string& end) {
  if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = LineEnd();
  lines_.push_back({std::move(text), end});
}

void TextLines::InsertAt(std::size_t at, std::string text) {
  if (at >= lines_.size()) {
    Append(std::move(text), LineEnd());
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), {std::move(text), LineEnd()});
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace hush::browsers
