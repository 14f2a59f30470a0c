#include "browsers/enterprise_roots_pref.h"

#include <vector>

#include "browsers/pref_comments.h"
#include "browsers/text_lines.h"

namespace hush::browsers {
namespace {

constexpr std::string_view kSetsPref = "user_pref(\"security.enterprise_roots.enabled\"";
constexpr std::string_view kMarker = "// Hushwall's HTTPS filtering";

// Whether the code of a line (its comments blanked) sets the preference.
bool SetsPref(const std::string& code) {
  return Trimmed(code).substr(0, kSetsPref.size()) == kSetsPref;
}

bool IsOurLine(const std::string& text, const std::string& code) {
  return SetsPref(code) && text.find(kMarker) != std::string::npos;
}

bool SwitchesOn(const std::string& code) {
  const std::string_view statement = Trimmed(code);
  const std::size_t comma = statement.find(',');
  return comma != std::string_view::npos &&
         Trimmed(statement.substr(comma + 1)).substr(0, 4) == "true";
}

}  // namespace

EnterpriseRoots EnterpriseRootsOf(std::string_view userJs) {
  const TextLines file = TextLines::Parse(userJs);
  const std::vector<std::string> code = CodeOfLines(file);
  EnterpriseRoots state = EnterpriseRoots::kAbsent;
  for (std::size_t index = 0; index < code.size(); ++index) {
    if (!SetsPref(code[index])) continue;
    if (IsOurLine(file.lines()[index].text, code[index]))
      state = EnterpriseRoots::kOurs;
    else
      state = SwitchesOn(code[index]) ? EnterpriseRoots::kUsersOn : EnterpriseRoots::kUsersOff;
  }
  return state;
}

std::string WithEnterpriseRoots(std::string_view userJs) {
  TextLines file = TextLines::Parse(userJs);
  for (const std::string& code : CodeOfLines(file))
    if (SetsPref(code)) return std::string(userJs);
  file.Append(kEnterpriseRootsLine, file.LineEnd());
  return file.Bytes();
}

std::string WithoutOurEnterpriseRoots(std::string_view userJs) {
  TextLines file = TextLines::Parse(userJs);
  const std::vector<std::string> code = CodeOfLines(file);
  std::vector<TextLine> kept;
  for (std::size_t index = 0; index < code.size(); ++index)
    if (!IsOurLine(file.lines()[index].text, code[index])) kept.push_back(file.lines()[index]);
  file.lines() = std::move(kept);
  return file.Bytes();
}

}  // namespace hush::browsers
