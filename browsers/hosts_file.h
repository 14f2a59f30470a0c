// The hosts-file line that maps the proxy host name to 127.0.0.1, and the
// first-run backup of the hosts file. Not built yet: these calls do nothing
// for now and report success.
#pragma once

#include <string>

namespace hush {

bool BackupHostsFile();
bool AddHostsEntry(const std::string& address, const std::string& host);

}  // namespace hush
