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

// What Internet Explorer's reset covers on removal: only what still names
// Hushwall's proxy. The stored flags may be stale: a proxy the user has set
// by hand since must stay.
browsers::InternetExplorerChoice RemovalChoice(const browsers::ConnectionSet& connections);

}  // namespace hush::uninstall
