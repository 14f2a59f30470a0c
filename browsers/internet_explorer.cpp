#include "browsers/internet_explorer.h"

#include <windows.h>

#include <wininet.h>

#include <optional>

#include "browsers/connection_value.h"
#include "browsers/file_io.h"
#include "browsers/replaced_store.h"
#include "common/registry_key.h"
#include "common/text_ids.h"

namespace hush::browsers {
namespace {

constexpr char kLanValue[] = "DefaultConnectionSettings";
constexpr char kLegacyValue[] = "SavedLegacySettings";
constexpr char kBypassList[] = "local";
constexpr char kHttp11Value[] = "ProxyHttp1.1";
constexpr char kHttp11Record[] = "Internet Explorer|ProxyHttp1.1";
constexpr char kHttp11Field[] = "Value";

std::string RecordId(const std::string& connection) {
  return connection.empty() ? "Internet Explorer|LAN"
                            : "Internet Explorer connection|" + connection;
}

// Hands the options to WinINet; the list carries its real size, which a
// 64-bit program's pointers make larger than the old 32-bit one.
bool ApplyOptions(const std::string& connection, INTERNET_PER_CONN_OPTIONA* options, DWORD count) {
  INTERNET_PER_CONN_OPTION_LISTA list{};
  list.dwSize = sizeof list;
  list.pszConnection = connection.empty() ? nullptr : const_cast<char*>(connection.c_str());
  list.dwOptionCount = count;
  list.pOptions = options;
  return ::InternetSetOptionA(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, sizeof list) !=
         FALSE;
}

bool ApplyProxy(const std::string& connection, DWORD flags, const std::string& server,
                const std::string& bypass) {
  INTERNET_PER_CONN_OPTIONA options[3]{};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[0].Value.dwValue = flags;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[1].Value.pszValue = const_cast<char*>(server.c_str());
  options[2].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  options[2].Value.pszValue = const_cast<char*>(bypass.c_str());
  return ApplyOptions(connection, options, 3);
}

// What WinINet reports for the LAN, for a LAN that has no stored value yet.
std::optional<ConnectionProxy> QueryLanProxy() {
  INTERNET_PER_CONN_OPTIONA options[3]{};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[2].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  INTERNET_PER_CONN_OPTION_LISTA list{};
  list.dwSize = sizeof list;
  list.dwOptionCount = 3;
  list.pOptions = options;
  DWORD size = sizeof list;
  if (!::InternetQueryOptionA(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size))
    return std::nullopt;
  ConnectionProxy proxy;
  proxy.flags = options[0].Value.dwValue;
  for (auto [text, target] : {std::pair{options[1].Value.pszValue, &proxy.server},
                              std::pair{options[2].Value.pszValue, &proxy.bypass}}) {
    if (text == nullptr) continue;
    *target = text;
    ::GlobalFree(text);
  }
  return proxy;
}

// The connection's settings as they are now: its stored value (the whole
// of it, whatever its size), or WinINet's answer for the LAN.
std::optional<ConnectionProxy> CurrentProxy(const std::string& connection) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
  std::string bytes;
  if (key.ReadBytes(connection.empty() ? kLanValue : connection, bytes, 64 * 1024))
    if (auto proxy = ParseConnectionValue(bytes)) return proxy;
  return connection.empty() ? QueryLanProxy() : std::nullopt;
}

// Keeps the connection's own proxy before Hushwall takes its place; a
// connection already pointing at Hushwall keeps what was kept before.
// False when it could not be kept: the connection is then left alone.
bool RememberConnection(const std::string& connection, const ReplacedStore& store,
                        BrowserOutcome& outcome) {
  const auto current = CurrentProxy(connection);
  if (!current) return true;
  const bool proxyOn = (current->flags & PROXY_TYPE_PROXY) != 0;
  if (proxyOn && current->server == kHushwallServerList) return true;
  if (!store.Remember(RecordId(connection), {{"Flags", std::to_string(current->flags)},
                                             {"Server", current->server},
                                             {"Bypass", current->bypass}}))
    return false;
  if (proxyOn) outcome.NoteReplacedProxy(HttpProxyOfServerList(current->server));
  return true;
}

bool ConnectionUsesHushwall(const std::string& connection) {
  return connection.empty() ? LanUsesProxy() : IsConnectionConfigured(connection);
}

// The LAN or some dial-up connection still points at Hushwall.
bool AnyConnectionUsesHushwall() {
  if (LanUsesProxy()) return true;
  RegistryKey connections = RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
  for (const std::string& name : connections.ValueNames())
    if (name != kLanValue && name != kLegacyValue && IsConnectionConfigured(name)) return true;
  return false;
}

enum class Restored { kDone, kNotOurs, kFailed };

bool ApplyRemembered(const std::string& connection, const ReplacedSettings::Fields& remembered) {
  const auto field = [&](const char* name) {
    const auto found = remembered.find(name);
    return found == remembered.end() ? std::string() : found->second;
  };
  const DWORD flags = static_cast<DWORD>(std::strtoul(field("Flags").c_str(), nullptr, 10));
  return ApplyProxy(connection, flags == 0 ? PROXY_TYPE_DIRECT : flags, field("Server"),
                    field("Bypass"));
}

// Puts back what the set replaced, or switches the connection to direct. A
// proxy the user has set there since is theirs and stays.
Restored RestoreConnection(const std::string& connection, const BrowserContext& context,
                           BrowserOutcome& outcome) {
  if (!ConnectionUsesHushwall(connection)) return Restored::kNotOurs;
  const ReplacedStore store(context);
  const auto remembered = store.Recall(RecordId(connection));
  if (remembered ? !ApplyRemembered(connection, *remembered)
                 : !DisableConnectionProxy(connection)) {
    outcome.Report(BrowserNotice::kConnectionNotReset);
    return Restored::kFailed;
  }
  if (remembered) store.Forget(RecordId(connection));
  return Restored::kDone;
}

void NotifySettingsChanged() {
  ::InternetSetOptionA(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
  ::InternetSetOptionA(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

// Keeps the user's "use HTTP 1.1 through proxy connections" before the
// first set changes it; while Hushwall's proxy is in use the value is its
// own. An empty value: the user had none.
bool RememberHttp11(const RegistryKey& settings, const ReplacedStore& store) {
  if (store.Recall(kHttp11Record) || AnyConnectionUsesHushwall()) return true;
  DWORD value = 0;
  const bool present = settings.ReadNumber(kHttp11Value, value);
  return store.Remember(kHttp11Record, {{kHttp11Field, present ? std::to_string(value) : ""}});
}

// The user's own value comes back once no connection uses Hushwall any
// more. Without a record of it (a set made before it was kept), a reset
// switches it off.
void RestoreHttp11(const RegistryKey& settings, bool anyReset, const BrowserContext& context) {
  const ReplacedStore store(context);
  const auto remembered = store.Recall(kHttp11Record);
  if (!remembered) {
    if (anyReset) settings.WriteNumber(kHttp11Value, 0);
    return;
  }
  if (AnyConnectionUsesHushwall()) return;
  const auto value = remembered->find(kHttp11Field);
  if (value == remembered->end() || value->second.empty())
    ::RegDeleteValueA(settings.get(), kHttp11Value);
  else
    settings.WriteNumber(kHttp11Value,
                         static_cast<DWORD>(std::strtoul(value->second.c_str(), nullptr, 10)));
  store.Forget(kHttp11Record);
}

}  // namespace

void ConnectionSet::SelectAllEnabled() {
  for (ConnectionRecord& record : records) record.selected = !record.disabled;
}

bool IsConnectionConfigured(const std::string& valueName) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
  std::string bytes;
  return key.ReadBytes(valueName, bytes, kConnectionValueLimit) && ConnectionValueUsesProxy(bytes);
}

ConnectionSet EnumerateConnections(WizardMode mode) {
  ConnectionSet set;
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
  for (const std::string& name : key.ValueNames()) {
    if (name == kLanValue || name == kLegacyValue) continue;
    const bool configured = IsConnectionConfigured(name);
    const bool disabled = mode == WizardMode::kSet ? configured : !configured;
    set.records.push_back({name, disabled, false});
    if (disabled) ++set.disabledCount;
    if (mode == WizardMode::kReset && !disabled) ++set.stillUsingProxy;
  }
  return set;
}

bool IsInternetExplorerConfigured() {
  RegistryKey settings = RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ);
  DWORD enabled = 0;
  std::string server;
  if (!settings.ReadNumber("ProxyEnable", enabled) || enabled == 0 ||
      !settings.ReadText("ProxyServer", server))
    return false;
  if (server == kHushwallServerList) return true;
  RegistryKey connections = RegistryKey::Open(HKEY_CURRENT_USER, kConnectionsKey, KEY_READ);
  for (const std::string& name : connections.ValueNames())
    if (IsConnectionConfigured(name)) return true;
  return false;
}

bool LanUsesProxy() {
  RegistryKey settings = RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ);
  DWORD enabled = 0;
  std::string server;
  if (settings.ReadNumber("ProxyEnable", enabled) && enabled != 0 &&
      settings.ReadText("ProxyServer", server) && server == kHushwallServerList)
    return true;
  return IsConnectionConfigured(kLanValue);
}

bool SetConnectionOptions(const std::string& connection, const std::string& server) {
  return ApplyProxy(connection, PROXY_TYPE_DIRECT | PROXY_TYPE_PROXY, server, kBypassList);
}

bool DisableConnectionProxy(const std::string& connection) {
  INTERNET_PER_CONN_OPTIONA option{};
  option.dwOption = INTERNET_PER_CONN_FLAGS;
  option.Value.dwValue = PROXY_TYPE_DIRECT;
  return ApplyOptions(connection, &option, 1);
}

BrowserOutcome SetInternetExplorerProxy(ConfigurationState& state, const ConnectionSet& connections,
                                        InternetExplorerChoice choice,
                                        const BrowserContext& context) {
  SettingsLeftAlone chosen;
  if (choice.lan) chosen.push_back("");
  if (choice.dialUp)
    for (const ConnectionRecord& record : connections.records)
      if (record.selected) chosen.push_back(record.name);
  BrowserOutcome outcome;
  RegistryKey settings =
      RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ | KEY_WRITE);
  if (!settings) return outcome;
  const ReplacedStore store(context);
  if (!RememberHttp11(settings, store)) {
    outcome.leftAlone = chosen;
    outcome.ReportLeftAlone(BrowserNotice::kConnectionsLeftAlone, store.path());
    return outcome;
  }
  bool anySet = false;
  for (const std::string& connection : chosen) {
    if (!RememberConnection(connection, store, outcome)) {
      outcome.leftAlone.push_back(connection);
      continue;
    }
    if (!SetConnectionOptions(connection, kHushwallServerList)) {
      outcome.Report(BrowserNotice::kConnectionNotSet);
      continue;
    }
    state.SetConfigured(connection.empty() ? ConfiguredFlag::kLan : ConfiguredFlag::kDialUp, true);
    anySet = true;
  }
  if (anySet) settings.WriteNumber(kHttp11Value, 1);
  NotifySettingsChanged();
  state.internetExplorerUsesProxy = IsInternetExplorerConfigured();
  outcome.ReportLeftAlone(BrowserNotice::kConnectionsLeftAlone, store.path());
  return outcome;
}

BrowserOutcome ResetInternetExplorerProxy(ConfigurationState& state, ConnectionSet& connections,
                                          InternetExplorerChoice choice,
                                          const BrowserContext& context) {
  BrowserOutcome outcome;
  RegistryKey settings =
      RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ | KEY_WRITE);
  if (!settings) return outcome;
  bool anyReset = false;
  if (choice.lan) {
    const Restored lan = RestoreConnection("", context, outcome);
    anyReset = lan == Restored::kDone;
    if (lan != Restored::kFailed) state.SetConfigured(ConfiguredFlag::kLan, false);
  }
  if (choice.dialUp) {
    for (const ConnectionRecord& record : connections.records) {
      if (!record.selected) continue;
      const Restored restored = RestoreConnection(record.name, context, outcome);
      if (restored == Restored::kFailed) continue;
      anyReset = anyReset || restored == Restored::kDone;
      if (connections.stillUsingProxy-- == 1) state.SetConfigured(ConfiguredFlag::kDialUp, false);
    }
  }
  RestoreHttp11(settings, anyReset, context);
  NotifySettingsChanged();
  // What the callers decide by (catching on or off) must see the change.
  state.internetExplorerUsesProxy = IsInternetExplorerConfigured();
  return outcome;
}

}  // namespace hush::browsers
