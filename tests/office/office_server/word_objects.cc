#include "tests/office/office_server/word_objects.h"

#include <memory>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

using Args = FakeArgs;
using Builder = FakeObject;

int32_t Index(const Args& args) { return FakeIndex(args); }

// Word answers positions in points as they are, not rounded.
Variant Information(const FakeWordText* text, int32_t code, int32_t rounded) {
  if (text && code == kWordHorizontalOnPage) return Variant(text->x);
  if (text && code == kWordVerticalOnPage) return Variant(text->y);
  return Variant(rounded);
}

Variant RangeObject(FakeWordServer* s, std::shared_ptr<WordRange> range);

template <class T, class List>
Builder ListObject(FakeWordServer* s, const wchar_t* kind, std::shared_ptr<List> list,
                   Variant (*make)(FakeWordServer*, std::shared_ptr<T>)) {
  return FakeListObject<T, List>(s, kind, std::move(list), make);
}

template <class T, class Owner>
Variant RangeOwnerObject(FakeWordServer* s, const wchar_t* kind, std::shared_ptr<Owner> owner) {
  return Builder(s, kind)
      .Get(L"Range", [s, owner](const Args&) { return RangeObject(s, owner->Range()); })
      .Value();
}

Variant HyperlinkObject(FakeWordServer* s, std::shared_ptr<WordHyperlink> link) {
  return Builder(s, L"Hyperlink")
      .Get(L"Range", [s, link](const Args&) { return RangeObject(s, link->Range()); })
      .Get(L"Address", [link](const Args&) { return Variant(link->Address()); })
      .Get(L"SubAddress", [link](const Args&) { return Variant(link->SubAddress()); })
      .Get(L"Type", [link](const Args&) { return Variant(link->Type()); })
      .Value();
}

Variant HyperlinksObject(FakeWordServer* s, std::shared_ptr<WordHyperlinks> links) {
  return ListObject<WordHyperlink>(s, L"Hyperlinks", std::move(links), HyperlinkObject).Value();
}

Variant RangeObject(FakeWordServer* s, std::shared_ptr<WordRange> range) {
  return Builder(s, L"Range")
      .Get(L"Style",
           [s, range](const Args&) {
             std::wstring name = range->Style();
             return Builder(s, L"Style")
                 .Default([name](const Args&) { return Variant(name); })
                 .Value();
           })
      .Get(L"Select", [range](const Args&) { return range->Select(), Variant(); })
      .Get(L"Information",
           [range](const Args& args) {
             int32_t code = Index(args);
             int32_t rounded = range->Information(code);
             return Information(FakeWord::TextOf(*range), code, rounded);
           })
      .Get(L"Text", [range](const Args&) { return Variant(range->Text()); })
      .Get(L"Font",
           [s, range](const Args&) {
             std::shared_ptr<WordFont> font = range->Font();
             return Builder(s, L"Font")
                 .Get(L"Name", [font](const Args&) { return Variant(font->Name()); })
                 .Get(L"Bold", [font](const Args&) { return Variant(font->Bold()); })
                 .Get(L"Size", [font](const Args&) { return Variant(font->Size()); })
                 .Value();
           })
      .Get(L"Hyperlinks",
           [s, range](const Args&) { return HyperlinksObject(s, range->Hyperlinks()); })
      .Value();
}

Variant BookmarkObject(FakeWordServer* s, std::shared_ptr<WordBookmark> mark) {
  return Builder(s, L"Bookmark")
      .Get(L"Name", [mark](const Args&) { return Variant(mark->Name()); })
      .Get(L"Range", [s, mark](const Args&) { return RangeObject(s, mark->Range()); })
      .Value();
}

Variant CommentObject(FakeWordServer* s, std::shared_ptr<WordComment> comment) {
  return Builder(s, L"Comment")
      .Get(L"Scope", [s, comment](const Args&) { return RangeObject(s, comment->Scope()); })
      .Get(L"Range", [s, comment](const Args&) { return RangeObject(s, comment->Range()); })
      .Value();
}

Variant NoteObject(FakeWordServer* s, std::shared_ptr<WordNote> note) {
  return Builder(s, L"Note")
      .Get(L"Range", [s, note](const Args&) { return RangeObject(s, note->Range()); })
      .Get(L"Reference", [s, note](const Args&) { return RangeObject(s, note->Reference()); })
      .Value();
}

Variant DocumentObject(FakeWordServer* s, std::shared_ptr<WordDocument> d) {
  auto notes = [s](std::unique_ptr<WordList<WordNote>> list, const wchar_t* kind) {
    return ListObject<WordNote>(s, kind, std::shared_ptr<WordList<WordNote>>(std::move(list)),
                                NoteObject)
        .Value();
  };
  return Builder(s, L"Document")
      .Get(L"Path", [d](const Args&) { return Variant(d->Path()); })
      .Get(L"Name", [d](const Args&) { return Variant(d->Name()); })
      .Get(L"FullName", [d](const Args&) { return Variant(d->Path() + L"\\" + d->Name()); })
      .Get(L"Paragraphs",
           [s, d](const Args&) {
             return ListObject<WordParagraph>(
                        s, L"Paragraphs", std::shared_ptr<WordList<WordParagraph>>(d->Paragraphs()),
                        [](FakeWordServer* s, std::shared_ptr<WordParagraph> p) {
                          return RangeOwnerObject<WordParagraph>(s, L"Paragraph", p);
                        })
                 .Value();
           })
      .Get(L"Bookmarks",
           [s, d](const Args&) {
             std::shared_ptr<WordBookmarks> marks = d->Bookmarks();
             return ListObject<WordBookmark, WordBookmarks>(s, L"Bookmarks", marks, BookmarkObject)
                 .Get(
                     L"ShowHidden", [](const Args&) { return Variant(); },
                     [marks](const Variant& value) { marks->SetShowHidden(value.AsBool()); })
                 .Value();
           })
      .Get(L"Hyperlinks", [s, d](const Args&) { return HyperlinksObject(s, d->Hyperlinks()); })
      .Get(L"TablesOfContents",
           [s, d](const Args&) {
             return ListObject<WordTableOfContents>(
                        s, L"TablesOfContents",
                        std::shared_ptr<WordList<WordTableOfContents>>(d->TablesOfContents()),
                        [](FakeWordServer* s, std::shared_ptr<WordTableOfContents> t) {
                          return RangeOwnerObject<WordTableOfContents>(s, L"TableOfContents", t);
                        })
                 .Value();
           })
      .Get(L"Comments",
           [s, d](const Args&) {
             return ListObject<WordComment>(s, L"Comments",
                                            std::shared_ptr<WordList<WordComment>>(d->Comments()),
                                            CommentObject)
                 .Value();
           })
      .Get(L"Footnotes", [d, notes](const Args&) { return notes(d->Footnotes(), L"Footnotes"); })
      .Get(L"Endnotes", [d, notes](const Args&) { return notes(d->Endnotes(), L"Endnotes"); })
      .Get(L"BuiltInDocumentProperties",
           [s, d](const Args& args) {
             int32_t index = Index(args);
             return Builder(s, L"DocumentProperty")
                 .Get(L"Value", [d, index](const Args&) { return Variant(d->PropertyText(index)); })
                 .Value();
           })
      .Value();
}

Variant DocumentsObject(FakeWordServer* s, std::shared_ptr<WordDocuments> documents) {
  return ListObject<WordDocument, WordDocuments>(s, L"Documents", documents, DocumentObject)
      .Get(L"Open",
           [s, documents](const Args& args) {
             return DocumentObject(s, documents->Open(args.at(0).AsText()));
           })
      .Value();
}

}  // namespace

ComPtr<ScriptedObject> FakeWordApplication(FakeWordServer* s) {
  std::shared_ptr<WordApplication> app = s->word.Application();
  FakeWord* word = &s->word;
  return Builder(s, L"Application")
      .Get(
          L"Visible", [word](const Args&) { return Variant(word->visible); },
          [app](const Variant& value) { app->SetVisible(value.AsBool()); })
      .Get(L"Documents", [s, app](const Args&) { return DocumentsObject(s, app->Documents()); })
      .Get(L"ActiveDocument",
           [s, app](const Args&) { return DocumentObject(s, app->ActiveDocument()); })
      .Get(L"Selection",
           [s, app, word](const Args&) {
             std::shared_ptr<WordSelection> selection = app->Selection();
             return Builder(s, L"Selection")
                 .Get(L"Information",
                      [selection, word](const Args& args) {
                        int32_t code = Index(args);
                        int32_t rounded = selection->Information(code);
                        return Information(word->selection, code, rounded);
                      })
                 .Value();
           })
      .Get(L"Options",
           [s, app](const Args&) {
             std::shared_ptr<WordOptions> options = app->Options();
             return Builder(s, L"Options")
                 .Get(
                     L"PrintBackground",
                     [options](const Args&) { return Variant(options->PrintBackground()); },
                     [options](const Variant& on) { options->SetPrintBackground(on.AsBool()); })
                 .Value();
           })
      .Get(
          L"ActivePrinter", [app](const Args&) { return Variant(app->ActivePrinter()); },
          [app](const Variant& name) { app->SetActivePrinter(name.AsText()); })
      .Get(L"PrintOut",
           [s, app](const Args&) {
             app->PrintOut();
             if (s->printed) s->printed();
             return Variant();
           })
      .Done();
}

}  // namespace tessaly
