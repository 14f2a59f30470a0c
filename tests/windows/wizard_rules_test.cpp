// The wizard's rules apart from its windows: which browsers each mode
// offers, when Next may be pressed, and which pages the buttons skip.
#include <gtest/gtest.h>

#include "ui/wizard/wizard_rules.h"

namespace hush {
namespace {

using browsers::ConfigurationState;
using browsers::WizardMode;

TEST(WizardRules, EachModeOffersTheBrowsersItCanChange) {
  ConfigurationState state;
  state.netscapeInstalled = state.opera6Installed = state.opera7Installed = true;
  state.opera7Configured = true;
  // Internet Explorer set up by hand (no flag of ours) counts as configured.
  state.internetExplorerUsesProxy = true;
  const OfferedBrowsers set = BrowsersOffered(state, WizardMode::kSet);
  EXPECT_FALSE(set.internetExplorer);
  EXPECT_TRUE(set.netscape);
  EXPECT_TRUE(set.opera);  // Opera 6 is not on the proxy yet
  const OfferedBrowsers reset = BrowsersOffered(state, WizardMode::kReset);
  EXPECT_TRUE(reset.internetExplorer);
  EXPECT_FALSE(reset.netscape);
  EXPECT_TRUE(reset.opera);
  EXPECT_FALSE(OperaVersionOffered(false, false, WizardMode::kSet));  // not installed
  EXPECT_FALSE(OperaVersionOffered(true, false, WizardMode::kReset));
}

TEST(WizardRules, NextAndTheSkipsFollowTheChoices) {
  struct Case {
    bool explorer, opera, netscape, lan, dialUp, opera6;
    int tickedConnections;
    bool secondNext;
    int afterFirst, afterSecond, beforeFinish, beforeProfiles;
  } cases[] = {
      {true, false, false, true, false, false, 0, true, 1, 3, 1, 1},
      {true, false, false, false, true, false, 0, false, 1, 3, 1, 1},  // dial-up, none ticked
      {true, false, true, false, true, false, 2, true, 1, 2, 2, 1},
      {false, true, false, false, false, false, 0, false, 1, 3, 1, 1},  // no Opera version
      {false, true, true, false, false, true, 0, true, 1, 2, 2, 1},
      {false, false, true, false, false, false, 0, false, 2, 2, 2, 0},  // Netscape alone
  };
  for (const Case& c : cases) {
    WizardChoices choices;
    choices.internetExplorer = c.explorer;
    choices.opera = c.opera;
    choices.netscape = c.netscape;
    choices.lan = c.lan;
    choices.dialUp = c.dialUp;
    choices.opera6 = c.opera6;
    SCOPED_TRACE(testing::Message()
                 << "IE " << c.explorer << " Opera " << c.opera << " Netscape " << c.netscape);
    EXPECT_EQ(SecondPageNextEnabled(choices, c.tickedConnections), c.secondNext);
    EXPECT_EQ(PageAfter(0, choices), c.afterFirst);
    EXPECT_EQ(PageAfter(1, choices), c.afterSecond);
    EXPECT_EQ(PageBefore(3, choices), c.beforeFinish);
    EXPECT_EQ(PageBefore(2, choices), c.beforeProfiles);
  }
  EXPECT_FALSE(FirstPageNextEnabled(WizardChoices{}));
  EXPECT_FALSE(ThirdPageNextEnabled(0));
}

}  // namespace
}  // namespace hush
