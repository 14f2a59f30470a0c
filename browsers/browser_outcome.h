// What a browser operation did that its caller has to act on: what the user
// must be told (in the order it arose), the settings it left alone, and the
// user's own proxy that Hushwall took the place of. The library shows and
// saves nothing itself; the program and the uninstaller decide.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "browsers/http_proxy.h"

namespace hush::browsers {

// The settings a set left as they were because what it would have replaced
// could not be remembered (and so could never have been put back): Internet
// Explorer connections ("" for the LAN), profile names, Opera files.
using SettingsLeftAlone = std::vector<std::string>;

enum class BrowserNotice {
  kConnectionNotSet,    // WinINet refused the proxy for a connection
  kConnectionNotReset,  // WinINet refused to put a connection back
  kProfileNotSet,       // no "prefs.js": profile name, its path
  kProfileNotReset,     // no "prefs.js": profile name, its path
  kOpera6NotSet,        // Opera 6's file is missing: its path
  kOpera7NotSet,        // Opera 7's file is missing: its path
  kOperaFilesNotSet,    // both files are missing: Opera 6's, Opera 7's
  kOpera6NotReset,      // as above, for taking Opera off the proxy
  kOpera7NotReset,
  kOperaFilesNotReset,
  kOperaNotFound,         // Opera's registry values do not lead to its files
  kConnectionsLeftAlone,  // the connections' names, the record's path
  kProfilesLeftAlone,     // the profiles' names, the record's path
  kOperaFilesLeftAlone,   // the files, the record's path
  kProfilesSet,           // the browser takes the proxy at its next start
  kProfilesReset,         // the browser drops the proxy at its next start
  kHostsFileMissing,
};

struct BrowserReport {
  BrowserReport(BrowserNotice what, std::string firstName = {}, std::string secondName = {})
      : notice(what), first(std::move(firstName)), second(std::move(secondName)) {}

  BrowserNotice notice;
  std::string first, second;

  bool operator==(const BrowserReport&) const = default;
};

struct BrowserOutcome {
  std::vector<BrowserReport> reports;
  SettingsLeftAlone leftAlone;
  // The first proxy of the user's that a set replaced and that could carry
  // Hushwall's own traffic onwards (a usable port, not Hushwall itself).
  std::optional<HttpProxy> replacedProxy;

  void Report(BrowserNotice notice, std::string first = {}, std::string second = {});
  void NoteReplacedProxy(const std::optional<HttpProxy>& proxy);
  // Names what was left alone (`notice`, with the record's path), if any.
  void ReportLeftAlone(BrowserNotice notice, const std::string& recordPath);
};

// A report as a message box would show it: the numbered texts with the
// report's names put in; `programCaption` is the message that captions the
// boxes without a caption of their own.
struct NoticeBox {
  std::string text, caption;
  unsigned type = 0;
};
NoticeBox DescribeReport(const BrowserReport& report, int programCaption);

}  // namespace hush::browsers
