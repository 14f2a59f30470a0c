// Firefox and Mozilla read "prefs.js" and "user.js" as script text in which
// block comments, line comments and "#" lines hold nothing: a `user_pref`
// line inside one is not a preference. The edits see only what the browser
// sees.
#pragma once

#include <string>
#include <vector>

#include "browsers/text_lines.h"

namespace hush::browsers {

// Each line's text with every character of a comment turned into a blank
// (a block comment may run over several lines), so that positions in it
// are positions in the line. Quoted texts are not comments.
std::vector<std::string> CodeOfLines(const TextLines& file);

// Where the statement of a line lies in its code: from its first to its
// last character that is not a blank; empty for a line of comments only.
struct CodeSpan {
  std::size_t start = 0, length = 0;
};
CodeSpan StatementSpan(const std::string& code);

}  // namespace hush::browsers
