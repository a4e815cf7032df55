#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "office/fake/fake_calls.h"
#include "office/powerpoint.h"

namespace tessaly {

struct FakePowerPointShape {
  std::wstring name;
  std::wstring text;
  PowerPointRectangle box;  // Left, Top, Width, Height
};

struct FakePowerPointHyperlink {
  int32_t type = kPowerPointLinkOnText;
  std::wstring address;
  std::wstring sub_address;
  // The box of what carries the link: Bound* of a text range, Left, Top,
  // Width and Height of a shape.
  PowerPointRectangle box;
};

// A slide; its SlideIndex is its place in the presentation.
struct FakePowerPointSlide {
  std::wstring notes;
  std::vector<FakePowerPointShape> shapes;
  std::vector<FakePowerPointHyperlink> hyperlinks;
};

// A presentation described in memory.
struct FakePowerPointPresentation {
  std::wstring path;
  std::wstring name;
  std::vector<FakePowerPointSlide> slides;
  // Built-in properties by index (OfficeProperty); a missing one reads "".
  std::map<int32_t, std::wstring> properties;
  std::wstring active_printer;  // PrintOptions.ActivePrinter
};

// An in-memory PowerPoint that tests arrange and inspect; it counts and
// fails calls as FakeCalls says. The objects it hands out point into it: it
// must outlive them. A link's carrier answers only the members of its kind:
// Bound* for a text range, Left, Top, Width and Height for a shape.
class FakePowerPoint : public FakeCalls {
 public:
  // What PrintOut was given, and on which presentation and printer.
  struct PrintJob {
    std::wstring presentation;
    std::wstring printer;
    int32_t from;
    int32_t to;
    std::wstring print_to_file;
    int32_t copies;
    bool collate;
  };

  // A new connection, as OfficeApplications::PowerPoint gives.
  std::unique_ptr<PowerPointApplication> Application();

  // The open presentations; push_back keeps the others in place.
  std::deque<FakePowerPointPresentation> open;
  size_t active = 0;  // index into `open`
  // What Presentations.Open can open, by full file name.
  std::map<std::wstring, FakePowerPointPresentation> files;

  int32_t visible = kOfficeFalse;
  int32_t window_state = 2;  // minimized
  std::vector<PrintJob> print_jobs;
};

}  // namespace tessaly
