// Cutting HTTP header blocks into lines and the small text helpers the
// request and response sides share.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "proxy/byte_buffer.h"

namespace hush {

// A header block larger than this is refused rather than buffered for ever.
inline constexpr std::size_t kMaxHeaderBlock = 64 * 1024;

// True once the bytes hold the end of a header block: two LF bytes with only
// CR bytes between them ("\r\n\r\n", "\n\n", "\n\r\n").
bool IsHeaderComplete(std::string_view bytes);

struct HeaderSplitOptions {
  // Drop lines that offer gzip ("accept-encoding:" and "gzip" in any case).
  bool dropGzipOffer = false;
  // Called with each line lowercased, before it is stored (response side).
  std::function<void(const std::string& loweredLine)> classify;
};

// Cuts one header block off the front of `buffer` into `lines`, each line
// with its own line ending and the last one with the blank line. Returns
// true when a complete block was cut off; otherwise the buffer is left as it
// was.
bool SplitHeaderBlock(ByteBuffer& buffer, std::vector<std::string>& lines,
                      const HeaderSplitOptions& options);

// The lines concatenated, trailing CR and LF removed (never the first byte),
// then "\r\n\r\n".
std::string JoinHeader(const std::vector<std::string>& lines);

// Maximal runs of non-separator bytes; a NUL or LF ends the text.
int Tokenize(std::string_view text, std::string_view separators, std::vector<std::string>& tokens);

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// Where `part` first starts in `text`, ASCII case ignored; npos if nowhere.
size_t FindIgnoreCase(std::string_view text, std::string_view part);
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
// Makes `lowered` the ASCII-lowercase copy of `text`, reusing its storage.
void AssignLowered(std::string& lowered, std::string_view text);

}  // namespace hush
