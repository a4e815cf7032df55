' What the VBScript test clients share. Wine's cscript runs no includes, so
' scripts/wine-tests.sh puts this file in front of each client and runs the
' two as one script; line numbers in cscript's errors count from here.
' A client calls UseNewInstallation first and, at its end,
' RestoreInstallation and then PrintSummary, whose line
' "N passed, M failed" the harness checks: a script error can end a run
' early without a failing exit code.
Option Explicit

Const kTessalyKey = "HKCU\Software\Orvane\Orvane Tessaly\"
Dim passed, failed
passed = 0
failed = 0
Dim shell, fso, install, previous_install
Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")

Sub Check(name, actual, expected)
  If actual = expected Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAILED " & name & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

' Checks the error that the statement just run under On Error Resume Next
' left, and clears it.
Sub CheckError(name, number, description)
  Check name & " Err.Number", Hex(Err.Number), Hex(number)
  Check name & " Err.Description", Err.Description, description
  Err.Clear
End Sub

' A fresh installation folder of the run's own under %TEMP%, its name
' starting with `prefix`, named in the registry until RestoreInstallation.
Sub UseNewInstallation(prefix)
  install = fso.BuildPath(shell.ExpandEnvironmentStrings("%TEMP%"), prefix & fso.GetTempName())
  fso.CreateFolder install
  fso.CreateFolder fso.BuildPath(install, "Profiles")
  On Error Resume Next
  previous_install = shell.RegRead(kTessalyKey & "Installation Path")
  If Err.Number <> 0 Then previous_install = Empty
  Err.Clear
  On Error GoTo 0
  shell.RegWrite kTessalyKey & "Installation Path", install, "REG_SZ"
End Sub

Sub RestoreInstallation()
  If IsEmpty(previous_install) Then
    ' Wine's RegDelete fails (0x1BD): reg.exe removes the value.
    shell.Run "reg delete ""HKCU\Software\Orvane\Orvane Tessaly"" /v ""Installation Path"" /f", _
        0, True
  Else
    shell.RegWrite kTessalyKey & "Installation Path", previous_install, "REG_SZ"
  End If
  fso.DeleteFolder install, True
End Sub

Sub PrintSummary()
  WScript.Echo passed & " passed, " & failed & " failed"
End Sub

' The print clients: the log a fake Office application writes (the file at
' log_path), and the user's default printer queue.
Const kDevice = "HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows\Device"
Dim log_path

Function LogText()
  LogText = vbCrLf
  If fso.FileExists(log_path) Then LogText = vbCrLf & fso.OpenTextFile(log_path).ReadAll()
End Function

' Whether a line of the log begins with `start`.
Function Logged(start)
  Logged = InStr(1, LogText(), vbCrLf & start, vbBinaryCompare) > 0
End Function

Function DefaultQueue()
  Dim fields
  fields = Split(shell.RegRead(kDevice), ",")
  DefaultQueue = fields(0)
End Function

' Each of `lines` in the PlugIn text the fake logged at the print-out;
' `line_end` vbCrLf matches whole lines, "" their beginnings.
Sub CheckPlugInAtPrintOut(lines, line_end)
  Dim line
  For Each line In lines
    Check "PlugIn at the print-out: " & line, Logged("PrintOut.PlugIn: " & line & line_end), True
  Next
End Sub

' After a job the previous queue is the default again; "qvPD" and "qvPP"
' stay raised after a print and are lowered after a failure.
Sub CheckAfterJob(failed, previous)
  Dim after, flag
  after = "after a print"
  flag = "1"
  If failed Then
    after = "after a failure"
    flag = "0"
  End If
  Check "default " & Replace(after, " a print", ""), DefaultQueue(), previous
  Check "qvPD " & after, shell.RegRead(kTessalyKey & "qvPD"), flag
  Check "qvPP " & after, shell.RegRead(kTessalyKey & "qvPP"), flag
End Sub

' The end of a print client: the fakes' test key removed (Wine's RegDelete
' fails on it, reg.exe does not), the installation put back, the summary.
Sub EndPrintClient()
  shell.Run "reg delete ""HKCU\Software\Tessaly Tests"" /f", 0, True
  RestoreInstallation
  PrintSummary
End Sub
