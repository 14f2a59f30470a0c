#include "browsers/text_lines.h"

namespace hush::browsers {

TextLines TextLines::Parse(std::string_view bytes) {
  TextLines parsed;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t feed = bytes.find('\n', start);
    if (feed == std::string_view::npos) {
      parsed.lines_.push_back({std::string(bytes.substr(start)), ""});
      break;
    }
    std::size_t textEnd = feed;
    if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
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
  std::size_t crlf = 0, lf = 0;
  for (const TextLine& line : lines_) {
    if (line.end == "\r\n") ++crlf;
    if (line.end == "\n") ++lf;
  }
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
