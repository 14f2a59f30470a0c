// Looking up the user's texts in the selected language file,
// <installation>\Language\<language>.ini, section "Hushwall", with the
// English default whenever the file, the section or the key is missing.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace hush {

struct LanguageLocation {
  std::string installationDirectory;  // the "Path" registry value
  std::string language;               // the "Language" registry value
  // The uninstaller keeps its own copies in "Lang" and reads longer texts.
  std::string folder = "Language";
  std::size_t messageCapacity = 250;
};

// Where the current installation directory and language name come from;
// asked afresh at every lookup, so a language switch applies at once.
void SetLanguageLocationSource(std::function<LanguageLocation()> source);

std::string LanguageFilePath();

// Up to the location's capacity less one (249 characters); every "#"
// becomes a line feed.
std::string GetMessageText(const std::string& key, const std::string& defaultText);
// The same for a message of the built-in table.
std::string GetMessageText(int key);

// Up to `capacity` - 1 characters of a key, "#" turned into line feeds when
// asked (the lookups behind the window texts).
std::string LookUpText(const std::string& key, const std::string& defaultText, std::size_t capacity,
                       bool hashIsLineFeed);

}  // namespace hush
