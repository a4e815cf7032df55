' PrintPowerPointPresentation from a script client, with the fake Office
' server of tests/office/office_server registered as PowerPoint.Application
' and the test queues of tq_test_printers ("Orvane Tessaly", and "Test Office
' Printer" as the user's default), both made by scripts/wine-tests.sh. What
' PowerPoint saw comes from the fake's log: its calls, and at the print-out
' the printer, the "device" entry and the PlugIn store's text as it was on
' disk. The run ends with the line "N passed, M failed".
UseNewInstallation "tessaly-powerpoint-"

Const kFakeKey = "HKCU\Software\Tessaly Tests\Fake PowerPoint\"
Const kPrevious = "Test Office Printer"
Dim folder, presentation, description, tessaly
' Wine's file system object leaves a NUL at the end of some of its texts.
folder = Replace(install, Chr(0), "")
presentation = folder & "\Talk.ppt"
description = folder & "\fake-powerpoint.ini"
log_path = folder & "\fake-powerpoint.log"
shell.RegWrite kFakeKey & "Documents", description, "REG_SZ"
shell.RegWrite kFakeKey & "Log", log_path, "REG_SZ"

' One open presentation, Talk.ppt, of two slides: notes and a titled shape
' on the first, a link on a shape on the second; `failure` is a line of the
' [Failures] section ("Member=message") or "".
Sub Arrange(failure)
  Dim f
  Set f = fso.CreateTextFile(description, True)
  f.WriteLine "[Presentation1]"
  f.WriteLine "Path=" & folder
  f.WriteLine "Name=Talk.ppt"
  f.WriteLine "Slides=2"
  f.WriteLine "Slide1.Notes=Greet the room"
  f.WriteLine "Slide1.Shape1.Name=Rectangle 2"
  f.WriteLine "Slide1.Shape1.Text=Sales"
  f.WriteLine "Slide1.Shape1.Top=72"
  f.WriteLine "Slide2.Hyperlink1.Type=1"
  f.WriteLine "Slide2.Hyperlink1.Address=http://www.example.org"
  f.WriteLine "Slide2.Hyperlink1.Left=72"
  f.WriteLine "Slide2.Hyperlink1.Top=72"
  f.WriteLine "Slide2.Hyperlink1.Width=144"
  f.WriteLine "Slide2.Hyperlink1.Height=36"
  f.WriteLine "[Failures]"
  f.WriteLine failure
  f.Close
  If fso.FileExists(log_path) Then fso.DeleteFile log_path
End Sub

Dim plugin_lines
Check "default before", DefaultQueue(), kPrevious
Set tessaly = CreateObject("TessalySDK.qvTessaly")
tessaly.OfficeAddinSettings.PptPresentationNotestoPDFNotes = True

Arrange ""
tessaly.PrintPowerPointPresentation presentation
Check "printed on", Logged("PrintOut.Printer=Orvane Tessaly" & vbCrLf), True
Check "every slide, no file, one uncollated copy", Logged("Presentation.PrintOut(1,2,,1,0) "), True
Check "default during the print-out", Logged("PrintOut.Device=Orvane Tessaly," & vbCrLf), True
Check "the open presentation is not opened again", Logged("Presentations.Open("), False
' 72 points at 96 dots per inch are 96 pixels; the link's box is moved by 20.
plugin_lines = Array("Document Comment Count=1", "DocumentCommentText1=Greet the room", _
    "Document Comment Page1=1", "Headings Count=1", "Heading Name1=Sales", _
    "Heading Vert Pos1=96", "Heading Page1=1", "Hyperlink Count=1", _
    "Hyperlink URI1=http://www.example.org", "Hyperlink Page Number1=2", _
    "Hyperlink Left Pos1=116", "Hyperlink Right Pos1=308", "Hyperlink Bottom Pos1=164")
CheckPlugInAtPrintOut plugin_lines, vbCrLf
CheckAfterJob False, kPrevious

Arrange ""
tessaly.SourceApplication = 2
tessaly.PrintDocument presentation
Check "PrintDocument of MSPowerPoint", Logged("Presentation.PrintOut(1,2,"), True

Arrange "Slides.Count=The slides cannot be counted now."
On Error Resume Next
tessaly.PrintPowerPointPresentation presentation
CheckError "failed PowerPoint call", &H80041D5A, "The slides cannot be counted now."
On Error GoTo 0
Check "nothing printed", Logged("Presentation.PrintOut("), False
CheckAfterJob True, kPrevious

Set tessaly = Nothing
EndPrintClient
