#include "ui/banner_switch.h"

#include <string>

#include "browsers/hosts_command_line.h"
#include "browsers/hosts_file.h"
#include "common/elevated_run.h"
#include "common/language.h"
#include "common/text_ids.h"
#include "ui/browser_results.h"
#include "ui/program.h"

namespace hush {
namespace {

int FailureMessage(browsers::HostsEdit edit) {
  return edit == browsers::HostsEdit::kUnsafeEncoding ? kUnicodeHostsMessage
                                                      : kHostsNotWrittenMessage;
}

int FailureMessage(const ElevatedRun& run) {
  if (run.outcome == ElevatedRun::Outcome::kRefused) return kElevationRefusedMessage;
  if (run.outcome == ElevatedRun::Outcome::kFinished && run.exitCode == kHostsCommandUnsafeEncoding)
    return kUnicodeHostsMessage;
  return kHostsNotWrittenMessage;
}

// The elevated run makes the same change with an administrator's rights.
int SwitchThroughElevation(bool on, HWND owner) {
  const ElevatedRun run =
      RunElevated(HostsCommandLine(on ? kBannerOnCommand : kBannerOffCommand), owner);
  if (run.outcome == ElevatedRun::Outcome::kFinished && run.exitCode == kHostsCommandDone) return 0;
  return FailureMessage(run);
}

}  // namespace

bool SwitchBannerBlocking(bool on, HWND owner) {
  const browsers::BrowserContext context = TheProgram().browserContext();
  const browsers::HostsEdit edit = browsers::ApplyBannerHostsFile(on, context);
  if (edit == browsers::HostsEdit::kNoHostsFile)
    ShowBrowserReports({{browsers::BrowserNotice::kHostsFileMissing}});
  int failure = 0;
  if (edit == browsers::HostsEdit::kDenied)
    failure = SwitchThroughElevation(on, owner);
  else if (edit != browsers::HostsEdit::kDone)
    failure = FailureMessage(edit);
  const bool state = browsers::IsBannerBlockingOn(context);
  if (state != on) {
    const std::string text = GetMessageText(failure != 0 ? failure : kHostsNotWrittenMessage);
    ::MessageBoxA(owner, text.c_str(), TheProgram().caption().c_str(), MB_OK | MB_ICONWARNING);
  }
  return state;
}

}  // namespace hush
