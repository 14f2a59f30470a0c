// What the main program does with the results of the browser operations:
// it shows their reports, takes the user's own proxy as its way out when it
// has none yet, and switches catching off when no browser uses the proxy.
#pragma once

#include <optional>
#include <vector>

#include "browsers/browser_outcome.h"
#include "browsers/http_proxy.h"

namespace hush {

class Program;

// Each report in a box of its own, in order, without an owner.
void ShowBrowserReports(const std::vector<browsers::BrowserReport>& reports);
// The reports, then takes the replaced proxy as the upstream gateway.
void PresentBrowserOutcome(const browsers::BrowserOutcome& outcome);

// Makes the proxy the user had Hushwall's upstream gateway, when no gateway
// is set yet, and writes it to the settings file at once. True when taken.
bool AdoptUpstreamProxy(const std::optional<browsers::HttpProxy>& proxy);

// Recomputes which browsers use the proxy; with none, catching goes off.
void RefreshBrowserConfiguration(Program& program);

}  // namespace hush
