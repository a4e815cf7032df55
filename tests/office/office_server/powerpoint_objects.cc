#include <functional>
#include <memory>
#include <utility>

#include "tests/office/office_server/powerpoint_server.h"

namespace tessaly {
namespace {

using Args = FakeArgs;
using Server = FakePowerPointServer;

// TextFrame.TextRange.Text, read at the last step.
Variant TextFrameObject(Server* s, std::function<std::wstring()> text) {
  return FakeObject(s, L"TextFrame")
      .Get(L"TextRange",
           [s, text](const Args&) {
             return FakeObject(s, L"TextRange")
                 .Get(L"Text", [text](const Args&) { return Variant(text()); })
                 .Value();
           })
      .Value();
}

Variant ShapeObject(Server* s, std::shared_ptr<PowerPointShape> shape) {
  return FakeObject(s, L"Shape")
      .Get(L"Name", [shape](const Args&) { return Variant(shape->Name()); })
      .Get(L"Top", [shape](const Args&) { return Variant(shape->Top()); })
      .Get(
          L"TextFrame",
          [s, shape](const Args&) { return TextFrameObject(s, [shape] { return shape->Text(); }); })
      .Value();
}

Variant CarrierObject(Server* s, std::shared_ptr<PowerPointLinkCarrier> carrier, bool on_text) {
  using Field = double PowerPointRectangle::*;
  FakeObject o(s, on_text ? L"TextRange" : L"Shape");
  auto member = [&](const wchar_t* name, PowerPointRectangle (PowerPointLinkCarrier::*box)(),
                    Field field) {
    o.Get(name, [carrier, box, field](const Args&) { return Variant(((*carrier).*box)().*field); });
  };
  member(L"BoundLeft", &PowerPointLinkCarrier::TextBounds, &PowerPointRectangle::left);
  member(L"BoundTop", &PowerPointLinkCarrier::TextBounds, &PowerPointRectangle::top);
  member(L"BoundWidth", &PowerPointLinkCarrier::TextBounds, &PowerPointRectangle::width);
  member(L"BoundHeight", &PowerPointLinkCarrier::TextBounds, &PowerPointRectangle::height);
  member(L"Left", &PowerPointLinkCarrier::ShapeBounds, &PowerPointRectangle::left);
  member(L"Top", &PowerPointLinkCarrier::ShapeBounds, &PowerPointRectangle::top);
  member(L"Width", &PowerPointLinkCarrier::ShapeBounds, &PowerPointRectangle::width);
  member(L"Height", &PowerPointLinkCarrier::ShapeBounds, &PowerPointRectangle::height);
  return o.Value();
}

Variant HyperlinkObject(Server* s, std::shared_ptr<PowerPointHyperlink> link) {
  return FakeObject(s, L"Hyperlink")
      .Get(L"Type", [link](const Args&) { return Variant(link->Type()); })
      .Get(L"Address", [link](const Args&) { return Variant(link->Address()); })
      .Get(L"SubAddress", [link](const Args&) { return Variant(link->SubAddress()); })
      .Get(L"Parent",
           [s, link](const Args&) {
             return FakeObject(s, L"ActionSetting")
                 .Get(L"parent",
                      [s, link](const Args&) {
                        bool on_text = link->Type() == kPowerPointLinkOnText;
                        return CarrierObject(s, link->Carrier(), on_text);
                      })
                 .Value();
           })
      .Value();
}

// NotesPage.Shapes.Placeholders.Item(2).TextFrame.TextRange.Text.
Variant NotesPageObject(Server* s, std::shared_ptr<PowerPointSlide> slide) {
  auto notes = [s, slide](const Args&) {
    return FakeObject(s, L"Placeholder")
        .Get(L"TextFrame",
             [s, slide](const Args&) {
               return TextFrameObject(s, [slide] { return slide->NotesText(); });
             })
        .Value();
  };
  auto placeholders = [s, notes](const Args&) {
    return FakeObject(s, L"Placeholders").Get(L"Item", notes).Value();
  };
  auto shapes = [s, placeholders](const Args&) {
    return FakeObject(s, L"Shapes").Get(L"Placeholders", placeholders).Value();
  };
  return FakeObject(s, L"NotesPage").Get(L"Shapes", shapes).Value();
}

Variant SlideObject(Server* s, std::shared_ptr<PowerPointSlide> slide) {
  return FakeObject(s, L"Slide")
      .Get(L"SlideIndex", [slide](const Args&) { return Variant(slide->SlideIndex()); })
      .Get(L"NotesPage", [s, slide](const Args&) { return NotesPageObject(s, slide); })
      .Get(L"Shapes",
           [s, slide](const Args&) {
             return FakeListObject<PowerPointShape>(
                        s, L"Shapes", std::shared_ptr<OfficeList<PowerPointShape>>(slide->Shapes()),
                        ShapeObject)
                 .Value();
           })
      .Get(L"Hyperlinks",
           [s, slide](const Args&) {
             return FakeListObject<PowerPointHyperlink>(
                        s, L"Hyperlinks",
                        std::shared_ptr<OfficeList<PowerPointHyperlink>>(slide->Hyperlinks()),
                        HyperlinkObject)
                 .Value();
           })
      .Value();
}

Variant PresentationObject(Server* s, std::shared_ptr<PowerPointPresentation> p) {
  return FakeObject(s, L"Presentation")
      .Get(L"Slides",
           [s, p](const Args&) {
             return FakeListObject<PowerPointSlide>(
                        s, L"Slides", std::shared_ptr<OfficeList<PowerPointSlide>>(p->Slides()),
                        SlideObject)
                 .Value();
           })
      .Get(L"Path", [p](const Args&) { return Variant(p->Path()); })
      .Get(L"Name", [p](const Args&) { return Variant(p->Name()); })
      .Get(L"PrintOptions",
           [s, p](const Args&) {
             return FakeObject(s, L"PrintOptions")
                 .Get(
                     L"ActivePrinter", [](const Args&) { return Variant(); },
                     [p](const Variant& name) { p->SetActivePrinter(name.AsText()); })
                 .Value();
           })
      .Get(L"PrintOut",
           [s, p](const Args& args) {
             p->PrintOut(args.at(0).AsInteger(), args.at(1).AsInteger(), args.at(2).AsText(),
                         args.at(3).AsInteger(), args.at(4).AsInteger() != 0);
             if (s->printed) s->printed();
             return Variant();
           })
      .Get(L"BuiltInDocumentProperties",
           [s, p](const Args& args) {
             int32_t index = FakeIndex(args);
             return FakeObject(s, L"DocumentProperty")
                 .Get(L"Value", [p, index](const Args&) { return Variant(p->PropertyText(index)); })
                 .Value();
           })
      .Value();
}

}  // namespace

ComPtr<ScriptedObject> FakePowerPointApplication(FakePowerPointServer* s) {
  std::shared_ptr<PowerPointApplication> app = s->powerpoint.Application();
  FakePowerPoint* powerpoint = &s->powerpoint;
  return FakeObject(s, L"Application")
      .Get(
          L"Visible", [powerpoint](const Args&) { return Variant(powerpoint->visible); },
          [app](const Variant& value) { app->SetVisible(value.AsInteger()); })
      .Get(
          L"WindowState", [powerpoint](const Args&) { return Variant(powerpoint->window_state); },
          [app](const Variant& value) { app->SetWindowState(value.AsInteger()); })
      .Get(L"Presentations",
           [s, app](const Args&) {
             std::shared_ptr<PowerPointPresentations> list = app->Presentations();
             return FakeListObject<PowerPointPresentation>(s, L"Presentations", list,
                                                           PresentationObject)
                 .Get(L"Open",
                      [s, list](const Args& args) {
                        return PresentationObject(s, list->Open(args.at(0).AsText()));
                      })
                 .Value();
           })
      .Get(L"ActivePresentation",
           [s, app](const Args&) { return PresentationObject(s, app->ActivePresentation()); })
      .Done();
}

}  // namespace tessaly
