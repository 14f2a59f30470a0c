// Removal: puts back everything Hushwall changed outside its own folder
// (the ActiveX zone settings, every configured browser, the hosts file) and
// asks a running main program to quit. Message boxes only, no window.
#pragma once

#include "browsers/configuration_state.h"
#include "browsers/internet_explorer.h"
#include "common/show_box.h"

namespace hush::uninstall {

// The exit code: a bit for each kind of backup whose restore did not
// succeed and that is therefore kept. A backup restored is deleted here, so
// the setup program deletes none of them; it reads the code only to keep
// the folder that still holds one. Removal told the user what was kept.
enum KeptBackups : int {
  kNothingKept = 0,
  kHostsBackupKept = 1,     // "mHosts"
  kZonesBackupKept = 2,     // "acRs.ini"
  kBrowserBackupsKept = 4,  // "ProxyBak.ini"; the setup keeps "Browser.ini" with it
};

// The whole removal; without Hushwall's registry key nothing at all
// happens, and as nothing was restored every backup is kept. `showBox`
// stands in for the message boxes (tests); empty shows them.
int RunUninstall(const ShowBoxFunction& showBox = {});

// What Internet Explorer's reset covers on removal: only what still names
// Hushwall's proxy. The stored flags may be stale: a proxy the user has set
// by hand since must stay.
browsers::InternetExplorerChoice RemovalChoice(const browsers::ConnectionSet& connections);

}  // namespace hush::uninstall
