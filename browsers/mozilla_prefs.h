// The three proxy preferences of a Mozilla or Firefox profile, read from and
// written into the text of its "prefs.js" (kept by the browser) and
// "user.js" (the user's own file, applied on top at every start).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "browsers/http_proxy.h"

namespace hush::browsers {

enum ProxyPref { kProxyHttpHost, kProxyHttpPort, kProxyType, kProxyPrefCount };

// One full line per preference; none where the file does not set it.
using ProxyPrefLines = std::array<std::optional<std::string>, kProxyPrefCount>;
// The line each preference gets; none takes the preference's lines out.
using WantedPrefLines = std::array<std::optional<std::string>, kProxyPrefCount>;

// The lines that point a profile at host:port, and those that take it off.
WantedPrefLines SetPrefLines(const std::string& host, const std::string& port);
WantedPrefLines ResetPrefLines();

// Which of the three preferences a `user_pref(...)` line sets, or -1.
int ProxyPrefOfLine(std::string_view line);

// The last line setting each preference (the one the browser obeys).
ProxyPrefLines FindProxyPrefLines(std::string_view fileText);

// "user.js" with the first line of each preference replaced by the wanted
// line, later ones for it dropped and missing ones appended (or, for a
// preference wanted without a line, every line of it taken out); every
// other line is kept as it was. The last appended line gets no line end.
std::string WithProxyPrefLines(std::string_view userJs, const WantedPrefLines& wanted);

// "prefs.js" without its first line holding `user_pref("network.proxy.http`
// (which also matches the port line); `removed` receives that line.
std::string WithoutFirstProxyHttpLine(std::string_view prefsJs, std::string* removed);

// "prefs.js" with `line` back in place of whatever now sets its preference
// (the first such line; later ones go), or appended where nothing does.
std::string WithRestoredPrefLine(std::string_view prefsJs, const std::string& line);

// "prefs.js" without the lines that give preference `pref` the proxy's
// value (the browser copies "user.js" lines into "prefs.js").
std::string WithoutProxyValueLines(std::string_view prefsJs, int pref);

// Whether the profile uses the proxy host "Hushwall" on port 8100: for each
// preference the "user.js" line wins, else any "prefs.js" line counts.
bool ProfileTextsUseProxy(std::string_view prefsJs, std::string_view userJs);

// The preferences a profile had in effect: "user.js" over "prefs.js".
ProxyPrefLines EffectivePrefLines(std::string_view prefsJs, std::string_view userJs);

// The HTTP proxy those lines switch on (manual type 1 with a host), if any.
std::optional<HttpProxy> ManualHttpProxy(const ProxyPrefLines& lines);

}  // namespace hush::browsers
