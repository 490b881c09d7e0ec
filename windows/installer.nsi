; SPDX-License-Identifier: GPL-3.0-or-later
; The installer of Dorvane for Windows, in French: for the current user (the default) or for all
; users, a Start menu entry with the icon, an uninstaller and, unless left out on the components
; page, Scala files (.scl) opened by Dorvane with a double-click.
;   makensis -DVERSION=2.4 -DFILES=<the zip's folder> -DREMOVE=<removal.nsh> -DOUTFILE=<setup.exe>
;            -DICON=<.ico> installer.nsi
; where removal.nsh deletes, by name, every file and folder that FILES holds (package.sh writes it).
; Silent: "Dorvane-2.4-setup.exe /S" installs for the current user, "/S /AllUsers" for all;
; add "/NoAssociation" to leave .scl files as they are.
; A 64-bit installer, as the program is: it runs where the program runs, and needs no 32-bit
; layer of the system.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Dorvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvane"
; The kind of file of our own that .scl files are given, under Software\Classes of the user or
; of the machine, as the installation is.
!define PROGID "Dorvane.Scala"
!define CLASSES "Software\Classes"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\dorvane.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Windows' shell told that the kinds of files changed, so that icons and commands follow at once.
!macro AssociationsChanged
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Dorvane" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${FILES}\*"
    WriteUninstaller "$INSTDIR\Désinstaller Dorvane.exe"
    CreateShortcut "$SMPROGRAMS\Dorvane.lnk" "$INSTDIR\dorvane.exe" "" "$INSTDIR\dorvane.exe" 0 \
        SW_SHOWNORMAL "" "Calculer la place des frettes"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Dorvane ${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Atelier Dorvane"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dorvane.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Désinstaller Dorvane.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Désinstaller Dorvane.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Ouvrir les gammes Scala (.scl) avec Dorvane" SecScala
    WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "Gamme Scala"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\dorvane.exe,0"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\dorvane.exe" "%1"'
    WriteRegStr SHCTX "${CLASSES}\.scl" "" "${PROGID}"
    WriteRegStr SHCTX "${CLASSES}\.scl\OpenWithProgids" "${PROGID}" ""
    !insertmacro AssociationsChanged
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Le programme et son entrée dans le menu Démarrer."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecScala} "Un double-clic sur un fichier .scl l'ouvre dans Dorvane."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/NoAssociation" $R1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecScala}
    ${EndIf}
FunctionEnd

; Only what was installed, by name, so that a folder shared with other files keeps them.
Section "Uninstall"
    Delete "$SMPROGRAMS\Dorvane.lnk"
    !include "${REMOVE}"
    Delete "$INSTDIR\Désinstaller Dorvane.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; Our kind of file goes; .scl files keep the program a user gave them since.
    DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
    DeleteRegValue SHCTX "${CLASSES}\.scl\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.scl\OpenWithProgids"
    ReadRegStr $0 SHCTX "${CLASSES}\.scl" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue SHCTX "${CLASSES}\.scl" ""
    ${EndIf}
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.scl"
    ; The settings the program kept for the user who uninstalls it.
    DeleteRegKey HKCU "Software\Dorvane"
    !insertmacro AssociationsChanged
SectionEnd
