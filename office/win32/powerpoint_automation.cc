#include "office/win32/powerpoint_automation.h"

#include <utility>
#include <vector>

#include "com/dispatch.h"

namespace tessaly {
namespace {

// Each wrapper owns the late binding of one PowerPoint object.
class Bound {
 public:
  explicit Bound(LateBound object) : object_(std::move(object)) {}

 protected:
  LateBound object_;
};

// Count and Item(index) of a collection of `Wrapper` items; `Base` adds
// what a collection has beyond them.
template <class T, class Wrapper, class Base = OfficeList<T>>
class List : public Base, protected Bound {
 public:
  explicit List(LateBound object) : Bound(std::move(object)) {}
  int32_t Count() override { return object_.Get(L"Count").AsInteger(); }
  std::unique_ptr<T> Item(int32_t index) override {
    return std::make_unique<Wrapper>(object_.Object(L"Item", {index}));
  }
};

std::wstring TextOf(LateBound& owner) {
  return owner.Object(L"TextFrame").Object(L"TextRange").Get(L"Text").AsText();
}

class Shape : public PowerPointShape, Bound {
 public:
  using Bound::Bound;
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  double Top() override { return object_.Get(L"Top").AsDouble(); }
  std::wstring Text() override { return TextOf(object_); }
};

class LinkCarrier : public PowerPointLinkCarrier, Bound {
 public:
  using Bound::Bound;
  PowerPointRectangle TextBounds() override {
    return Box(L"BoundLeft", L"BoundTop", L"BoundWidth", L"BoundHeight");
  }
  PowerPointRectangle ShapeBounds() override { return Box(L"Left", L"Top", L"Width", L"Height"); }

 private:
  PowerPointRectangle Box(const wchar_t* left, const wchar_t* top, const wchar_t* width,
                          const wchar_t* height) {
    PowerPointRectangle box;
    box.left = object_.Get(left).AsDouble();
    box.top = object_.Get(top).AsDouble();
    box.width = object_.Get(width).AsDouble();
    box.height = object_.Get(height).AsDouble();
    return box;
  }
};

class Hyperlink : public PowerPointHyperlink, Bound {
 public:
  using Bound::Bound;
  int32_t Type() override { return object_.Get(L"Type").AsInteger(); }
  std::wstring Address() override { return object_.Get(L"Address").AsText(); }
  std::wstring SubAddress() override { return object_.Get(L"SubAddress").AsText(); }
  // The link's parent is its action setting; that one's parent owns it.
  std::unique_ptr<PowerPointLinkCarrier> Carrier() override {
    return std::make_unique<LinkCarrier>(object_.Object(L"Parent").Object(L"parent"));
  }
};

class Slide : public PowerPointSlide, Bound {
 public:
  using Bound::Bound;
  int32_t SlideIndex() override { return object_.Get(L"SlideIndex").AsInteger(); }
  // Placeholder 1 of a notes page is the slide's picture, 2 the notes.
  std::wstring NotesText() override {
    LateBound notes =
        object_.Object(L"NotesPage").Object(L"Shapes").Object(L"Placeholders").Object(L"Item", {2});
    return TextOf(notes);
  }
  std::unique_ptr<OfficeList<PowerPointShape>> Shapes() override {
    return std::make_unique<List<PowerPointShape, Shape>>(object_.Object(L"Shapes"));
  }
  std::unique_ptr<OfficeList<PowerPointHyperlink>> Hyperlinks() override {
    return std::make_unique<List<PowerPointHyperlink, Hyperlink>>(object_.Object(L"Hyperlinks"));
  }
};

class Presentation : public PowerPointPresentation, Bound {
 public:
  using Bound::Bound;
  std::unique_ptr<OfficeList<PowerPointSlide>> Slides() override {
    return std::make_unique<List<PowerPointSlide, Slide>>(object_.Object(L"Slides"));
  }
  std::wstring Path() override { return object_.Get(L"Path").AsText(); }
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  void SetActivePrinter(const std::wstring& printer) override {
    object_.Object(L"PrintOptions").Put(L"ActivePrinter", printer);
  }
  // Collate is a tri-state.
  void PrintOut(int32_t from, int32_t to, const std::wstring& print_to_file, int32_t copies,
                bool collate) override {
    object_.Call(L"PrintOut",
                 {from, to, print_to_file, copies, collate ? kOfficeTrue : kOfficeFalse});
  }
  std::wstring PropertyText(int32_t index) override {
    return object_.Object(L"BuiltInDocumentProperties", {index}).Get(L"Value").AsText();
  }
};

class Presentations : public List<PowerPointPresentation, Presentation, PowerPointPresentations> {
 public:
  using List::List;
  // FileName, ReadOnly, Untitled, WithWindow; the last three are tri-states.
  std::unique_ptr<PowerPointPresentation> Open(const std::wstring& file_name) override {
    return std::make_unique<Presentation>(
        object_.Object(L"Open", {file_name, kOfficeFalse, kOfficeFalse, kOfficeTrue}));
  }
};

class Application : public PowerPointApplication, Bound {
 public:
  using Bound::Bound;
  void SetVisible(int32_t visible) override { object_.Put(L"Visible", visible); }
  void SetWindowState(int32_t state) override { object_.Put(L"WindowState", state); }
  std::unique_ptr<PowerPointPresentations> Presentations() override {
    return std::make_unique<class Presentations>(object_.Object(L"Presentations"));
  }
  std::unique_ptr<PowerPointPresentation> ActivePresentation() override {
    return std::make_unique<Presentation>(object_.Object(L"ActivePresentation"));
  }
};

}  // namespace

std::unique_ptr<PowerPointApplication> PowerPointOverAutomation(ComPtr<IDispatch> application) {
  return std::make_unique<Application>(LateBound(std::move(application)));
}

}  // namespace tessaly
