// Removal: puts back everything Hushwall changed outside its own folder
// (the ActiveX zone settings, every configured browser, the hosts file) and
// asks a running main program to quit. Message boxes only, no window.
#pragma once

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "browsers/internet_explorer.h"

namespace hush::uninstall {

// The whole removal; without Hushwall's registry key nothing at all
// happens. Returns the exit code (always 0). `showBox` stands in for the
// message boxes (tests); empty shows them.
int RunUninstall(const browsers::ShowBoxFunction& showBox = {});

// What Internet Explorer's reset covers on removal: the LAN only when its
// flag is set or it names Hushwall's proxy (a proxy of the user's own there
// stays when only a dial-up connection was Hushwall's), and the dial-up
// connections when their flag is set or one still uses Hushwall.
browsers::InternetExplorerChoice RemovalChoice(const browsers::ConfigurationState& state,
                                               const browsers::ConnectionSet& connections);

}  // namespace hush::uninstall
