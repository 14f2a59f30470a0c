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

// How a hosts file's bytes are encoded, as far as editing them goes: a
// single-byte code page or UTF-8 (whose byte-order mark, when there is one,
// stays in front), or UTF-16, whose bytes no line of ours may be mixed into.
enum class HostsEncoding { kSingleByte, kUtf8WithMark, kUtf16 };

// UTF-16 is recognised by its byte-order mark or, without one, by the zero
// bytes that every ASCII character brings.
HostsEncoding HostsTextEncoding(std::string_view fileText);

// Lines end with CR LF, LF or a carriage return alone; a byte-order mark of
// UTF-8 belongs to no line.
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
// When the file's last line has no line end, the entry gets none either, so
// that taking it out again gives back the file's own bytes.
std::string WithHostsEntry(std::string_view fileText, const std::string& address,
                           const std::string& host);

// The file after banner blocking is switched on or off: the ad-server
// lines of `blockingFile` that `defaultFile` does not have go in (on) or
// out (off) as one marked block; entries of `defaultFile` that the file
// lacks are added as another marked block. Every other line stays.
std::string WithBannerBlocking(std::string_view fileText, std::string_view blockingFile,
                               std::string_view defaultFile, bool on);

// Whether the ad servers that switching banner blocking on would add are
// all blocked already.
bool BannerBlockingIsOn(std::string_view fileText, std::string_view blockingFile,
                        std::string_view defaultFile);

// The file with every line of Hushwall's taken out: the marked blocks and
// the lines that map a loopback address to `proxyHost` alone (a last entry
// without a line end takes back the one it was given before it). None when
// an unfinished block leaves Hushwall's lines impossible to tell from the
// user's.
std::optional<std::string> WithoutHushwallLines(std::string_view fileText,
                                                std::string_view proxyHost);

}  // namespace hush::browsers
