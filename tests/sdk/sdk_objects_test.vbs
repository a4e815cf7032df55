' The main object and the profile settings object from a script client:
' profile lifecycle, global settings, a sample of settings of each type and
' the SDK's error codes as Err.Number and Err.Description.
' The run ends with the line "N passed, M failed"; the harness checks that
' line, because a script error can end a run early without a failing exit
' code.
UseNewInstallation "tessaly-vbs-"

Dim tessaly, settings, created, working, font
Set tessaly = CreateObject("TessalySDK.qvTessaly")

' A fresh installation.
Check "PrinterName", tessaly.PrinterName, "Orvane Tessaly"
Check "Edition", tessaly.Edition, "Professional"
Check "Version", tessaly.Version, "1.0b"
Check "CurrentProfileName", tessaly.CurrentProfileName, "[PDF - Best Quality]"
Check "qvPD", shell.RegRead(kTessalyKey & "qvPD"), "1"
Check "Profiles.qvf", fso.FileExists(fso.BuildPath(install, "Profiles\Profiles.qvf")), True

' Profile lifecycle.
Set created = tessaly.CreateNewProfile("Invoices")
Check "new profile Name", created.Name, "Invoices"
created.DocInfoAuthor = "Accounts"
' The count is that of the list as last refreshed: before the profile's
' first setting gave it a section.
Check "GetProfileCount", tessaly.GetProfileCount(), 1
Check "CurrentProfile edits the new profile", tessaly.CurrentProfile.DocInfoAuthor, "Accounts"
Check "CurrentProfileName unchanged", tessaly.CurrentProfileName, "[PDF - Best Quality]"
tessaly.SelectCurrentProfile "Invoices"
Check "selected", tessaly.CurrentProfileName, "Invoices"
Check "GetProfileCount after select", tessaly.GetProfileCount(), 2
Set working = tessaly.CurrentProfile
Check "working copy Name", working.Name, "Invoices"
working.DocInfoAuthor = "Billing"
Check "not applied yet", created.DocInfoAuthor, "Accounts"
Check "SaveCurrentProfileAs", tessaly.SaveCurrentProfileAs("Invoices (stored)"), True
Check "ApplyChangesToCurrentProfile", tessaly.ApplyChangesToCurrentProfile(), True
Check "applied", created.DocInfoAuthor, "Billing"
Check "two objects agree", tessaly.CurrentProfile.DocInfoAuthor, working.DocInfoAuthor
Check "DeleteProfile", tessaly.DeleteProfile("Invoices (stored)"), True
Check "GetProfileCount after delete", tessaly.GetProfileCount(), 2

' The SDK's own errors.
Const kProtected = "The Default Standard Setting can not be deleted or Modified."
Const kNotFound = "The profile by specified name does not exists."
On Error Resume Next
tessaly.CreateNewProfile "Invoices"
CheckError "6300", &H80041A9C, "The profile by specified name already exists."
tessaly.CreateNewProfile "[PDF - Best Quality]"
CheckError "6200", &H80041A38, kProtected
tessaly.DeleteProfileByIndex 0
CheckError "6200 by index", &H80041A38, kProtected
tessaly.SelectCurrentProfile "invoices"
CheckError "6400", &H80041B00, kNotFound
tessaly.DeleteProfileByIndex 2
CheckError "6400 by index", &H80041B00, kNotFound
tessaly.CreateNewProfile "a<b"
CheckError "6500", &H80041B64, _
    "A profilename cannot contain any of the following characters:" & vbCr & _
    "\ / :  * ? "" < > |"
working.WatermarkSelectedProfile = "No such watermark"
CheckError "6400 watermark", &H80041B00, kNotFound
working.EmailBody = 5
CheckError "list of a number", &H8000FFFF, "The value must be a one-dimensional array of strings."
On Error GoTo 0

' Global settings.
tessaly.ShowPreview = False
Check "ShowPreview", tessaly.ShowPreview, False
tessaly.ViewGeneratedDocuments = 1
Check "ViewGeneratedDocuments", tessaly.ViewGeneratedDocuments, True
tessaly.DefaultOutputDirectory = "C:\Output\"
Check "DefaultOutputDirectory", tessaly.DefaultOutputDirectory, "C:\Output\"
tessaly.OutputDocumentName = "Quarterly report"
Check "OutputDocumentName", tessaly.OutputDocumentName, "Quarterly report"
tessaly.OutputDocumentFormat = 9
Check "OutputDocumentFormat WMF", tessaly.OutputDocumentFormat, 9
tessaly.OutputDocumentFormat = 3
Check "OutputDocumentFormat TIFF reads as PDF", tessaly.OutputDocumentFormat, 0
tessaly.SourceApplication = 1
Check "SourceApplication", tessaly.SourceApplication, 1

' A sample of settings of each type.
working.EmailSubject = "Your invoice"
Check "string", working.EmailSubject, "Your invoice"
working.EmailAfterCreate = 1
Check "boolean", working.EmailAfterCreate, True
working.EmailSMTPServerPort = 587
Check "integer", working.EmailSMTPServerPort, 587
working.PDFImage24BitColorDepth = 261
Check "enumeration", working.PDFImage24BitColorDepth, 5
working.HTMLBackgroundColor = &HFF00&
' OLE_COLOR arrives as an unsigned long, which the script engine only prints.
Check "colour", CStr(working.HTMLBackgroundColor), "65280"
working.BMPScaleX = 1.5
Check "float", working.BMPScaleX, 1.5
Check "list default", TypeName(working.EmailBody), "Variant()"
working.EmailBody = Array("Dear customer,", "", "your invoice is attached.")
Set font = working.HTMLDefaultFont
font.Name = "DejaVu Serif"
font.Size = 12
font.Bold = True
working.HTMLNavigatorTextFont = font
Check "font face", working.HTMLNavigatorTextFont.Name, "DejaVu Serif"
Check "font size", working.HTMLNavigatorTextFont.Size, 12
Check "font bold", working.HTMLNavigatorTextFont.Bold, True
Check "RTFTextOptimization", working.RTFTextOptimization, 0
shell.RegWrite kTessalyKey & "qvPD", "0", "REG_SZ"
tessaly.Update
Check "Update raises qvPD", shell.RegRead(kTessalyKey & "qvPD"), "1"

' Releasing the main object writes the stores; a new one reads them.
Set created = Nothing
Set working = Nothing
Set font = Nothing
Set tessaly = Nothing
Set tessaly = CreateObject("TessalySDK.qvTessaly")
Check "reopened CurrentProfileName", tessaly.CurrentProfileName, "Invoices"
Check "reopened working copy", tessaly.CurrentProfile.EmailSubject, "Your invoice"
Check "reopened global setting", tessaly.OutputDocumentName, "Quarterly report"
Check "reopened profile count", tessaly.GetProfileCount(), 2
Set tessaly = Nothing

RestoreInstallation

PrintSummary
