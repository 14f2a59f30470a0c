#include "browsers/browser_outcome.h"

#include <windows.h>

#include "common/language.h"
#include "common/text_ids.h"

namespace hush::browsers {
namespace {

// How each notice is shown: its text, its own caption (0: the program's)
// and the box's icon and buttons.
struct NoticeText {
  int text, caption;
  unsigned type;
};

NoticeText TextOf(BrowserNotice notice) {
  constexpr unsigned kError = MB_OK | MB_ICONERROR;
  constexpr unsigned kWarning = MB_OK | MB_ICONWARNING;
  switch (notice) {
    case BrowserNotice::kConnectionNotSet:
      return {kExplorerSetFailedMessage, 0, kError};
    case BrowserNotice::kConnectionNotReset:
      return {kExplorerResetFailedMessage, 0, kError};
    case BrowserNotice::kProfileNotSet:
      return {kProfileSetMissingMessage, 0, kError};
    case BrowserNotice::kProfileNotReset:
      return {kProfileResetMissingMessage, 0, kError};
    case BrowserNotice::kOpera6NotSet:
      return {kOpera6SetMissingMessage, 0, kError};
    case BrowserNotice::kOpera7NotSet:
      return {kOpera7SetMissingMessage, 0, kError};
    case BrowserNotice::kOperaFilesNotSet:
      return {kOperasSetMissingMessage, 0, kError};
    case BrowserNotice::kOpera6NotReset:
      return {kOpera6ResetMissingMessage, 0, kError};
    case BrowserNotice::kOpera7NotReset:
      return {kOpera7ResetMissingMessage, 0, kError};
    case BrowserNotice::kOperaFilesNotReset:
      return {kOperasResetMissingMessage, 0, kError};
    case BrowserNotice::kOperaNotFound:
      return {kOperaKeyMissingMessage, 0, kError};
    case BrowserNotice::kConnectionsLeftAlone:
      return {kExplorerLeftAloneMessage, 0, kWarning};
    case BrowserNotice::kProfilesLeftAlone:
      return {kProfilesLeftAloneMessage, 0, kWarning};
    case BrowserNotice::kOperaFilesLeftAlone:
      return {kOperaLeftAloneMessage, 0, kWarning};
    case BrowserNotice::kProfilesSet:
      return {kNetscapeSetMessage, kNetscapeSetCaptionMessage, MB_OK | MB_ICONINFORMATION};
    case BrowserNotice::kProfilesReset:
      return {kNetscapeResetMessage, kNetscapeResetCaptionMessage, MB_OK};
    case BrowserNotice::kHostsFileMissing:
      break;
  }
  return {kHostsNotFoundMessage, 0, MB_OK};
}

void ReplaceAll(std::string& text, const std::string& token, const std::string& value) {
  for (std::size_t at = text.find(token); at != std::string::npos;
       at = text.find(token, at + value.size()))
    text.replace(at, token.size(), value);
}

}  // namespace

void BrowserOutcome::Report(BrowserNotice notice, std::string first, std::string second) {
  reports.push_back({notice, std::move(first), std::move(second)});
}

void BrowserOutcome::NoteReplacedProxy(const std::optional<HttpProxy>& proxy) {
  if (replacedProxy || !proxy || !IsValidPort(proxy->port) || IsHushwallProxy(*proxy)) return;
  replacedProxy = proxy;
}

void BrowserOutcome::ReportLeftAlone(BrowserNotice notice, const std::string& recordPath) {
  if (leftAlone.empty()) return;
  std::string list;
  for (const std::string& name : leftAlone) {
    if (!list.empty()) list += ", ";
    list += name.empty() ? "LAN" : name;
  }
  Report(notice, list, recordPath);
}

NoticeBox DescribeReport(const BrowserReport& report, int programCaption) {
  const NoticeText shown = TextOf(report.notice);
  NoticeBox box;
  box.text = GetMessageText(shown.text);
  ReplaceAll(box.text, "%s1", report.first);
  ReplaceAll(box.text, "%s2", report.second);
  ReplaceAll(box.text, "%s", report.first);
  box.caption = GetMessageText(shown.caption != 0 ? shown.caption : programCaption);
  box.type = shown.type;
  return box;
}

}  // namespace hush::browsers
