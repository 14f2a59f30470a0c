#include "browsers/hosts_text.h"

#include <algorithm>
#include <set>

#include "browsers/text_lines.h"
#include "common/ascii.h"

namespace hush::browsers {
namespace {

constexpr std::string_view kAdBlockBegin =
    "# Hushwall: ad servers blocked while Block Ads is on (begin)";
constexpr std::string_view kAdBlockEnd = "# Hushwall: ad servers (end)";
constexpr std::string_view kDefaultsBegin = "# Hushwall: default entries (begin)";
constexpr std::string_view kDefaultsEnd = "# Hushwall: default entries (end)";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A hosts file as lines, its UTF-8 byte-order mark kept aside.
struct HostsLines {
  std::string mark;
  TextLines file;

  static HostsLines Parse(std::string_view bytes) {
    HostsLines parsed;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
      parsed.mark = kUtf8Mark;
      bytes.remove_prefix(kUtf8Mark.size());
    }
    parsed.file = TextLines::Parse(bytes, LoneCarriageReturn::kEndsLine);
    return parsed;
  }
  std::string Bytes() const { return mark + file.Bytes(); }
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// Splits a line into its fields up to a comment.
std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size() || line[at] == '#') break;
    const std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at]) && line[at] != '#') ++at;
    fields.emplace_back(line.substr(start, at - start));
  }
  return fields;
}

bool IsLoopback(std::string_view address) {
  return address.substr(0, 4) == "127." || address == "::1" || address == "0:0:0:0:0:0:0:1";
}

std::set<std::string> HostNames(const std::vector<HostsEntry>& entries) {
  std::set<std::string> names;
  for (const HostsEntry& entry : entries)
    for (const std::string& host : entry.hosts) names.insert(ToLower(host));
  return names;
}

// Removes a marked block and its markers; an unfinished block loses only
// its opening marker, so nothing of the user's is taken with it.
void RemoveBlock(TextLines& file, std::string_view begin, std::string_view end) {
  auto& lines = file.lines();
  for (std::size_t first = 0; first < lines.size(); ++first) {
    if (Trimmed(lines[first].text) != begin) continue;
    std::size_t last = first + 1;
    while (last < lines.size() && Trimmed(lines[last].text) != end) ++last;
    const std::size_t stop = last < lines.size() ? last + 1 : first + 1;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                lines.begin() + static_cast<std::ptrdiff_t>(stop));
    --first;
  }
}

void AppendBlock(TextLines& file, std::string_view begin, const std::vector<std::string>& lines,
                 std::string_view end) {
  if (lines.empty()) return;
  const std::string lineEnd = file.LineEnd();
  file.Append(std::string(begin), lineEnd);
  for (const std::string& line : lines) file.Append(line, lineEnd);
  file.Append(std::string(end), lineEnd);
}

// The lines of `entries` that map a name `present` does not have.
std::vector<std::string> Missing(const std::vector<HostsEntry>& entries,
                                 const std::set<std::string>& present) {
  std::vector<std::string> lines;
  for (const HostsEntry& entry : entries) {
    const bool lacking =
        std::any_of(entry.hosts.begin(), entry.hosts.end(),
                    [&](const std::string& h) { return !present.count(ToLower(h)); });
    if (lacking) lines.push_back(std::string(Trimmed(entry.line)));
  }
  return lines;
}

}  // namespace

HostsEncoding HostsTextEncoding(std::string_view fileText) {
  const std::string_view start = fileText.substr(0, 2);
  if (start == "\xFF\xFE" || start == "\xFE\xFF") return HostsEncoding::kUtf16;
  if (fileText.find('\0') != std::string_view::npos) return HostsEncoding::kUtf16;
  return fileText.substr(0, kUtf8Mark.size()) == kUtf8Mark ? HostsEncoding::kUtf8WithMark
                                                           : HostsEncoding::kSingleByte;
}

std::vector<HostsEntry> HostsEntries(std::string_view fileText) {
  std::vector<HostsEntry> entries;
  const HostsLines hosts = HostsLines::Parse(fileText);
  for (const TextLine& line : hosts.file.lines()) {
    std::vector<std::string> fields = Fields(line.text);
    if (fields.size() < 2) continue;
    HostsEntry entry{fields.front(), {fields.begin() + 1, fields.end()}, line.text};
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool HostsTextHasLoopbackEntry(std::string_view fileText, std::string_view host) {
  const std::string wanted = ToLower(host);
  for (const HostsEntry& entry : HostsEntries(fileText)) {
    if (!IsLoopback(entry.address)) continue;
    for (const std::string& name : entry.hosts)
      if (ToLower(name) == wanted) return true;
  }
  return false;
}

std::string WithHostsEntry(std::string_view fileText, const std::string& address,
                           const std::string& host) {
  HostsLines hosts = HostsLines::Parse(fileText);
  TextLines& file = hosts.file;
  const bool lastLineUnended = !file.lines().empty() && file.lines().back().end.empty();
  file.Append(address + "\t" + host, lastLineUnended ? std::string() : file.LineEnd());
  return hosts.Bytes();
}

std::string WithBannerBlocking(std::string_view fileText, std::string_view blockingFile,
                               std::string_view defaultFile, bool on) {
  HostsLines hosts = HostsLines::Parse(fileText);
  TextLines& file = hosts.file;
  RemoveBlock(file, kAdBlockBegin, kAdBlockEnd);
  RemoveBlock(file, kDefaultsBegin, kDefaultsEnd);
  const std::vector<HostsEntry> defaults = HostsEntries(defaultFile);
  std::set<std::string> present = HostNames(HostsEntries(file.Bytes()));
  AppendBlock(file, kDefaultsBegin, Missing(defaults, present), kDefaultsEnd);
  if (on) {
    present = HostNames(HostsEntries(file.Bytes()));
    // Ad servers are what the blocking file maps beyond the default file.
    const std::set<std::string> defaultNames = HostNames(defaults);
    std::vector<HostsEntry> adServers;
    for (const HostsEntry& entry : HostsEntries(blockingFile)) {
      const bool isDefault = std::all_of(entry.hosts.begin(), entry.hosts.end(), [&](auto& h) {
        return defaultNames.count(ToLower(h)) != 0;
      });
      if (!isDefault) adServers.push_back(entry);
    }
    AppendBlock(file, kAdBlockBegin, Missing(adServers, present), kAdBlockEnd);
  }
  return hosts.Bytes();
}

bool BannerBlockingIsOn(std::string_view fileText, std::string_view blockingFile,
                        std::string_view defaultFile) {
  return WithBannerBlocking(fileText, blockingFile, defaultFile, true) == fileText;
}

namespace {

// Every block of the kind opens and closes in turn.
bool BlocksComplete(const TextLines& file, std::string_view begin, std::string_view end) {
  bool open = false;
  for (const TextLine& line : file.lines()) {
    const std::string_view text = Trimmed(line.text);
    if (text == begin) {
      if (open) return false;
      open = true;
    } else if (text == end) {
      if (!open) return false;
      open = false;
    }
  }
  return !open;
}

bool IsProxyEntryLine(const TextLine& line, std::string_view proxyHost) {
  const std::vector<HostsEntry> entries = HostsEntries(line.text);
  return entries.size() == 1 && IsLoopback(entries[0].address) && entries[0].hosts.size() == 1 &&
         ToLower(entries[0].hosts[0]) == ToLower(std::string(proxyHost));
}

}  // namespace

std::optional<std::string> WithoutHushwallLines(std::string_view fileText,
                                                std::string_view proxyHost) {
  HostsLines hosts = HostsLines::Parse(fileText);
  TextLines& file = hosts.file;
  if (!BlocksComplete(file, kAdBlockBegin, kAdBlockEnd) ||
      !BlocksComplete(file, kDefaultsBegin, kDefaultsEnd))
    return std::nullopt;
  RemoveBlock(file, kAdBlockBegin, kAdBlockEnd);
  RemoveBlock(file, kDefaultsBegin, kDefaultsEnd);
  auto& lines = file.lines();
  const bool endAddedForEntry =
      !lines.empty() && lines.back().end.empty() && IsProxyEntryLine(lines.back(), proxyHost);
  lines.erase(
      std::remove_if(lines.begin(), lines.end(),
                     [&](const TextLine& line) { return IsProxyEntryLine(line, proxyHost); }),
      lines.end());
  if (endAddedForEntry && !lines.empty()) lines.back().end.clear();
  return hosts.Bytes();
}

}  // namespace hush::browsers
