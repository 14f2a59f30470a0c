#include "browsers/hosts_command_line.h"

#include "browsers/text_lines.h"

namespace hush {
namespace {

constexpr std::string_view kSwitch = "/hosts";

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

}  // namespace hush
