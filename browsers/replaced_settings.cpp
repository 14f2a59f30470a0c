#include "browsers/replaced_settings.h"

#include <algorithm>
#include <cstdio>

#include "browsers/text_lines.h"
#include "common/ascii.h"

namespace hush::browsers {
namespace {

constexpr char kHeader[] =
    "; Proxy settings that Hushwall replaced in your browsers, put back when it is taken off.";

// Control characters, "%", brackets, "=" and blanks at either end are
// written as %XX, so every value reads back exactly.
std::string Escape(std::string_view text) {
  std::string escaped;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    const bool edgeBlank = (c == ' ' || c == '\t') && (at == 0 || at + 1 == text.size());
    if (c < 0x20 || c == 0x7F || c == '%' || c == '[' || c == ']' || c == '=' || edgeBlank) {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", c);
      escaped += code;
    } else {
      escaped += static_cast<char>(c);
    }
  }
  return escaped;
}

std::string Unescape(std::string_view text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 2 < text.size() && HexDigitValue(text[at + 1]) >= 0 &&
        HexDigitValue(text[at + 2]) >= 0) {
      plain += static_cast<char>(HexDigitValue(text[at + 1]) * 16 + HexDigitValue(text[at + 2]));
      at += 2;
    } else {
      plain += text[at];
    }
  }
  return plain;
}

}  // namespace

ReplacedSettings ReplacedSettings::Parse(std::string_view text) {
  ReplacedSettings settings;
  Fields* current = nullptr;
  const TextLines file = TextLines::Parse(text);
  for (const TextLine& line : file.lines()) {
    const std::string_view trimmed = Trimmed(line.text);
    if (trimmed.empty() || trimmed.front() == ';') continue;
    if (trimmed.front() == '[' && trimmed.back() == ']') {
      settings.records_.emplace_back(Unescape(trimmed.substr(1, trimmed.size() - 2)), Fields{});
      current = &settings.records_.back().second;
      continue;
    }
    const std::size_t equals = trimmed.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    (*current)[Unescape(trimmed.substr(0, equals))] = Unescape(trimmed.substr(equals + 1));
  }
  return settings;
}

std::string ReplacedSettings::Text() const {
  std::string text = std::string(kHeader) + "\r\n";
  for (const auto& [id, fields] : records_) {
    text += "[" + Escape(id) + "]\r\n";
    for (const auto& [name, value] : fields) text += Escape(name) + "=" + Escape(value) + "\r\n";
  }
  return text;
}

const ReplacedSettings::Fields* ReplacedSettings::Find(const std::string& id) const {
  for (const auto& record : records_)
    if (record.first == id) return &record.second;
  return nullptr;
}

void ReplacedSettings::Put(const std::string& id, Fields fields) {
  for (auto& record : records_) {
    if (record.first != id) continue;
    record.second = std::move(fields);
    return;
  }
  records_.emplace_back(id, std::move(fields));
}

void ReplacedSettings::Erase(const std::string& id) {
  records_.erase(std::remove_if(records_.begin(), records_.end(),
                                [&](const auto& record) { return record.first == id; }),
                 records_.end());
}

}  // namespace hush::browsers
