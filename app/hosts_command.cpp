#include "app/hosts_command.h"

#include <windows.h>

#include "browsers/browser_context.h"
#include "browsers/hosts_file.h"
#include "common/ini_file.h"

namespace hush {
namespace {

int StatusOf(browsers::HostsEdit edit) {
  switch (edit) {
    case browsers::HostsEdit::kDone:
      return kHostsCommandDone;
    case browsers::HostsEdit::kDenied:
      return kHostsCommandDenied;
    case browsers::HostsEdit::kUnsafeEncoding:
      return kHostsCommandUnsafeEncoding;
    case browsers::HostsEdit::kFailed:
    case browsers::HostsEdit::kNoHostsFile:
      break;
  }
  return kHostsCommandFailed;
}

browsers::BrowserContext CommandContext() {
  browsers::BrowserContext context;
  std::string folder = ini::ExecutableFolder();
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  context.installationDirectory = folder;
  return context;
}

// The backup first, so that it holds the file as it was before the entry.
int Install(const browsers::BrowserContext& context) {
  const bool backedUp = browsers::BackupHostsFile(context);
  const int entry =
      StatusOf(browsers::AddHostsEntry(browsers::kProxyAddress, browsers::kProxyHost, context));
  return entry == kHostsCommandDone && !backedUp ? kHostsCommandFailed : entry;
}

}  // namespace

int RunHostsCommand(const std::string& command) {
  const browsers::BrowserContext context = CommandContext();
  if (command == kHostsInstallCommand) return Install(context);
  if (command == kBannerOnCommand || command == kBannerOffCommand)
    return StatusOf(browsers::ApplyBannerHostsFile(command == kBannerOnCommand, context));
  return kHostsCommandUnknown;
}

}  // namespace hush
