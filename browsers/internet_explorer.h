// Internet Explorer's proxy, for the LAN settings and each dial-up
// connection: which of them use Hushwall, and pointing them at it or
// taking them off again through WinINet's per-connection options. What a
// set replaces is remembered and put back by the reset.
#pragma once

#include <string>
#include <vector>

#include "browsers/browser_context.h"
#include "browsers/browser_outcome.h"
#include "browsers/configuration_state.h"
#include "browsers/replaced_store.h"

namespace hush::browsers {

inline constexpr char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr char kConnectionsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";

struct ConnectionRecord {
  std::string name;
  // Set mode: it already uses the proxy; reset mode: it does not.
  bool disabled = false;
  bool selected = false;
};

// The dial-up connections of one wizard run (or of the uninstaller).
struct ConnectionSet {
  std::vector<ConnectionRecord> records;
  int disabledCount = 0;
  // Reset mode: connections still using the proxy, counted down by reset.
  int stillUsingProxy = 0;

  // Selects every connection the mode can change (the uninstaller's choice).
  void SelectAllEnabled();
};

struct InternetExplorerChoice {
  bool lan = false;
  bool dialUp = false;
};

// Whether the stored value of that name points its connection at Hushwall.
bool IsConnectionConfigured(const std::string& valueName);

// The dial-up connections (the LAN's own values are not among them).
ConnectionSet EnumerateConnections(WizardMode mode);

// The LAN settings use the proxy, or the LAN proxy is on and some stored
// connection value names it.
bool IsInternetExplorerConfigured();
// The LAN settings (not a dial-up connection) name Hushwall's proxy.
bool LanUsesProxy();

// Points a connection ("" for the LAN) at `server` with the bypass list
// "local"; false when WinINet refuses.
bool SetConnectionOptions(const std::string& connection, const std::string& server);
// Switches a connection ("" for the LAN) to direct; false when WinINet
// refuses.
bool DisableConnectionProxy(const std::string& connection);

// Points the chosen connections at the proxy, "use HTTP 1.1 through proxy
// connections" on. The outcome names the connections left as they were
// because what they had could not be remembered (all of them when the
// user's HTTP 1.1 choice could not be), each refusal, and the user's proxy
// that the LAN or a connection had on.
BrowserOutcome SetInternetExplorerProxy(ConfigurationState& state, const ConnectionSet& connections,
                                        InternetExplorerChoice choice,
                                        const BrowserContext& context);
// Puts back what the set replaced where a connection still names Hushwall
// (a proxy set by hand since stays), and the user's HTTP 1.1 choice once no
// connection uses Hushwall any more. The outcome names each refusal.
BrowserOutcome ResetInternetExplorerProxy(ConfigurationState& state, ConnectionSet& connections,
                                          InternetExplorerChoice choice,
                                          const BrowserContext& context);

}  // namespace hush::browsers
