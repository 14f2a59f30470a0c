#include "browsers/firefox_profiles.h"

#include <algorithm>

#include "browsers/text_lines.h"

namespace hush::browsers {
namespace {

struct Section {
  std::string name, path;
  bool relative = false;
};

void AddProfile(const Section& section, const std::string& firefoxFolder,
                std::vector<FirefoxProfile>& profiles) {
  if (section.path.empty()) return;
  std::string folder = section.path;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  if (section.relative) folder = firefoxFolder + folder;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  profiles.push_back({section.name.empty() ? folder : section.name, folder});
}

}  // namespace

std::vector<FirefoxProfile> ParseFirefoxProfilesIni(std::string_view text,
                                                    const std::string& firefoxFolder) {
  std::vector<FirefoxProfile> profiles;
  bool inProfile = false;
  Section section;
  const TextLines file = TextLines::Parse(text);
  for (const TextLine& line : file.lines()) {
    const std::string_view trimmed = Trimmed(line.text);
    if (!trimmed.empty() && trimmed.front() == '[') {
      if (inProfile) AddProfile(section, firefoxFolder, profiles);
      inProfile = trimmed.substr(0, 8) == "[Profile";
      section = Section{};
      continue;
    }
    const std::size_t equals = trimmed.find('=');
    if (!inProfile || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(trimmed.substr(0, equals));
    const std::string_view value = Trimmed(trimmed.substr(equals + 1));
    if (key == "Name") section.name = value;
    if (key == "Path") section.path = value;
    if (key == "IsRelative") section.relative = value == "1";
  }
  if (inProfile) AddProfile(section, firefoxFolder, profiles);
  return profiles;
}

}  // namespace hush::browsers
