; The Windows installer: a per-user install that needs no administrator, into the user's own
; programs folder, where the page files and printer.dta beside the program stay writable.
; makensis -DSRCDIR=<folder with the program> -DICON=<.ico> -DVERSION=<x.y> -DOUTFILE=<setup.exe>
Unicode true
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APPNAME "Tintwell 3"
!define PUBLISHER "The Tintwell project"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwell3"

Name "${APPNAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APPNAME}"
InstallDirRegKey HKCU "${UNINSTKEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${APPNAME} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APPNAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APPNAME} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\tintwell3.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open the colouring book now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Colouring book (required)" SecProgram
    SectionIn RO
    ; The working directory of the shortcuts: the program finds its pages there.
    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${SRCDIR}\tintwell3.exe"
    File "${SRCDIR}\twell3.mid"
    ; The pages hold the child's colouring: a second install must not blank them.
    SetOverwrite off
    File "${SRCDIR}\BAT.TW3"
    File "${SRCDIR}\BUSHBABY.TW3"
    File "${SRCDIR}\KIWI.TW3"
    File "${SRCDIR}\SNAIL.TW3"
    File "${SRCDIR}\WALRUS.TW3"
    SetOverwrite on

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\tintwell3.exe" "" "$INSTDIR\tintwell3.exe" 0

    WriteRegStr HKCU "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    WriteRegStr HKCU "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\tintwell3.exe,0"
    WriteRegStr HKCU "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTKEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTKEY}" "EstimatedSize" "$0"
SectionEnd

Section "Shortcut on the desktop" SecDesktop
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${APPNAME}.lnk" "$INSTDIR\tintwell3.exe" "" "$INSTDIR\tintwell3.exe" 0
SectionEnd

Section "Uninstall"
    ; Keeping is the default, also when uninstalling silently.
    StrCpy $R0 "keep"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 \
        "Keep the pictures your child has coloured?$\r$\n$\r$\nThey stay in $INSTDIR and come back if ${APPNAME} is installed again." \
        /SD IDYES IDYES +2
    StrCpy $R0 "remove"
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    Delete "$DESKTOP\${APPNAME}.lnk"
    Delete "$INSTDIR\tintwell3.exe"
    Delete "$INSTDIR\twell3.mid"
    Delete "$INSTDIR\log.txt"
    Delete "$INSTDIR\uninstall.exe"
    StrCmp $R0 "keep" done
    Delete "$INSTDIR\BAT.TW3"
    Delete "$INSTDIR\BUSHBABY.TW3"
    Delete "$INSTDIR\KIWI.TW3"
    Delete "$INSTDIR\SNAIL.TW3"
    Delete "$INSTDIR\WALRUS.TW3"
    Delete "$INSTDIR\printer.dta"
done:
    ; Only an empty folder goes.
    RMDir "$INSTDIR"
    ; Last, so that whoever waits for the entry to go finds the work done.
    DeleteRegKey HKCU "${UNINSTKEY}"
SectionEnd
