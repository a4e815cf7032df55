#include "tests/office/word_server/word_objects.h"

#include <memory>
#include <utility>
#include <vector>

#include "common/exception.h"
#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {

const wchar_t kFakeWordSource[] = L"Fake Word";

namespace {

using Args = std::vector<Variant>;
using Getter = std::function<Variant(const Args&)>;

// One automation object of the fake; its members turn the failures of the
// FakeWord into raises with the arranged code.
class Builder {
 public:
  Builder(FakeWordServer* server, const wchar_t* kind)
      : server_(server),
        kind_(Narrow(kind)),
        object_(ScriptedObject::Make(server->log, kind, kFakeWordSource)) {}

  Builder& Get(const wchar_t* name, Getter get, ScriptedObject::Setter put = nullptr) {
    FakeWordServer* server = server_;
    std::string member = kind_ + "." + Narrow(name);
    object_->On(
        name,
        [server, member, get](const Args& args) {
          return Guarded(server, member, [&] { return get(args); });
        },
        put ? ScriptedObject::Setter([server, member, put](const Variant& value) {
          Guarded(server, member + "=", [&] { return put(value), Variant(); });
        })
            : nullptr);
    return *this;
  }
  Builder& Default(Getter get) {
    FakeWordServer* server = server_;
    std::string member = kind_ + ".Value";
    object_->Default([server, member, get](const Args& args) {
      return Guarded(server, member, [&] { return get(args); });
    });
    return *this;
  }
  ComPtr<ScriptedObject> Done() { return object_; }
  Variant Value() { return Variant(static_cast<IDispatch*>(object_.Get())); }

 private:
  static std::string Narrow(const std::wstring& name) {
    return DefaultEnv().code_page->ToAnsi(name);
  }
  template <class F>
  static Variant Guarded(FakeWordServer* server, const std::string& member, F run) {
    try {
      return run();
    } catch (const std::exception& e) {
      throw RaiseOf(*server, member, e.what());
    }
  }
  // The failure's code: the one arranged for the member called, else the
  // one of the member whose failure has this message (the fake's own
  // members, such as "Paragraph.Range", are named as the objects' members).
  static ScriptedRaise RaiseOf(const FakeWordServer& server, const std::string& called,
                               const std::string& message) {
    ScriptedRaise raise{kFakeWordError, DefaultEnv().code_page->FromAnsi(message)};
    auto own = server.raises.find(called);
    if (own != server.raises.end() && server.word.failures.count(called)) {
      raise.code = own->second.code;
      raise.how = own->second.how;
      return raise;
    }
    for (const auto& [member, text] : server.word.failures) {
      auto arranged = server.raises.find(member);
      if (text != message || arranged == server.raises.end()) continue;
      raise.code = arranged->second.code;
      raise.how = arranged->second.how;
      break;
    }
    return raise;
  }

  FakeWordServer* server_;
  std::string kind_;
  ComPtr<ScriptedObject> object_;
};

int32_t Index(const Args& args) { return args.at(0).AsInteger(); }

// Word answers positions in points as they are, not rounded.
Variant Information(const FakeWordText* text, int32_t code, int32_t rounded) {
  if (text && code == kWordHorizontalOnPage) return Variant(text->x);
  if (text && code == kWordVerticalOnPage) return Variant(text->y);
  return Variant(rounded);
}

Variant RangeObject(FakeWordServer* s, std::shared_ptr<WordRange> range);

template <class T>
using MakeItem = std::function<Variant(FakeWordServer*, std::shared_ptr<T>)>;

template <class T, class List = WordList<T>>
Builder ListObject(FakeWordServer* s, const wchar_t* kind, std::shared_ptr<List> list,
                   MakeItem<T> make) {
  Builder b(s, kind);
  b.Get(L"Count", [list](const Args&) {
     return Variant(list->Count());
   }).Get(L"Item", [s, list, make](const Args& args) {
    return make(s, std::shared_ptr<T>(list->Item(Index(args))));
  });
  return b;
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
