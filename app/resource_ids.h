// Resource numbers of the main program, shared by the code and PopHush.rc.
#pragma once

#define IDS_SOCKETS_FAILED 103
#define IDI_CATCHING_ON 133
#define IDI_CATCHING_OFF 136
#define IDI_HUSHWALL 143
#define IDD_TRAY_NOTICE 156
#define IDC_NOTICE_DONT_SHOW 1044
#define IDC_NOTICE_TEXT 1045
#define IDD_ABOUT 100
#define IDC_ABOUT_VERSION_LABEL 1005
#define IDC_ABOUT_WEB_SITE 1019
#define IDC_ABOUT_FILE_VERSION 1046
#define IDC_ABOUT_COPYRIGHT 1047
#define IDD_PLACEHOLDER_PAGE 900
