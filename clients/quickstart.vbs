' Quickstart: a script client of TessalySDK.dll that sets up the printer's
' output the way a host program would: global settings, a profile of its
' own with a few settings of each kind, the profile selected for the next
' job, a PDF bookmark, and a text document printed to the printer through
' the shell's print verb (which writes the stores first). It prints what it
' did.
' The last line is "quickstart: done"; scripts/quickstart.sh checks it,
' because cscript ends quietly on an uncaught error.
Option Explicit

Dim tessaly, profile, working, font, number, shell, fso, document, stream
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
tessaly.DeleteProfile "Quickstart (archive)"
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

' E-mail after creation: the body is a list, one array element a line.
profile.EmailAfterCreate = True
profile.EmailMethod = 1  ' DirectSMTPServer
profile.EmailSMTPServerName = "smtp.example.com"
profile.EmailSMTPServerPort = 587
profile.EmailTo = "accounts@example.com"
profile.EmailSubject = "Quarterly report"
profile.EmailBody = Array("Hello,", "", "the quarterly report is attached.")
WScript.Echo "E-mail after creation: to " & profile.EmailTo & " through " & _
    profile.EmailSMTPServerName & ":" & profile.EmailSMTPServerPort & ", subject """ & _
    profile.EmailSubject & """, a body of 3 lines"

' Fonts travel as OLE font objects.
Set font = profile.HTMLDefaultFont
font.Name = "DejaVu Sans"
font.Size = 12
font.Bold = True
profile.HTMLDefaultFont = font
WScript.Echo "HTML default font: " & profile.HTMLDefaultFont.Name & " " & _
    profile.HTMLDefaultFont.Size & " pt, bold " & profile.HTMLDefaultFont.Bold

' Select it for the next job: the working copy is made from it.
tessaly.SelectCurrentProfile "Quickstart"
WScript.Echo "Selected profile: " & tessaly.CurrentProfileName & " (" & _
    tessaly.GetProfileCount() & " profiles); working copy author " & _
    tessaly.CurrentProfile.DocInfoAuthor

' Keep the profile as it is stored under a second name, then edit the
' working copy and write it back into the profile.
WScript.Echo "Saved as ""Quickstart (archive)"": " & _
    tessaly.SaveCurrentProfileAs("Quickstart (archive)")
Set working = tessaly.CurrentProfile
working.DocInfoSubject = "Figures for the board"
working.PDFViewerPrefPageLayout = 1  ' plContinous
WScript.Echo "Working copy of """ & working.Name & """ edited: subject """ & _
    working.DocInfoSubject & """, page layout " & working.PDFViewerPrefPageLayout & _
    "; applied: " & tessaly.ApplyChangesToCurrentProfile()
WScript.Echo "The job comes from " & tessaly.CurrentProfileName & ", subject """ & _
    profile.DocInfoSubject & """"

' The SDK reports its own failures with their codes.
On Error Resume Next
tessaly.CreateNewProfile "Bad|Name"
number = Err.Number
WScript.Echo "CreateNewProfile ""Bad|Name"" failed as expected: &H" & Hex(number) & " " & _
    Replace(Err.Description, vbCr, " ")
Err.Clear
tessaly.SelectCurrentProfile "quickstart"
WScript.Echo "SelectCurrentProfile ""quickstart"" failed as expected: &H" & Hex(Err.Number) & _
    " " & Err.Description
Err.Clear
On Error GoTo 0

' A bookmark for the next job, then the job: a text document printed by the
' program the shell prints .txt files with (SourceApplication 3 = Other).
' The print writes the stores (Profiles.qvf and PlugIn.qvf) first.
WScript.Echo "Bookmark " & tessaly.AddPDFBookmark("Quarterly report", 1, 0, 1) & _
    ": ""Quarterly report"", level 1, page 1"
Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
document = fso.BuildPath(shell.ExpandEnvironmentStrings("%TEMP%"), "Quarterly report.txt")
Set stream = fso.CreateTextFile(document, True)
stream.WriteLine "Quarterly report"
stream.WriteLine "Figures for the board, printed through the Tessaly SDK."
stream.Close
tessaly.SourceApplication = 3  ' Other
tessaly.PrintDocument document
WScript.Echo "Printed " & document & " to """ & tessaly.PrinterName & """ through the shell"
Set font = Nothing
Set working = Nothing
Set profile = Nothing
Set tessaly = Nothing
WScript.Echo "quickstart: done"
