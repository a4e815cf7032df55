' Quickstart: a script client of TessalySDK.dll that sets up the printer's
' output the way a host program would: global settings, a profile of its
' own with a few settings of each kind, the profile selected for the next
' job, and the stores written for the printer. It prints what it did.
' The last line is "quickstart: done"; scripts/quickstart.sh checks it,
' because cscript ends quietly on an uncaught error.
Option Explicit

Dim tessaly, profile, number
Set tessaly = CreateObject("TessalySDK.qvTessaly")
WScript.Echo "Created TessalySDK.qvTessaly for printer """ & tessaly.PrinterName & """ (" & _
    tessaly.Edition & " " & tessaly.Version & ")"
WScript.Echo "Current profile: " & tessaly.CurrentProfileName

' Global settings.
tessaly.DefaultOutputDirectory = "C:\Tessaly Output\"
tessaly.OutputDocumentName = "Quarterly report"
tessaly.UseCustomDocumentName = True
tessaly.OutputDocumentFormat = 0  ' PDF
tessaly.ShowPreview = False
tessaly.ShowSaveDialog = False
WScript.Echo "Global settings: output to " & tessaly.DefaultOutputDirectory & _
    tessaly.OutputDocumentName & ", format " & tessaly.OutputDocumentFormat & _
    " (PDF), preview " & tessaly.ShowPreview & ", save dialog " & tessaly.ShowSaveDialog

' A profile of our own, made again on every run.
On Error Resume Next
tessaly.DeleteProfile "Quickstart"
Err.Clear
On Error GoTo 0
Set profile = tessaly.CreateNewProfile("Quickstart")
profile.DocInfoAuthor = "Accounts"
profile.DocInfoTitle = "Quarterly report"
profile.PDFEncryptEnabled = False
profile.PDFImage24BitJPEGQuality = 4  ' jqMediumHigh
profile.BMPScaleX = 1.5
profile.HTMLBackgroundColor = &HFFFFFF
WScript.Echo "Created profile """ & profile.Name & """: author " & profile.DocInfoAuthor & _
    ", title " & profile.DocInfoTitle & ", encryption " & profile.PDFEncryptEnabled & _
    ", JPEG quality " & profile.PDFImage24BitJPEGQuality & ", BMP scale " & profile.BMPScaleX & _
    ", HTML background &H" & Hex(profile.HTMLBackgroundColor)

' Select it for the next job: the working copy is made from it.
tessaly.SelectCurrentProfile "Quickstart"
WScript.Echo "Selected profile: " & tessaly.CurrentProfileName & " (" & _
    tessaly.GetProfileCount() & " profiles); working copy author " & _
    tessaly.CurrentProfile.DocInfoAuthor

' The SDK reports its own failures with their codes.
On Error Resume Next
tessaly.CreateNewProfile "Bad|Name"
number = Err.Number
WScript.Echo "CreateNewProfile ""Bad|Name"" failed as expected: &H" & Hex(number) & " " & _
    Replace(Err.Description, vbCr, " ")
Err.Clear
On Error GoTo 0

' Write the stores for the printer.
tessaly.Update
WScript.Echo "Stores written (Profiles.qvf and PlugIn.qvf) and the printer told to read them."
Set profile = Nothing
Set tessaly = Nothing
WScript.Echo "quickstart: done"
