// The numbers of the texts the program asks for by number: the keys of the
// language files and of the built-in English table. The numbers are what
// every language file uses, so they never change.
#pragma once

namespace hush {

// The program itself.
inline constexpr int kProductCaptionMessage = 99990;  // captions the program's boxes
// The program's web-site name: the title of its presence window, by which
// the helper object and the uninstaller find the running program.
inline constexpr int kInstanceNameMessage = 9999;
inline constexpr int kCorruptedFilesMessage = 6001;
inline constexpr int kExitQuestionMessage = 6003;
inline constexpr int kExitCaptionMessage = 6004;
inline constexpr int kTrayTipEnabledMessage = 5001;
inline constexpr int kTrayTipDisabledMessage = 5002;
inline constexpr int kSoundPathTooLongMessage = 9013;

// Catching pop-ups while no browser is configured.
inline constexpr int kCatchingNeedsBrowserMessage = 2252;
inline constexpr int kCatchingOffWithoutBrowserMessage = 2253;
inline constexpr int kEnableCatchingQuestion = 2254;

// The hosts file.
inline constexpr int kHostsByHandFolderMessage = 6006;  // how to add the line by hand, in order
inline constexpr int kHostsByHandFileMessage = 6007;
inline constexpr int kHostsByHandAddMessage = 6008;
inline constexpr int kHostsByHandLineMessage = 6009;
inline constexpr int kHostsNotFoundMessage = 19017;
inline constexpr int kHostsEntryMissingMessage = 19110;
inline constexpr int kElevationRefusedMessage = 19111;
inline constexpr int kHostsNotWrittenMessage = 19112;
inline constexpr int kUnicodeHostsMessage = 19113;

// Pointing the browsers at the proxy and taking them off.
inline constexpr int kNetscapeSetCaptionMessage = 2239;
inline constexpr int kNetscapeSetMessage = 2240;
inline constexpr int kExplorerSetFailedMessage = 2241;
inline constexpr int kProfileSetMissingMessage = 2242;
inline constexpr int kProfileResetMissingMessage = 2243;
inline constexpr int kExplorerResetFailedMessage = 2244;
inline constexpr int kOpera6SetMissingMessage = 2245;
inline constexpr int kOpera7SetMissingMessage = 2246;
inline constexpr int kOperasSetMissingMessage = 2247;
inline constexpr int kOpera6ResetMissingMessage = 2248;
inline constexpr int kOpera7ResetMissingMessage = 2249;
inline constexpr int kOperasResetMissingMessage = 2250;
inline constexpr int kOperaKeyMissingMessage = 2251;
inline constexpr int kNetscapeResetMessage = 2257;
inline constexpr int kNetscapeResetCaptionMessage = 2258;
inline constexpr int kExplorerLeftAloneMessage = 19120;
inline constexpr int kProfilesLeftAloneMessage = 19121;
inline constexpr int kOperaLeftAloneMessage = 19122;
inline constexpr int kConnectionNameColumnMessage = 3013;
inline constexpr int kProfileNameColumnMessage = 3104;

// The warning about installed browsers not pointed at the proxy: one text
// for each set of such browsers, then a note and the choice.
inline constexpr int kUnconfiguredExplorerMessage = 19000;
inline constexpr int kUnconfiguredOpera6Message = 19001;
inline constexpr int kUnconfiguredOpera7Message = 19002;
inline constexpr int kUnconfiguredNetscapeMessage = 19003;
inline constexpr int kUnconfiguredExplorerOpera6Message = 19004;
inline constexpr int kUnconfiguredExplorerOpera7Message = 19005;
inline constexpr int kUnconfiguredExplorerNetscapeMessage = 19006;
inline constexpr int kUnconfiguredOperasMessage = 19007;
inline constexpr int kUnconfiguredOpera6NetscapeMessage = 19008;
inline constexpr int kUnconfiguredOpera7NetscapeMessage = 19009;
inline constexpr int kUnconfiguredOperasNetscapeMessage = 19010;
inline constexpr int kUnconfiguredEveryBrowserMessage = 19011;
inline constexpr int kUnconfiguredExplorerOpera6NetscapeMessage = 19015;
inline constexpr int kUnconfiguredExplorerOpera7NetscapeMessage = 19016;
inline constexpr int kUnconfiguredExplorerOperasMessage = 19019;
inline constexpr int kConfigureNoteMessage = 19012;
inline constexpr int kConfigureChoiceMessage = 19013;
inline constexpr int kNotConfiguredWarningMessage = 19014;

// Removal.
inline constexpr int kZoneBackupMissingMessage = 19018;
inline constexpr int kNotRestoredMessage = 19114;  // followed by one line per backup kept
inline constexpr int kHostsBackupKeptMessage = 19115;
inline constexpr int kZonesBackupKeptMessage = 19116;
inline constexpr int kBrowserBackupsKeptMessage = 19117;

}  // namespace hush
