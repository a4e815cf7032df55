#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tessaly {

// The part of Word's object model that printing a Word document uses, and
// nothing more. Every member is one call into Word; a call that fails throws
// Exception carrying Word's own message. Objects handed out are new handles
// owned by the caller; they stay usable while the application object they
// came from is alive. Indexes count from 1, as in Word.

class WordRange;

// Information codes of a range or the selection.
enum WordInformation : int32_t {
  kWordEndPage = 3,           // page number of the end
  kWordHorizontalOnPage = 5,  // points from the left edge of the page
  kWordVerticalOnPage = 6,    // points from the top edge of the page
};

// Word's booleans are integers: true is -1, and a font attribute that
// differs within a range reads as kWordUndefined.
constexpr int32_t kWordTrue = -1;
constexpr int32_t kWordUndefined = 9999999;

// A counted collection: Count, and Item by 1-based index.
template <class T>
class WordList {
 public:
  virtual ~WordList() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<T> Item(int32_t index) = 0;
};

// Range.Font.
class WordFont {
 public:
  virtual ~WordFont() = default;
  virtual std::wstring Name() = 0;
  // kWordTrue, 0, or kWordUndefined.
  virtual int32_t Bold() = 0;
  // Points; may be fractional.
  virtual double Size() = 0;
};

// A hyperlink: the text it sits on and its target.
class WordHyperlink {
 public:
  virtual ~WordHyperlink() = default;
  virtual std::unique_ptr<WordRange> Range() = 0;
  // A URL, mail address or file name; "" for a link inside the document.
  virtual std::wstring Address() = 0;
  // The bookmark inside the document; "" for an outside target.
  virtual std::wstring SubAddress() = 0;
  // Word's hyperlink type: 2 is a link on an inline picture.
  virtual int32_t Type() = 0;
};

using WordHyperlinks = WordList<WordHyperlink>;

// A span of a document's text.
class WordRange {
 public:
  virtual ~WordRange() = default;
  // The name of the paragraph style in use, as Word shows it.
  virtual std::wstring Style() = 0;
  // Moves Word's selection to this range.
  virtual void Select() = 0;
  // One of the WordInformation codes, rounded to an integer (halves to
  // even) as an automation integer conversion does.
  virtual int32_t Information(int32_t code) = 0;
  // As Word returns it: paragraph marks and blanks included.
  virtual std::wstring Text() = 0;
  virtual std::unique_ptr<WordFont> Font() = 0;
  // The hyperlinks inside this range.
  virtual std::unique_ptr<WordHyperlinks> Hyperlinks() = 0;
};

// Application.Selection: what Range.Select moved it to.
class WordSelection {
 public:
  virtual ~WordSelection() = default;
  virtual int32_t Information(int32_t code) = 0;
};

class WordParagraph {
 public:
  virtual ~WordParagraph() = default;
  virtual std::unique_ptr<WordRange> Range() = 0;
};

class WordBookmark {
 public:
  virtual ~WordBookmark() = default;
  virtual std::wstring Name() = 0;
  virtual std::unique_ptr<WordRange> Range() = 0;
};

// Document.Bookmarks. Bookmarks whose names begin with "_" (the ones Word
// makes for tables of contents and cross-references) are counted and
// listed only while ShowHidden is on.
class WordBookmarks : public WordList<WordBookmark> {
 public:
  virtual void SetShowHidden(bool show) = 0;
};

class WordTableOfContents {
 public:
  virtual ~WordTableOfContents() = default;
  virtual std::unique_ptr<WordRange> Range() = 0;
};

class WordComment {
 public:
  virtual ~WordComment() = default;
  // The commented text in the body.
  virtual std::unique_ptr<WordRange> Scope() = 0;
  // The comment's own text.
  virtual std::unique_ptr<WordRange> Range() = 0;
};

// A footnote or an endnote.
class WordNote {
 public:
  virtual ~WordNote() = default;
  // The note's text at the foot of the page or the end of the document.
  virtual std::unique_ptr<WordRange> Range() = 0;
  // The note mark in the body.
  virtual std::unique_ptr<WordRange> Reference() = 0;
};

// Indexes of Document.BuiltInDocumentProperties.
enum WordProperty : int32_t {
  kWordTitle = 1,
  kWordSubject = 2,
  kWordAuthor = 3,
  kWordKeywords = 4,
  kWordPageCount = 14,
};

class WordDocument {
 public:
  virtual ~WordDocument() = default;
  // The folder, without a trailing backslash; "" for a document never saved.
  virtual std::wstring Path() = 0;
  // The file name, without the folder.
  virtual std::wstring Name() = 0;
  virtual std::unique_ptr<WordList<WordParagraph>> Paragraphs() = 0;
  virtual std::unique_ptr<WordBookmarks> Bookmarks() = 0;
  virtual std::unique_ptr<WordHyperlinks> Hyperlinks() = 0;
  virtual std::unique_ptr<WordList<WordTableOfContents>> TablesOfContents() = 0;
  virtual std::unique_ptr<WordList<WordComment>> Comments() = 0;
  virtual std::unique_ptr<WordList<WordNote>> Footnotes() = 0;
  virtual std::unique_ptr<WordList<WordNote>> Endnotes() = 0;
  // The Value of a built-in document property (WordProperty), as text or
  // as an integer.
  virtual std::wstring PropertyText(int32_t index) = 0;
  virtual int32_t PropertyInteger(int32_t index) = 0;
};

// Application.Documents: the open documents, and opening one more.
class WordDocuments : public WordList<WordDocument> {
 public:
  // Opens the file with every other open option at Word's default; the
  // opened document becomes the active one.
  virtual std::unique_ptr<WordDocument> Open(const std::wstring& file_name) = 0;
};

// Application.Options.
class WordOptions {
 public:
  virtual ~WordOptions() = default;
  // While on, PrintOut returns before the job reaches the printer.
  virtual bool PrintBackground() = 0;
  virtual void SetPrintBackground(bool on) = 0;
};

// The running Word application.
class WordApplication {
 public:
  virtual ~WordApplication() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual std::unique_ptr<WordDocuments> Documents() = 0;
  // The document with the focus; PrintOut prints it.
  virtual std::unique_ptr<WordDocument> ActiveDocument() = 0;
  virtual std::unique_ptr<WordSelection> Selection() = 0;
  virtual std::unique_ptr<WordOptions> Options() = 0;
  virtual std::wstring ActivePrinter() = 0;
  virtual void SetActivePrinter(const std::wstring& printer) = 0;
  // Prints the content of the active document (Item 0) with every other
  // print option at Word's default.
  virtual void PrintOut() = 0;
};

}  // namespace tessaly
