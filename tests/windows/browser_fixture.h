// A sandbox for the browser settings tests: browsers' registry keys cleared,
// the folders of a Windows XP user under a scratch folder (through the
// library's system facts), and message boxes recorded and answered.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "browsers/system_facts.h"
#include "common/show_box.h"

namespace hush::test {

struct ShownBox {
  std::string text, caption;
  unsigned type;
};

class BrowserFixture : public ::testing::Test {
 public:
  static void Write(const std::string& path, const std::string& bytes);
  static std::string Read(const std::string& path);

 protected:
  void SetUp() override;
  void TearDown() override;

  // The scratch folder's path for `relative`.
  std::string At(const std::string& relative) const { return root_ + "\\" + relative; }
  // "C:\Documents and Settings\<user>\Application Data\" of the test user.
  std::string UserAppData() const;

  static bool Exists(const std::string& path);
  static void SetText(const std::string& key, const std::string& name, const std::string& value);
  static void SetNumber(const std::string& key, const std::string& name, DWORD value);
  static void SetBytes(const std::string& key, const std::string& name, const std::string& bytes);
  static std::string Text(const std::string& key, const std::string& name);
  // The stored flag, or -1 when it is not there.
  static int StoredFlag(browsers::ConfiguredFlag flag);
  // A connection value naming `server` with `flags`.
  static std::string ConnectionValue(DWORD flags, const std::string& server);
  // The record of replaced proxies made read-only (until the test ends):
  // what a set would replace can then not be remembered.
  void MakeRecordUnwritable();

  std::string root_;
  browsers::SystemFacts facts_;
  browsers::BrowserContext context_;
  // Records each box in `boxes_` and answers `answer_`.
  ShowBoxFunction showBox_;
  std::vector<ShownBox> boxes_;
  int answer_ = IDOK;
};

}  // namespace hush::test
