#include "office/fake/fake_powerpoint.h"

#include <functional>
#include <initializer_list>
#include <utility>

#include "common/exception.h"

namespace tessaly {
namespace {

// PowerPoint's own texts for the failures the fake reproduces.
const char kBadIndex[] = "The index into the specified collection is out of bounds.";
const char kCannotOpen[] = "PowerPoint could not open the file.";
const char kNoPresentation[] = "Invalid request. There is no active presentation.";
const char kNoSuchMember[] = "Object doesn't support this property or method.";

template <class T, class Item>
std::unique_ptr<OfficeList<T>> ListOf(FakePowerPoint* app, const char* name,
                                      const std::vector<Item>& items,
                                      std::function<std::unique_ptr<T>(size_t)> make) {
  return std::make_unique<FakeList<T>>(
      app, name, [&items] { return items.size(); }, std::move(make), kBadIndex);
}

// TextFrame.TextRange.Text of a shape.
std::wstring TextOf(FakePowerPoint* app, const std::wstring& text) {
  app->Call("Shape.TextFrame");
  app->Call("TextFrame.TextRange");
  app->Call("TextRange.Text");
  return text;
}

class Shape : public PowerPointShape {
 public:
  Shape(FakePowerPoint* app, const FakePowerPointShape* shape) : app_(app), shape_(shape) {}
  std::wstring Name() override { return app_->Call("Shape.Name"), shape_->name; }
  double Top() override { return app_->Call("Shape.Top"), shape_->box.top; }
  std::wstring Text() override { return TextOf(app_, shape_->text); }

 private:
  FakePowerPoint* app_;
  const FakePowerPointShape* shape_;
};

class LinkCarrier : public PowerPointLinkCarrier {
 public:
  LinkCarrier(FakePowerPoint* app, const FakePowerPointHyperlink* link) : app_(app), link_(link) {}
  PowerPointRectangle TextBounds() override {
    return Box(true, {"TextRange.BoundLeft", "TextRange.BoundTop", "TextRange.BoundWidth",
                      "TextRange.BoundHeight"});
  }
  PowerPointRectangle ShapeBounds() override {
    return Box(false, {"Shape.Left", "Shape.Top", "Shape.Width", "Shape.Height"});
  }

 private:
  PowerPointRectangle Box(bool of_text, std::initializer_list<const char*> members) {
    for (const char* member : members) {
      app_->Call(member);
      if (of_text != (link_->type == kPowerPointLinkOnText)) throw Exception(kNoSuchMember);
    }
    return link_->box;
  }

  FakePowerPoint* app_;
  const FakePowerPointHyperlink* link_;
};

class Hyperlink : public PowerPointHyperlink {
 public:
  Hyperlink(FakePowerPoint* app, const FakePowerPointHyperlink* link) : app_(app), link_(link) {}
  int32_t Type() override { return app_->Call("Hyperlink.Type"), link_->type; }
  std::wstring Address() override { return app_->Call("Hyperlink.Address"), link_->address; }
  std::wstring SubAddress() override {
    return app_->Call("Hyperlink.SubAddress"), link_->sub_address;
  }
  std::unique_ptr<PowerPointLinkCarrier> Carrier() override {
    app_->Call("Hyperlink.Parent");
    app_->Call("ActionSetting.parent");
    return std::make_unique<LinkCarrier>(app_, link_);
  }

 private:
  FakePowerPoint* app_;
  const FakePowerPointHyperlink* link_;
};

class Slide : public PowerPointSlide {
 public:
  Slide(FakePowerPoint* app, const FakePowerPointSlide* slide, int32_t index)
      : app_(app), slide_(slide), index_(index) {}
  int32_t SlideIndex() override { return app_->Call("Slide.SlideIndex"), index_; }
  std::wstring NotesText() override {
    app_->Call("Slide.NotesPage");
    app_->Call("NotesPage.Shapes");
    app_->Call("Shapes.Placeholders");
    app_->Call("Placeholders.Item");
    return TextOf(app_, slide_->notes);
  }
  std::unique_ptr<OfficeList<PowerPointShape>> Shapes() override {
    app_->Call("Slide.Shapes");
    return ListOf<PowerPointShape>(app_, "Shapes", slide_->shapes,
                                   [app = app_, slide = slide_](size_t i) {
                                     return std::make_unique<Shape>(app, &slide->shapes[i]);
                                   });
  }
  std::unique_ptr<OfficeList<PowerPointHyperlink>> Hyperlinks() override {
    app_->Call("Slide.Hyperlinks");
    return ListOf<PowerPointHyperlink>(
        app_, "Hyperlinks", slide_->hyperlinks, [app = app_, slide = slide_](size_t i) {
          return std::make_unique<Hyperlink>(app, &slide->hyperlinks[i]);
        });
  }

 private:
  FakePowerPoint* app_;
  const FakePowerPointSlide* slide_;
  int32_t index_;
};

class Presentation : public PowerPointPresentation {
 public:
  Presentation(FakePowerPoint* app, FakePowerPointPresentation* presentation)
      : app_(app), presentation_(presentation) {}
  std::unique_ptr<OfficeList<PowerPointSlide>> Slides() override {
    app_->Call("Presentation.Slides");
    return ListOf<PowerPointSlide>(
        app_, "Slides", presentation_->slides, [app = app_, p = presentation_](size_t i) {
          return std::make_unique<Slide>(app, &p->slides[i], static_cast<int32_t>(i + 1));
        });
  }
  std::wstring Path() override { return app_->Call("Presentation.Path"), presentation_->path; }
  std::wstring Name() override { return app_->Call("Presentation.Name"), presentation_->name; }
  void SetActivePrinter(const std::wstring& printer) override {
    app_->Call("Presentation.PrintOptions");
    app_->Call("PrintOptions.ActivePrinter=");
    presentation_->active_printer = printer;
  }
  void PrintOut(int32_t from, int32_t to, const std::wstring& print_to_file, int32_t copies,
                bool collate) override {
    app_->Call("Presentation.PrintOut");
    app_->print_jobs.push_back({presentation_->name, presentation_->active_printer, from, to,
                                print_to_file, copies, collate});
  }
  std::wstring PropertyText(int32_t index) override {
    app_->Call("Presentation.BuiltInDocumentProperties");
    app_->Call("DocumentProperty.Value");
    auto found = presentation_->properties.find(index);
    return found == presentation_->properties.end() ? L"" : found->second;
  }

 private:
  FakePowerPoint* app_;
  FakePowerPointPresentation* presentation_;
};

class Presentations : public FakeList<PowerPointPresentation, PowerPointPresentations> {
 public:
  explicit Presentations(FakePowerPoint* app)
      : FakeList<PowerPointPresentation, PowerPointPresentations>(
            app, "Presentations", [app] { return app->open.size(); },
            [app](size_t i) { return std::make_unique<Presentation>(app, &app->open[i]); },
            kBadIndex),
        app_(app) {}
  std::unique_ptr<PowerPointPresentation> Open(const std::wstring& file_name) override {
    app_->Call("Presentations.Open");
    auto found = app_->files.find(file_name);
    if (found == app_->files.end()) throw Exception(kCannotOpen);
    app_->open.push_back(found->second);
    app_->active = app_->open.size() - 1;
    return std::make_unique<Presentation>(app_, &app_->open.back());
  }

 private:
  FakePowerPoint* app_;
};

class Application : public PowerPointApplication {
 public:
  explicit Application(FakePowerPoint* app) : app_(app) {}
  void SetVisible(int32_t visible) override {
    app_->Call("Application.Visible=");
    app_->visible = visible;
  }
  void SetWindowState(int32_t state) override {
    app_->Call("Application.WindowState=");
    app_->window_state = state;
  }
  std::unique_ptr<PowerPointPresentations> Presentations() override {
    app_->Call("Application.Presentations");
    return std::make_unique<class Presentations>(app_);
  }
  std::unique_ptr<PowerPointPresentation> ActivePresentation() override {
    app_->Call("Application.ActivePresentation");
    if (app_->active >= app_->open.size()) throw Exception(kNoPresentation);
    return std::make_unique<Presentation>(app_, &app_->open[app_->active]);
  }

 private:
  FakePowerPoint* app_;
};

}  // namespace

std::unique_ptr<PowerPointApplication> FakePowerPoint::Application() {
  return std::make_unique<class Application>(this);
}

}  // namespace tessaly
