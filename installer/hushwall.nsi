; The Hushwall setup program: lays the programs and their files down,
; registers the helper library and the skin controls, records the folder for
; the whole machine, and removes it all again, putting the browsers, the
; hosts file and the security zones back first. It runs elevated, perhaps
; as another account than the user's: the user's own values and files (in
; HKCU\Software\Hushwall and %APPDATA%\Hushwall) are the main program's to
; write when that user starts it.
; makensis -DBUILD=<build/win> -DWEB_SITE=<title of the main window>
;          -DOUTFILE=<setup program> hushwall.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "LogicLib.nsh"
!include "x64.nsh"

!define PRODUCT "Hushwall"
!define PRODUCT_KEY "Software\Hushwall"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Hushwall"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define IE_KEY "Software\Microsoft\Windows\CurrentVersion\Internet Settings"
; The main program ends without asking on this message.
!define QUIET_EXIT 32790
; The helper library's class.
!define HELPER_CLASS "{4DF1DB24-A57C-11d3-A180-00A0C90AE44B}"
; The 32-bit system's regsvr32, which registers the 32-bit helper into the
; 32-bit view of the registry.
!define REGSVR32_32 "$WINDIR\SysWOW64\regsvr32.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; Internet Explorer's proxy as it is before Hushwall changes anything, for
; the helper library to put back on removal. A backup already there (a
; reinstallation) is the user's original and stays; a proxy that is
; Hushwall's own is nothing to put back.
Function SaveInternetExplorerProxy
  ReadINIStr $0 "$INSTDIR\Browser.ini" "IE Settings" "Saved"
  ${If} $0 != ""
    Return
  ${EndIf}
  ReadRegStr $0 HKCU "${IE_KEY}" "ProxyServer"
  ${If} $0 == "http=Hushwall:8100"
    Return
  ${EndIf}
  ClearErrors
  ReadRegDWORD $1 HKCU "${IE_KEY}" "ProxyEnable"
  ${If} ${Errors}
    StrCpy $1 0
  ${EndIf}
  ; The four bytes of the DWORD, low first, as hexadecimal numbers.
  IntOp $2 $1 & 0xFF
  IntOp $3 $1 >> 8
  IntOp $3 $3 & 0xFF
  IntOp $4 $1 >> 16
  IntOp $4 $4 & 0xFF
  IntOp $5 $1 >> 24
  IntOp $5 $5 & 0xFF
  IntFmt $2 "%x" $2
  IntFmt $3 "%x" $3
  IntFmt $4 "%x" $4
  IntFmt $5 "%x" $5
  WriteINIStr "$INSTDIR\Browser.ini" "IE Settings" "Proxy" "$0"
  WriteINIStr "$INSTDIR\Browser.ini" "IE Settings" "ProxyEnable" "$2,$3,$4,$5"
  WriteINIStr "$INSTDIR\Browser.ini" "IE Settings" "Saved" "1"
FunctionEnd

; The hosts file's entry for the proxy host name, and its backup "mHosts"
; made first (a reinstallation keeps the backup there): only this elevated
; setup may change the hosts file, so the main program only checks it.
Function AddHostsEntry
  ClearErrors
  ExecWait '"$INSTDIR\PopHush.exe" /hosts install' $0
  ${If} ${Errors}
  ${OrIf} $0 != 0
    DetailPrint "The hosts file could not be changed (status $0)."
  ${EndIf}
FunctionEnd

; 32-bit Internet Explorer (the default on 64-bit Windows) loads only the
; 32-bit helper. A system without a 32-bit regsvr32 that runs (Wine built
; without 32-bit support) installs without it.
Function RegisterHelper32
  ${IfNot} ${FileExists} "${REGSVR32_32}"
    DetailPrint "No 32-bit regsvr32: the 32-bit helper is not registered."
    Return
  ${EndIf}
  ExecWait '"${REGSVR32_32}" /s "$INSTDIR\HushBHO32.dll"'
  ; A 32-bit program that cannot run may still end with 0: the class key
  ; in the 32-bit view tells whether it worked.
  SetRegView 32
  ReadRegStr $0 HKCR "CLSID\${HELPER_CLASS}\InprocServer32" ""
  SetRegView 64
  ${If} $0 != "$INSTDIR\HushBHO32.dll"
    DetailPrint "The 32-bit helper could not be registered."
  ${EndIf}
FunctionEnd

Section "Hushwall"
  SetOutPath "$INSTDIR"
  Call SaveInternetExplorerProxy
  File "${BUILD}\app\PopHush.exe"
  ; The helper library starts the main program by this name.
  File "/oname=HushPop.exe" "${BUILD}\app\PopHush.exe"
  File "${BUILD}\uninstall\UInHush.exe"
  File "${BUILD}\bho\HushBHO.dll"
  ; Beside the 64-bit one: both read the same settings and start the same
  ; program from this folder.
  File "${BUILD}\win32\bho\HushBHO32.dll"
  File "${BUILD}\skin\HushSkin.dll"
  File "${BUILD}\app\WebScrub.dll"
  File "${BUILD}\assets\HushBlk.js"
  ; The default settings each user starts from. An older version kept the
  ; user's own settings here: they stay, for the main program to carry over.
  SetOverwrite off
  File "${BUILD}\assets\HushINI.ini"
  SetOverwrite on
  File "${BUILD}\assets\HushSkn.skn"
  File "${BUILD}\assets\popup.skn"
  File "${BUILD}\assets\splash.bmp"
  File "${BUILD}\assets\splash.spl"
  File "${BUILD}\assets\PopUp.wav"
  File "${BUILD}\assets\hostse"
  File "${BUILD}\assets\hostsd"
  SetOutPath "$INSTDIR\Language"
  File "${BUILD}\assets\Language\*.ini"
  ; The uninstaller reads its own copies of the texts.
  SetOutPath "$INSTDIR\Lang"
  File "${BUILD}\assets\Language\*.ini"
  SetOutPath "$INSTDIR\Flags"
  File "${BUILD}\assets\Flags\*.*"
  SetOutPath "$INSTDIR\Sounds"
  File "${BUILD}\assets\Sounds\*.wav"
  SetOutPath "$INSTDIR\Help"
  File "${BUILD}\Help\HushHlp.chm"
  SetOutPath "$INSTDIR"
  Call AddHostsEntry

  WriteRegStr HKLM "${PRODUCT_KEY}" "Path" "$INSTDIR"

  ClearErrors
  RegDLL "$INSTDIR\HushSkin.dll"
  RegDLL "$INSTDIR\HushBHO.dll"
  ${If} ${Errors}
    DetailPrint "A library could not be registered."
  ${EndIf}
  Call RegisterHelper32

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\PopHush.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\Help\HushHlp.chm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\PopHush.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Takes the helper out of Internet Explorer in both sizes, so that no
; browser started from now on starts the main program again.
Function un.UnregisterHelpers
  UnRegDLL "$INSTDIR\HushBHO.dll"
  ${If} ${FileExists} "${REGSVR32_32}"
    ExecWait '"${REGSVR32_32}" /s /u "$INSTDIR\HushBHO32.dll"'
  ${EndIf}
FunctionEnd

; Asks the running main program to quit and waits up to thirty seconds until
; it has ended under both its names: PopHush.exe, and HushPop.exe, by which
; the helper starts it. A copy that was still starting has no window yet;
; it is asked as soon as it has one. A program file can be deleted once its
; process has ended.
Function un.EndMainProgram
  StrCpy $1 0
  StrCpy $2 0
  ${Do}
    FindWindow $0 "" "${WEB_SITE}"
    ${If} $0 != 0
    ${AndIf} $0 != $2
      SendMessage $0 ${QUIET_EXIT} 0 0 /TIMEOUT=5000
      StrCpy $2 $0
    ${EndIf}
    Delete "$INSTDIR\PopHush.exe"
    Delete "$INSTDIR\HushPop.exe"
    ${IfNot} ${FileExists} "$INSTDIR\PopHush.exe"
    ${AndIfNot} ${FileExists} "$INSTDIR\HushPop.exe"
    ${AndIf} $0 == 0
      ${ExitDo}
    ${EndIf}
    Sleep 200
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 150
FunctionEnd

; "Browser.ini" goes only when Internet Explorer's saved proxy is back (or
; nothing was saved) and UInHush took every browser off the proxy.
Function un.DeleteBrowserBackup
  IntOp $0 $R0 & 4
  ${If} $0 != 0
    Return
  ${EndIf}
  ReadINIStr $0 "$INSTDIR\Browser.ini" "IE Settings" "Saved"
  ReadINIStr $1 "$INSTDIR\Browser.ini" "IE Settings" "Restored"
  ${If} $0 == ""
  ${OrIf} $1 == "1"
    Delete "$INSTDIR\Browser.ini"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; The helper goes first: an Internet Explorer started during the removal
  ; would otherwise start the main program again, which puts its hosts entry
  ; back after the uninstaller took it out. Unregistering it also puts
  ; Internet Explorer's saved proxy back and deletes the Run values.
  Call un.UnregisterHelpers
  Call un.EndMainProgram
  ; The browsers, the hosts file and the security zones go back first,
  ; while the program's records of them are still there. UInHush deletes
  ; each backup it restored and keeps the others; its exit status has a bit
  ; for each kind kept (1 hosts file, 2 zones, 4 browsers). When it cannot
  ; run, nothing was restored and everything is kept.
  ClearErrors
  ${If} ${Silent}
    ExecWait '"$INSTDIR\UInHush.exe" /S' $R0
  ${Else}
    ExecWait '"$INSTDIR\UInHush.exe"' $R0
  ${EndIf}
  ${If} ${Errors}
    StrCpy $R0 7
  ${EndIf}
  UnRegDLL "$INSTDIR\HushSkin.dll"
  DeleteRegValue HKCU "${RUN_KEY}" "Hushwall"

  Delete "$SMPROGRAMS\${PRODUCT}\*.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  ; Only the files Hushwall put down or made, then the folders if empty.
  Delete "$INSTDIR\PopHush.exe"
  Delete "$INSTDIR\HushPop.exe"
  Delete "$INSTDIR\UInHush.exe"
  Delete "$INSTDIR\HushBHO.dll"
  Delete "$INSTDIR\HushBHO32.dll"
  Delete "$INSTDIR\HushSkin.dll"
  Delete "$INSTDIR\WebScrub.dll"
  Delete "$INSTDIR\HushBlk.js"
  Delete "$INSTDIR\HushINI.ini"
  Delete "$INSTDIR\HushSkn.skn"
  Delete "$INSTDIR\popup.skn"
  Delete "$INSTDIR\splash.bmp"
  Delete "$INSTDIR\splash.spl"
  Delete "$INSTDIR\PopUp.wav"
  Delete "$INSTDIR\hostse"
  Delete "$INSTDIR\hostsd"
  Call un.DeleteBrowserBackup
  Delete "$INSTDIR\Language\*.ini"
  Delete "$INSTDIR\Lang\*.ini"
  Delete "$INSTDIR\Flags\*.*"
  Delete "$INSTDIR\Sounds\*.wav"
  Delete "$INSTDIR\Help\HushHlp.chm"
  RMDir "$INSTDIR\Language"
  RMDir "$INSTDIR\Lang"
  RMDir "$INSTDIR\Flags"
  RMDir "$INSTDIR\Sounds"
  RMDir "$INSTDIR\Help"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The settings the main program kept for the user who removes it. UInHush
  ; deleted the backups it restored and kept the others there, so the folder
  ; goes only when it is empty.
  Delete "$APPDATA\${PRODUCT}\HushINI.ini"
  RMDir "$APPDATA\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${PRODUCT_KEY}"
  DeleteRegKey HKCU "${PRODUCT_KEY}"
SectionEnd
