// The text of a hosts file: which host names it maps, whether the proxy's
// entry is there, and Hushwall's own lines in it (the proxy entry and the
// marked blocks that banner blocking adds and takes away again), edited
// without touching any other line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hush::browsers {

struct HostsEntry {
  std::string address;
  std::vector<std::string> hosts;
  std::string line;  // the whole line as written
};

// The lines that map an address to host names; comments and blank lines
// are not entries. A line of any length is one line.
std::vector<HostsEntry> HostsEntries(std::string_view fileText);

// Whether some line maps a loopback address to exactly `host` (any case)
// in one of its host fields.
bool HostsTextHasLoopbackEntry(std::string_view fileText, std::string_view host);

// The file with "address<TAB>host" as a new last line, on a line of its own.
std::string WithHostsEntry(std::string_view fileText, const std::string& address,
                           const std::string& host);

// The file after banner blocking is switched on or off: the ad-server
// lines of `blockingFile` that `defaultFile` does not have go in (on) or
// out (off) as one marked block; entries of `defaultFile` that the file
// lacks are added as another marked block. Every other line stays.
std::string WithBannerBlocking(std::string_view fileText, std::string_view blockingFile,
                               std::string_view defaultFile, bool on);

// The file with every line of Hushwall's taken out: the marked blocks and
// the lines that map a loopback address to `proxyHost` alone. None when an
// unfinished block leaves Hushwall's lines impossible to tell from the
// user's.
std::optional<std::string> WithoutHushwallLines(std::string_view fileText,
                                                std::string_view proxyHost);

}  // namespace hush::browsers
