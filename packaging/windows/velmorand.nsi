; The Windows installer of Velmorand for schools: installs velmorand.exe into Program Files,
; adds «Деление в столбик» and the practice window «Тренажёр: деление в столбик» to the Start
; menu for every user, and registers an uninstaller.
; /S installs (and uninstalls) silently, for administrators who deploy to many computers.
; makensis -DVERSION=... -DVERSION_QUAD=... -DEXE=... -DLICENSE=... -DICON=... -DOUTFILE=...
;          velmorand.nsi
; (packaging/windows/CMakeLists.txt passes the version project() gives)
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Деление в столбик"
!define PUBLISHER "Команда Velmorand"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmorand"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define PRACTICE "Тренажёр: деление в столбик"
; A file name cannot hold a colon: the shortcut's file is named with a dash instead, and its
; description carries the whole name.
!define PRACTICE_SHORTCUT "$SMPROGRAMS\Тренажёр — деление в столбик.lnk"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION}: установка"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Velmorand"
BrandingText "Velmorand ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программы «${PRODUCT}»"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "GNU GPL 3 или более поздняя"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmorand.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section "Velmorand"
    SetRegView 64
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=velmorand.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\velmorand.exe" "" "$INSTDIR\velmorand.exe" 0
    CreateShortCut "${PRACTICE_SHORTCUT}" "$INSTDIR\velmorand.exe" "/practice" \
        "$INSTDIR\velmorand.exe" 0 SW_SHOWNORMAL "" "${PRACTICE}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmorand.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetRegView 64
    SetShellVarContext all
    Delete "${SHORTCUT}"
    Delete "${PRACTICE_SHORTCUT}"
    Delete "$INSTDIR\velmorand.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
