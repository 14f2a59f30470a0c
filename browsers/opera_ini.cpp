#include "browsers/opera_ini.h"

#include <vector>

#include "browsers/text_lines.h"

namespace hush::browsers {
namespace {

constexpr std::string_view kSection = "[Proxy]";
constexpr std::string_view kUseKey = "Use HTTP";
constexpr std::string_view kServerKey = "HTTP Server";

enum class OperaKey { kOther, kUseHttp, kHttpServer };

OperaKey KeyOf(std::string_view line) {
  line = Trimmed(line);
  auto is = [&](std::string_view key) {
    if (line.substr(0, key.size()) != key) return false;
    const std::string_view rest = Trimmed(line.substr(key.size()));
    return rest.empty() || rest.front() == '=';
  };
  if (is(kUseKey)) return OperaKey::kUseHttp;
  if (is(kServerKey)) return OperaKey::kHttpServer;
  return OperaKey::kOther;
}

// Where the "[Proxy]" section's lines are: [first, end) after its header.
struct SectionSpan {
  std::size_t header = 0, first = 0, end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<TextLine>& lines) {
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (Trimmed(lines[index].text) != kSection) continue;
    SectionSpan span{index, index + 1, index + 1};
    while (span.end < lines.size() && Trimmed(lines[span.end].text).substr(0, 1) != "[") ++span.end;
    return span;
  }
  return std::nullopt;
}

// The first line of the section with that key.
std::optional<std::size_t> FindKey(const std::vector<TextLine>& lines, const SectionSpan& span,
                                   OperaKey key) {
  for (std::size_t index = span.first; index < span.end; ++index)
    if (KeyOf(lines[index].text) == key) return index;
  return std::nullopt;
}

// After the section's last line that is not blank.
std::size_t SectionInsertPoint(const std::vector<TextLine>& lines, const SectionSpan& span) {
  std::size_t at = span.end;
  while (at > span.first && Trimmed(lines[at - 1].text).empty()) --at;
  return at;
}

}  // namespace

OperaProxyLines FindOperaProxyLines(std::string_view fileText) {
  const TextLines file = TextLines::Parse(fileText);
  OperaProxyLines found;
  const auto span = FindSection(file.lines());
  if (!span) return found;
  if (auto at = FindKey(file.lines(), *span, OperaKey::kUseHttp))
    found.useHttp = file.lines()[*at].text;
  if (auto at = FindKey(file.lines(), *span, OperaKey::kHttpServer))
    found.httpServer = file.lines()[*at].text;
  return found;
}

std::string WithOperaProxySet(std::string_view fileText, const std::string& host,
                              const std::string& port) {
  TextLines file = TextLines::Parse(fileText);
  const std::string useLine = "Use HTTP=1";
  const std::string serverLine = "HTTP Server=" + host + ":" + port;
  const auto span = FindSection(file.lines());
  if (!span) {
    // The block starts with a line end: it ends an unfinished last line,
    // or leaves a blank line before the section.
    const std::string end = file.LineEnd();
    if (!file.lines().empty() && file.lines().back().end.empty())
      file.lines().back().end = end;
    else
      file.Append("", end);
    file.Append(std::string(kSection), end);
    file.Append(useLine, end);
    file.Append(serverLine, end);
    return file.Bytes();
  }
  auto& lines = file.lines();
  const auto use = FindKey(lines, *span, OperaKey::kUseHttp);
  const auto server = FindKey(lines, *span, OperaKey::kHttpServer);
  if (use) lines[*use].text = useLine;
  if (server) lines[*server].text = serverLine;
  // Missing lines go at the end of the section, the use line first.
  std::size_t at = SectionInsertPoint(lines, *span);
  if (!use) file.InsertAt(at++, useLine);
  if (!server) file.InsertAt(at, serverLine);
  return file.Bytes();
}

std::string WithOperaProxyReset(std::string_view fileText, const OperaProxyLines* before) {
  TextLines file = TextLines::Parse(fileText);
  auto& lines = file.lines();
  const auto span = FindSection(lines);
  if (!span) return file.Bytes();
  if (auto use = FindKey(lines, *span, OperaKey::kUseHttp))
    lines[*use].text = before && before->useHttp ? *before->useHttp : "Use HTTP=0";
  if (auto server = FindKey(lines, *span, OperaKey::kHttpServer))
    lines[*server].text = before && before->httpServer ? *before->httpServer : "HTTP Server";
  return file.Bytes();
}

std::optional<HttpProxy> OperaHttpProxy(const OperaProxyLines& lines) {
  if (!lines.useHttp || Trimmed(*lines.useHttp) != "Use HTTP=1" || !lines.httpServer)
    return std::nullopt;
  const std::size_t equals = lines.httpServer->find('=');
  if (equals == std::string::npos) return std::nullopt;
  return ParseHostPort(lines.httpServer->substr(equals + 1));
}

bool OperaTextUsesProxy(std::string_view fileText) {
  const OperaProxyLines lines = FindOperaProxyLines(fileText);
  return lines.useHttp && Trimmed(*lines.useHttp) == "Use HTTP=1" && lines.httpServer &&
         Trimmed(*lines.httpServer) == "HTTP Server=Hushwall:8100";
}

}  // namespace hush::browsers
