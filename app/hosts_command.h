// "PopHush.exe /hosts COMMAND": one change to the hosts file and an exit
// status, nothing else (no window, no single-instance claim). The setup
// program runs it elevated to add the entry; the main program runs it
// elevated when banner blocking meets a hosts file it may not change. The
// installation folder is the program's own: an elevated run may belong to
// another account whose registry knows nothing of Hushwall.
#pragma once

#include <string>

#include "browsers/hosts_command_line.h"

namespace hush {

int RunHostsCommand(const std::string& command);

}  // namespace hush
