// The command line of "PopHush.exe /hosts COMMAND" and its exit status: what
// the program that runs the command and the ones that ask for it (the setup
// program, banner blocking) agree on.
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

}  // namespace hush
