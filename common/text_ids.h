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

// HTTPS filtering: the user's authority made, trusted, removed.
inline constexpr int kHttpsNoDataFolderMessage = 19200;
inline constexpr int kHttpsNotMadeMessage = 19201;
inline constexpr int kHttpsNotSavedMessage = 19202;
inline constexpr int kHttpsTrustRefusedMessage = 19203;
inline constexpr int kHttpsNotTrustedMessage = 19204;
inline constexpr int kHttpsUntrustRefusedMessage = 19205;
inline constexpr int kHttpsNotUntrustedMessage = 19206;
inline constexpr int kHttpsProfilesNotTrustingMessage = 19207;
inline constexpr int kHttpsProfilesNotClearedMessage = 19208;
inline constexpr int kHttpsFilesLeftMessage = 19209;
inline constexpr int kHttpsOffThisRunMessage = 19210;
inline constexpr int kHttpsAuthorityNotRemovedMessage = 19211;

// Window texts: the tray menu, the buttons, the counter.
inline constexpr int kTrayShowMessage = 7001;
inline constexpr int kTrayHideMessage = 7002;
inline constexpr int kTrayEnableMessage = 7003;
inline constexpr int kTrayDisableMessage = 7004;
inline constexpr int kTrayCounterWindowMessage = 7007;
inline constexpr int kTrayExitMessage = 7008;
inline constexpr int kTrayClearCounterMessage = 7009;
inline constexpr int kTrayBlockAdsMessage = 7010;
inline constexpr int kOkButtonMessage = 10001;
inline constexpr int kCancelButtonMessage = 10002;
inline constexpr int kApplyButtonMessage = 10003;
inline constexpr int kHelpButtonMessage = 10004;
inline constexpr int kWizardBackButtonMessage = 2603;
inline constexpr int kWizardNextButtonMessage = 2604;
inline constexpr int kWizardCancelButtonMessage = 2103;
inline constexpr int kWizardHelpButtonMessage = 2602;
inline constexpr int kCounterLabelMessage = 2001;
inline constexpr int kCounterFrameMessage = 2002;

// The set-up wizard's pages.
inline constexpr int kWizardSetInstructionMessage = 2901;
inline constexpr int kWizardNetscapeMessage = 2902;
inline constexpr int kWizardOperaMessage = 2903;
inline constexpr int kWizardExplorerMessage = 2904;
inline constexpr int kWizardSetNoteMessage = 2905;
inline constexpr int kWizardResetInstructionMessage = 2906;
inline constexpr int kWizardNothingToResetMessage = 2907;
inline constexpr int kWizardResetNoteMessage = 2908;
inline constexpr int kWizardOperaGroupMessage = 3001;
inline constexpr int kWizardOpera6Message = 3002;
inline constexpr int kWizardOpera7Message = 3003;
inline constexpr int kWizardConnectionGroupMessage = 3004;
inline constexpr int kWizardLanMessage = 3005;
inline constexpr int kWizardDialUpMessage = 3006;
inline constexpr int kWizardSetConnectionsMessage = 3007;
inline constexpr int kWizardConnectionsCheckAllMessage = 3008;
inline constexpr int kWizardConnectionsUncheckAllMessage = 3009;
inline constexpr int kWizardSetConnectionsNoteMessage = 3010;
inline constexpr int kWizardResetConnectionsMessage = 3011;
inline constexpr int kWizardResetConnectionsNoteMessage = 3012;
inline constexpr int kWizardProfilesGroupMessage = 3101;
inline constexpr int kWizardSetProfilesNoteMessage = 3102;
inline constexpr int kWizardResetProfilesNoteMessage = 3103;
inline constexpr int kWizardProfilesCheckAllMessage = 3105;
inline constexpr int kWizardProfilesUncheckAllMessage = 3106;
inline constexpr int kWizardFinishMessage = 3201;
// HTTPS filtering's switch and what it does, on the Options page and the
// wizard's last page.
inline constexpr int kHttpsSwitchMessage = 19251;
inline constexpr int kHttpsSwitchNoteMessage = 19252;

// The first key of a window's block of texts, one key per control in order.
inline constexpr int kPopupsPageTexts = 1001;
inline constexpr int kActiveXPageTexts = 8001;
inline constexpr int kOptionsPageTexts = 9001;
inline constexpr int kAboutBoxTexts = 12000;
inline constexpr int kTrayNoticeTexts = 18001;
// The Options page's HTTPS group: its frame, switch, note, excluded sites.
inline constexpr int kOptionsPageHttpsTexts = 19250;
inline constexpr int kMainWindowTabLabels = 11000;  // one a tab
inline constexpr int kWizardPageTitles = 2900;      // one a page, 100 apart
inline constexpr int kWizardPageTitleStep = 100;

}  // namespace hush
