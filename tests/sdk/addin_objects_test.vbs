' The Office add-in settings object and the PDF annotation lists from a
' script client: two settings objects seeing each other's changes, the
' stored reductions, bookmarks, links and notes appended through the main
' object, the settings kept in PlugIn.qvf across main objects, and a
' settings object used after its main object was released.
' The run ends with the line "N passed, M failed"; the harness checks that
' line, because a script error can end a run early without a failing exit
' code.
Dim plugin
UseNewInstallation "tessaly-addin-"
plugin = fso.BuildPath(install, "Profiles\PlugIn.qvf")

Dim tessaly, settings, other
Set tessaly = CreateObject("TessalySDK.qvTessaly")
Check "PlugIn.qvf created", fso.FileExists(plugin), True

' Each read of OfficeAddinSettings is a new object over the same store.
Set settings = tessaly.OfficeAddinSettings
Set other = tessaly.OfficeAddinSettings
Check "two objects", settings Is other, False
Check "WordHeadingsToBookmarks default", settings.WordHeadingsToBookmarks, True
other.WordHeadingsToBookmarks = False
Check "seen by the other object", settings.WordHeadingsToBookmarks, False
' Values written through one object, read through the other as the store
' keeps them; the neighbouring values stay as they were.
settings.WordLinkBorderWidth = 130
settings.WordLinkHighlightMode = 259
settings.ExcelPrintOption = 1
settings.PptNotesPosition = 300
settings.WordNotesColor = &HFF&
Check "WordLinkBorderWidth keeps 7 bits", other.WordLinkBorderWidth, 2
Check "PptLinkBorderWidth apart", other.PptLinkBorderWidth, 0
Check "WordLinkHighlightMode", other.WordLinkHighlightMode, 3
Check "ExcelPrintOption", other.ExcelPrintOption, 1
Check "PptNotesPosition unchanged", other.PptNotesPosition, 300
Check "PptNotesColor default", settings.PptNotesColor, 15780518
Check "WordNotesColor", CStr(other.WordNotesColor), "255"
' Writing the property is accepted and changes nothing.
Set tessaly.OfficeAddinSettings = other
Check "put OfficeAddinSettings", settings.WordHeadingsToBookmarks, False

' Bookmarks, links and notes through the append protocol.
Check "first bookmark", tessaly.AddPDFBookmark("Chapter 1", 0, 120, 1), 1
Check "second bookmark", tessaly.AddPDFBookmark("Section 1.1", 1, 300, 2), 2
Check "link to URI", _
    tessaly.AddPDFLinkToURI("http://example.com/", 10, 20, 110, 40, 1, &HFF0000, 1, 2), 1
Check "link to file", _
    tessaly.AddPDFLinkToFile("C:\data\sheet.xls", 10, 60, 110, 80, 1, 0, 2, 1), 2
Check "link within document", _
    tessaly.AddPDFLinkWithinDocument(10, 100, 110, 120, 1, 500, 3, 0, 0, 0), 3
Check "first note", tessaly.AddPDFNote("Look here", True, 5, 5, 50, 50, 2, &HFFFF&), 1
Check "second note", tessaly.AddPDFNote("And here", False, 5, 60, 50, 110, 2, &HFFFF&), 2
tessaly.Update

' Update wrote the PlugIn file: a second main object, opened beside the
' first, reads the lists and settings from it. The first is released
' before the second, so the file keeps the second's entry.
Dim reader
Set reader = CreateObject("TessalySDK.qvTessaly")
Check "Update wrote the bookmarks", reader.AddPDFBookmark("Appendix", 0, 0, 9), 3
Check "Update wrote the settings", reader.OfficeAddinSettings.WordHeadingsToBookmarks, False
Set tessaly = Nothing
Set reader = Nothing

' Released main objects wrote the store: a new one goes on from there.
Set tessaly = CreateObject("TessalySDK.qvTessaly")
Check "reopened ExcelPrintOption", tessaly.OfficeAddinSettings.ExcelPrintOption, 1
Check "bookmarks kept", tessaly.AddPDFBookmark("Chapter 2", 0, 0, 3), 4
Check "links kept", tessaly.AddPDFLinkToURI("http://example.org/", 0, 0, 1, 1, 1, 0, 0, 0), 4
Check "notes kept", tessaly.AddPDFNote("Last", False, 0, 0, 1, 1, 1, 0), 3

' A settings object used after its main object was released fails with
' an error instead of reaching a store that no longer exists.
Set settings = tessaly.OfficeAddinSettings
Set other = Nothing
Set tessaly = Nothing
On Error Resume Next
Dim stale
stale = settings.WordTOCToLinks
CheckError "after release", &H8000FFFF, _
    "This object can no longer be used: the qvTessaly object that created it has been released."
settings.WordTOCToLinks = False
CheckError "put after release", &H8000FFFF, _
    "This object can no longer be used: the qvTessaly object that created it has been released."
On Error GoTo 0
Set settings = Nothing

RestoreInstallation

PrintSummary
