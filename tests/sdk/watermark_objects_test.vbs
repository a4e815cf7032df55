' Watermark profiles from a script client: item objects created by the main
' object, a profile filled with a text and an image item and read back item
' by item, items replaced and deleted, items of the wrong kind refused, the
' errors 6400 and 6700, and a profile object used after its main object was
' released. The run ends with the line "N passed, M failed"; the harness
' checks that line, because a script error can end a run early without a
' failing exit code.
Const kItemNotFound = &H80041C2C
Const kProfileNotFound = &H80041B00
Const kUnexpected = &H8000FFFF
Const kProfileNotFoundText = "The profile by specified name does not exists."
Const kItemNotFoundText = "The item by specified name or index does not exists."
Const kReleasedText = _
    "This object can no longer be used: the qvTessaly object that created it has been released."

Function FileText(path)
  FileText = fso.OpenTextFile(path, 1).ReadAll()
End Function

Dim watermark_file, picture
UseNewInstallation "tessaly-wm-"
watermark_file = fso.BuildPath(install, "Profiles\WatermarkProfiles.xml")
picture = fso.BuildPath(install, "logo.png")
fso.CreateTextFile(picture).Write "png"

Dim tessaly, text, image, profile, item, again, result
Set tessaly = CreateObject("TessalySDK.qvTessaly")
Check "fresh file", InStr(FileText(watermark_file), "None") > 0, True

' New item objects and their values.
Set text = tessaly.CreateTextWatermarkItem("Stamp")
Check "text ItemName", text.ItemName, "Stamp"
Check "text WatermarkType", text.WatermarkType, 0
Check "text TextColor", CStr(text.TextColor), "0"
Check "text RectColor", CStr(text.RectColor), "16777215"
Set image = tessaly.CreateImageWatermarkItem("Logo")
Check "image WatermarkType", image.WatermarkType, 1
Check "image Width", image.Width, 0
Check "image KeepAspectRatio", image.KeepAspectRatio, False
Check "items not in the file", InStr(FileText(watermark_file), "Stamp"), 0

text.Text = "DRAFT"
text.X = 1.5
text.Angle = 45
text.HorizontalAnchorPoint = 1
text.TextColor = 255
text.Font.Name = "DejaVu Sans"
text.Font.Size = 12
text.Font.Bold = True
image.ImagePath = picture
image.Y = 20
image.Width = 120.5
' A new profile with the two items, read back item by item.
Set profile = tessaly.CreateWatermarkProfile("Draft", False)
Check "ProfileName", profile.ProfileName, "Draft"
Check "new profile is empty", profile.Count, 0
Check "AddTextItem", profile.AddTextItem(text, False), True
Check "AddImageItem", profile.AddImageItem(image, False), True
Check "same name again refused", profile.AddTextItem(text, False), False
Check "items in the file", InStr(FileText(watermark_file), "DRAFT") > 0, True

Set again = tessaly.GetWatermarkProfile("Draft")
Check "Count", again.Count, 2
Check "GetItemType 0", again.GetItemType(0), 0
Check "GetItemType 1", again.GetItemType(1), 1
Set item = again.GetItemByIndex(0)
Check "text ItemName back", item.ItemName, "Stamp"
Check "text Text back", item.Text, "DRAFT"
Check "text X back", item.X, 1.5
Check "text Angle back", item.Angle, 45
Check "text HorizontalAnchorPoint back", item.HorizontalAnchorPoint, 1
Check "text TextColor back", CStr(item.TextColor), "255"
Check "font face back", item.Font.Name, "DejaVu Sans"
Check "font size back", item.Font.Size, 12
Check "font bold back", item.Font.Bold, True
Set item = again.GetItemByName("Logo")
Check "image ImagePath back", item.ImagePath, picture
Check "image Y back", item.Y, 20
Check "image Width back", item.Width, 120.5
' Items come out as objects of their own: changing one changes nothing
' stored.
item.Width = 1
Check "item object is a copy", again.GetItemByName("Logo").Width, 120.5

' Items of the wrong kind are refused.
Check "image as text", again.AddTextItem(image, True), False
Check "text as image", again.AddImageItem(text, True), False

' Replaced, then deleted.
text.Text = "COPY"
Check "replace", again.AddTextItem(text, True), True
Check "replaced in place", tessaly.GetWatermarkProfile("Draft").GetItemByIndex(0).Text, "COPY"
Check "DeleteItemByName", again.DeleteItemByName("Logo"), True
Check "count after delete", tessaly.GetWatermarkProfile("Draft").Count, 1

' Error 6700: no item of that name or index.
On Error Resume Next
Set item = again.GetItemByName("Missing")
CheckError "6700 by name", kItemNotFound, kItemNotFoundText
Set item = again.GetItemByIndex(5)
CheckError "6700 by index", kItemNotFound, kItemNotFoundText
On Error GoTo 0

' Error 6400: no watermark profile of that name; "None" stays.
On Error Resume Next
Set item = tessaly.GetWatermarkProfile("Missing")
CheckError "6400 get", kProfileNotFound, kProfileNotFoundText
result = tessaly.DeleteWatermarkProfile("Missing")
CheckError "6400 delete", kProfileNotFound, kProfileNotFoundText
result = tessaly.DeleteWatermarkProfileByIndex(0)
CheckError "6400 delete None by index", kProfileNotFound, kProfileNotFoundText
On Error GoTo 0
Check "delete None", tessaly.DeleteWatermarkProfile("None"), False
Check "DeleteWatermarkProfile", tessaly.DeleteWatermarkProfile("Draft"), True
Check "deleted from the file", InStr(FileText(watermark_file), "COPY"), 0

' A profile object outliving its main object fails with an error.
Set profile = tessaly.CreateWatermarkProfile("Later", False)
Set again = Nothing
Set tessaly = Nothing
On Error Resume Next
result = profile.Count
CheckError "after release", kUnexpected, kReleasedText
On Error GoTo 0
' The free-standing items keep their own values.
Check "item after release", text.Text, "COPY"
Set profile = Nothing
Set item = Nothing

RestoreInstallation

PrintSummary
