#include "office/fake/fake_word.h"

#include <cmath>
#include <functional>
#include <utility>

#include "common/exception.h"

namespace tessaly {
namespace {

// Word's own texts for the failures the fake reproduces.
const char kNoSuchItem[] = "The requested member of the collection does not exist.";
const char kFileNotFound[] = "This file could not be found.";

// A Word collection: the shared counted list, with Word's message for an
// index outside it and the Word it belongs to at hand.
template <class T, class Base = WordList<T>>
class WordFakeList : public FakeList<T, Base> {
 public:
  WordFakeList(FakeWord* word, const std::string& name, std::function<size_t()> count,
               typename FakeList<T, Base>::Make make)
      : FakeList<T, Base>(word, name, std::move(count), std::move(make), kNoSuchItem),
        word_(word) {}

 protected:
  FakeWord* word_;
};

template <class T, class Item>
std::unique_ptr<WordList<T>> ListOf(FakeWord* word, const char* name,
                                    const std::vector<Item>& items,
                                    std::function<std::unique_ptr<T>(const Item&)> make) {
  return std::make_unique<WordFakeList<T>>(
      word, name, [&items] { return items.size(); },
      [&items, make](size_t i) { return make(items[i]); });
}

int32_t InformationOf(const FakeWordText& text, int32_t code) {
  switch (code) {
    case kWordEndPage:
      return text.page;
    case kWordHorizontalOnPage:
      return static_cast<int32_t>(std::nearbyint(text.x));
    case kWordVerticalOnPage:
      return static_cast<int32_t>(std::nearbyint(text.y));
  }
  throw Exception("The fake Word knows no information code " + std::to_string(code));
}

class Font : public WordFont {
 public:
  Font(FakeWord* word, const FakeWordText* text) : word_(word), text_(text) {}
  std::wstring Name() override { return word_->Call("Font.Name"), text_->font; }
  int32_t Bold() override { return word_->Call("Font.Bold"), text_->bold; }
  double Size() override { return word_->Call("Font.Size"), text_->size; }

 private:
  FakeWord* word_;
  const FakeWordText* text_;
};

std::unique_ptr<WordHyperlinks> LinksIn(FakeWord* word, const FakeWordDocument* document,
                                        const FakeWordText* text);

class Range : public WordRange {
 public:
  Range(FakeWord* word, const FakeWordDocument* document, const FakeWordText* text)
      : word_(word), document_(document), text_(text) {}
  std::wstring Style() override { return word_->Call("Range.Style"), text_->style; }
  void Select() override {
    word_->Call("Range.Select");
    word_->selection = text_;
  }
  int32_t Information(int32_t code) override {
    word_->Call("Range.Information");
    return InformationOf(*text_, code);
  }
  std::wstring Text() override { return word_->Call("Range.Text"), text_->text; }
  std::unique_ptr<WordFont> Font() override {
    word_->Call("Range.Font");
    return std::make_unique<class Font>(word_, text_);
  }
  std::unique_ptr<WordHyperlinks> Hyperlinks() override {
    word_->Call("Range.Hyperlinks");
    return LinksIn(word_, document_, text_);
  }
  const FakeWordText* text() const { return text_; }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordText* text_;
};

std::unique_ptr<WordRange> RangeOf(FakeWord* word, const FakeWordDocument* document,
                                   const FakeWordText& text) {
  return std::make_unique<Range>(word, document, &text);
}

class Hyperlink : public WordHyperlink {
 public:
  Hyperlink(FakeWord* word, const FakeWordDocument* document, const FakeWordHyperlink* link)
      : word_(word), document_(document), link_(link) {}
  std::unique_ptr<WordRange> Range() override {
    word_->Call("Hyperlink.Range");
    return RangeOf(word_, document_, link_->text);
  }
  std::wstring Address() override { return word_->Call("Hyperlink.Address"), link_->address; }
  std::wstring SubAddress() override {
    return word_->Call("Hyperlink.SubAddress"), link_->sub_address;
  }
  int32_t Type() override { return word_->Call("Hyperlink.Type"), link_->type; }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordHyperlink* link_;
};

std::unique_ptr<WordHyperlinks> LinksIn(FakeWord* word, const FakeWordDocument* document,
                                        const FakeWordText* text) {
  return std::make_unique<WordFakeList<WordHyperlink>>(
      word, "Hyperlinks", [text] { return text->links.size(); },
      [word, document, text](size_t i) {
        size_t link = static_cast<size_t>(text->links[i] - 1);
        return std::make_unique<Hyperlink>(word, document, &document->hyperlinks.at(link));
      });
}

class Bookmark : public WordBookmark {
 public:
  Bookmark(FakeWord* word, const FakeWordDocument* document, const FakeWordBookmark* mark)
      : word_(word), document_(document), mark_(mark) {}
  std::wstring Name() override { return word_->Call("Bookmark.Name"), mark_->name; }
  std::unique_ptr<WordRange> Range() override {
    word_->Call("Bookmark.Range");
    return RangeOf(word_, document_, mark_->text);
  }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordBookmark* mark_;
};

// Lists the bookmarks that ShowHidden lets through, as it stands at each call.
class Bookmarks : public WordFakeList<WordBookmark, WordBookmarks> {
 public:
  Bookmarks(FakeWord* word, FakeWordDocument* document)
      : WordFakeList<WordBookmark, WordBookmarks>(
            word, "Bookmarks", [this] { return Listed().size(); },
            [this](size_t i) { return std::make_unique<Bookmark>(word_, document_, Listed()[i]); }),
        document_(document) {}
  void SetShowHidden(bool show) override {
    word_->Call("Bookmarks.ShowHidden");
    document_->show_hidden = show;
  }

 private:
  std::vector<const FakeWordBookmark*> Listed() const {
    std::vector<const FakeWordBookmark*> listed;
    for (const FakeWordBookmark& mark : document_->bookmarks) {
      if (document_->show_hidden || mark.name.compare(0, 1, L"_") != 0) listed.push_back(&mark);
    }
    return listed;
  }

  FakeWordDocument* document_;
};

// A paragraph or a table of contents: its one member is its range.
class RangeOwner : public WordParagraph, public WordTableOfContents {
 public:
  RangeOwner(FakeWord* word, const FakeWordDocument* document, const FakeWordText* text,
             const char* member)
      : word_(word), document_(document), text_(text), member_(member) {}
  std::unique_ptr<WordRange> Range() override {
    word_->Call(member_);
    return RangeOf(word_, document_, *text_);
  }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordText* text_;
  const char* member_;
};

class Comment : public WordComment {
 public:
  Comment(FakeWord* word, const FakeWordDocument* document, const FakeWordComment* comment)
      : word_(word), document_(document), comment_(comment) {}
  std::unique_ptr<WordRange> Scope() override {
    word_->Call("Comment.Scope");
    return RangeOf(word_, document_, comment_->scope);
  }
  std::unique_ptr<WordRange> Range() override {
    word_->Call("Comment.Range");
    return RangeOf(word_, document_, comment_->text);
  }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordComment* comment_;
};

class Note : public WordNote {
 public:
  Note(FakeWord* word, const FakeWordDocument* document, const FakeWordNote* note)
      : word_(word), document_(document), note_(note) {}
  std::unique_ptr<WordRange> Range() override {
    word_->Call("Note.Range");
    return RangeOf(word_, document_, note_->text);
  }
  std::unique_ptr<WordRange> Reference() override {
    word_->Call("Note.Reference");
    return RangeOf(word_, document_, note_->reference);
  }

 private:
  FakeWord* word_;
  const FakeWordDocument* document_;
  const FakeWordNote* note_;
};

class Document : public WordDocument {
 public:
  Document(FakeWord* word, FakeWordDocument* document) : word_(word), document_(document) {}
  std::wstring Path() override { return word_->Call("Document.Path"), document_->path; }
  std::wstring Name() override { return word_->Call("Document.Name"), document_->name; }

  std::unique_ptr<WordList<WordParagraph>> Paragraphs() override {
    word_->Call("Document.Paragraphs");
    return ListOf<WordParagraph, FakeWordText>(
        word_, "Paragraphs", document_->paragraphs,
        [word = word_, document = document_](const FakeWordText& text) {
          return std::make_unique<RangeOwner>(word, document, &text, "Paragraph.Range");
        });
  }
  std::unique_ptr<WordBookmarks> Bookmarks() override {
    word_->Call("Document.Bookmarks");
    return std::make_unique<class Bookmarks>(word_, document_);
  }
  std::unique_ptr<WordHyperlinks> Hyperlinks() override {
    word_->Call("Document.Hyperlinks");
    return ListOf<WordHyperlink, FakeWordHyperlink>(
        word_, "Hyperlinks", document_->hyperlinks,
        [word = word_, document = document_](const FakeWordHyperlink& link) {
          return std::make_unique<Hyperlink>(word, document, &link);
        });
  }
  std::unique_ptr<WordList<WordTableOfContents>> TablesOfContents() override {
    word_->Call("Document.TablesOfContents");
    return ListOf<WordTableOfContents, FakeWordText>(
        word_, "TablesOfContents", document_->tables_of_contents,
        [word = word_, document = document_](const FakeWordText& text) {
          return std::make_unique<RangeOwner>(word, document, &text, "TableOfContents.Range");
        });
  }
  std::unique_ptr<WordList<WordComment>> Comments() override {
    word_->Call("Document.Comments");
    return ListOf<WordComment, FakeWordComment>(
        word_, "Comments", document_->comments,
        [word = word_, document = document_](const FakeWordComment& comment) {
          return std::make_unique<Comment>(word, document, &comment);
        });
  }
  std::unique_ptr<WordList<WordNote>> Footnotes() override {
    word_->Call("Document.Footnotes");
    return Notes("Footnotes", document_->footnotes);
  }
  std::unique_ptr<WordList<WordNote>> Endnotes() override {
    word_->Call("Document.Endnotes");
    return Notes("Endnotes", document_->endnotes);
  }
  std::wstring PropertyText(int32_t index) override {
    word_->Call("Document.BuiltInDocumentProperties");
    auto found = document_->properties.find(index);
    return found == document_->properties.end() ? L"" : found->second;
  }
  int32_t PropertyInteger(int32_t index) override {
    std::wstring text = PropertyText(index);
    try {
      return text.empty() ? 0 : std::stoi(text);
    } catch (const std::exception&) {
      throw Exception("Type mismatch");
    }
  }

 private:
  std::unique_ptr<WordList<WordNote>> Notes(const char* name,
                                            const std::vector<FakeWordNote>& notes) {
    return ListOf<WordNote, FakeWordNote>(
        word_, name, notes, [word = word_, document = document_](const FakeWordNote& note) {
          return std::make_unique<Note>(word, document, &note);
        });
  }

  FakeWord* word_;
  FakeWordDocument* document_;
};

class Documents : public WordFakeList<WordDocument, WordDocuments> {
 public:
  explicit Documents(FakeWord* word)
      : WordFakeList<WordDocument, WordDocuments>(
            word, "Documents", [word] { return word->open.size(); },
            [word](size_t i) { return std::make_unique<Document>(word, &word->open[i]); }) {}
  std::unique_ptr<WordDocument> Open(const std::wstring& file_name) override {
    word_->Call("Documents.Open");
    auto found = word_->files.find(file_name);
    if (found == word_->files.end()) throw Exception(kFileNotFound);
    word_->open.push_back(found->second);
    word_->active = word_->open.size() - 1;
    return std::make_unique<Document>(word_, &word_->open.back());
  }
};

class Selection : public WordSelection {
 public:
  explicit Selection(FakeWord* word) : word_(word) {}
  int32_t Information(int32_t code) override {
    word_->Call("Selection.Information");
    if (!word_->selection) throw Exception("Nothing is selected");
    return InformationOf(*word_->selection, code);
  }

 private:
  FakeWord* word_;
};

class Options : public WordOptions {
 public:
  explicit Options(FakeWord* word) : word_(word) {}
  bool PrintBackground() override {
    return word_->Call("Options.PrintBackground"), word_->print_background;
  }
  void SetPrintBackground(bool on) override {
    word_->Call("Options.PrintBackground=");
    word_->print_background = on;
  }

 private:
  FakeWord* word_;
};

class Application : public WordApplication {
 public:
  explicit Application(FakeWord* word) : word_(word) {}
  void SetVisible(bool visible) override {
    word_->Call("Application.Visible=");
    word_->visible = visible;
  }
  std::unique_ptr<WordDocuments> Documents() override {
    word_->Call("Application.Documents");
    return std::make_unique<class Documents>(word_);
  }
  std::unique_ptr<WordDocument> ActiveDocument() override {
    word_->Call("Application.ActiveDocument");
    if (word_->active >= word_->open.size()) throw Exception("No document is open.");
    return std::make_unique<Document>(word_, &word_->open[word_->active]);
  }
  std::unique_ptr<WordSelection> Selection() override {
    word_->Call("Application.Selection");
    return std::make_unique<class Selection>(word_);
  }
  std::unique_ptr<WordOptions> Options() override {
    word_->Call("Application.Options");
    return std::make_unique<class Options>(word_);
  }
  std::wstring ActivePrinter() override {
    return word_->Call("Application.ActivePrinter"), word_->active_printer;
  }
  void SetActivePrinter(const std::wstring& printer) override {
    word_->Call("Application.ActivePrinter=");
    word_->active_printer = printer;
  }
  void PrintOut() override {
    word_->Call("Application.PrintOut");
    if (word_->active >= word_->open.size()) throw Exception("No document is open.");
    word_->print_jobs.push_back(
        {word_->open[word_->active].name, word_->active_printer, word_->print_background});
    if (word_->on_print_out) word_->on_print_out();
  }

 private:
  FakeWord* word_;
};

}  // namespace

std::unique_ptr<WordApplication> FakeWord::Application() {
  return std::make_unique<class Application>(this);
}

const FakeWordText* FakeWord::TextOf(const WordRange& range) {
  auto* fake = dynamic_cast<const Range*>(&range);
  return fake ? fake->text() : nullptr;
}


}  // namespace tessaly
