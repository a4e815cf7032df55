// The contract of the type library TessalySDK as callers see it: every
// enumeration, interface and class in library order, with every member.
// Kept apart from the IDL on purpose: a change to either one shows here.
// The members of IqvProfileSettingsX are checked against the profile key
// table instead.

#include "tests/server/type_library_expected.h"

namespace tessaly {

// "Name {GUID} member=value ...".
const std::vector<std::string> kExpectedEnumerations = {
    "TxqvDocumentFormat {0E608ABD-7478-4EE6-8C04-C07DD36E228B} PDF=0 HTML=1 XHTML=2 TIFF=3"
    " PNG=4 SVG=5 JPEG=6 BMP=7 GIF=8 WMF=9 EMF=10",
    "TxqvSourceApplication {5C8F24D4-C7EF-4787-BE06-36CA8B7197FB} MSWord=0 MSExcel=1"
    " MSPowerPoint=2 Other=3",
    "TxqvColorDepth {DB074A1A-3CB6-4DD6-B6C3-60C7B03AFDB1} pf1Bit=0 pf4Bit=1 pf8Bit=2"
    " pf15Bit=3 pf16Bit=4 pf24Bit=5 pf32Bit=6",
    "TxqvResolution {F85DD339-4EA8-431E-B099-4A5817637DEE} res50DPI=0 res75DPI=1 res100DPI=2"
    " res150DPI=3 res200DPI=4 res300DPI=5",
    "TxqvCompressionLevel {27A366DB-F550-40D5-961C-07C9A436D5DB} clFast=0 clNormal=1"
    " clMaxCompress=2",
    "TxqvPDFColorImageCompressionType {EBC0D8B0-E332-46DE-85B7-D64DCA9CE940} pdfColorImgJPEG=0"
    " pdfColorImgFlate=1",
    "TxqvPDF8BitImageCompressionType {E03311E7-2119-4454-97B7-BE8DEF48AFCF} pdf8bitImgJPEG=0"
    " pdf8bitFlate=1",
    "TxqvPDFMonochromeImageCompressionType {161DBE56-07A1-43A8-9094-ED51328A2A13}"
    " pdfMonoImgJPEG=0 pdfMonoImgFlate=1 pdfMonoImgCCITT3=2 pdfMonoImgCCITT4=3",
    "TxqvPageLayout {CA51635A-F09C-4194-8AE9-A81EF9D590A0} plSinglePage=0 plContinous=1"
    " plOddPagesToLeft=2 plOddPagesToRight=3",
    "TxqvPageInitialView {01444695-1782-4CA6-B160-2CA3FD201A21} pmHideNavigationPane=0"
    " pmShowBookmarks=1 pmShowThumbnails=2 pmShowFullScreen=3",
    "TxqvTransitionEffect {93EFDF43-597B-4A55-A566-A50874A5C8FB} teNone=0"
    " teSplitHorizontalInward=1 teSplitHorizontalOutward=2 teSplitVerticalInward=3"
    " teSplitVerticalOutward=4 teBlindsHorizontal=5 teBlindsVertical=6 teBoxInward=7"
    " teBoxOutward=8 teWipeLeftToRight=9 teWipeBottomToTop=10 teWipeRightToLeft=11"
    " teWipeTopToBottom=12 teDissolve=13 teGlitterLeftToRight=14 teGlitterTopToBottom=15"
    " teGlitterTopLeftToBottomRight=16",
    "TxqvPDFEncryptionLevel {43937A8B-80AD-41BC-B2C5-55D85FB514AA} el40Bit=0 el128Bit=1",
    "TxqvRTFTextOptimization {838B997E-871D-429E-BEBB-592C764024F3} etPositionalAccuracy=0"
    " etEaseOfEditing=1",
    "TxqvRTFColorImageCompressionType {2364A108-4121-4040-807F-4CBA1A128484} rtfColorImgJPEG=0"
    " rtfColorImgPNG=1 rtfColorImgMetafile=2",
    "TxqvRTF8BitImageCompressionType {D53E2606-D14D-4FB0-A6DD-B1809CF960EC} rtf8bitImgJPEG=0"
    " rtf8bitImgPNG=1 rtf8bitImgMetafile=2",
    "TxqvRTFMonochromeImageCompressionType {FFEEC1D5-6188-4F23-9229-4BAB391F9D50}"
    " rtfMonoImgJPEG=0 rtfMonoImgPNG=1 rtfMonoImgMetafile=2 rtfMonoImgCCITT3=2"
    " rtfMonoImgCCITT4=4",
    "TxqvEXCELColorImageCompressionType {0C46B7B6-53BF-4871-AD52-C214C39B433A}"
    " ExcelColorImgMetafile=0",
    "TxqvEXCEL8BitImageCompressionType {C910345F-4821-4D0B-BBE2-F69A8CE430A0}"
    " Excel8BitImgMetafile=0",
    "TxqvEXCELMonochromeImageCompressionType {198AD820-25E3-46EF-AD64-0644F86FDDB8}"
    " ExcelMonoImgMetafile=0",
    "TxqvTextLineSpacing {66067DB4-60DB-4E95-AB92-63D1AAC8B2BF} lsActual=0 lsOneBlank=1"
    " lsTwoBlank=2 lsThreeBlank=3 lsFourBlank=4 lsFiveBlank=5",
    "TxqvPNGColorType {D100D18B-70A1-48E8-B700-47F0B1C611E7} ctGrayScale=0 ctRGB=1 ctRGBA=2"
    " ctGrayAlpha=3",
    "TxqvPNGUnitSpecifier {ECCC7C20-C079-45BD-ACA3-84AFD752F1F4} psNone=0 psMeter=1",
    "TxqvTIFFCompressionType {BF1D3625-588C-4ABA-AF55-8E0C0D6F012B} ctNone=0 ctPackBits=1"
    " ctZip=2",
    "TxqvHTMLNavigatorType {58340A23-6708-436A-93E2-1F3A7DEF5609} ntFixedToScreen=0"
    " ntFixedToPage=1",
    "TxqvHTMLNavigatorPosition {622C02AE-7EC0-4028-80C6-4F83A47EE47E} npTopLeft=0"
    " npTopCenter=1 npTopRight=2 npCenterLeft=3 npCenter=4 npCenterRight=5 npBottomLeft=6"
    " npBottomCenter=7 npBottomRight=8",
    "TxqvHTMLColorImageCompressionType {6C3F6BA4-7F8B-4A16-95FF-BC6925DF8883}"
    " htmlColorImgJPEG=0 htmlColorImgPNG=1 htmlColorImgGIF=2",
    "TxqvHTML8BitImageCompressionType {1D24499A-0EA6-4507-BF5D-DA04CA9594A3} html8bitImgJPEG=0"
    " html8bitImgPNG=1 html8bitImgGIF=2",
    "TxqvHTMLMonochromeImageCompressionType {66CD0336-B1CF-4334-B70D-DAE6536D0F09}"
    " htmlMonoImgJPEG=0 htmlMonoImgPNG=1 htmlMonoImgGIF=2 htmlMonoImgCCITT3=3"
    " htmlMonoImgCCITT4=4",
    "TxqvMeasurementUnit {866592A7-98A5-4F8D-8D7F-A47EB1BC0DB4} muPixels=0 muInches=1 muMM=2"
    " muPoints=3 muTwips=4",
    "TxqvWatermarkPageRange {99E0D5D4-67F8-4402-8646-8B497599EDEE} prAllPages=0 prEvenPages=1"
    " prOddPages=2 prFirstPage=3 prLastPage=4 prCustom=5",
    "TxqvHTMLNavigatorOrientation {0BE73CBE-7F8D-4825-ABFC-B28B10E84346} noHorizontal=0"
    " noVertical=1",
    "TxqvJPEGQuality {8EB0952E-6223-4769-A493-07B66C4533EB} jqLowest=0 jqLow=1 jqMediumLow=2"
    " jqMedium=3 jqMediumHigh=4 jqHigh=5 jqHighest=6",
    "TxqvEmailMethod {075BAD83-1CFD-4B07-905A-813BD07B9914} DefaultMailClient=0"
    " DirectSMTPServer=1",
    "TxqvHTMLNavigatorLinkType {67B502F6-D030-4D5F-B90B-E1B42B5D39DB} ltText=0 ltGraphic=1",
    "TxqvWatermarkType {B1F58123-0062-454F-ABA4-A59E0AEBA8FB} wtText=0 wtImage=1 wtNone=2",
    "TxqvHorizontalAnchorPoint {DBCB3FAD-206E-463B-B3AD-E05AC59D55ED} apLeft=0 apCenter=1"
    " apRight=2 apHCustom=3",
    "TxqvVerticalAnchorPoint {3E1F14E4-71FA-49A3-91C2-9CD8585A8B75} apTop=0 apMiddle=1"
    " apBottom=2 apVCustom=3",
    "TxqvLinkHighlightMode {4CE634F8-58E9-4923-97C6-4477BDE0BF98} hmNone=0 hmInvertContent=1"
    " hmInvertBorder=2 hmPushed=3",
    "TxqvLinkBorderWidth {3A28AF0C-30B1-4312-AFE1-ADB01B668BAB} bwNone=0 bwThin=1 bwMedium=2"
    " bwThick=3",
    "TxqvExcelPrintOption {5E95EEF5-C91C-496B-8E24-59178E4AB1E2} poEntireWorkbook=0"
    " poActiveWorkSheet=1",
    "TxqvLinkType {4410030A-97E1-4C2C-94EE-FE4EA8FA3DA7} htWithinDocument=0 htInternetLink=1"
    " htFileAttachment=2",
    "TxqvTTFontEmbedding {261E49DC-1211-47F1-A65A-F860F2C90AAB} feNone=0 feFull=1 feSubset=2",
    "TxqvNotesPosition {0BF26AA1-02AE-48CA-92BD-1CDFAF58DE19} LeftTop=0 RightTop=1"
    " LeftBottom=2 RightBottom=3",
};

// "{IID} Name : Base [help string]", in library order: widl enters an interface
// where it is first used, so IqvWatermarkProfileX, used by IqvTessaly, comes
// before IqvWatermarkX.
const std::vector<std::string> kExpectedInterfaces = {
    "{478F266F-F564-4824-A673-BC7C905AE5D8} IqvTessaly : IDispatch [Orvane Tessaly SDK]",
    "{30CA4C03-F5DB-48DE-BB5C-2E3E3618E28B} IqvProfileSettingsX : IDispatch [Interface for"
    " Profile Settings of Orvane Tessaly]",
    "{9CD90F09-44CC-4C0A-912E-89C7D235F74C} IqvWatermarkProfileX : IDispatch",
    "{8DBF66A6-2713-4E64-8A44-A6114C78D155} IqvWatermarkX : IDispatch",
    "{624AE952-E50B-4AFE-AECC-C480B8481998} IqvTextWatermarkX : IqvWatermarkX",
    "{C65CB637-D30F-4A26-9103-7C9B3C4A1C6F} IqvImageWatermarkX : IqvWatermarkX",
    "{1764077E-2CA2-480D-9E78-D0B1C85F2C04} IqvOfficeAddinSettingsX : IDispatch",
    "{E5ABAC58-7B8C-45BA-B6F8-878C8A1328C3} IqvAddinPDFBookmarkX : IDispatch",
    "{09EC4F7B-E60F-4C7B-B7B0-05BE03873FD5} IqvAddinPDFHyperlinkX : IDispatch",
    "{1BE4A549-AD45-49B8-928C-DB1BA2EDD4D1} IqvAddinPDFNotesX : IDispatch",
    "{0057B658-331C-42BE-BACD-7D43149E9AD5} IqvDocumentPropertiesX : IDispatch",
};

// "{CLSID} Name : DefaultInterface [help string]".
const std::vector<std::string> kExpectedClasses = {
    "{F0D64DBE-D348-41CF-BD43-F87BC3D44B68} qvTessaly : IqvTessaly [Orvane Tessaly SDK]",
    "{CA4519AC-EF74-4495-933A-A4D95C3DEC5E} qvProfileSettingsX : IqvProfileSettingsX [Profile"
    " Settings of Orvane Printer]",
    "{85D8F9F6-369C-4C31-AC20-DD098A833C64} qvImageWatermarkX : IqvImageWatermarkX",
    "{BF9E7FD9-8F1D-4507-99A0-4A82BFE5C7AF} qvTextWatermarkX : IqvTextWatermarkX",
    "{B3AFFFE8-53FA-4D8B-ACFB-EB71032398B8} qvWatermarkX : IqvWatermarkX",
    "{0EA86645-25E0-4E12-95FE-65DF491AE966} qvWatermarkProfileX : IqvWatermarkProfileX",
    "{656D1E8E-A863-4EA2-9335-64EA95F9D311} qvOfficeAddinSettingsX : IqvOfficeAddinSettingsX",
    "{85E3DD1D-06C1-425B-986A-4B35F4917A20} qvAddinPDFBookmarkX : IqvAddinPDFBookmarkX",
    "{6E4BC969-DF19-4493-9549-AD08D36686C5} qvAddinPDFHyperlinkX : IqvAddinPDFHyperlinkX",
    "{12CAD453-762D-4AFD-B0E6-827976CD0B12} qvAddinPDFNotesX : IqvAddinPDFNotesX",
    "{E5F610B9-1445-4DC9-96ED-41BE21F9C1FF} qvDocumentPropertiesX : IqvDocumentPropertiesX",
};

// Members in vtable order: "dispid kind Name(parameters) result".
const std::vector<ExpectedMembers> kExpectedMembers = {
    {"IqvTessaly",
     {
         "206 func DeleteProfile(BSTR ProfileName) VARIANT_BOOL",
         "207 func CreateNewProfile(BSTR ProfileName) IqvProfileSettingsX*",
         "209 func GetProfilesList() VARIANT",
         "211 get PrinterName() BSTR",
         "212 get Edition() BSTR",
         "213 get Version() BSTR",
         "214 get DefaultOutputDirectory() BSTR",
         "214 put DefaultOutputDirectory(BSTR)",
         "215 get ViewGeneratedDocuments() VARIANT_BOOL",
         "215 put ViewGeneratedDocuments(VARIANT_BOOL)",
         "216 get ShowPreview() VARIANT_BOOL",
         "216 put ShowPreview(VARIANT_BOOL)",
         "217 get ShowSaveDialog() VARIANT_BOOL",
         "217 put ShowSaveDialog(VARIANT_BOOL)",
         "218 get OutputDocumentName() BSTR",
         "218 put OutputDocumentName(BSTR)",
         "219 get UseCustomDocumentName() VARIANT_BOOL",
         "219 put UseCustomDocumentName(VARIANT_BOOL)",
         "220 get SourceApplication() TxqvSourceApplication",
         "220 put SourceApplication(TxqvSourceApplication)",
         "221 get OutputDocumentFormat() TxqvDocumentFormat",
         "221 put OutputDocumentFormat(TxqvDocumentFormat)",
         "475 func GetWatermarkProfilesList() VARIANT",
         "223 func GetWatermarkProfile(BSTR ProfileName) IqvWatermarkProfileX*",
         "224 func CreateWatermarkProfile(BSTR ProfileName, VARIANT_BOOL Overwrite)"
         " IqvWatermarkProfileX*",
         "225 func CreateTextWatermarkItem(BSTR ItemName) IqvTextWatermarkX*",
         "226 func CreateImageWatermarkItem(BSTR ItemName) IqvImageWatermarkX*",
         "222 get OfficeAddinSettings() IqvOfficeAddinSettingsX*",
         "222 put OfficeAddinSettings(IqvOfficeAddinSettingsX*)",
         "227 func AddPDFBookmark(BSTR Text, long Level, long VerticalPosition, long Page) long",
         "233 func AddPDFLinkToURI(BSTR Address, long Left, long Top, long Right, long Bottom,"
         " long Page, stdole.OLE_COLOR BorderColor, TxqvLinkBorderWidth BorderWidth,"
         " TxqvLinkHighlightMode HighlightMode) long",
         "232 func AddPDFNote(BSTR NoteText, VARIANT_BOOL KeepOpen, long Left, long Top, long"
         " Right, long Bottom, long Page, stdole.OLE_COLOR Color) long",
         "234 func AddPDFLinkToFile(BSTR FileName, long Left, long Top, long Right, long"
         " Bottom, long Page, stdole.OLE_COLOR BorderColor, TxqvLinkBorderWidth BorderWidth,"
         " TxqvLinkHighlightMode HighlightMode) long",
         "235 func AddPDFLinkWithinDocument(long Left, long Top, long Right, long Bottom, long"
         " Page, long DestVerticalPosition, long DestPage, stdole.OLE_COLOR BorderColor,"
         " TxqvLinkBorderWidth BorderWidth, TxqvLinkHighlightMode HighlightMode) long",
         "236 get ShowSettingsDialog() VARIANT_BOOL",
         "236 put ShowSettingsDialog(VARIANT_BOOL)",
         "204 get CurrentProfileName() BSTR",
         "231 func DeleteProfileByIndex(long Index) VARIANT_BOOL",
         "237 func GetProfileCount() long",
         "238 func Update()",
         "240 func DeleteWatermarkProfile(BSTR ProfileName) VARIANT_BOOL",
         "241 func DeleteWatermarkProfileByIndex(long Index) VARIANT_BOOL",
         "242 func SetAsDefaultPrinter() VARIANT_BOOL",
         "243 func RestoreDefaultPrinter() VARIANT_BOOL",
         "202 func ApplyChangesToCurrentProfile() VARIANT_BOOL",
         "203 func SelectCurrentProfile(BSTR ProfileName)",
         "205 func SaveCurrentProfileAs(BSTR NewProfileName) VARIANT_BOOL",
         "251 func PrintWordDocument(BSTR DocumentName)",
         "252 func PrintPowerPointPresentation(BSTR PresentationName)",
         "253 func PrintExcelDocument(BSTR DocumentName)",
         "254 func PrintDocument(BSTR DocumentName)",
         "210 get CurrentProfile() IqvProfileSettingsX*",
         "208 func IsPrinting() VARIANT_BOOL",
     }},
    {"IqvWatermarkX",
     {
         "201 get ItemName() BSTR",
         "202 get X() double",
         "202 put X(double)",
         "203 get Y() double",
         "203 put Y(double)",
         "204 get Angle() long",
         "204 put Angle(long)",
         "205 get HorizontalAnchorPoint() TxqvHorizontalAnchorPoint",
         "205 put HorizontalAnchorPoint(TxqvHorizontalAnchorPoint)",
         "206 get VerticalAnchorPoint() TxqvVerticalAnchorPoint",
         "206 put VerticalAnchorPoint(TxqvVerticalAnchorPoint)",
         "207 get WatermarkType() TxqvWatermarkType",
     }},
    {"IqvTextWatermarkX",
     {
         "301 get Text() BSTR",
         "301 put Text(BSTR)",
         "302 get Font() stdole.IFontDisp*",
         "302 put Font(stdole.IFontDisp*)",
         "303 get TextColor() stdole.OLE_COLOR",
         "303 put TextColor(stdole.OLE_COLOR)",
         "304 get RectColor() stdole.OLE_COLOR",
         "304 put RectColor(stdole.OLE_COLOR)",
     }},
    {"IqvImageWatermarkX",
     {
         "401 get ImagePath() BSTR",
         "401 put ImagePath(BSTR)",
         "402 get Height() double",
         "402 put Height(double)",
         "403 get Width() double",
         "403 put Width(double)",
         "404 get CoverPage() VARIANT_BOOL",
         "404 put CoverPage(VARIANT_BOOL)",
         "405 get KeepAspectRatio() VARIANT_BOOL",
         "405 put KeepAspectRatio(VARIANT_BOOL)",
     }},
    {"IqvWatermarkProfileX",
     {
         "201 get ProfileName() BSTR",
         "202 get Count() long",
         "203 func GetItemType(long Index) TxqvWatermarkType",
         "204 func GetItemByIndex(long Index) IDispatch*",
         "205 func DeleteItemByIndex(long Index) VARIANT_BOOL",
         "206 func AddTextItem(IqvTextWatermarkX* Item, VARIANT_BOOL ReplaceIfExists)"
         " VARIANT_BOOL",
         "207 func AddImageItem(IqvImageWatermarkX* Item, VARIANT_BOOL ReplaceIfExists)"
         " VARIANT_BOOL",
         "208 func GetItemByName(BSTR ItemName) IDispatch*",
         "209 func DeleteItemByName(BSTR ItemName) VARIANT_BOOL",
     }},
    {"IqvOfficeAddinSettingsX",
     {
         "201 get WordHeadingsToBookmarks() VARIANT_BOOL",
         "201 put WordHeadingsToBookmarks(VARIANT_BOOL)",
         "202 get WordBookmarksToBookmarks() VARIANT_BOOL",
         "202 put WordBookmarksToBookmarks(VARIANT_BOOL)",
         "203 get WordHiddenBookmarksToBookmarks() VARIANT_BOOL",
         "203 put WordHiddenBookmarksToBookmarks(VARIANT_BOOL)",
         "204 get WordHyperlinksToLinks() VARIANT_BOOL",
         "204 put WordHyperlinksToLinks(VARIANT_BOOL)",
         "205 get WordTOCToLinks() VARIANT_BOOL",
         "205 put WordTOCToLinks(VARIANT_BOOL)",
         "206 get WordNotesToLinks() VARIANT_BOOL",
         "206 put WordNotesToLinks(VARIANT_BOOL)",
         "207 get WordLinkHighlightMode() TxqvLinkHighlightMode",
         "207 put WordLinkHighlightMode(TxqvLinkHighlightMode)",
         "208 get WordLinkBorderWidth() TxqvLinkBorderWidth",
         "208 put WordLinkBorderWidth(TxqvLinkBorderWidth)",
         "209 get WordLinkBorderColor() stdole.OLE_COLOR",
         "209 put WordLinkBorderColor(stdole.OLE_COLOR)",
         "210 get WordCommentsToPDFNotes() VARIANT_BOOL",
         "210 put WordCommentsToPDFNotes(VARIANT_BOOL)",
         "211 get WordNotesKeepOpen() VARIANT_BOOL",
         "211 put WordNotesKeepOpen(VARIANT_BOOL)",
         "212 get WordNotesColor() stdole.OLE_COLOR",
         "212 put WordNotesColor(stdole.OLE_COLOR)",
         "213 get ExcelSheetNamesToBookmarks() VARIANT_BOOL",
         "213 put ExcelSheetNamesToBookmarks(VARIANT_BOOL)",
         "214 get ExcelPrintOption() TxqvExcelPrintOption",
         "214 put ExcelPrintOption(TxqvExcelPrintOption)",
         "215 get PptSlideOutlinesToBookmarks() VARIANT_BOOL",
         "215 put PptSlideOutlinesToBookmarks(VARIANT_BOOL)",
         "216 get PptHyperlinksToLinks() VARIANT_BOOL",
         "216 put PptHyperlinksToLinks(VARIANT_BOOL)",
         "217 get PptLinkHighlightMode() TxqvLinkHighlightMode",
         "217 put PptLinkHighlightMode(TxqvLinkHighlightMode)",
         "218 get PptLinkBorderWidth() TxqvLinkBorderWidth",
         "218 put PptLinkBorderWidth(TxqvLinkBorderWidth)",
         "219 get PptLinkBorderColor() stdole.OLE_COLOR",
         "219 put PptLinkBorderColor(stdole.OLE_COLOR)",
         "220 get PptDocumentPropertiestoDocumentInfo() VARIANT_BOOL",
         "220 put PptDocumentPropertiestoDocumentInfo(VARIANT_BOOL)",
         "221 get PptPresentationNotestoPDFNotes() VARIANT_BOOL",
         "221 put PptPresentationNotestoPDFNotes(VARIANT_BOOL)",
         "222 get PptNotesPosition() TxqvNotesPosition",
         "222 put PptNotesPosition(TxqvNotesPosition)",
         "223 get PptNotesColor() long",
         "223 put PptNotesColor(long)",
         "224 get ExcelDocumentPropertiestoDocumentInfo() VARIANT_BOOL",
         "224 put ExcelDocumentPropertiestoDocumentInfo(VARIANT_BOOL)",
         "225 get WordDocumentPropertiestoDocumentInfo() VARIANT_BOOL",
         "225 put WordDocumentPropertiestoDocumentInfo(VARIANT_BOOL)",
         "226 get PptNotesKeepOpen() VARIANT_BOOL",
         "226 put PptNotesKeepOpen(VARIANT_BOOL)",
         "227 get PptPresentationTextToPDFBookmark() VARIANT_BOOL",
         "227 put PptPresentationTextToPDFBookmark(VARIANT_BOOL)",
     }},
    {"IqvAddinPDFBookmarkX",
     {
         "201 get Count() long",
         "201 put Count(long)",
         "202 get Number() long",
         "202 put Number(long)",
         "203 get Text() BSTR",
         "203 put Text(BSTR)",
         "204 get Level() long",
         "204 put Level(long)",
         "205 get Page() long",
         "205 put Page(long)",
         "206 get VerticalPos() long",
         "206 put VerticalPos(long)",
     }},
    {"IqvAddinPDFHyperlinkX",
     {
         "201 get Count() long",
         "201 put Count(long)",
         "202 get Number() long",
         "202 put Number(long)",
         "203 get SourcePage() long",
         "203 put SourcePage(long)",
         "204 get SourceLeft() long",
         "204 put SourceLeft(long)",
         "205 get SourceTop() long",
         "205 put SourceTop(long)",
         "206 get SourceRight() long",
         "206 put SourceRight(long)",
         "207 get SourceBottom() long",
         "207 put SourceBottom(long)",
         "208 get DestPage() long",
         "208 put DestPage(long)",
         "209 get DestLeft() long",
         "209 put DestLeft(long)",
         "210 get DestTop() long",
         "210 put DestTop(long)",
         "211 get DestRight() long",
         "211 put DestRight(long)",
         "212 get DestBottom() long",
         "212 put DestBottom(long)",
         "213 get URI() BSTR",
         "213 put URI(BSTR)",
         "214 get FileName() BSTR",
         "214 put FileName(BSTR)",
         "215 get BorderColor() stdole.OLE_COLOR",
         "215 put BorderColor(stdole.OLE_COLOR)",
         "216 get HyperLinkType() TxqvLinkType",
         "216 put HyperLinkType(TxqvLinkType)",
         "217 get BorderWidth() TxqvLinkBorderWidth",
         "217 put BorderWidth(TxqvLinkBorderWidth)",
         "218 get HighlightMode() TxqvLinkHighlightMode",
         "218 put HighlightMode(TxqvLinkHighlightMode)",
     }},
    {"IqvAddinPDFNotesX",
     {
         "201 get Count() long",
         "201 put Count(long)",
         "202 get Number() long",
         "202 put Number(long)",
         "203 get Page() long",
         "203 put Page(long)",
         "204 get Left() long",
         "204 put Left(long)",
         "205 get Top() long",
         "205 put Top(long)",
         "206 get Right() long",
         "206 put Right(long)",
         "207 get Bottom() long",
         "207 put Bottom(long)",
         "208 get Content() BSTR",
         "208 put Content(BSTR)",
         "209 get Color() stdole.OLE_COLOR",
         "209 put Color(stdole.OLE_COLOR)",
         "210 get Open() VARIANT",
         "210 put Open(VARIANT)",
         "211 get IsPositionPredefined() VARIANT_BOOL",
         "211 put IsPositionPredefined(VARIANT_BOOL)",
         "212 get Position() long",
         "212 put Position(long)",
     }},
    {"IqvDocumentPropertiesX",
     {
         "201 get Title() BSTR",
         "201 put Title(BSTR)",
         "202 get Author() BSTR",
         "202 put Author(BSTR)",
         "203 get Subject() BSTR",
         "203 put Subject(BSTR)",
         "204 get Creator() BSTR",
         "204 put Creator(BSTR)",
         "205 get Keywords() BSTR",
         "205 put Keywords(BSTR)",
         "206 get ExportDocumentProperty() VARIANT_BOOL",
         "206 put ExportDocumentProperty(VARIANT_BOOL)",
     }},
};

}  // namespace tessaly
