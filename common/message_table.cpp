#include "common/message_table.h"

#include <algorithm>
#include <iterator>

#include "product_names.h"

namespace hush {
namespace {

// Line breaks are real here; language files write them as "#".
constexpr BuiltInMessage kMessages[] = {
    {2103, "Cancel"},
    {2239, "Netscape Proxy Setting"},
    {2240,
     "Netscape proxy has been set successfully. Settings Will take effect from the second launch "
     "for Netscape."},
    {2241, "Error, Failed to set Internet Explorer proxy setting."},
    {2242, "Error, Failed to set Netscape's profile %s1 proxy setting because %s2 doesn't exist."},
    {2243,
     "Error, Failed to reset Netscape's profile %s1 proxy setting because %s2 doesn't exist."},
    {2244, "Error, Failed to reset Internet Explorer proxy setting."},
    {2245, "Error, Failed to set Opera 6 proxy setting because %s doesn't exist."},
    {2246, "Error, Failed to set Opera 7 proxy setting because %s doesn't exist."},
    {2247,
     "Error, Failed to set Opera 6 and Opera 7 proxy setting because %s1 and %s2 don't exist."},
    {2248, "Error, Failed to reset Opera 6 proxy setting because %s doesn't exist."},
    {2249, "Error, Failed to reset Opera 7 proxy setting because %s doesn't exist."},
    {2250,
     "Error, Failed to reset Opera 6 and Opera 7 proxy setting because %s1 and %s2 don't exist."},
    {2251,
     "Error, Failed to set Opera proxy setting because Opera key doesn't exist in the Registry."},
    {2252,
     "You can't enable Catching Pop-Ups as you didn't configure your browser(s).\nPlease go to "
     "Popups page to configure your browser(s)."},
    {2253, "Catching Pop-Ups is disabled as there's not any configured browser."},
    {2254, "Catching Pop-Ups is currently disabled, Do you want to enable it?"},
    {2257, "Netscape settings will take effect from the second launch"},
    {2258, "Reset Netscape Proxy Settings"},
    {2602, "Help"},
    {2603, "< Back"},
    {2604, "Next >"},
    {2901, "Choose the browsers you want to set their proxy server."},
    {2902, "&Netscape 7.0 or higher."},
    {2903, "&Opera."},
    {2904, "&Internet Explorer or AOL or Both."},
    {2905,
     "The disabled browsers are either not installed in your system or their proxy settings were "
     "set before."},
    {2906, "Choose the browsers you want to reset their proxy server."},
    {2907, "You haven't any configured browser to reset it."},
    {2908,
     "The disabled browsers are either not installed in your system or their proxy settings aren't "
     "set."},
    {3001, "Choose your Opera version"},
    {3002, "Opera 6.05"},
    {3003, "Opera 7.11"},
    {3004, "Choose your connection type"},
    {3005, "LAN"},
    {3006, "Dial-up Connection"},
    {3007, "The gray dial up connections were set before, so you can't select them."},
    {3008, "&Check All"},
    {3009, "&Uncheck All"},
    {3010, "The disabled items are either not installed in your system or were configured before."},
    {3011, "The gray dial up connections aren't set, so you can't select them."},
    {3012,
     "The disabled browsers are either not installed in your system or their proxy settings aren't "
     "set."},
    {3013, "Connection Name"},
    {3101, "Choose your profile(s)"},
    {3102, "The gray Profiles were set before, so you can't select them."},
    {3103, "The gray Profiles aren't set, so you can't select them."},
    {3104, "Profile Name"},
    {3105, "&Check All"},
    {3106, "&Uncheck All"},
    {3201, "Press Finish to complete your browser(s) configuration."},
    {5001, "Hushwall Enabled"},
    {5002, "Hushwall Disabled"},
    {6001, "Sorry, but some files have been corrupted, you have to re-install the program"},
    {6003,
     "You will not be able to browse the internet unless you change the proxy settings or starting "
     "the program again, click Yes to exit"},
    {6004, "Hushwall"},
    {6005, "Error, Can't write to the hosts file, the program may not run correctly"},
    {6006,
     "To perform it manually, go to your windows directory open the ..\\[system "
     "folder]\\drivers\\etc\\"},
    {6007, "open the file with name HOSTS in any text editor"},
    {6008, "finally add the following line at the end of the file"},
    {6009, "127.0.0.1\tHushwall"},
    {7001, "Show Hushwall"},
    {7002, "Hide Hushwall"},
    {7003, "Enable Hushwall"},
    {7004, "Disable Hushwall"},
    {7007, "Show Popup Count Window"},
    {7008, "Exit"},
    {7009, "Clear Popup Counter"},
    {7010, "Block Ads"},
    {9013, "The path of this sound file is too long. Please choose a file with a shorter path."},
    {9999, HUSH_WEB_SITE},
    {10001, "OK"},
    {10002, "Cancel"},
    {10003, "Apply"},
    {10004, "Help"},
    {19000,
     "You have Internet Explorer browser installed,but you haven't configured the proxy "
     "settings\r\nDo you want to configure proxy settings now?"},
    {19001,
     "You have Opera 6 browser  installed, but you haven't configured the proxy settings\r\nDo you "
     "want to configure proxy settings now?"},
    {19002, "You have Opera 7 browser installed, but you haven't configured the proxy settings"},
    {19003,
     "You have netscape browser installed, but you haven't configured the proxy settings\r\nDo you "
     "want to configure proxy settings now?"},
    {19004,
     "You have Internet Explorer and Opera 6 browsers installed, but you haven't configured the "
     "proxy settings for any of them"},
    {19005,
     "You have Internet Explorer and Opera 7 browsers installed, but you haven't configured the "
     "proxy settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19006,
     "You have Internet Explorer and netscape browsers installed, but you haven't configured the "
     "proxy settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19007,
     "You have Opera 6 and Opera 7 browsers installed, but you haven't configured the proxy "
     "settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19008,
     "You have Opera 6 and netscape browsers installed, but you haven't configured the proxy "
     "settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19009,
     "You have Opera 7 and netscape browsers installed, but you haven't configured the proxy "
     "settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19010,
     "You have Opera 6, Opera 7 and netscape installed, but you haven't configured the proxy "
     "settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19011,
     "You have Internet Explorer, Opera 6, Opera 7 and netscape installed, but you haven't "
     "configured the proxy settings for any of them\r\nDo you want to configure proxy settings "
     "now?"},
    {19012, "\r\nNOTE: The program will not work properly unless you configure the proxy settings"},
    {19013, "\r\nClick Yes to start the wizard\r\nNo to hide this message box forever."},
    {19014,
     "WARNING\r\nProxy is not configured for some or all of your installed browsers and the "
     "program will not work properly with unconfigured browsers"},
    {19015,
     "You have Internet Explorer, Opera 6, and netscape installed, but you haven't configured the "
     "proxy settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19016,
     "You have Internet Explorer, Opera 7, and netscape installed, but you haven't configured the "
     "proxy settings for any of them\r\nDo you want to configure proxy settings now?"},
    {19017,
     "HOSTS file not found in your operating system, please contact our customr support telling us "
     "your operating system version"},
    {19018,
     "ActiveX restore settings file can't be found\r\nActiveX Settings will not be restored"},
    {19019,
     "You have Internet Explorer, Opera 6 and Opera 7 browsers installed, but you haven't "
     "configured the proxy settings for any of them\r\nDo you want to configure proxy settings "
     "now?"},
    {19110,
     "Hushwall could not add its line to the hosts file: on this computer only an administrator "
     "may change that file. Until the line is there, your browsers cannot reach Hushwall.\r\nRun "
     "the Hushwall setup again (it asks for an administrator's approval), or ask your "
     "administrator to add the line.\r\n"},
    {19111,
     "Banner blocking was not changed: changing the hosts file needs an administrator's approval, "
     "and it was not given."},
    {19112,
     "Banner blocking could not be changed, because the hosts file could not be written.\r\nRun "
     "the Hushwall setup again, or ask your administrator for help."},
    {19113,
     "The hosts file is saved as Unicode (UTF-16). Hushwall does not change it, so as not to "
     "damage it: save it as ANSI or UTF-8 with a text editor, then try again.\r\n"},
    {19114,
     "Hushwall could not put everything back as it was. These were not restored, and their backups "
     "are kept:"},
    {19115, "\r\n- the hosts file (backup: mHosts)"},
    {19116, "\r\n- Internet Explorer's ActiveX settings (backup: acRs.ini)"},
    {19117, "\r\n- the proxy settings of a browser (backup: ProxyBak.ini)"},
    {19120,
     "Internet Explorer was left as it was (%s1): its proxy settings could not be saved in "
     "%s2, and without that copy Hushwall could not put them back later."},
    {19121,
     "The profile %s1 was left as it was: its proxy settings could not be saved in %s2, and "
     "without that copy Hushwall could not put them back later."},
    {19122,
     "Opera was left as it was (%s1): its proxy settings could not be saved in %s2, and "
     "without that copy Hushwall could not put them back later."},
    {19200,
     "HTTPS filtering needs your data folder (%APPDATA%\\Hushwall) to keep its certificate "
     "authority in, and Hushwall could not make that folder."},
    {19201, "Hushwall could not make its certificate authority for HTTPS filtering."},
    {19202, "Hushwall could not save its certificate authority for HTTPS filtering in %s."},
    {19203,
     "HTTPS filtering stays off: Hushwall's certificate authority was not added to your trusted "
     "root certificates."},
    {19204,
     "Windows did not add Hushwall's certificate authority to your trusted root certificates, so "
     "HTTPS filtering stays off."},
    {19205,
     "HTTPS filtering stays on: Hushwall's certificate authority was not removed from your trusted "
     "root certificates."},
    {19206,
     "Windows did not remove Hushwall's certificate authority from your trusted root certificates, "
     "so HTTPS filtering stays on."},
    {19207,
     "Firefox will not trust Hushwall's certificate authority in these profiles and will warn "
     "about filtered HTTPS pages there: %s"},
    {19208,
     "Hushwall could not take its line out of the file user.js of these Firefox profiles: %s"},
    {19209,
     "Hushwall could not delete the files of its certificate authority (HushCA.key, HushCA.cer) in "
     "%s."},
    {19210, "HTTPS filtering is off until Hushwall starts again.\r\n"},
    {19211,
     "Hushwall's certificate authority could not be removed from your trusted root certificates. "
     "You can remove \"Hushwall Local Authority\" there yourself (certmgr.msc)."},
    {19250, "Secure Pages"},
    {19251, "Block pop-ups on secure (HTTPS) pages"},
    {19252,
     "When on, Hushwall adds a certificate of its own to the trusted certificates of this "
     "computer, so it can look into secure pages."},
    {19253, "Excluded sites:"},
    {99990, "Hushwall"},
};

}  // namespace

const char* BuiltInText(int key) {
  const BuiltInMessage* found = std::lower_bound(
      std::begin(kMessages), std::end(kMessages), key,
      [](const BuiltInMessage& message, int wanted) { return message.key < wanted; });
  return found != std::end(kMessages) && found->key == key ? found->text : "";
}

const BuiltInMessage* BuiltInMessagesBegin() { return std::begin(kMessages); }
const BuiltInMessage* BuiltInMessagesEnd() { return std::end(kMessages); }

}  // namespace hush
