; The Windows installer: a per-user install that needs no administrator, into the user's own
; programs folder, where the page files and printer.dta beside the program stay writable.
; Its first page asks the book's language; its pages speak it, and the book finds it in
; LANGUAGE.TXT beside the page files.
; makensis -DSRCDIR=<folder with the programs> -DICON=<.ico> -DVERSION=<x.y> -DOUTFILE=<setup.exe>
;          -DWORDS=<the pages' words, made by words.sh> [-DAMD64: the same for 64-bit Windows]
!ifdef AMD64
Target amd64-unicode
!else
Unicode true
!endif
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APPNAME "Tintwell 3"
!define PUBLISHER "The Tintwell project"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwell3"
!define MAKERNAME "${APPNAME} Page Maker"
; The folder where the Page Maker keeps the parent's own pages (pages/my_pages.h).
!define MYPAGES "MyPages"

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
!define MUI_FINISHPAGE_RUN_TEXT "$(W_finish_run)"
; The language page: the last choice, else the system's language, is the one offered.
!define MUI_LANGDLL_ALWAYSSHOW
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_WINDOWTITLE "$(W_language_caption)"
!define MUI_LANGDLL_INFO "$(W_language_prompt)"
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTKEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Language"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include "${WORDS}"
!insertmacro MUI_RESERVEFILE_LANGDLL

Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "$(W_section_book)" SecProgram
    SectionIn RO
    ; The working directory of the shortcuts: the program finds its pages there.
    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${SRCDIR}\tintwell3.exe"
    File "${SRCDIR}\pagemaker.exe"
    File "${SRCDIR}\twell3.mid"
    ; The pages hold the child's colouring: a second install must not blank them.
    SetOverwrite off
    File "${SRCDIR}\BAT.TW3"
    File "${SRCDIR}\BUSHBABY.TW3"
    File "${SRCDIR}\KIWI.TW3"
    File "${SRCDIR}\SNAIL.TW3"
    File "${SRCDIR}\WALRUS.TW3"
    SetOverwrite on
    ; The book speaks the language chosen on the first page; a silent install keeps the last choice.
    ${IfNot} ${Silent}
        FileOpen $0 "$INSTDIR\LANGUAGE.TXT" w
        FileWrite $0 "$(LANG_TAG)$\r$\n"
        FileClose $0
    ${EndIf}

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\tintwell3.exe" "" "$INSTDIR\tintwell3.exe" 0
    CreateShortcut "$SMPROGRAMS\${MAKERNAME}.lnk" "$INSTDIR\pagemaker.exe" "" "$INSTDIR\pagemaker.exe" 0

    WriteRegStr HKCU "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    ; The uninstaller speaks it too, also after a silent install.
    WriteRegStr HKCU "${UNINSTKEY}" "Language" "$LANGUAGE"
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

Section "$(W_section_desktop)" SecDesktop
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${APPNAME}.lnk" "$INSTDIR\tintwell3.exe" "" "$INSTDIR\tintwell3.exe" 0
SectionEnd

Section "Uninstall"
    ; Keeping is the default, also when uninstalling silently.
    StrCpy $R0 "keep"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(W_uninstall_keep)" /SD IDYES IDYES +2
    StrCpy $R0 "remove"
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    Delete "$SMPROGRAMS\${MAKERNAME}.lnk"
    Delete "$DESKTOP\${APPNAME}.lnk"
    Delete "$INSTDIR\tintwell3.exe"
    Delete "$INSTDIR\pagemaker.exe"
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
    Delete "$INSTDIR\LANGUAGE.TXT"
    ; The parent's own pages, coloured like the five.
    RMDir /r "$INSTDIR\${MYPAGES}"
done:
    ; Only an empty folder goes.
    RMDir "$INSTDIR"
    ; Last, so that whoever waits for the entry to go finds the work done.
    DeleteRegKey HKCU "${UNINSTKEY}"
SectionEnd
