#include "office/win32/word_automation.h"

#include <functional>
#include <utility>
#include <vector>

#include "com/dispatch.h"

namespace tessaly {
namespace {

// Each wrapper owns the late binding of one Word object; the dispatch ids
// it looks up are kept for the life of that object.
class Bound {
 public:
  explicit Bound(LateBound object) : object_(std::move(object)) {}

 protected:
  LateBound object_;
};

// The wrapper of a collection's item, one specialization per item type.
template <class T>
std::unique_ptr<T> Make(LateBound object);
template <>
std::unique_ptr<WordHyperlink> Make(LateBound object);
template <>
std::unique_ptr<WordParagraph> Make(LateBound object);
template <>
std::unique_ptr<WordTableOfContents> Make(LateBound object);
template <>
std::unique_ptr<WordBookmark> Make(LateBound object);
template <>
std::unique_ptr<WordComment> Make(LateBound object);
template <>
std::unique_ptr<WordNote> Make(LateBound object);
template <>
std::unique_ptr<WordDocument> Make(LateBound object);

// Count and Item(index) of a Word collection; `Base` adds what a
// collection has beyond them.
template <class T, class Base = WordList<T>>
class List : public Base, protected Bound {
 public:
  explicit List(LateBound object) : Bound(std::move(object)) {}
  int32_t Count() override { return object_.Get(L"Count").AsInteger(); }
  std::unique_ptr<T> Item(int32_t index) override {
    return Make<T>(object_.Object(L"Item", {index}));
  }
};

class Font : public WordFont, Bound {
 public:
  using Bound::Bound;
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  int32_t Bold() override { return object_.Get(L"Bold").AsInteger(); }
  double Size() override { return object_.Get(L"Size").AsDouble(); }
};

class Range : public WordRange, Bound {
 public:
  using Bound::Bound;
  // Style is a Style object, whose default member is its shown name; a
  // plain text answer is taken as it is.
  std::wstring Style() override {
    Variant style = object_.Get(L"Style");
    if (V_VT(style.get()) == VT_DISPATCH) {
      return LateBound(style.AsObject()).GetById(DISPID_VALUE).AsText();
    }
    return style.AsText();
  }
  void Select() override { object_.Call(L"Select"); }
  int32_t Information(int32_t code) override {
    return object_.Get(L"Information", {code}).AsInteger();
  }
  std::wstring Text() override { return object_.Get(L"Text").AsText(); }
  std::unique_ptr<WordFont> Font() override {
    return std::make_unique<class Font>(object_.Object(L"Font"));
  }
  std::unique_ptr<WordHyperlinks> Hyperlinks() override {
    return std::make_unique<List<WordHyperlink>>(object_.Object(L"Hyperlinks"));
  }
};

std::unique_ptr<WordRange> RangeOf(LateBound& object, const wchar_t* member) {
  return std::make_unique<Range>(object.Object(member));
}

class Hyperlink : public WordHyperlink, Bound {
 public:
  using Bound::Bound;
  std::unique_ptr<WordRange> Range() override { return RangeOf(object_, L"Range"); }
  std::wstring Address() override { return object_.Get(L"Address").AsText(); }
  std::wstring SubAddress() override { return object_.Get(L"SubAddress").AsText(); }
  int32_t Type() override { return object_.Get(L"Type").AsInteger(); }
};

// A paragraph or a table of contents: reached for its range only.
class RangeOwner : public WordParagraph, public WordTableOfContents, Bound {
 public:
  using Bound::Bound;
  std::unique_ptr<WordRange> Range() override { return RangeOf(object_, L"Range"); }
};

class Bookmark : public WordBookmark, Bound {
 public:
  using Bound::Bound;
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  std::unique_ptr<WordRange> Range() override { return RangeOf(object_, L"Range"); }
};

class Bookmarks : public List<WordBookmark, WordBookmarks> {
 public:
  using List::List;
  void SetShowHidden(bool show) override { object_.Put(L"ShowHidden", show); }
};

class Comment : public WordComment, Bound {
 public:
  using Bound::Bound;
  std::unique_ptr<WordRange> Scope() override { return RangeOf(object_, L"Scope"); }
  std::unique_ptr<WordRange> Range() override { return RangeOf(object_, L"Range"); }
};

class Note : public WordNote, Bound {
 public:
  using Bound::Bound;
  std::unique_ptr<WordRange> Range() override { return RangeOf(object_, L"Range"); }
  std::unique_ptr<WordRange> Reference() override { return RangeOf(object_, L"Reference"); }
};

class Document : public WordDocument, Bound {
 public:
  using Bound::Bound;
  std::wstring Path() override { return object_.Get(L"Path").AsText(); }
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  std::unique_ptr<WordList<WordParagraph>> Paragraphs() override {
    return std::make_unique<List<WordParagraph>>(object_.Object(L"Paragraphs"));
  }
  std::unique_ptr<WordBookmarks> Bookmarks() override {
    return std::make_unique<class Bookmarks>(object_.Object(L"Bookmarks"));
  }
  std::unique_ptr<WordHyperlinks> Hyperlinks() override {
    return std::make_unique<List<WordHyperlink>>(object_.Object(L"Hyperlinks"));
  }
  std::unique_ptr<WordList<WordTableOfContents>> TablesOfContents() override {
    return std::make_unique<List<WordTableOfContents>>(object_.Object(L"TablesOfContents"));
  }
  std::unique_ptr<WordList<WordComment>> Comments() override {
    return std::make_unique<List<WordComment>>(object_.Object(L"Comments"));
  }
  std::unique_ptr<WordList<WordNote>> Footnotes() override {
    return std::make_unique<List<WordNote>>(object_.Object(L"Footnotes"));
  }
  std::unique_ptr<WordList<WordNote>> Endnotes() override {
    return std::make_unique<List<WordNote>>(object_.Object(L"Endnotes"));
  }
  std::wstring PropertyText(int32_t index) override { return Property(index).AsText(); }
  int32_t PropertyInteger(int32_t index) override { return Property(index).AsInteger(); }

 private:
  Variant Property(int32_t index) {
    return object_.Object(L"BuiltInDocumentProperties", {index}).Get(L"Value");
  }
};

class Documents : public List<WordDocument, WordDocuments> {
 public:
  using List::List;
  // Only the file name: every later argument of Open is left out.
  std::unique_ptr<WordDocument> Open(const std::wstring& file_name) override {
    return std::make_unique<Document>(object_.Object(L"Open", {file_name}));
  }
};

class Selection : public WordSelection, Bound {
 public:
  using Bound::Bound;
  int32_t Information(int32_t code) override {
    return object_.Get(L"Information", {code}).AsInteger();
  }
};

class Options : public WordOptions, Bound {
 public:
  using Bound::Bound;
  bool PrintBackground() override { return object_.Get(L"PrintBackground").AsBool(); }
  void SetPrintBackground(bool on) override { object_.Put(L"PrintBackground", on); }
};

class Application : public WordApplication, Bound {
 public:
  using Bound::Bound;
  void SetVisible(bool visible) override { object_.Put(L"Visible", visible); }
  std::unique_ptr<WordDocuments> Documents() override {
    return std::make_unique<class Documents>(object_.Object(L"Documents"));
  }
  std::unique_ptr<WordDocument> ActiveDocument() override {
    return std::make_unique<Document>(object_.Object(L"ActiveDocument"));
  }
  std::unique_ptr<WordSelection> Selection() override {
    return std::make_unique<class Selection>(object_.Object(L"Selection"));
  }
  std::unique_ptr<WordOptions> Options() override {
    return std::make_unique<class Options>(object_.Object(L"Options"));
  }
  std::wstring ActivePrinter() override { return object_.Get(L"ActivePrinter").AsText(); }
  void SetActivePrinter(const std::wstring& printer) override {
    object_.Put(L"ActivePrinter", printer);
  }
  // Item by name: every other argument of PrintOut is left out.
  void PrintOut() override { object_.CallNamed(L"PrintOut", {{L"Item", 0}}); }
};

template <>
std::unique_ptr<WordHyperlink> Make(LateBound object) {
  return std::make_unique<Hyperlink>(std::move(object));
}
template <>
std::unique_ptr<WordParagraph> Make(LateBound object) {
  return std::make_unique<RangeOwner>(std::move(object));
}
template <>
std::unique_ptr<WordTableOfContents> Make(LateBound object) {
  return std::make_unique<RangeOwner>(std::move(object));
}
template <>
std::unique_ptr<WordBookmark> Make(LateBound object) {
  return std::make_unique<Bookmark>(std::move(object));
}
template <>
std::unique_ptr<WordComment> Make(LateBound object) {
  return std::make_unique<Comment>(std::move(object));
}
template <>
std::unique_ptr<WordNote> Make(LateBound object) {
  return std::make_unique<Note>(std::move(object));
}
template <>
std::unique_ptr<WordDocument> Make(LateBound object) {
  return std::make_unique<Document>(std::move(object));
}

}  // namespace

std::unique_ptr<WordApplication> WordOverAutomation(ComPtr<IDispatch> application) {
  return std::make_unique<Application>(LateBound(std::move(application)));
}

}  // namespace tessaly
