' Sample: configures a profile of its own, adds a PDF bookmark for the next
' job and prints a text document to the "Orvane Tessaly" printer through
' the program that the shell prints .txt files with (PrintDocument with
' SourceApplication 3 = Other).
'
' Usage: cscript //nologo print_document.vbs [document]
' Without a document it writes "Tessaly sample.txt" to %TEMP% and prints
' that. The last line is "sample: done".
Option Explicit

Const Other = 3
Dim shell, fso, tessaly, profile, document, stream

Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
If WScript.Arguments.Count > 0 Then
  document = fso.GetAbsolutePathName(WScript.Arguments(0))
Else
  document = fso.BuildPath(shell.ExpandEnvironmentStrings("%TEMP%"), "Tessaly sample.txt")
  Set stream = fso.CreateTextFile(document, True)
  stream.WriteLine "Tessaly sample"
  stream.WriteLine "Printed from VBScript through the shell's print verb."
  stream.Close
End If

Set tessaly = CreateObject("TessalySDK.qvTessaly")

' A profile of the sample's own, made again on every run, selected for the job.
On Error Resume Next
tessaly.DeleteProfile "VBScript sample"
Err.Clear
On Error GoTo 0
Set profile = tessaly.CreateNewProfile("VBScript sample")
profile.DocInfoTitle = "Tessaly sample"
profile.DocInfoAuthor = "VBScript"
tessaly.SelectCurrentProfile "VBScript sample"
WScript.Echo "Profile: " & tessaly.CurrentProfileName & ", title """ & _
    tessaly.CurrentProfile.DocInfoTitle & """"

' The bookmark goes into the next job's list: text, level, vertical position, page.
WScript.Echo "Bookmark number: " & tessaly.AddPDFBookmark("Tessaly sample", 1, 0, 1)

tessaly.SourceApplication = Other
tessaly.PrintDocument document
WScript.Echo "Printed " & document & " to " & tessaly.PrinterName
WScript.Echo "sample: done"
