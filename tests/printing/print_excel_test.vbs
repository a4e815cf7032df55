' PrintExcelDocument from a script client, with the fake Office
' server of tests/office/office_server registered as Excel.Application
' and the test queues of tq_test_printers ("Orvane Tessaly", and "Test Office
' Printer" as the user's default), both made by scripts/wine-tests.sh. What
' Excel saw comes from the fake's log: its calls, and at the print-out
' the printer, the "device" entry and the PlugIn store's text as it was on
' disk. The run ends with the line "N passed, M failed".
UseNewInstallation "tessaly-excel-"

Const kFakeKey = "HKCU\Software\Tessaly Tests\Fake Excel\"
Const kPrevious = "Test Office Printer"
Dim folder, workbook, description, tessaly
' Wine's file system object leaves a NUL at the end of some of its texts.
folder = Replace(install, Chr(0), "")
workbook = folder & "\Budget.xls"
description = folder & "\fake-excel.ini"
log_path = folder & "\fake-excel.log"
shell.RegWrite kFakeKey & "Documents", description, "REG_SZ"
shell.RegWrite kFakeKey & "Log", log_path, "REG_SZ"

' One open workbook, Budget.xls, of two worksheets, the first of six pages
' (two page breaks across, one down); `failure` is a line of the [Failures]
' section ("Member=message") or "".
Sub Arrange(failure)
  Dim f
  Set f = fso.CreateTextFile(description, True)
  f.WriteLine "[Workbook1]"
  f.WriteLine "Path=" & folder
  f.WriteLine "Name=Budget.xls"
  f.WriteLine "Sheet1.Name=Sales"
  f.WriteLine "Sheet1.HBreaks=2"
  f.WriteLine "Sheet1.VBreaks=1"
  f.WriteLine "Sheet2.Name=Costs"
  f.WriteLine "[Failures]"
  f.WriteLine failure
  f.Close
  If fso.FileExists(log_path) Then fso.DeleteFile log_path
End Sub

Dim plugin_lines, locale
Check "default before", DefaultQueue(), kPrevious
Set tessaly = CreateObject("TessalySDK.qvTessaly")
'' Excel's calls carry the user's default locale (Wine's GetLocale answers nothing).
locale = " lcid=" & CLng("&H" & shell.RegRead("HKCU\Control Panel\International\Locale"))

Arrange ""
tessaly.PrintExcelDocument workbook
Check "printed on", Logged("PrintOut.Printer=Orvane Tessaly" & vbCrLf), True
Check "the workbook printed on the printer, in the user's locale", _
    Logged("Workbook.PrintOut(-,-,-,-,Orvane Tessaly)" & locale & vbCrLf), True
Check "default during the print-out", Logged("PrintOut.Device=Orvane Tessaly," & vbCrLf), True
Check "the open workbook is activated", Logged("Workbook.Activate()" & locale), True
Check "the open workbook is not opened again", Logged("Workbooks.Open("), False
plugin_lines = Array("Headings Count=2", "Heading Name1=Sales", "Heading Page1=1", _
    "Heading Name2=Costs", "Heading Page2=7")
CheckPlugInAtPrintOut plugin_lines, vbCrLf
CheckAfterJob False, kPrevious

Arrange ""
tessaly.SourceApplication = 1
tessaly.PrintDocument workbook
Check "PrintDocument of MSExcel", Logged("Workbook.PrintOut("), True

Arrange "Worksheets.Count=The sheets are busy."
On Error Resume Next
tessaly.PrintExcelDocument workbook
CheckError "failed Excel call", &H80041D5B, "The sheets are busy."
On Error GoTo 0
Check "nothing printed", Logged("Workbook.PrintOut("), False
CheckAfterJob True, kPrevious

Set tessaly = Nothing
EndPrintClient
