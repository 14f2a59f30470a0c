#include "browsers/mozilla_prefs.h"

#include <vector>

#include "browsers/pref_comments.h"
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

// A preferences file's lines with what the browser reads of each: lines
// and their code are erased together.
struct PrefFile {
  explicit PrefFile(std::string_view bytes)
      : file(TextLines::Parse(bytes)), code(CodeOfLines(file)) {}

  // The statement of the line, without the comments around it.
  std::string Statement(std::size_t index) const {
    const CodeSpan span = StatementSpan(code[index]);
    return file.lines()[index].text.substr(span.start, span.length);
  }
  int PrefAt(std::size_t index) const { return ProxyPrefOfLine(code[index]); }
  bool CodeHolds(std::size_t index, std::string_view text) const {
    return code[index].find(text) != std::string::npos;
  }
  // The statement replaced by `line`; comments before or after it stay.
  void Replace(std::size_t index, const std::string& line) {
    const CodeSpan span = StatementSpan(code[index]);
    file.lines()[index].text.replace(span.start, span.length, line);
    code[index].replace(span.start, span.length, line);
  }
  // The statement taken out, and the line with it unless comments remain.
  void Remove(std::size_t index) {
    Replace(index, "");
    if (!Trimmed(file.lines()[index].text).empty()) return;
    file.lines().erase(file.lines().begin() + static_cast<std::ptrdiff_t>(index));
    code.erase(code.begin() + static_cast<std::ptrdiff_t>(index));
  }
  std::size_t size() const { return code.size(); }

  TextLines file;
  std::vector<std::string> code;
};

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
  const PrefFile prefs(fileText);
  for (std::size_t index = 0; index < prefs.size(); ++index)
    if (const int pref = prefs.PrefAt(index); pref >= 0) found[pref] = prefs.Statement(index);
  return found;
}

std::string WithProxyPrefLines(std::string_view userJs, const WantedPrefLines& wanted) {
  PrefFile user(userJs);
  std::array<bool, kProxyPrefCount> placed{};
  for (std::size_t index = 0; index < user.size();) {
    const int pref = user.PrefAt(index);
    const std::size_t before = user.size();
    if (pref < 0) {
      ++index;
    } else if (!placed[pref] && wanted[pref]) {
      user.Replace(index, *wanted[pref]);
      placed[pref] = true;
      ++index;
    } else {
      // The browser obeys the last line: a second one would undo ours.
      user.Remove(index);
      if (user.size() == before) ++index;  // comments kept the line
    }
  }
  std::vector<std::string> missing;
  for (int pref = 0; pref < kProxyPrefCount; ++pref)
    if (!placed[pref] && wanted[pref]) missing.push_back(*wanted[pref]);
  TextLines& file = user.file;
  const std::string end = file.LineEnd();
  for (std::size_t index = 0; index < missing.size(); ++index)
    file.Append(missing[index], index + 1 < missing.size() ? end : "");
  return file.Bytes();
}

std::string WithoutFirstProxyHttpLine(std::string_view prefsJs, std::string* removed) {
  PrefFile prefs(prefsJs);
  for (std::size_t index = 0; index < prefs.size(); ++index) {
    if (!prefs.CodeHolds(index, "user_pref(\"network.proxy.http")) continue;
    if (removed != nullptr) *removed = prefs.Statement(index);
    prefs.Remove(index);
    break;
  }
  return prefs.file.Bytes();
}

std::string WithRestoredPrefLine(std::string_view prefsJs, const std::string& line) {
  const int pref = ProxyPrefOfLine(line);
  PrefFile prefs(prefsJs);
  bool placed = false;
  for (std::size_t index = 0; index < prefs.size();) {
    const std::size_t before = prefs.size();
    if (pref < 0 || prefs.PrefAt(index) != pref) {
      ++index;
    } else if (!placed) {
      prefs.Replace(index++, line);
      placed = true;
    } else {
      prefs.Remove(index);
      if (prefs.size() == before) ++index;
    }
  }
  if (!placed) prefs.file.Append(line, prefs.file.LineEnd());
  return prefs.file.Bytes();
}

std::string WithoutProxyValueLines(std::string_view prefsJs, int pref) {
  PrefFile prefs(prefsJs);
  for (std::size_t index = 0; index < prefs.size();) {
    const std::size_t before = prefs.size();
    if (prefs.CodeHolds(index, kProxyMatches[pref])) prefs.Remove(index);
    if (prefs.size() == before) ++index;
  }
  return prefs.file.Bytes();
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
  const PrefFile prefs(prefsJs);
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    bool holds = false;
    if (fromUser[pref]) {
      holds = fromUser[pref]->find(kProxyMatches[pref]) != std::string::npos;
    } else {
      for (std::size_t index = 0; index < prefs.size(); ++index)
        holds = holds || prefs.CodeHolds(index, kProxyMatches[pref]);
    }
    if (!holds) return false;
  }
  return true;
}

std::optional<HttpProxy> ManualHttpProxy(const ProxyPrefLines& lines) {
  if (!lines[kProxyType] || PrefValue(*lines[kProxyType]) != "1" || !lines[kProxyHttpHost] ||
      !lines[kProxyHttpPort])
    return std::nullopt;
  // Without a usable port the browser does not use the proxy either.
  HttpProxy proxy{PrefValue(*lines[kProxyHttpHost]), PrefValue(*lines[kProxyHttpPort])};
  if (proxy.host.empty() || !IsValidPort(proxy.port)) return std::nullopt;
  return proxy;
}

}  // namespace hush::browsers
