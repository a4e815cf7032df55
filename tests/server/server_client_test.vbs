' TessalySDK.dll from a VBScript client, late bound as script hosts use it:
' creation by ProgID, properties and methods through IDispatch, and an SDK
' error as Err.Number, Err.Source and Err.Description.
' Ends with the line "N passed, M failed", which scripts/wine-tests.sh
' checks: Wine's cscript exits 0 even when a script stops on an error.
UseNewInstallation "tessaly-server-vbs-"

Dim tessaly, settings, number, source, description
Set tessaly = CreateObject("TessalySDK.qvTessaly")
Check "TypeName", TypeName(tessaly), "IqvTessaly"
Check "PrinterName", tessaly.PrinterName, "Orvane Tessaly"

' A property put and get by name.
tessaly.ShowPreview = False
Check "ShowPreview after put", tessaly.ShowPreview, False
tessaly.ShowPreview = True
Check "ShowPreview put back", tessaly.ShowPreview, True

' An object handed out by the main object.
Set settings = tessaly.CurrentProfile
Check "CurrentProfile TypeName", TypeName(settings), "IqvProfileSettingsX"
Check "CurrentProfile.Name", settings.Name, tessaly.CurrentProfileName

' An SDK failure: its own code, the main object as source, its message.
On Error Resume Next
tessaly.SelectCurrentProfile "No such profile"
number = Err.Number
source = Err.Source
description = Err.Description
Err.Clear
On Error GoTo 0
Check "Err.Number", Hex(number), "80041B00"
Check "Err.Source", source, "TessalySDK.qvTessaly"
Check "Err.Description", description, "The profile by specified name does not exists."

' A name that is no member.
On Error Resume Next
tessaly.NoSuchMember
number = Err.Number
Err.Clear
On Error GoTo 0
Check "unknown member", Hex(number), "1B6"

Set settings = Nothing
Set tessaly = Nothing
RestoreInstallation

PrintSummary
