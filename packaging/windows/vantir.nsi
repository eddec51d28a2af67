; The Windows installer, made by packaging/windows/build, which passes
;   VERSION  the program's version
;   SOURCE   the folder an installation holds, as the zip holds it
;   LISTS    a folder with files.nsh and unfiles.nsh: what SOURCE holds, to
;            install and to remove again
;   OUTFILE  the installer to write
;   ICON     the program's icon
;   SIZE_KB  what an installation takes
; The uninstaller removes what was installed and nothing else, so that a
; folder the user chose keeps what it held before.
; A 64-bit installer, as the programs are: Windows refuses it where they
; could not run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

Name "vantir ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vantir"
InstallDirRegKey HKLM "Software\vantir" "InstallFolder"
BrandingText "vantir ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vantir"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantir.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

Section "vantir"
    SetOutPath "$INSTDIR"
    !include "${LISTS}/files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "Software\vantir" "InstallFolder" "$INSTDIR"

    ; The Start menu entry starts the program in its folder, where its
    ; catalogues are.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\vantir.lnk" "$INSTDIR\vantir.exe" "" "$INSTDIR\vantir.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "vantir"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantir.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\vantir.lnk"
    !include "${LISTS}/unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\vantir"
SectionEnd
