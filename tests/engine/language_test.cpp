// Message lookups in the language files: defaults, line feeds, cut-off,
// empty values, switching, and the shipped English file.
#include "common/language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "common/ini_file.h"
#include "common/message_table.h"

namespace hush {
namespace {

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = ini::ExecutableFolder() + "lang-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder_ + "/Language");
    language_ = "Testish";
    SetLanguageLocationSource([this] { return LanguageLocation{folder_, language_}; });
  }
  void TearDown() override {
    SetLanguageLocationSource(nullptr);
    std::filesystem::remove_all(folder_);
  }
  void Write(const std::string& key, const std::string& value) {
    ASSERT_TRUE(ini::WriteText("Hushwall", key, value, LanguageFilePath()));
  }
  std::string folder_, language_;
};

TEST_F(LanguageTest, WithoutAFileEveryTextIsTheBuiltInEnglish) {
  EXPECT_EQ(GetMessageText(6001),
            "Sorry, but some files have been corrupted, you have to re-install the program");
  EXPECT_EQ(GetMessageText(99990), "Hushwall");
  EXPECT_EQ(GetMessageText(9999), "www.hushwall.example");
  EXPECT_EQ(GetMessageText("12000", ""), "");  // the About caption has no default
  SetLanguageLocationSource(nullptr);          // start-up: no path and no name yet
  EXPECT_EQ(LanguageFilePath(), "\\Language\\.ini");
  EXPECT_EQ(GetMessageText(5001), "Hushwall Enabled");
}

TEST_F(LanguageTest, TranslationsReplaceDefaultsWithHashAsLineFeed) {
  Write("6003", "First phrase#second phrase");
  Write("10002", "");
  Write("7008", std::string(300, 'x'));
  EXPECT_EQ(GetMessageText(6003), "First phrase\nsecond phrase");
  EXPECT_EQ(LookUpText("6003", "", 1000, false), "First phrase#second phrase");
  EXPECT_EQ(GetMessageText(10002), "");  // present but empty: no label
  EXPECT_EQ(GetMessageText(7008), std::string(249, 'x'));
  EXPECT_EQ(LookUpText("7008", "", 500, true), std::string(300, 'x'));
  // A switch of language applies to the very next lookup.
  language_ = "Nonesuch";
  EXPECT_EQ(GetMessageText(6003).substr(0, 20), "You will not be able");
}

TEST(BuiltInMessages, AreSortedAndMatchTheShippedEnglishFile) {
  const std::string english = std::string(HUSH_TEST_ASSETS_DIR) + "/Language/English.ini";
  int count = 0, previous = 0;
  for (const BuiltInMessage* m = BuiltInMessagesBegin(); m != BuiltInMessagesEnd(); ++m, ++count) {
    EXPECT_LT(previous, m->key);
    previous = m->key;
    std::string expected = m->text;
    for (size_t at; (at = expected.find("\r\n")) != std::string::npos;)
      expected.replace(at, 2, "#");
    for (char& c : expected)
      if (c == '\n') c = '#';
    EXPECT_EQ(ini::ReadText("Hushwall", std::to_string(m->key), "<missing>", english, 1000),
              expected)
        << m->key;
  }
  EXPECT_EQ(count, 122);
  EXPECT_STREQ(BuiltInText(424242), "");
}

TEST(ShippedLanguages, TheOtherLanguagesTranslateEveryMessage) {
  for (const char* language : {"French", "German"}) {
    const std::string file = std::string(HUSH_TEST_ASSETS_DIR) + "/Language/" + language + ".ini";
    int translated = 0;
    for (const BuiltInMessage* m = BuiltInMessagesBegin(); m != BuiltInMessagesEnd(); ++m) {
      const std::string text =
          ini::ReadText("Hushwall", std::to_string(m->key), "<missing>", file, 1000);
      EXPECT_NE(text, "<missing>") << language << " " << m->key;
      translated += text != m->text;
    }
    EXPECT_GT(translated, 80) << language;
    EXPECT_EQ(ini::ReadText("Hushwall", "9999", "", file, 1000), "www.hushwall.example");
  }
  const std::string french = std::string(HUSH_TEST_ASSETS_DIR) + "/Language/French.ini";
  EXPECT_EQ(ini::ReadText("Hushwall", "7008", "", french, 1000), "Quitter");
}

// The windows' own key blocks: every slot has its line in both shipped
// languages, so no label falls back to the dialog template's English.
TEST(ShippedLanguages, BothHoldEveryKeyOfTheWindowsKeyBlocks) {
  std::vector<int> keys;
  auto block = [&keys](int first, int last) {
    for (int key = first; key <= last; ++key) keys.push_back(key);
  };
  block(1001, 1009);
  block(2001, 2002);
  block(8001, 8023);
  block(9001, 9012);
  block(11000, 11002);
  block(12000, 12002);
  block(18001, 18003);
  block(19250, 19253);
  for (const char* language : {"English", "French", "German"}) {
    const std::string file = std::string(HUSH_TEST_ASSETS_DIR) + "/Language/" + language + ".ini";
    for (int key : keys)
      EXPECT_NE(ini::ReadText("Hushwall", std::to_string(key), "<missing>", file, 1000),
                "<missing>")
          << language << " " << key;
  }
  const std::string french = std::string(HUSH_TEST_ASSETS_DIR) + "/Language/French.ini";
  EXPECT_EQ(ini::ReadText("Hushwall", "11002", "", french, 1000), "Options");
  EXPECT_EQ(ini::ReadText("Hushwall", "9010", "", french, 1000), "Essayer");
}

}  // namespace
}  // namespace hush
