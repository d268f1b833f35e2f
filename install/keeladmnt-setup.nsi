; keeladmnt-setup.exe: installs the administrator console, its libraries and
; keelcli. Built by CMake, which passes the files' paths:
;   makensis -DOUTFILE=... -DKEELADMNT=... -DKEELNTBRS=... -DKEELINST=...
;            -DKEELCLI=... [-DKEELGRID=...] keeladmnt-setup.nsi
; Silent use: keeladmnt-setup.exe /S [/SERVICE=program [/ACCOUNT=name /PASSWORD=text]] [/D=directory]
; /SERVICE registers that program as the server's service, through keelinst.dll.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Keelgate Access Control Administrator"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KeelgateAdministrator"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Keelgate\Administrator"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var service_program
Var service_account
Var service_password

; Reads /NAME=value from the command line into the variable; empty when absent.
!macro COMMAND_OPTION name variable
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/${name}=" ${variable}
    ${If} ${Errors}
        StrCpy ${variable} ""
    ${EndIf}
!macroend

Function .onInit
    !insertmacro COMMAND_OPTION "SERVICE" $service_program
    !insertmacro COMMAND_OPTION "ACCOUNT" $service_account
    !insertmacro COMMAND_OPTION "PASSWORD" $service_password
FunctionEnd

Section "Administrator console" console
    SectionIn RO
    ; Copies of the console still running from here would keep their files locked.
    InitPluginsDir
    File "/oname=$PLUGINSDIR\keelinst.dll" "${KEELINST}"
    System::Call '$PLUGINSDIR\keelinst.dll::KillProcess(m "$INSTDIR\") ?u'

    SetOutPath "$INSTDIR"
    File "${KEELADMNT}"
    File "${KEELNTBRS}"
    File "${KEELINST}"
    File "${KEELCLI}"
!ifdef KEELGRID
    File "${KEELGRID}"
!endif
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\Keelgate"
    CreateShortcut "$SMPROGRAMS\Keelgate\${PRODUCT}.lnk" "$INSTDIR\keeladmnt.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only with /SERVICE=program: where the server is installed, its service is
; registered (or stopped for the update when it exists) and started.
Section "-Server service" service
    ${If} $service_program == ""
        Return
    ${EndIf}
    ${If} $service_account == ""
        StrCpy $service_account "UseSystemAccount"
    ${EndIf}
    System::Call '$INSTDIR\keelinst.dll::RadServiceIsInstalled() i.r0'
    ${If} $0 == 1
        System::Call '$INSTDIR\keelinst.dll::RadServiceStop() i.r0'
        DetailPrint "Stopping the service: result $0"
    ${Else}
        System::Call '$INSTDIR\keelinst.dll::RadServiceInstall(m "$service_program", m "$service_account", m "$service_password") i.r0'
        ${If} $0 != 0
            DetailPrint "The service could not be registered (result $0)."
            SetErrorLevel 2
            System::Call '$INSTDIR\keelinst.dll::RadServiceIsInstalled() i.r0 ?u'
            Return
        ${EndIf}
    ${EndIf}
    System::Call '$INSTDIR\keelinst.dll::RadServiceStart() i.r0 ?u'
    DetailPrint "Starting the service: result $0"
SectionEnd

Section "Uninstall"
    System::Call '$INSTDIR\keelinst.dll::KillProcess(m "$INSTDIR\") ?u'
    Delete "$INSTDIR\keeladmnt.exe"
    Delete "$INSTDIR\keelntbrs.dll"
    Delete "$INSTDIR\keelinst.dll"
    Delete "$INSTDIR\keelcli.exe"
    Delete "$INSTDIR\keelgrid32.dll"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Keelgate\${PRODUCT}.lnk"
    RMDir "$SMPROGRAMS\Keelgate"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
