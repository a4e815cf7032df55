#pragma once

// The keys of the PlugIn store, one table per section. The accessors, the
// automation members and their checks are all generated from these rows;
// the key texts are read by the printer and are kept exactly as spelled.

// Settings sections. X(Property, key, Type, default)

#define TQ_WORD_SETTINGS_KEYS(X)                                                \
  X(HeadingsToBookmarks, "Document Headings", Bool, true)                       \
  X(BookmarksToBookmarks, "Document Bookmarks", Bool, true)                     \
  X(HiddenBookmarksToBookmarks, "Document Hidden Bookmarks", Bool, true)        \
  X(HyperlinksToLinks, "Document Hyperlinks", Bool, true)                       \
  X(TOCToLinks, "Table Of Contents", Bool, true)                                \
  X(NotesToLinks, "Foot Notes", Bool, true)                                     \
  X(LinkHighlightMode, "Document annot High Light Mode", Enum, 0)               \
  X(LinkBorderWidth, "Document Link Border Width", Enum, 0)                     \
  X(LinkBorderColor, "Document Link Color", Color, 16777215)                    \
  X(CommentsToPDFNotes, "Document Comments", Bool, true)                        \
  X(NotesKeepOpen, "Document Note Open", Bool, false)                           \
  X(NotesColor, "Document Comment color", Color, 16777215)                      \
  X(DocumentPropertiesToDocumentInfo, "Export Word DocumentProperties", Bool, true)

#define TQ_PPT_SETTINGS_KEYS(X)                                                 \
  X(SlideOutlinesToBookmarks, "Ppt Doc Bookmark", Bool, true)                   \
  X(HyperlinksToLinks, "Ppt Doc Hyperlink", Bool, true)                         \
  X(LinkHighlightMode, "Document annot High Light Mode", Enum, 0)               \
  X(LinkBorderWidth, "Document Link Border Width", Enum, 0)                     \
  X(LinkBorderColor, "Ppt Link Color", Color, 16777215)                         \
  X(DocumentPropertiesToDocumentInfo, "Export Ppt DocumentProperties", Bool, true) \
  X(PresentationNotesToPDFNotes, "Ppt PresentationNotestoPDFNotes", Bool, false) \
  X(NotesPosition, "Ppt Notes Position", Enum, 0)                               \
  X(NotesColor, "Ppt Notes Color", Color, 15780518)                             \
  X(NotesKeepOpen, "Ppt Notes Open", Bool, false)                               \
  X(PresentationTextToPDFBookmark, "Ppt PresentationTexttoPDFBookmarks", Bool, false)

// PrintOption spans the pair "Excel Entire WorkBook" / "Excel Active
// WorkSheet" and is written out by hand in TqvExcelSettings.
#define TQ_EXCEL_SETTINGS_KEYS(X)                                               \
  X(SheetNamesToBookmarks, "Excel Sheet Name", Bool, true)                      \
  X(DocumentPropertiesToDocumentInfo, "Export Excel DocumentProperties", Bool, true)

// X(Property, key, Type, default, dispid)
#define TQ_DOCUMENT_PROPERTIES_KEYS(X)                                          \
  X(Title, "Doc Title", String, "", 201)                                        \
  X(Author, "Doc Author", String, "", 202)                                      \
  X(Subject, "Doc Subject", String, "", 203)                                    \
  X(Creator, "Doc Creator", String, "", 204)                                    \
  X(Keywords, "Doc Keywords", String, "", 205)                                  \
  X(ExportDocumentProperty, "Export DocProperty", Bool, true, 206)

// The add-in settings facade, in the order of its automation interface.
// X(Property, dispid, accessor, accessor property, automation Type,
//   setter mask, getter mask)
// The facade stores `value & setter mask`; the automation getter returns
// `stored & getter mask`.
#define TQ_OFFICE_ADDIN_PROPERTIES(X)                                                        \
  X(WordHeadingsToBookmarks, 201, word, HeadingsToBookmarks, Bool, kAllBits, kAllBits)       \
  X(WordBookmarksToBookmarks, 202, word, BookmarksToBookmarks, Bool, kAllBits, kAllBits)     \
  X(WordHiddenBookmarksToBookmarks, 203, word, HiddenBookmarksToBookmarks, Bool, kAllBits,   \
    kAllBits)                                                                                \
  X(WordHyperlinksToLinks, 204, word, HyperlinksToLinks, Bool, kAllBits, kAllBits)           \
  X(WordTOCToLinks, 205, word, TOCToLinks, Bool, kAllBits, kAllBits)                         \
  X(WordNotesToLinks, 206, word, NotesToLinks, Bool, kAllBits, kAllBits)                     \
  X(WordLinkHighlightMode, 207, word, LinkHighlightMode, Enum, kLow8Bits, kLow7Bits)         \
  X(WordLinkBorderWidth, 208, word, LinkBorderWidth, Enum, kLow7Bits, kLow7Bits)             \
  X(WordLinkBorderColor, 209, word, LinkBorderColor, Color, kAllBits, kAllBits)              \
  X(WordCommentsToPDFNotes, 210, word, CommentsToPDFNotes, Bool, kAllBits, kAllBits)         \
  X(WordNotesKeepOpen, 211, word, NotesKeepOpen, Bool, kAllBits, kAllBits)                   \
  X(WordNotesColor, 212, word, NotesColor, Color, kAllBits, kAllBits)                        \
  X(ExcelSheetNamesToBookmarks, 213, excel, SheetNamesToBookmarks, Bool, kAllBits, kAllBits) \
  X(ExcelPrintOption, 214, excel, PrintOption, Enum, kAllBits, kLow7Bits)                    \
  X(PptSlideOutlinesToBookmarks, 215, ppt, SlideOutlinesToBookmarks, Bool, kAllBits,         \
    kAllBits)                                                                                \
  X(PptHyperlinksToLinks, 216, ppt, HyperlinksToLinks, Bool, kAllBits, kAllBits)             \
  X(PptLinkHighlightMode, 217, ppt, LinkHighlightMode, Enum, kLow8Bits, kLow7Bits)           \
  X(PptLinkBorderWidth, 218, ppt, LinkBorderWidth, Enum, kLow7Bits, kLow7Bits)               \
  X(PptLinkBorderColor, 219, ppt, LinkBorderColor, Color, kAllBits, kAllBits)                \
  X(PptDocumentPropertiestoDocumentInfo, 220, ppt, DocumentPropertiesToDocumentInfo, Bool,   \
    kAllBits, kAllBits)                                                                      \
  X(PptPresentationNotestoPDFNotes, 221, ppt, PresentationNotesToPDFNotes, Bool, kAllBits,   \
    kAllBits)                                                                                \
  X(PptNotesPosition, 222, ppt, NotesPosition, Enum, kAllBits, kAllBits)                     \
  X(PptNotesColor, 223, ppt, NotesColor, Int, kAllBits, kAllBits)                            \
  X(ExcelDocumentPropertiestoDocumentInfo, 224, excel, DocumentPropertiesToDocumentInfo,     \
    Bool, kAllBits, kAllBits)                                                                \
  X(WordDocumentPropertiestoDocumentInfo, 225, word, DocumentPropertiesToDocumentInfo, Bool, \
    kAllBits, kAllBits)                                                                      \
  X(PptNotesKeepOpen, 226, ppt, NotesKeepOpen, Bool, kAllBits, kAllBits)                     \
  X(PptPresentationTextToPDFBookmark, 227, ppt, PresentationTextToPDFBookmark, Bool,         \
    kAllBits, kAllBits)

// Annotation lists. Every list has Count (dispid 201) and the cursor Number
// (202) ahead of its fields. Field keys are a base key followed directly by
// the entry number.
// F(Property, base key, Type, default, dispid, setter mask, getter mask)
// R(Property, side prefix, left key, top key, right key, bottom key,
//   dispid of the left side): a rectangle, one automation member per side
//   (Left, Top, Right, Bottom from that dispid on)
// S(Property, key, Type, default, dispid): one value for the whole list

#define TQ_BOOKMARK_FIELDS(F, R, S)                                             \
  F(Text, "Heading Name", String, "", 203, kAllBits, kAllBits)                  \
  F(Level, "Heading Style", Int, 0, 204, kAllBits, kAllBits)                    \
  F(Page, "Heading Page", Int, 1, 205, kAllBits, kAllBits)                      \
  F(VerticalPos, "Heading Vert Pos", Int, 0, 206, kAllBits, kAllBits)

#define TQ_HYPERLINK_FIELDS(F, R, S)                                            \
  F(SourcePage, "Hyperlink Page Number", Int, 1, 203, kAllBits, kAllBits)       \
  R(SourceRect, Source, "Hyperlink Left Pos", "Hyperlink Top Pos",              \
    "Hyperlink Right Pos", "Hyperlink Bottom Pos", 204)                         \
  F(DestPage, "Hyperlink DestPage Number", Int, 1, 208, kAllBits, kAllBits)     \
  R(DestRect, Dest, "Hyperlink DestLeft Pos", "Hyperlink DestTop Pos",          \
    "Hyperlink DestRight Pos", "Hyperlink DestBottom Pos", 209)                 \
  F(URI, "Hyperlink URI", String, "", 213, kAllBits, kAllBits)                  \
  F(FileName, "Hyperlink Filename", String, "", 214, kAllBits, kAllBits)        \
  F(BorderColor, "Document Link Color", Color, 16777215, 215, kAllBits, kAllBits) \
  F(HyperLinkType, "Hyperlink Type", Enum, 0, 216, kLow8Bits, kLow7Bits)        \
  F(BorderWidth, "Document Link Border Width", Enum, 0, 217, kAllBits, kAllBits) \
  F(HighlightMode, "Document annot High Light Mode", Enum, 0, 218, kLow8Bits, kLow7Bits)

#define TQ_NOTES_FIELDS(F, R, S)                                                \
  F(Page, "Document Comment Page", Int, 1, 203, kAllBits, kAllBits)             \
  R(Rect, , "Document Comment Left Pos", "Document Comment Top Pos",            \
    "Document Comment Right Pos", "Document Comment Bottom Pos", 204)           \
  F(Content, "DocumentCommentText", String, "", 208, kAllBits, kAllBits)        \
  F(Color, "Document Comment color", Color, 16777215, 209, kAllBits, kAllBits)  \
  S(Open, "Document Note Open", Bool, false, 210)                               \
  F(IsPositionPredefined, "Document Comment PredefinedPositions", Bool, false, 211, kAllBits, \
    kAllBits)                                                                   \
  F(Position, "Document Comment Position", Int, 0, 212, kAllBits, kAllBits)
