#include "browsers/mozilla_prefs.h"

#include <vector>

#include "browsers/text_lines.h"

namespace hush::browsers {
namespace {

constexpr std::string_view kPrefNames[kProxyPrefCount] = {
    "network.proxy.http", "network.proxy.http_port", "network.proxy.type"};

// What a line must hold for its preference to name the proxy.
constexpr std::string_view kProxyMatches[kProxyPrefCount] = {
    "user_pref(\"network.proxy.http\", \"Hushwall\")",
    "user_pref(\"network.proxy.http_port\", 8100)", "user_pref(\"network.proxy.type\", 1)"};

constexpr std::string_view kUserPrefCall = "user_pref(";

// The text of the value argument of a `user_pref("name", value);` line,
// without quotes.
std::string PrefValue(std::string_view line) {
  std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return {};
  std::string_view rest = Trimmed(line.substr(comma + 1));
  if (!rest.empty() && rest.front() == '"') {
    const std::size_t close = rest.find('"', 1);
    return std::string(rest.substr(1, close == std::string_view::npos ? close : close - 1));
  }
  return std::string(Trimmed(rest.substr(0, rest.find(')'))));
}

}  // namespace

WantedPrefLines SetPrefLines(const std::string& host, const std::string& port) {
  return {"user_pref(\"network.proxy.http\", \"" + host + "\");",
          "user_pref(\"network.proxy.http_port\", " + port + ");",
          "user_pref(\"network.proxy.type\", 1);"};
}

WantedPrefLines ResetPrefLines() {
  return {"user_pref(\"network.proxy.http\", \"\");", "user_pref(\"network.proxy.http_port\", 0);",
          "user_pref(\"network.proxy.type\", 0);"};
}

int ProxyPrefOfLine(std::string_view line) {
  line = Trimmed(line);
  if (line.substr(0, kUserPrefCall.size()) != kUserPrefCall) return -1;
  line = Trimmed(line.substr(kUserPrefCall.size()));
  if (line.empty() || line.front() != '"') return -1;
  const std::size_t close = line.find('"', 1);
  if (close == std::string_view::npos) return -1;
  const std::string_view name = line.substr(1, close - 1);
  for (int pref = 0; pref < kProxyPrefCount; ++pref)
    if (name == kPrefNames[pref]) return pref;
  return -1;
}

ProxyPrefLines FindProxyPrefLines(std::string_view fileText) {
  ProxyPrefLines found;
  const TextLines file = TextLines::Parse(fileText);
  for (const TextLine& line : file.lines())
    if (const int pref = ProxyPrefOfLine(line.text); pref >= 0) found[pref] = line.text;
  return found;
}

std::string WithProxyPrefLines(std::string_view userJs, const WantedPrefLines& wanted) {
  TextLines file = TextLines::Parse(userJs);
  std::array<bool, kProxyPrefCount> placed{};
  auto& lines = file.lines();
  for (std::size_t index = 0; index < lines.size();) {
    const int pref = ProxyPrefOfLine(lines[index].text);
    if (pref < 0) {
      ++index;
    } else if (!placed[pref] && wanted[pref]) {
      lines[index].text = *wanted[pref];
      placed[pref] = true;
      ++index;
    } else {
      // The browser obeys the last line: a second one would undo ours.
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
  std::vector<std::string> missing;
  for (int pref = 0; pref < kProxyPrefCount; ++pref)
    if (!placed[pref] && wanted[pref]) missing.push_back(*wanted[pref]);
  const std::string end = file.LineEnd();
  for (std::size_t index = 0; index < missing.size(); ++index)
    file.Append(missing[index], index + 1 < missing.size() ? end : "");
  return file.Bytes();
}

std::string WithoutFirstProxyHttpLine(std::string_view prefsJs, std::string* removed) {
  TextLines file = TextLines::Parse(prefsJs);
  auto& lines = file.lines();
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (lines[index].text.find("user_pref(\"network.proxy.http") == std::string::npos) continue;
    if (removed != nullptr) *removed = lines[index].text;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    break;
  }
  return file.Bytes();
}

std::string WithRestoredPrefLine(std::string_view prefsJs, const std::string& line) {
  const int pref = ProxyPrefOfLine(line);
  TextLines file = TextLines::Parse(prefsJs);
  auto& lines = file.lines();
  bool placed = false;
  for (std::size_t index = 0; index < lines.size();) {
    if (pref < 0 || ProxyPrefOfLine(lines[index].text) != pref) {
      ++index;
    } else if (!placed) {
      lines[index++].text = line;
      placed = true;
    } else {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
  if (!placed) file.Append(line, file.LineEnd());
  return file.Bytes();
}

std::string WithoutProxyValueLines(std::string_view prefsJs, int pref) {
  TextLines file = TextLines::Parse(prefsJs);
  auto& lines = file.lines();
  for (std::size_t index = 0; index < lines.size();) {
    if (lines[index].text.find(kProxyMatches[pref]) != std::string::npos)
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    else
      ++index;
  }
  return file.Bytes();
}

ProxyPrefLines EffectivePrefLines(std::string_view prefsJs, std::string_view userJs) {
  ProxyPrefLines effective = FindProxyPrefLines(prefsJs);
  const ProxyPrefLines fromUser = FindProxyPrefLines(userJs);
  for (int pref = 0; pref < kProxyPrefCount; ++pref)
    if (fromUser[pref]) effective[pref] = fromUser[pref];
  return effective;
}

bool ProfileTextsUseProxy(std::string_view prefsJs, std::string_view userJs) {
  const ProxyPrefLines fromUser = FindProxyPrefLines(userJs);
  const TextLines prefs = TextLines::Parse(prefsJs);
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    bool holds = false;
    if (fromUser[pref]) {
      holds = fromUser[pref]->find(kProxyMatches[pref]) != std::string::npos;
    } else {
      for (const TextLine& line : prefs.lines())
        holds = holds || line.text.find(kProxyMatches[pref]) != std::string::npos;
    }
    if (!holds) return false;
  }
  return true;
}

std::optional<HttpProxy> ManualHttpProxy(const ProxyPrefLines& lines) {
  if (!lines[kProxyType] || PrefValue(*lines[kProxyType]) != "1" || !lines[kProxyHttpHost])
    return std::nullopt;
  HttpProxy proxy{PrefValue(*lines[kProxyHttpHost]),
                  lines[kProxyHttpPort] ? PrefValue(*lines[kProxyHttpPort]) : "0"};
  if (proxy.host.empty()) return std::nullopt;
  return proxy;
}

}  // namespace hush::browsers
