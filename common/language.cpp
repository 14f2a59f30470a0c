#include "common/language.h"

#include <algorithm>

#include "common/ini_file.h"
#include "common/message_table.h"

namespace hush {
namespace {

constexpr char kSection[] = "Hushwall";

std::function<LanguageLocation()>& LocationSource() {
  static std::function<LanguageLocation()> source = [] { return LanguageLocation{}; };
  return source;
}

}  // namespace

void SetLanguageLocationSource(std::function<LanguageLocation()> source) {
  LocationSource() = source ? std::move(source) : [] { return LanguageLocation{}; };
}

std::string LanguageFilePath() {
  const LanguageLocation where = LocationSource()();
  return where.installationDirectory + "\\" + where.folder + "\\" + where.language + ".ini";
}

std::string LookUpText(const std::string& key, const std::string& defaultText, std::size_t capacity,
                       bool hashIsLineFeed) {
  std::string text = ini::ReadText(kSection, key, defaultText, LanguageFilePath(), capacity);
  if (hashIsLineFeed) std::replace(text.begin(), text.end(), '#', '\n');
  return text;
}

std::string GetMessageText(const std::string& key, const std::string& defaultText) {
  return LookUpText(key, defaultText, LocationSource()().messageCapacity, true);
}

std::string GetMessageText(int key) {
  return GetMessageText(std::to_string(key), BuiltInText(key));
}

}  // namespace hush
