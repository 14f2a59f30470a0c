// "PopHush.exe /hosts COMMAND": one change to the hosts file and an exit
// status, nothing else (no window, no single-instance claim). The setup
// program runs it elevated to add the entry; the main program runs it
// elevated when banner blocking meets a hosts file it may not change. The
// installation folder is the program's own: an elevated run may belong to
// another account whose registry knows nothing of Hushwall.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hush {

inline constexpr char kHostsInstallCommand[] = "install";  // backup unless there, then the entry
inline constexpr char kBannerOnCommand[] = "banner-on";
inline constexpr char kBannerOffCommand[] = "banner-off";

// The exit status, which the setup program and the main program read.
enum HostsCommandStatus : int {
  kHostsCommandDone = 0,
  kHostsCommandFailed = 1,
  kHostsCommandDenied = 2,
  kHostsCommandUnsafeEncoding = 3,
  kHostsCommandUnknown = 4,
};

// The command a program command line asks for ("/hosts banner-on" gives
// "banner-on"); none when it asks for no hosts command.
std::optional<std::string> HostsCommandOf(std::string_view commandLine);

// The parameters that ask for `command`.
std::string HostsCommandLine(const std::string& command);

int RunHostsCommand(const std::string& command);

}  // namespace hush
