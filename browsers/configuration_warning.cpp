#include "browsers/browser_checks.h"

namespace hush::browsers {
namespace {

// Message per mask; 19019 names Internet Explorer, Opera 6 and Opera 7
// together, which would otherwise never be warned about.
constexpr int kMessageOfMask[16] = {0,     19000, 19001, 19004, 19002, 19005, 19007, 19019,
                                    19003, 19006, 19008, 19015, 19009, 19016, 19010, 19011};

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
