// Mozilla and Firefox profiles, Opera's files and the hosts file, edited on
// real files in the prefix: found where each Windows version keeps them,
// written byte for byte, and put back as they were.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <filesystem>

#include "browsers/browser_checks.h"
#include "browsers/file_io.h"
#include "browsers/hosts_file.h"
#include "browsers/hosts_text.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/opera.h"
#include "common/language.h"
#include "common/registry_key.h"
#include "common/unique_handle.h"
#include "proxy/settings_store.h"
#include "uninstall/uninstaller.h"
#include "windows/browser_fixture.h"

namespace hush::browsers {
namespace {

using Flag = ConfiguredFlag;

const std::string kUserJsSet =
    "user_pref(\"network.proxy.http\", \"Hushwall\");\r\n"
    "user_pref(\"network.proxy.http_port\", 8100);\r\n"
    "user_pref(\"network.proxy.type\", 1);";

std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

class MozillaProfilesTest : public test::BrowserFixture {
 protected:
  // A standard profile, one kept elsewhere (listed twice in other cases),
  // and today's Firefox profile.
  void LayOut() {
    const std::string mozilla = UserAppData() + "Mozilla\\";
    standard_ = mozilla + "Profiles\\default\\ab12.slt\\";
    Write(standard_ + "prefs.js",
          "user_pref(\"network.proxy.http\", \"corp\");\n"
          "user_pref(\"network.proxy.http_port\", 3128);\n");
    elsewhere_ = At("Moz\\Work\\ef56.slt\\");
    Write(elsewhere_ + "prefs.js", "// prefs\r\n");
    Write(elsewhere_ + "user.js", "user_pref(\"mine\", true);\n");
    std::string upper = elsewhere_.substr(0, elsewhere_.size() - 1);
    for (char& c : upper) c = static_cast<char>(toupper(c));
    using namespace std::string_literals;
    Write(mozilla + "registry.dat", "x directory\0"s + elsewhere_.substr(0, elsewhere_.size() - 1) +
                                        "\0 directory\0"s + upper + "\0"s);
    firefox_ = At("appdata\\Mozilla\\Firefox\\Profiles\\q1.default-release\\");
    Write(firefox_ + "prefs.js", "user_pref(\"browser.x\", 1);\n");
    Write(At("appdata\\Mozilla\\Firefox\\profiles.ini"),
          "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default-release\n"
          "IsRelative=1\nPath=Profiles/q1.default-release\n");
    SetText("Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", "140.0");
  }
  std::string standard_, elsewhere_, firefox_;
};

TEST_F(MozillaProfilesTest, EveryProfileIsFoundOnceSetAndPutBack) {
  LayOut();
  ProfileSet set;
  EnumerateProfiles(set, WizardMode::kSet);
  std::vector<std::string> names;
  for (const ProfileRecord& record : set.records) names.push_back(record.name);
  EXPECT_EQ(names, (std::vector<std::string>{"default", "Work", "default-release"}));
  EXPECT_EQ(set.disabledCount, 0);
  EXPECT_TRUE(IsNetscapeInstalled());
  EXPECT_FALSE(IsNetscapeConfigured());

  const std::string before[] = {Read(standard_ + "prefs.js"), Read(elsewhere_ + "user.js"),
                                Read(elsewhere_ + "prefs.js")};
  ConfigurationState state;
  set.SelectAllEnabled();
  const BrowserOutcome setOutcome = SetNetscapeProxy(set, state, "Hushwall", "8100", context_);
  EXPECT_TRUE(set.processed);
  EXPECT_EQ(StoredFlag(Flag::kNetscape), 1);
  EXPECT_EQ(Read(standard_ + "user.js"), kUserJsSet);
  EXPECT_EQ(Read(standard_ + "prefs.js"), "user_pref(\"network.proxy.http_port\", 3128);\n");
  EXPECT_EQ(Read(elsewhere_ + "user.js"),
            "user_pref(\"mine\", true);\n" + WithoutCarriageReturns(kUserJsSet));
  EXPECT_EQ(Read(firefox_ + "user.js"), kUserJsSet);
  // Configured right after the set, before any browser has run.
  EXPECT_TRUE(IsNetscapeConfigured());
  EXPECT_FALSE(setOutcome.replacedProxy);  // the user's proxy was not switched on

  // The browser ran: it wrote the values "user.js" gave it into "prefs.js".
  Write(standard_ + "prefs.js",
        "user_pref(\"network.proxy.http\", \"Hushwall\");\n"
        "user_pref(\"network.proxy.http_port\", 8100);\nuser_pref(\"network.proxy.type\", 1);\n");

  ProfileSet reset;
  EnumerateProfiles(reset, WizardMode::kReset);
  EXPECT_EQ(reset.stillUsingProxy, 3);
  reset.SelectAllEnabled();
  const BrowserOutcome resetOutcome = ResetNetscapeProxy(reset, state, context_);
  EXPECT_EQ(StoredFlag(Flag::kNetscape), 0);
  EXPECT_FALSE(IsNetscapeConfigured());
  // A "user.js" that only the set had made is gone again; the profile's own
  // proxy lines are back in "prefs.js".
  EXPECT_FALSE(Exists(standard_ + "user.js"));
  EXPECT_FALSE(Exists(firefox_ + "user.js"));
  EXPECT_EQ(Read(standard_ + "prefs.js"), before[0]);
  EXPECT_EQ(Read(elsewhere_ + "prefs.js"), before[2]);
  EXPECT_EQ(Read(elsewhere_ + "user.js").substr(0, before[1].size()), before[1]);
  EXPECT_TRUE(setOutcome.reports.empty());
  EXPECT_TRUE(resetOutcome.reports.empty());
  // By what was done, not by the flag; none when nothing was changed.
  EXPECT_EQ(NetscapeRestartNotice(reset, WizardMode::kReset), BrowserNotice::kProfilesReset);
  EXPECT_EQ(DescribeReport({BrowserNotice::kProfilesReset}, 99990).caption, GetMessageText(2258));
  EXPECT_FALSE(NetscapeRestartNotice(ProfileSet{}, WizardMode::kSet));
}

TEST_F(MozillaProfilesTest, AProfileWithoutPrefsIsReportedAndSkipped) {
  LayOut();
  ProfileSet set;
  EnumerateProfiles(set, WizardMode::kSet);
  set.SelectAllEnabled();
  ::DeleteFileA((standard_ + "prefs.js").c_str());
  ConfigurationState state;
  const BrowserOutcome outcome = SetNetscapeProxy(set, state, "Hushwall", "8100", context_);
  ASSERT_EQ(outcome.reports.size(), 1u);
  EXPECT_EQ(DescribeReport(outcome.reports[0], 99990).text,
            "Error, Failed to set Netscape's profile default proxy setting because " + standard_ +
                "prefs.js doesn't exist.");
  EXPECT_FALSE(Exists(standard_ + "user.js"));
  EXPECT_EQ(Read(firefox_ + "user.js"), kUserJsSet);
}

// Without a record of the profile's own proxy lines a reset could only
// switch the proxy off: such a profile is left as it is, and named.
TEST_F(MozillaProfilesTest, ASetThatCannotRememberLeavesTheProfilesAlone) {
  LayOut();
  const std::string before[] = {Read(standard_ + "prefs.js"), Read(elsewhere_ + "user.js"),
                                Read(firefox_ + "prefs.js")};
  MakeRecordUnwritable();
  ProfileSet set;
  EnumerateProfiles(set, WizardMode::kSet);
  set.SelectAllEnabled();
  ConfigurationState state;
  EXPECT_EQ(SetNetscapeProxy(set, state, "Hushwall", "8100", context_).leftAlone,
            (SettingsLeftAlone{"default", "Work", "default-release"}));
  EXPECT_EQ(Read(standard_ + "prefs.js"), before[0]);
  EXPECT_FALSE(Exists(standard_ + "user.js"));
  EXPECT_EQ(Read(elsewhere_ + "user.js"), before[1]);
  EXPECT_FALSE(Exists(firefox_ + "user.js"));
  EXPECT_FALSE(set.processed);
  EXPECT_EQ(StoredFlag(Flag::kNetscape), -1);
}

// A manual proxy without a usable port is not taken as the way out, and
// the set goes on.
TEST_F(MozillaProfilesTest, AProxyWithoutAUsablePortIsNoGateway) {
  LayOut();
  for (const char* port : {"", "\"\"", "\"x\"", "70000", "0"}) {
    std::string prefs =
        "user_pref(\"network.proxy.type\", 1);\nuser_pref(\"network.proxy.http\", \"corp\");\n";
    if (*port) prefs += std::string("user_pref(\"network.proxy.http_port\", ") + port + ");\n";
    Write(firefox_ + "prefs.js", prefs);
    ::DeleteFileA((firefox_ + "user.js").c_str());
    ProfileSet set;
    EnumerateProfiles(set, WizardMode::kSet);
    for (ProfileRecord& record : set.records) record.selected = record.name == "default-release";
    ConfigurationState state;
    const BrowserOutcome outcome = SetNetscapeProxy(set, state, "Hushwall", "8100", context_);
    EXPECT_TRUE(outcome.leftAlone.empty());
    EXPECT_EQ(Read(firefox_ + "user.js"), kUserJsSet) << port;
    EXPECT_FALSE(outcome.replacedProxy) << port;
  }
}

TEST_F(MozillaProfilesTest, NoClassNoProfiles) {
  LayOut();
  facts_.windows = WindowsClass::kOther;
  facts_.applicationData.clear();
  OverrideSystemFactsForTesting(&facts_);
  ProfileSet set;
  EnumerateProfiles(set, WizardMode::kSet);
  EXPECT_TRUE(set.records.empty());
}

class OperaTest : public test::BrowserFixture {
 protected:
  void Install() {
    Write(At("Opera6\\Opera.exe"), "");
    SetText(kOperaKey, "Last CommandLine", At("Opera6\\Opera.exe"));
    opera6_ = At("Opera6\\opera6.ini");
    Write(opera6_, "[User]\nName=x\n[Proxy]\nUse HTTP=0\nHTTP Server=corp:3128\n");
    // Opera 7 known by its command line only, installed for several users.
    Write(At("Opera7\\Opera.exe"), "");
    SetText(kOperaKey, "Last CommandLine v2", At("Opera7\\Opera.exe"));
    defaults_ = At("Opera7\\OperaDef6.ini");
    Write(defaults_, "[System]\r\nMulti User=1\r\n[Proxy]\r\nUse HTTP=0\r\n");
    opera7_ = UserAppData() + "Opera\\Opera7\\profile\\opera6.ini";
    Write(opera7_, "[Proxy]\r\nUse HTTP=1\r\n");
  }
  std::string opera6_, opera7_, defaults_;
};

TEST_F(OperaTest, BothVersionsAreSetAndPutBackExactly) {
  Install();
  const std::string before6 = Read(opera6_), defaults = Read(defaults_);
  ConfigurationState state;
  DetectBrowsers(state, context_);
  ASSERT_TRUE(state.opera6Installed && state.opera7Installed);
  OperaSettings opera{"", "", "", true, true};
  const BrowserOutcome set = SetOperaProxy(opera, state, "Hushwall", "8100", context_);
  EXPECT_EQ(Read(opera6_), "[User]\nName=x\n[Proxy]\nUse HTTP=1\nHTTP Server=Hushwall:8100\n");
  EXPECT_EQ(Read(opera7_), "[Proxy]\r\nUse HTTP=1\r\nHTTP Server=Hushwall:8100\r\n");
  EXPECT_EQ(StoredFlag(Flag::kOpera6), 1);
  EXPECT_EQ(StoredFlag(Flag::kOpera7), 1);
  ConfigurationState check;
  UpdateOperaConfiguredFlags(check, true, true, context_);
  EXPECT_TRUE(check.opera6Configured && check.opera7Configured);

  const BrowserOutcome reset = ResetOperaProxy(opera, state, context_);
  EXPECT_EQ(Read(opera6_), before6);
  EXPECT_EQ(Read(opera7_), "[Proxy]\r\nUse HTTP=1\r\nHTTP Server\r\n");
  EXPECT_EQ(Read(defaults_), defaults);  // it never named the proxy
  EXPECT_EQ(StoredFlag(Flag::kOpera6), 0);
  EXPECT_EQ(StoredFlag(Flag::kOpera7), 0);
  EXPECT_TRUE(set.reports.empty());
  EXPECT_TRUE(reset.reports.empty());
}

TEST_F(OperaTest, ASetThatCannotRememberLeavesTheFilesAlone) {
  Install();
  const std::string before6 = Read(opera6_), before7 = Read(opera7_);
  MakeRecordUnwritable();
  ConfigurationState state;
  OperaSettings opera{"", "", "", true, true};
  const BrowserOutcome outcome = SetOperaProxy(opera, state, "Hushwall", "8100", context_);
  EXPECT_EQ(outcome.leftAlone, (SettingsLeftAlone{opera6_, opera7_}));
  EXPECT_EQ(outcome.reports, (std::vector<BrowserReport>{{BrowserNotice::kOperaFilesLeftAlone,
                                                          opera6_ + ", " + opera7_,
                                                          ReplacedStore(context_).path()}}));
  EXPECT_EQ(Read(opera6_), before6);
  EXPECT_EQ(Read(opera7_), before7);
  EXPECT_EQ(StoredFlag(Flag::kOpera6), -1);
  EXPECT_EQ(StoredFlag(Flag::kOpera7), -1);
}

TEST_F(OperaTest, WhatCannotBeLocatedIsReportedAndNothingIsWritten) {
  Install();
  ::DeleteFileA(opera6_.c_str());
  const std::string before7 = Read(opera7_);
  ConfigurationState state;
  OperaSettings opera{"", "", "", true, true};
  const BrowserOutcome set = SetOperaProxy(opera, state, "Hushwall", "8100", context_);
  ASSERT_EQ(set.reports.size(), 1u);
  EXPECT_EQ(DescribeReport(set.reports[0], 99990).text,
            "Error, Failed to set Opera 6 proxy setting because " + opera6_ + " doesn't exist.");
  EXPECT_EQ(Read(opera7_), before7);

  // Without "Multi User" the single-user file is the one when it is there.
  Write(defaults_, "[Proxy]\r\n");
  ::DeleteFileA(opera7_.c_str());
  Write(At("Opera7\\profile\\opera6.ini"), "");
  OperaSettings seven{"", "", "", false, true};
  EXPECT_EQ(LocateOperaFiles(seven), kOperaFilesFound);
  EXPECT_EQ(seven.opera7File, At("Opera7\\profile\\opera6.ini"));

  ::SHDeleteKeyA(HKEY_CURRENT_USER, kOperaKey);
  const BrowserOutcome reset = ResetOperaProxy(seven, state, context_);
  ASSERT_EQ(reset.reports.size(), 1u);
  EXPECT_EQ(DescribeReport(reset.reports[0], 99990).text, GetMessageText(2251));
}

class HostsFileTest : public test::BrowserFixture {
 protected:
  std::string Hosts() const { return At("windows\\system32\\drivers\\etc\\hosts"); }
};

TEST_F(HostsFileTest, TheEntryIsAddedOnceOnALineOfItsOwn) {
  struct Case {
    const char* sample;  // nullptr: no sample file
    const char* hosts;   // nullptr: no hosts file
    std::string after;
  } cases[] = {
      {nullptr, nullptr, "// Created By Hushwall.\r\n127.0.0.1\tHushwall\r\n"},
      {"# sample\n", nullptr, "# sample\n127.0.0.1\tHushwall\n"},
      {nullptr, "127.0.0.1 localhost\n10.0.0.1 myhushwallbox",
       "127.0.0.1 localhost\n10.0.0.1 myhushwallbox\n127.0.0.1\tHushwall"},
  };
  for (const Case& c : cases) {
    ::SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(At("windows"));
    std::filesystem::create_directories(At("windows\\system32\\drivers\\etc"));
    if (c.sample) Write(Hosts() + ".sam", c.sample);
    if (c.hosts) Write(Hosts(), c.hosts);
    EXPECT_EQ(AddHostsEntry("127.0.0.1", "Hushwall", context_), HostsEdit::kDone);
    EXPECT_EQ(AddHostsEntry("127.0.0.1", "Hushwall", context_), HostsEdit::kDone);
    EXPECT_EQ(Read(Hosts()), c.after);
  }
  EXPECT_TRUE(BackupHostsFile(context_));
  EXPECT_EQ(Read(At("install\\mHosts")), cases[2].after);
}

// Hushwall's edits keep the protection the owner gave the hosts file, and
// removal gives back what the backup kept of it even after an older
// version protected the file; a reinstallation keeps the first backup.
TEST_F(HostsFileTest, EditsAndRemovalLeaveTheAttributesAsTheyWere) {
  Write(At("install\\hostsd"), "127.0.0.1 localhost\r\n");
  Write(At("install\\hostse"), "127.0.0.1 localhost\r\n127.0.0.1 ad.test\r\n");
  const DWORD guards = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  BrowserContext uninstaller = context_;
  uninstaller.policy = kUninstallerPolicy;
  for (DWORD original : {DWORD{0}, DWORD{FILE_ATTRIBUTE_HIDDEN}, guards}) {
    SCOPED_TRACE(original);
    ::SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
    Write(Hosts(), "10.0.0.5 nas\r\n");
    ::SetFileAttributesA(Hosts().c_str(), original == 0 ? FILE_ATTRIBUTE_NORMAL : original);
    ::SetFileAttributesA(At("install\\mHosts").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(At("install\\mHosts").c_str());
    ASSERT_TRUE(BackupHostsFile(context_));
    EXPECT_EQ(AddHostsEntry("127.0.0.1", "Hushwall", context_), HostsEdit::kDone);
    EXPECT_EQ(ApplyBannerHostsFile(true, context_), HostsEdit::kDone);
    EXPECT_TRUE(IsBannerBlockingOn(context_));
    EXPECT_EQ(::GetFileAttributesA(Hosts().c_str()) & guards, original);
    EXPECT_TRUE(BackupHostsFile(context_));  // a second setup run
    EXPECT_EQ(Read(At("install\\mHosts")), "10.0.0.5 nas\r\n");
    ::SetFileAttributesA(Hosts().c_str(), guards | FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(RestoreHostsFile(GetHostsFilePath(uninstaller), uninstaller),
              HostsRestore::kRestored);
    EXPECT_EQ(::GetFileAttributesA(Hosts().c_str()) & guards, original);
    ::SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Read(Hosts()), "10.0.0.5 nas\r\n");
  }
}

// No ASCII line may go into a UTF-16 file: every edit refuses it and
// removal keeps the backup.
TEST_F(HostsFileTest, AUtf16HostsFileIsNeverEdited) {
  const std::string utf16(
      "\xFF\xFE"
      "1\0"
      "0\0"
      " \0"
      "n\0"
      "a\0"
      "s\0"
      "\r\0\n\0",
      18);
  Write(Hosts(), utf16);
  Write(At("install\\mHosts"), utf16);
  EXPECT_EQ(AddHostsEntry("127.0.0.1", "Hushwall", context_), HostsEdit::kUnsafeEncoding);
  EXPECT_EQ(ApplyBannerHostsFile(true, context_), HostsEdit::kUnsafeEncoding);
  BrowserContext uninstaller = context_;
  uninstaller.policy = kUninstallerPolicy;
  EXPECT_EQ(RestoreHostsFile(Hosts(), uninstaller), HostsRestore::kUnsafeEncoding);
  EXPECT_EQ(Read(Hosts()), utf16);
  EXPECT_TRUE(Exists(At("install\\mHosts")));
}

TEST_F(HostsFileTest, AHostsFileThatCannotBeOpenedIsNeverReplaced) {
  Write(Hosts(), "10.0.0.5 nas\r\n");
  {
    UniqueFile locked(
        ::CreateFileA(Hosts().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_NE(AddHostsEntry("127.0.0.1", "Hushwall", context_), HostsEdit::kDone);
  }
  EXPECT_EQ(Read(Hosts()), "10.0.0.5 nas\r\n");
  // The uninstaller creates nothing: the sample stands in, else no path.
  BrowserContext uninstaller = context_;
  uninstaller.policy = kUninstallerPolicy;
  ::SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileA(Hosts().c_str());
  EXPECT_EQ(GetHostsFilePath(uninstaller), "");
  // Nothing to change is no success, and no backup.
  EXPECT_EQ(ApplyBannerHostsFile(true, uninstaller), HostsEdit::kNoHostsFile);
  EXPECT_FALSE(BackupHostsFile(uninstaller));
  Write(Hosts() + ".sam", "");
  EXPECT_EQ(GetHostsFilePath(uninstaller), Hosts() + ".sam");
  EXPECT_FALSE(Exists(Hosts()));
}

TEST_F(HostsFileTest, BannerBlockingKeepsTheUsersLinesAndTheEntry) {
  Write(At("install\\hostsd"), "127.0.0.1 localhost\r\n127.0.0.1\tHushwall\r\n");
  Write(At("install\\hostse"),
        "127.0.0.1 localhost\r\n127.0.0.1\tHushwall\r\n127.0.0.1 ad.test\r\n");
  Write(Hosts(), "10.0.0.5 nas\r\n");
  ASSERT_EQ(ApplyBannerHostsFile(true, context_), HostsEdit::kDone);
  std::string text = Read(Hosts());
  EXPECT_EQ(text.substr(0, 14), "10.0.0.5 nas\r\n");
  EXPECT_TRUE(HostsTextHasLoopbackEntry(text, "ad.test"));
  EXPECT_TRUE(HostsTextHasLoopbackEntry(text, "Hushwall"));
  ASSERT_EQ(ApplyBannerHostsFile(false, context_), HostsEdit::kDone);
  text = Read(Hosts());
  EXPECT_FALSE(HostsTextHasLoopbackEntry(text, "ad.test"));
  EXPECT_TRUE(HostsTextHasLoopbackEntry(text, "Hushwall"));
  EXPECT_EQ(text.substr(0, 14), "10.0.0.5 nas\r\n");
}

// Removal takes out only Hushwall's lines, so a line the user added since
// the first run stays; the first-run backup stands in only when Hushwall's
// lines cannot be told apart, and goes only once the hosts file is written.
TEST_F(HostsFileTest, RemovalKeepsEveryLineOfTheUsers) {
  const std::string ours =
      "# Hushwall: default entries (begin)\r\n127.0.0.1 localhost\r\n"
      "# Hushwall: default entries (end)\r\n"
      "# Hushwall: ad servers blocked while Block Ads is on (begin)\r\n127.0.0.1 ad.test\r\n"
      "# Hushwall: ad servers (end)\r\n";
  struct Case {
    bool sampleOnly;     // only "hosts.sam" is there
    const char* before;  // the hosts (or sample) file at removal
    const char* backup;  // nullptr: no backup
    const char* after;   // nullptr: unchanged
    HostsRestore result;
  } cases[] = {
      {false, "10.0.0.5 nas\r\n127.0.0.1\tHushwall\r\n@ours10.0.0.9 added-later\r\n", "old\r\n",
       "10.0.0.5 nas\r\n10.0.0.9 added-later\r\n", HostsRestore::kRestored},
      {false, "10.0.0.5 nas\n127.0.0.1 hushwall\n127.0.0.1 Hushwall other\n", nullptr,
       "10.0.0.5 nas\n127.0.0.1 Hushwall other\n", HostsRestore::kRestored},
      {false, "# Hushwall: ad servers (end)\r\n10.0.0.5 nas\r\n", "saved\r\n", "saved\r\n",
       HostsRestore::kRestored},
      {false, "# Hushwall: ad servers (end)\r\n10.0.0.5 nas\r\n", nullptr, nullptr,
       HostsRestore::kFailed},
      {true, "# sample\r\n127.0.0.1\tHushwall\r\n", "x", "# sample\r\n", HostsRestore::kRestored},
  };
  BrowserContext uninstaller = context_;
  uninstaller.policy = kUninstallerPolicy;
  for (const Case& c : cases) {
    ::SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(At("windows"));
    std::filesystem::create_directories(At("windows\\system32\\drivers\\etc"));
    std::string before = c.before;
    if (const size_t at = before.find("@ours"); at != std::string::npos)
      before.replace(at, 5, ours);
    Write(c.sampleOnly ? Hosts() + ".sam" : Hosts(), before);
    ::DeleteFileA(At("install\\mHosts").c_str());
    if (c.backup) Write(At("install\\mHosts"), c.backup);
    EXPECT_EQ(RestoreHostsFile(GetHostsFilePath(uninstaller), uninstaller), c.result) << c.before;
    EXPECT_EQ(Read(Hosts()), c.after ? c.after : before) << c.before;
    EXPECT_EQ(Exists(At("install\\mHosts")),
              c.backup != nullptr && c.result != HostsRestore::kRestored)
        << c.before;
  }
}

// A restore that fails keeps its backup and is named to the user; one that
// succeeds takes its backup away. The exit status tells the setup which.
TEST_F(HostsFileTest, RemovalKeepsAndNamesEveryBackupItCouldNotRestore) {
  const RegistryKey product = RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Hushwall");
  std::string savedPath;
  const bool hadPath = product.ReadText("Path", savedPath);
  product.WriteText("Path", At("install"));
  Write(At("install\\acRs.ini"), "[Internet]\r\n1001=1\r\n");
  Write(At("install\\mHosts"), "10.0.0.5 nas\r\n");
  Write(Hosts(), "10.0.0.5 nas\r\n127.0.0.1\tHushwall\r\n");
  int kept = 0;
  {
    UniqueFile locked(
        ::CreateFileA(Hosts().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    kept = uninstall::RunUninstall(showBox_);
  }
  EXPECT_EQ(kept & ~uninstall::kBrowserBackupsKept, uninstall::kHostsBackupKept);
  EXPECT_TRUE(Exists(At("install\\mHosts")));
  EXPECT_FALSE(Exists(At("install\\acRs.ini")));
  ASSERT_FALSE(boxes_.empty());
  EXPECT_NE(boxes_.back().text.find(GetMessageText(19115)), std::string::npos);
  EXPECT_EQ(boxes_.back().text.find(GetMessageText(19116)), std::string::npos);
  EXPECT_EQ(uninstall::RunUninstall(showBox_) & uninstall::kHostsBackupKept, 0);
  EXPECT_FALSE(Exists(At("install\\mHosts")));
  EXPECT_EQ(Read(Hosts()), "10.0.0.5 nas\r\n");
  if (hadPath) product.WriteText("Path", savedPath);
}

TEST(FileReplace, AFileThatCannotBeReplacedKeepsItsBytes) {
  const std::string path = "C:\\hushtest\\readonly.txt";
  ::CreateDirectoryA("C:\\hushtest", nullptr);
  test::BrowserFixture::Write(path, "mine\n");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReplaceWholeFile(path, "theirs\n"), FileResult::kUnwritable);
  EXPECT_EQ(test::BrowserFixture::Read(path), "mine\n");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReplaceWholeFile(path, "theirs\n"), FileResult::kDone);
  EXPECT_EQ(test::BrowserFixture::Read(path), "theirs\n");
  ::DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace hush::browsers
