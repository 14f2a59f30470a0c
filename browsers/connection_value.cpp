#include "browsers/connection_value.h"

namespace hush::browsers {
namespace {

constexpr std::size_t kFlagsOffset = 8;
constexpr std::size_t kServerLengthOffset = 12;

std::optional<std::uint32_t> ReadWord(std::string_view value, std::size_t offset) {
  if (offset > value.size() || value.size() - offset < 4) return std::nullopt;
  std::uint32_t word = 0;
  for (int byte = 3; byte >= 0; --byte)
    word = (word << 8) | static_cast<unsigned char>(value[offset + static_cast<std::size_t>(byte)]);
  return word;
}

// A length-prefixed text at `offset`; `offset` moves past it.
std::optional<std::string> ReadText(std::string_view value, std::size_t& offset) {
  const auto length = ReadWord(value, offset);
  if (!length || *length > value.size() - offset - 4) return std::nullopt;
  std::string text(value.substr(offset + 4, *length));
  offset += 4 + *length;
  return text;
}

}  // namespace

std::optional<ConnectionProxy> ParseConnectionValue(std::string_view value) {
  const auto flags = ReadWord(value, kFlagsOffset);
  if (!flags) return std::nullopt;
  ConnectionProxy proxy;
  proxy.flags = *flags;
  std::size_t offset = kServerLengthOffset;
  auto server = ReadText(value, offset);
  if (!server) return std::nullopt;
  proxy.server = std::move(*server);
  // Old records may end after the server text.
  if (auto bypass = ReadText(value, offset)) proxy.bypass = std::move(*bypass);
  return proxy;
}

bool ConnectionValueUsesProxy(std::string_view value) {
  if (value.size() > kConnectionValueLimit) return false;
  // The check reads the flags word's low byte only.
  const auto proxy = ParseConnectionValue(value);
  return proxy && (proxy->flags & 0xFF) == kDirectAndProxy && proxy->server == kHushwallServerList;
}

}  // namespace hush::browsers
