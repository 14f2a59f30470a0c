#include "app/hosts_command.h"

#include <windows.h>

#include "app/profile.h"
#include "browsers/browser_context.h"
#include "browsers/hosts_file.h"
#include "browsers/text_lines.h"

namespace hush {
namespace {

constexpr std::string_view kSwitch = "/hosts";

int StatusOf(browsers::HostsEdit edit) {
  switch (edit) {
    case browsers::HostsEdit::kDone:
      return kHostsCommandDone;
    case browsers::HostsEdit::kDenied:
      return kHostsCommandDenied;
    case browsers::HostsEdit::kUnsafeEncoding:
      return kHostsCommandUnsafeEncoding;
    case browsers::HostsEdit::kFailed:
      break;
  }
  return kHostsCommandFailed;
}

// Nobody may be there to answer a box: each is taken as answered.
browsers::BrowserContext CommandContext() {
  browsers::BrowserContext context;
  std::string folder = profile::ExecutableFolder();
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  context.installationDirectory = folder;
  context.showBox = [](const std::string&, const std::string&, unsigned) { return IDOK; };
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

std::optional<std::string> HostsCommandOf(std::string_view commandLine) {
  commandLine = browsers::Trimmed(commandLine);
  if (commandLine.substr(0, kSwitch.size()) != kSwitch) return std::nullopt;
  const std::string_view rest = commandLine.substr(kSwitch.size());
  if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return std::nullopt;
  return std::string(browsers::Trimmed(rest));
}

std::string HostsCommandLine(const std::string& command) {
  return std::string(kSwitch) + " " + command;
}

int RunHostsCommand(const std::string& command) {
  const browsers::BrowserContext context = CommandContext();
  if (command == kHostsInstallCommand) return Install(context);
  if (command == kBannerOnCommand || command == kBannerOffCommand)
    return StatusOf(browsers::ApplyBannerHostsFile(command == kBannerOnCommand, context));
  return kHostsCommandUnknown;
}

}  // namespace hush
