#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "office/office_model.h"

namespace tessaly {

// The part of PowerPoint's object model that printing a presentation uses,
// and nothing more. Every member is one call into PowerPoint, except those
// whose comment names a path (TextFrame.TextRange.Text), which make one call
// per step. A call that fails throws Exception carrying PowerPoint's own
// message. Objects handed out are new handles owned by the caller; they stay
// usable while the application object they came from is alive. Indexes
// count from 1, as in PowerPoint; positions and sizes are in points.

// Application.WindowState: a normal window, neither minimized nor maximized.
constexpr int32_t kPowerPointWindowNormal = 1;

// Hyperlink.Type: a link on a text range; the other types are links on shapes.
constexpr int32_t kPowerPointLinkOnText = 0;

class PowerPointShape {
 public:
  virtual ~PowerPointShape() = default;
  virtual std::wstring Name() = 0;
  virtual double Top() = 0;
  // TextFrame.TextRange.Text, as PowerPoint returns it: paragraphs end in a
  // carriage return, lines broken inside a paragraph in a vertical tab.
  virtual std::wstring Text() = 0;
};

struct PowerPointRectangle {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// The object a hyperlink sits on: a text range or a shape.
class PowerPointLinkCarrier {
 public:
  virtual ~PowerPointLinkCarrier() = default;
  // BoundLeft, BoundTop, BoundWidth, BoundHeight: the box around a text range.
  virtual PowerPointRectangle TextBounds() = 0;
  // Left, Top, Width, Height: the box of a shape.
  virtual PowerPointRectangle ShapeBounds() = 0;
};

class PowerPointHyperlink {
 public:
  virtual ~PowerPointHyperlink() = default;
  // kPowerPointLinkOnText, or the type of a link on a shape.
  virtual int32_t Type() = 0;
  // A URL, mail address or file name; "" for a link inside the presentation.
  virtual std::wstring Address() = 0;
  // The place inside the presentation ("257,3,Results": slide id, index,
  // title); "" for an outside target.
  virtual std::wstring SubAddress() = 0;
  // Parent, then the "parent" of that (an action setting's owner), by name:
  // the text range or shape that carries the link.
  virtual std::unique_ptr<PowerPointLinkCarrier> Carrier() = 0;
};

class PowerPointSlide {
 public:
  virtual ~PowerPointSlide() = default;
  virtual int32_t SlideIndex() = 0;
  // NotesPage.Shapes.Placeholders.Item(2).TextFrame.TextRange.Text: the
  // text of the notes under the slide's picture.
  virtual std::wstring NotesText() = 0;
  virtual std::unique_ptr<OfficeList<PowerPointShape>> Shapes() = 0;
  virtual std::unique_ptr<OfficeList<PowerPointHyperlink>> Hyperlinks() = 0;
};

class PowerPointPresentation {
 public:
  virtual ~PowerPointPresentation() = default;
  virtual std::unique_ptr<OfficeList<PowerPointSlide>> Slides() = 0;
  // The folder, without a trailing backslash; "" for a presentation never
  // saved.
  virtual std::wstring Path() = 0;
  // The file name, without the folder.
  virtual std::wstring Name() = 0;
  // PrintOptions.ActivePrinter, set: the printer PrintOut prints on.
  virtual void SetActivePrinter(const std::wstring& printer) = 0;
  // Prints slides `from` to `to`; `print_to_file` "" prints to the printer.
  virtual void PrintOut(int32_t from, int32_t to, const std::wstring& print_to_file, int32_t copies,
                        bool collate) = 0;
  // BuiltInDocumentProperties(index).Value (OfficeProperty), as text.
  virtual std::wstring PropertyText(int32_t index) = 0;
};

// Application.Presentations: the open presentations, and opening one more.
class PowerPointPresentations : public OfficeList<PowerPointPresentation> {
 public:
  // Opens the file for editing (not read-only, not untitled) in a window
  // of its own; the opened presentation becomes the active one.
  virtual std::unique_ptr<PowerPointPresentation> Open(const std::wstring& file_name) = 0;
};

// The running PowerPoint application.
class PowerPointApplication {
 public:
  virtual ~PowerPointApplication() = default;
  // kOfficeTrue or kOfficeFalse.
  virtual void SetVisible(int32_t visible) = 0;
  // kPowerPointWindowNormal, or another window state of PowerPoint.
  virtual void SetWindowState(int32_t state) = 0;
  virtual std::unique_ptr<PowerPointPresentations> Presentations() = 0;
  // The presentation with the focus; throws when none is open.
  virtual std::unique_ptr<PowerPointPresentation> ActivePresentation() = 0;
};

}  // namespace tessaly
