#include "browsers/pref_comments.h"

namespace hush::browsers {
namespace {

// Scans one line from the state the line before left (inside a block
// comment or not) and blanks what is comment.
std::string CodeOfLine(const std::string& text, bool& inBlockComment) {
  std::string code = text;
  char quote = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    if (inBlockComment) {
      code[at] = ' ';
      if (c == '*' && next == '/') {
        code[++at] = ' ';
        inBlockComment = false;
      }
    } else if (quote != 0) {
      if (c == '\\')
        ++at;  // the escaped character cannot end the text
      else if (c == quote)
        quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '/' && next == '*') {
      code[at] = code[at + 1] = ' ';
      ++at;
      inBlockComment = true;
    } else if ((c == '/' && next == '/') || c == '#') {
      code.replace(at, std::string::npos, text.size() - at, ' ');
      break;
    }
  }
  return code;
}

}  // namespace

std::vector<std::string> CodeOfLines(const TextLines& file) {
  std::vector<std::string> code;
  bool inBlockComment = false;
  for (const TextLine& line : file.lines()) code.push_back(CodeOfLine(line.text, inBlockComment));
  return code;
}

CodeSpan StatementSpan(const std::string& code) {
  const std::size_t first = code.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return {first, code.find_last_not_of(" \t") - first + 1};
}

}  // namespace hush::browsers
