; The Windows installer of Ulvane: one program file, a Start-menu entry and an
; uninstaller, installed for the current user, so no administrator rights are needed.
; tools/package-windows passes VERSION, EXE, ICON, OUTFILE and, when the repository
; has one, LICENSE.
; Written here rather than by CPack's NSIS generator, whose template (CMake 3.25)
; asks for administrator rights, puts the shortcut into a Start-menu folder of its
; own beside an uninstaller shortcut, and gives "Apps" no size.
; A 64-bit installer for the 64-bit program: it runs where the program runs (also
; under a Wine without 32-bit support).
Target amd64-unicode
!include MUI2.nsh
!include FileFunc.nsh

!ifndef VERSION | EXE | ICON | OUTFILE
    !error "makensis needs /DVERSION= /DEXE= /DICON= /DOUTFILE="
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ulvane"
; The holder of the copyright in packaging/copyright, as the program's own version
; resource names it.
!define PUBLISHER "Ulvane developers"

Name "Ulvane"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Ulvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\ulvane.exe"

!ifdef LICENSE
    !insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!endif
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "Ulvane"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка Ulvane"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "${PUBLISHER}"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=ulvane.exe" "${EXE}"
!ifdef LICENSE
    File "/oname=LICENSE.txt" "${LICENSE}"
!endif
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Ulvane.lnk" "$INSTDIR\ulvane.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ulvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ulvane.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; "Apps" shows the size in kilobytes that the installed files take.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Ulvane.lnk"
    Delete "$INSTDIR\ulvane.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
