// A settings file held in memory as lines that keep their own line ends, so
// that an edit changes only the lines it means to and writes every other
// byte back exactly as it was (bare line feeds stay bare, CR LF stays CR LF).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hush::browsers {

struct TextLine {
  std::string text;  // without its line end
  std::string end;   // "\r\n", "\n", "\r" (when asked for), or "" for a last line without one
};

// Whether a carriage return that no line feed follows ends a line too. The
// browsers' settings files end lines with line feeds only; a hosts file that
// an old editor saved may end them with carriage returns alone.
enum class LoneCarriageReturn { kIsText, kEndsLine };

class TextLines {
 public:
  static TextLines Parse(std::string_view bytes,
                         LoneCarriageReturn loneCr = LoneCarriageReturn::kIsText);

  std::string Bytes() const;
  // The line end the file mostly uses; CR LF for a file without any.
  std::string LineEnd() const;

  std::vector<TextLine>& lines() { return lines_; }
  const std::vector<TextLine>& lines() const { return lines_; }

  // Appends a line; gives the last line an end first when it has none.
  // `end` "" leaves the new line without one.
  void Append(std::string text, const std::string& end);
  // Inserts a line ended like the file before index `at`.
  void InsertAt(std::size_t at, std::string text);

 private:
  std::vector<TextLine> lines_;
};

// The text with the blanks and tabs at both ends removed.
std::string_view Trimmed(std::string_view text);

}  // namespace hush::browsers
