// Internet Explorer's connections, browser detection and the start-up
// warning, in Wine's real registry.
#include <gtest/gtest.h>

#include "app/configuration_warning.h"
#include "browsers/browser_checks.h"
#include "browsers/internet_explorer.h"
#include "browsers/opera.h"
#include "browsers/replaced_store.h"
#include "common/language.h"
#include "common/registry_key.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"
#include "ui/browser_results.h"
#include "uninstall/uninstaller.h"
#include "windows/browser_fixture.h"

namespace hush::browsers {
namespace {

using Flag = ConfiguredFlag;

class InternetExplorerTest : public test::BrowserFixture {};

TEST_F(InternetExplorerTest, LanSetRemembersTheUsersProxyAndResetPutsItBack) {
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  SetText(kInternetSettingsKey, "ProxyServer", "corp:3128");
  ConfigurationState state;
  ConnectionSet none;
  const BrowserOutcome set = SetInternetExplorerProxy(state, none, {true, false}, context_);
  EXPECT_EQ(Text(kInternetSettingsKey, "ProxyServer"), "http=Hushwall:8100");
  EXPECT_TRUE(IsInternetExplorerConfigured());
  EXPECT_TRUE(state.lanConfigured);
  EXPECT_TRUE(state.internetExplorerUsesProxy);
  EXPECT_EQ(StoredFlag(Flag::kLan), 1);
  EXPECT_EQ(StoredFlag(Flag::kDialUp), -1);  // dial-up was not chosen
  // The company proxy the browser used becomes the way out.
  ASSERT_TRUE(set.replacedProxy);
  EXPECT_EQ(set.replacedProxy->host + ":" + set.replacedProxy->port, "corp:3128");
  EXPECT_TRUE(AdoptUpstreamProxy(set.replacedProxy));
  EXPECT_EQ(Settings().gatewayIP.Get(), "corp");
  EXPECT_EQ(Settings().gatewayPort.load(), 3128);
  EXPECT_EQ(Read(At("install\\HushINI.ini")).find("GatewayEnable=1") != std::string::npos, true);

  // A gateway already set stays.
  EXPECT_FALSE(AdoptUpstreamProxy(HttpProxy{"other", "8080"}));
  EXPECT_EQ(Settings().gatewayIP.Get(), "corp");

  const BrowserOutcome reset = ResetInternetExplorerProxy(state, none, {true, false}, context_);
  EXPECT_EQ(Text(kInternetSettingsKey, "ProxyServer"), "corp:3128");
  DWORD enabled = 0;
  RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey).ReadNumber("ProxyEnable", enabled);
  EXPECT_EQ(enabled, 1u);
  EXPECT_FALSE(IsInternetExplorerConfigured());
  // Catching goes off by this state after a reset: it follows the registry.
  EXPECT_FALSE(state.internetExplorerUsesProxy);
  EXPECT_EQ(StoredFlag(Flag::kLan), 0);
  EXPECT_TRUE(set.reports.empty());
  EXPECT_TRUE(reset.reports.empty());
}

// The way out offered is the first proxy of the user's that the set
// replaced, and the one it already has stays: a later connection's proxy
// never takes its place.
TEST_F(InternetExplorerTest, TheFirstProxyReplacedIsTheWayOut) {
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  SetText(kInternetSettingsKey, "ProxyServer", "corp:3128");
  SetBytes(kConnectionsKey, "Office", ConnectionValue(3, "http=mine:8080"));
  ConfigurationState state;
  ConnectionSet connections = EnumerateConnections(WizardMode::kSet);
  connections.SelectAllEnabled();
  const BrowserOutcome set = SetInternetExplorerProxy(state, connections, {true, true}, context_);
  ASSERT_TRUE(set.replacedProxy);
  EXPECT_EQ(set.replacedProxy->host + ":" + set.replacedProxy->port, "corp:3128");
  BrowserOutcome outcome;
  for (const HttpProxy& proxy :
       {HttpProxy{"Hushwall", "8100"}, HttpProxy{"127.0.0.1", "8100"}, HttpProxy{"corp", "0"},
        HttpProxy{"first", "80"}, HttpProxy{"second", "81"}})
    outcome.NoteReplacedProxy(proxy);
  ASSERT_TRUE(outcome.replacedProxy);
  EXPECT_EQ(outcome.replacedProxy->host, "first");
}

// Without a record of the user's proxy a reset could only switch it off:
// the connections are then left as they are, and the caller is told.
TEST_F(InternetExplorerTest, ASetThatCannotRememberLeavesTheConnectionsAlone) {
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  SetText(kInternetSettingsKey, "ProxyServer", "corp:3128");
  SetNumber(kInternetSettingsKey, "ProxyHttp1.1", 0);
  SetBytes(kConnectionsKey, "Office", ConnectionValue(3, "mine:8080"));
  MakeRecordUnwritable();
  ConfigurationState state;
  ConnectionSet connections = EnumerateConnections(WizardMode::kSet);
  connections.SelectAllEnabled();
  const BrowserOutcome set = SetInternetExplorerProxy(state, connections, {true, true}, context_);
  EXPECT_EQ(set.leftAlone, (SettingsLeftAlone{"", "Office"}));
  EXPECT_EQ(set.reports,
            (std::vector<BrowserReport>{{BrowserNotice::kConnectionsLeftAlone, "LAN, Office",
                                         ReplacedStore(context_).path()}}));
  // Shown as the caller captions its boxes (here the uninstaller's title).
  const NoticeBox box = DescribeReport(set.reports[0], 9999);
  EXPECT_EQ(box.caption, GetMessageText(9999));
  EXPECT_NE(box.text.find("LAN, Office"), std::string::npos);
  EXPECT_EQ(box.type, unsigned(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(Text(kInternetSettingsKey, "ProxyServer"), "corp:3128");
  EXPECT_FALSE(IsConnectionConfigured("Office"));
  DWORD http11 = 7;
  RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey).ReadNumber("ProxyHttp1.1", http11);
  EXPECT_EQ(http11, 0u);
  EXPECT_FALSE(state.lanConfigured || state.dialUpConfigured);
  EXPECT_EQ(StoredFlag(Flag::kLan), -1);
  EXPECT_FALSE(set.replacedProxy);
}

// "Use HTTP 1.1 through proxy connections" is the user's again after the
// reset; a record made before it was kept switches it off as before.
TEST_F(InternetExplorerTest, ResetPutsBackTheUsersHttp11Choice) {
  const struct {
    int before;  // -1: no value
    bool oldRecord;
    int after;
  } cases[] = {{1, false, 1}, {0, false, 0}, {-1, false, -1}, {1, true, 0}};
  RegistryKey settings = RegistryKey::Create(HKEY_CURRENT_USER, kInternetSettingsKey);
  const auto http11 = [&] {
    DWORD value = 0;
    return settings.ReadNumber("ProxyHttp1.1", value) ? static_cast<int>(value) : -1;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.before) + (c.oldRecord ? " old record" : ""));
    ::DeleteFileA(ReplacedStore(context_).path().c_str());
    ::RegDeleteValueA(settings.get(), "ProxyHttp1.1");
    if (c.before >= 0) settings.WriteNumber("ProxyHttp1.1", static_cast<DWORD>(c.before));
    SetNumber(kInternetSettingsKey, "ProxyEnable", 0);
    ConfigurationState state;
    ConnectionSet none;
    if (c.oldRecord) {  // set by a version that kept only the connection
      SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
      SetText(kInternetSettingsKey, "ProxyServer", "http=Hushwall:8100");
      settings.WriteNumber("ProxyHttp1.1", 1);
      Write(ReplacedStore(context_).path(), "[Internet Explorer|LAN]\r\nFlags=1\r\n");
    } else {
      EXPECT_TRUE(SetInternetExplorerProxy(state, none, {true, false}, context_).leftAlone.empty());
      EXPECT_EQ(http11(), 1);
    }
    ResetInternetExplorerProxy(state, none, {true, false}, context_);
    EXPECT_EQ(http11(), c.after);
    EXPECT_FALSE(LanUsesProxy());
  }
}

TEST_F(InternetExplorerTest, ConnectionsAreListedCheckedAndCountedDown) {
  const std::string ours = ConnectionValue(3, "http=Hushwall:8100");
  SetBytes(kConnectionsKey, "DefaultConnectionSettings", ours);
  SetBytes(kConnectionsKey, "SavedLegacySettings", ours);
  SetBytes(kConnectionsKey, "Office", ours);
  SetBytes(kConnectionsKey, "Home", ConnectionValue(3, "http=hushwall:8100"));
  SetBytes(kConnectionsKey, "Short", ours.substr(0, 20));
  SetBytes(kConnectionsKey, "Long", ours + std::string(300, '\0'));
  SetBytes(kConnectionsKey, "Travel", ours);
  SetBytes(kConnectionsKey, "Spare", ours);

  const ConnectionSet set = EnumerateConnections(WizardMode::kSet);
  ASSERT_EQ(set.records.size(), 6u);
  int disabled = 0;
  for (const ConnectionRecord& record : set.records) {
    const bool configured =
        record.name == "Office" || record.name == "Travel" || record.name == "Spare";
    EXPECT_EQ(record.disabled, configured) << record.name;
    disabled += record.disabled;
  }
  EXPECT_EQ(set.disabledCount, disabled);

  // The dial-up flag goes only with the last connection still on the proxy.
  ConfigurationState state;
  state.SetConfigured(Flag::kDialUp, true);
  ConnectionSet reset = EnumerateConnections(WizardMode::kReset);
  EXPECT_EQ(reset.stillUsingProxy, 3);
  for (ConnectionRecord& record : reset.records)
    record.selected = record.name != "Spare" && !record.disabled;
  ResetInternetExplorerProxy(state, reset, {false, true}, context_);
  EXPECT_EQ(StoredFlag(Flag::kDialUp), 1);
  for (ConnectionRecord& record : reset.records) record.selected = record.name == "Spare";
  ResetInternetExplorerProxy(state, reset, {false, true}, context_);
  EXPECT_EQ(StoredFlag(Flag::kDialUp), 0);
  EXPECT_EQ(StoredFlag(Flag::kLan), -1);
}

TEST_F(InternetExplorerTest, ADialUpCountsOnlyWhileTheLanProxyIsOn) {
  SetBytes(kConnectionsKey, "Office", ConnectionValue(3, "http=Hushwall:8100"));
  SetText(kInternetSettingsKey, "ProxyServer", "corp:3128");
  SetNumber(kInternetSettingsKey, "ProxyEnable", 0);
  EXPECT_FALSE(IsInternetExplorerConfigured());
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  EXPECT_TRUE(IsInternetExplorerConfigured());
}

// Removal resets the LAN only when it was Hushwall's: a proxy of the
// user's own there stays when only a dial-up connection used Hushwall.
TEST_F(InternetExplorerTest, RemovalResetsTheLanOnlyWhenItWasHushwalls) {
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  SetText(kInternetSettingsKey, "ProxyServer", "mine:8080");
  SetBytes(kConnectionsKey, "Office", ConnectionValue(3, "http=Hushwall:8100"));
  ConnectionSet connections = EnumerateConnections(WizardMode::kReset);
  InternetExplorerChoice choice = uninstall::RemovalChoice(connections);
  EXPECT_FALSE(choice.lan);
  EXPECT_TRUE(choice.dialUp);
  // Flags both clear but the LAN still naming Hushwall: reset all the same.
  SetText(kInternetSettingsKey, "ProxyServer", "http=Hushwall:8100");
  ::RegDeleteValueA(RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_SET_VALUE).get(),
                    "Office");
  connections = EnumerateConnections(WizardMode::kReset);
  choice = uninstall::RemovalChoice(connections);
  EXPECT_TRUE(choice.lan);
  EXPECT_FALSE(choice.dialUp);

  // The whole removal, its boxes answered here: the dial-up flag is
  // cleared, and the missing ActiveX backup is reported first.
  SetBytes(kConnectionsKey, "Office", ConnectionValue(3, "http=Hushwall:8100"));
  WriteConfiguredFlag(Flag::kDialUp, true);
  const RegistryKey product =
      RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Hushwall", KEY_READ | KEY_WRITE);
  std::string savedPath;
  const bool hadPath = product.ReadText("Path", savedPath);
  product.WriteText("Path", At("install"));
  // No hosts file here: its backup is kept.
  EXPECT_EQ(uninstall::RunUninstall(showBox_) & uninstall::kHostsBackupKept,
            uninstall::kHostsBackupKept);
  EXPECT_EQ(StoredFlag(Flag::kDialUp), 0);
  ASSERT_FALSE(boxes_.empty());
  EXPECT_EQ(boxes_[0].text, GetMessageText(19018));
  if (hadPath) product.WriteText("Path", savedPath);
}

// The stored flags may be stale: a proxy the user has set by hand since
// Hushwall's set, in Internet Explorer or Opera, survives the removal.
TEST_F(InternetExplorerTest, RemovalLeavesProxiesSetByHandSince) {
  SetNumber(kInternetSettingsKey, "ProxyEnable", 1);
  SetText(kInternetSettingsKey, "ProxyServer", "mine:8080");
  Write(ReplacedStore(context_).path(), "[Internet Explorer|LAN]\r\nFlags=1\r\n");
  WriteConfiguredFlag(Flag::kLan, true);
  Write(At("Opera6\\Opera.exe"), "");
  SetText(kOperaKey, "Last CommandLine", At("Opera6\\Opera.exe"));
  const std::string opera = "[Proxy]\r\nUse HTTP=1\r\nHTTP Server=mine:8080\r\n";
  Write(At("Opera6\\opera6.ini"), opera);
  WriteConfiguredFlag(Flag::kOpera6, true);

  const RegistryKey product =
      RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Hushwall", KEY_READ | KEY_WRITE);
  std::string savedPath;
  const bool hadPath = product.ReadText("Path", savedPath);
  product.WriteText("Path", At("install"));
  // No browser names Hushwall afterwards, so none of their records is kept
  // (what becomes of the test prefix's hosts file is not this test's).
  EXPECT_EQ(uninstall::RunUninstall(showBox_) & uninstall::kBrowserBackupsKept, 0);
  if (hadPath) product.WriteText("Path", savedPath);
  EXPECT_EQ(Text(kInternetSettingsKey, "ProxyServer"), "mine:8080");
  DWORD enabled = 0;
  RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey).ReadNumber("ProxyEnable", enabled);
  EXPECT_EQ(enabled, 1u);
  EXPECT_EQ(Read(At("Opera6\\opera6.ini")), opera);
}

class ConfigurationTest : public test::BrowserFixture {};

TEST_F(ConfigurationTest, DetectionClearsTheFlagsOfBrowsersNotInstalled) {
  for (Flag flag : {Flag::kNetscape, Flag::kOpera6, Flag::kOpera7, Flag::kLan})
    WriteConfiguredFlag(flag, true);
  Write(At("Opera6\\Opera.exe"), "");
  // Quotes make the command line name no file: Opera 6 is not there.
  SetText(kOperaKey, "Last CommandLine", "\"" + At("Opera6\\Opera.exe") + "\"");
  // Opera 7 known only by its command line.
  Write(At("Opera7\\Opera.exe"), "");
  SetText(kOperaKey, "Last CommandLine v2", At("Opera7\\Opera.exe"));
  ConfigurationState state;
  DetectBrowsers(state, context_);
  EXPECT_FALSE(state.opera6Installed);
  EXPECT_TRUE(state.opera7Installed);
  EXPECT_FALSE(state.netscapeInstalled);
  EXPECT_EQ(StoredFlag(Flag::kOpera6), 0);
  EXPECT_EQ(StoredFlag(Flag::kOpera7), 1);
  EXPECT_EQ(StoredFlag(Flag::kNetscape), 0);
  EXPECT_EQ(StoredFlag(Flag::kLan), 1);

  // The uninstaller's detection writes nothing and knows no command line.
  WriteConfiguredFlag(Flag::kNetscape, true);
  BrowserContext uninstaller = context_;
  uninstaller.policy = kUninstallerPolicy;
  ConfigurationState other;
  DetectBrowsers(other, uninstaller);
  EXPECT_FALSE(other.opera7Installed);
  EXPECT_EQ(StoredFlag(Flag::kNetscape), 1);
}

TEST_F(ConfigurationTest, RefreshBelievesTheBrowsersOverStoredFlags) {
  WriteConfiguredFlag(Flag::kLan, true);
  WriteConfiguredFlag(Flag::kDialUp, true);
  ConfigurationState state;
  EXPECT_EQ(RefreshConfigurationState(state, context_), Catching::kMustBeOff);
  EXPECT_FALSE(state.lanConfigured);
  EXPECT_FALSE(state.dialUpConfigured);
  EXPECT_EQ(StoredFlag(Flag::kLan), 1);  // memory only
  EXPECT_FALSE(state.AnyBrowserConfigured());
  EXPECT_EQ(Settings().popupCheckEnabled.load(), 1);  // the caller's to switch off
  EXPECT_EQ(ConfigurationWarningMask(state), 1);
  state.internetExplorerUsesProxy = true;  // set up by hand
  EXPECT_EQ(ConfigurationWarningMask(state), 0);
}

TEST_F(ConfigurationTest, TheWarningNamesTheUnconfiguredBrowsersOnce) {
  // Internet Explorer, Opera 6 and Opera 7 unconfigured: warned about too.
  ConfigurationState state;
  state.opera6Installed = state.opera7Installed = true;
  ASSERT_EQ(ConfigurationWarningMask(state), 7);
  const std::string expected =
      GetMessageText(19019) + GetMessageText(19012) + GetMessageText(19013);
  struct Case {
    int answer, runWizard;
    const char* wizardMessage;
    std::size_t boxes;
  } cases[] = {{IDYES, 1, "N", 1}, {IDNO, 0, "N", 2}, {0, -1, "A", 1}};
  for (const Case& c : cases) {
    boxes_.clear();
    answer_ = c.answer;
    std::string wizardMessage = "A";
    int runWizard = -1;
    AskAboutUnconfiguredBrowsers(state, wizardMessage, runWizard, showBox_);
    EXPECT_EQ(runWizard, c.runWizard);
    EXPECT_EQ(wizardMessage, c.wizardMessage);
    ASSERT_EQ(boxes_.size(), c.boxes);
    EXPECT_EQ(boxes_[0].text, expected);
    EXPECT_EQ(boxes_[0].type, unsigned(MB_YESNO | MB_ICONINFORMATION));
    if (c.boxes == 2) {
      EXPECT_EQ(boxes_[1].text, GetMessageText(19014));
    }
  }
  // Everything configured: nothing shown, never asked again.
  state.lanConfigured = state.opera6Configured = state.opera7Configured = true;
  boxes_.clear();
  std::string wizardMessage = "A";
  int runWizard = 1;
  AskAboutUnconfiguredBrowsers(state, wizardMessage, runWizard, showBox_);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(wizardMessage, "N");
  EXPECT_EQ(runWizard, 0);
}

}  // namespace
}  // namespace hush::browsers
