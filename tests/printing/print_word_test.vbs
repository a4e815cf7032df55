' PrintWordDocument from a script client, with the fake Word server of
' tests/office/word_server registered as Word.Application and the test
' queues of tq_test_printers ("Orvane Tessaly", and "Test Office Printer"
' as the user's default), both made by scripts/wine-tests.sh. What Word saw
' comes from the fake's log: its calls, and at the print-out the active
' printer, background printing, the "device" entry and the PlugIn store's
' text as it was on disk. The run ends with the line "N passed, M failed".
UseNewInstallation "tessaly-word-"

Const kFakeWordKey = "HKCU\Software\Tessaly Tests\Fake Word\"
Const kPrevious = "Test Office Printer"
Dim folder, document, description, tessaly
' Wine's file system object leaves a NUL at the end of some of its texts:
' the document's name must compare equal to the fake's Path\Name.
folder = Replace(install, Chr(0), "")
document = folder & "\Report.doc"
description = folder & "\fake-word.ini"
log_path = folder & "\fake-word.log"
shell.RegWrite kFakeWordKey & "Documents", description, "REG_SZ"
shell.RegWrite kFakeWordKey & "Log", log_path, "REG_SZ"

' One open document in the installation folder, Report.doc: a heading and a
' plain paragraph, a bookmark, a link, a comment and a footnote; `failure`
' is a line of the [Failures] section ("Member=message") or "".
Sub Arrange(failure)
  Dim f
  Set f = fso.CreateTextFile(description, True)
  f.WriteLine "[Document1]"
  f.WriteLine "Path=" & folder
  f.WriteLine "Name=Report.doc"
  f.WriteLine "Property1=Quarterly report"
  f.WriteLine "Paragraph1.Text=Intro\r"
  f.WriteLine "Paragraph1.Style=Heading 1"
  f.WriteLine "Paragraph1.Y=72.5"
  f.WriteLine "Paragraph2.Text=Body text\r"
  f.WriteLine "Paragraph2.Links=1"
  f.WriteLine "Bookmark1.Name=Mark"
  f.WriteLine "Bookmark1.Text=Body"
  f.WriteLine "Bookmark1.Page=2"
  f.WriteLine "Hyperlink1.Text=site"
  f.WriteLine "Hyperlink1.Address=http://www.example.org"
  f.WriteLine "Comment1.Scope.Text=Body"
  f.WriteLine "Comment1.Text= Check the figures "
  f.WriteLine "Footnote1.Text=Source"
  f.WriteLine "Footnote1.Reference.Text=1"
  f.WriteLine "[Failures]"
  f.WriteLine failure
  f.Close
  If fso.FileExists(log_path) Then fso.DeleteFile log_path
End Sub

Dim plugin_lines
Check "default before", DefaultQueue(), kPrevious
Set tessaly = CreateObject("TessalySDK.qvTessaly")

Arrange ""
tessaly.PrintWordDocument document
Check "printed on", Logged("PrintOut.ActivePrinter=Orvane Tessaly" & vbCrLf), True
Check "background printing off", Logged("PrintOut.PrintBackground=0" & vbCrLf), True
Check "default during the print-out", Logged("PrintOut.Device=Orvane Tessaly," & vbCrLf), True
Check "the open document is not opened again", Logged("Documents.Open("), False
' 72.5 points from the top: 72 as Word's integer, 96 pixels at 96 dots per inch.
plugin_lines = Array("Headings Count=2", "Heading Name1=Intro", "Heading Vert Pos1=96", _
    "Heading Page1=1", "Heading Name2=Mark", "Heading Page2=2", "Hyperlink Count=3", _
    "Hyperlink URI1=http://www.example.org", "Document Comment Count=1", _
    "DocumentCommentText1=Check the figures", "Doc Title=Quarterly report")
CheckPlugInAtPrintOut plugin_lines, ""
CheckAfterJob False, kPrevious

Arrange "Comments.Count=The comments cannot be read now."
On Error Resume Next
tessaly.PrintWordDocument document
CheckError "failed Word call", &H80041D59, "The comments cannot be read now."
On Error GoTo 0
Check "nothing printed", Logged("Application.PrintOut("), False
CheckAfterJob True, kPrevious

Set tessaly = Nothing
EndPrintClient
