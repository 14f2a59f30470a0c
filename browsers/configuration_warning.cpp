#include "browsers/browser_checks.h"
#include "common/text_ids.h"

namespace hush::browsers {
namespace {

// Message per mask (1 Internet Explorer, 2 Opera 6, 4 Opera 7, 8 Netscape).
constexpr int kMessageOfMask[16] = {0,
                                    kUnconfiguredExplorerMessage,
                                    kUnconfiguredOpera6Message,
                                    kUnconfiguredExplorerOpera6Message,
                                    kUnconfiguredOpera7Message,
                                    kUnconfiguredExplorerOpera7Message,
                                    kUnconfiguredOperasMessage,
                                    kUnconfiguredExplorerOperasMessage,
                                    kUnconfiguredNetscapeMessage,
                                    kUnconfiguredExplorerNetscapeMessage,
                                    kUnconfiguredOpera6NetscapeMessage,
                                    kUnconfiguredExplorerOpera6NetscapeMessage,
                                    kUnconfiguredOpera7NetscapeMessage,
                                    kUnconfiguredExplorerOpera7NetscapeMessage,
                                    kUnconfiguredOperasNetscapeMessage,
                                    kUnconfiguredEveryBrowserMessage};

}  // namespace

int ConfigurationWarningMask(const ConfigurationState& state) {
  int mask = 0;
  // Internet Explorer set up by hand counts as configured too.
  if (!state.lanConfigured && !state.dialUpConfigured && !state.internetExplorerUsesProxy)
    mask |= 1;
  if (state.opera6Installed && !state.opera6Configured) mask |= 2;
  if (state.opera7Installed && !state.opera7Configured) mask |= 4;
  if (state.netscapeInstalled && !state.netscapeConfigured) mask |= 8;
  return mask;
}

int ConfigurationWarningMessage(int mask) {
  return mask >= 0 && mask < 16 ? kMessageOfMask[mask] : 0;
}

}  // namespace hush::browsers
