// Today's Firefox lists its profiles in "profiles.ini": one "[ProfileN]"
// section each, with the profile's "Name" and its folder "Path", relative
// to the file's folder when "IsRelative=1".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hush::browsers {

struct FirefoxProfile {
  std::string name;
  std::string folder;  // full path, backslashes, no trailing backslash
};

// `firefoxFolder` is the folder of "profiles.ini", ending in a backslash.
std::vector<FirefoxProfile> ParseFirefoxProfilesIni(std::string_view text,
                                                    const std::string& firefoxFolder);

}  // namespace hush::browsers
