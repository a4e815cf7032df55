#include "printing/powerpoint_flow.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "addin/internal_address.h"
#include "common/comma_text.h"
#include "platform/code_page.h"
#include "platform/screen.h"
#include "printing/document_info.h"
#include "printing/flow_manager.h"
#include "printing/link_targets.h"
#include "printing/office_text.h"
#include "watermarks/value_text.h"

namespace tessaly {
namespace {

// Link rectangles sit this many pixels right of and below where PowerPoint
// reports them.
constexpr double kLinkOffset = 20;
// Shapes named "Rectangle N" with N below this give bookmarks, N the level.
constexpr int32_t kOutlineShapes = 5;
constexpr size_t kRectangleLength = 9;  // "Rectangle"

// The pieces of a shape's text: cut at every carriage return and every
// line feed, each on its own, so that CR LF leaves an empty piece between.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t at = text.find_first_of("\r\n"); at != std::string::npos;
       at = text.find_first_of("\r\n", start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// The slide number in a sub-address such as "257,3,Results": its second
// field.
int32_t DestinationSlide(const std::string& sub_address) {
  std::vector<std::string> fields = SplitCommaText(sub_address);
  if (fields.size() < 2) throw EListError(1);
  return StrToInt(fields[1]);
}

class PowerPointFlow {
 public:
  PowerPointFlow(const Env& env, PowerPointPresentation& presentation)
      : env_(env),
        presentation_(presentation),
        manager_(env),
        settings_(manager_->AddinSettings()),
        bookmarks_(manager_->Bookmarks()),
        links_(manager_->Hyperlinks()),
        notes_(manager_->Notes()),
        pixels_per_inch_(env.screen->PixelsPerInch()) {}

  void Run() {
    manager_->WriteFlagPP(true);
    WriteLinkStyle();
    WriteDocumentInfo(manager_->DocumentProperties(),
                      settings_.PptDocumentPropertiestoDocumentInfo(), *env_.code_page,
                      [this](int32_t index) { return presentation_.PropertyText(index); });
    auto slides = presentation_.Slides();
    const int32_t count = slides->Count();
    for (int32_t s = 1; s <= count; ++s) {
      auto slide = slides->Item(s);
      if (settings_.PptPresentationNotestoPDFNotes()) CollectNotes(*slide, s);
      if (settings_.PptSlideOutlinesToBookmarks()) CollectOutline(*slide);
      if (settings_.PptHyperlinksToLinks()) CollectLinks(*slide, s);
    }
    links_.SetCount(link_ - 1);
    notes_.SetCount(note_ - 1);
    bookmarks_.SetCount(bookmark_ - 1);
    // Closing the manager writes the lists the printer reads for this job.
    manager_.Close();
    presentation_.SetActivePrinter(TqvProfileManager::PrinterName());
    if (count > 0) presentation_.PrintOut(1, count, L"", 1, false);
  }

 private:
  // Notes that are blank give no entry and use no number.
  void CollectNotes(PowerPointSlide& slide, int32_t s) {
    const std::wstring text = slide.NotesText();
    if (TrimBlanks(text).empty()) return;
    notes_.SetNumber(note_++);
    notes_.SetPage(s);
    notes_.SetColor(settings_.PptNotesColor());
    notes_.SetPosition(settings_.PptNotesPosition());
    notes_.SetIsPositionPredefined(true);
    notes_.SetContent(Ansi(text));
    notes_.SetOpen(settings_.PptNotesKeepOpen());
  }

  // Each line of an outline shape is a bookmark candidate at the shape's
  // level; the levels of a slide are lowered so that its lowest is 0. Level
  // 0 lines always become bookmarks, the others only with the slide text
  // setting.
  void CollectOutline(PowerPointSlide& slide) {
    std::vector<TqvInternalAddress> candidates;
    std::optional<int32_t> slide_index;
    auto shapes = slide.Shapes();
    const int32_t count = shapes->Count();
    for (int32_t i = 1; i <= count; ++i) {
      auto shape = shapes->Item(i);
      const std::wstring name = shape->Name();
      if (!ContainsIgnoringCase(*env_.code_page, name, L"Rectangle")) continue;
      const int32_t level =
          DecimalOrZero(name.size() > kRectangleLength ? name.substr(kRectangleLength) : L"");
      if (level >= kOutlineShapes) continue;
      const std::string text = Ansi(shape->Text());
      const int32_t top = Px(shape->Top(), pixels_per_inch_);
      if (!slide_index) slide_index = slide.SlideIndex();
      for (std::string& piece : Pieces(text)) {
        TqvInternalAddress candidate;
        candidate.SetName(std::move(piece));
        candidate.SetRect({0, top, 0, 0});
        candidate.SetPage(*slide_index);
        candidate.SetLevel(level);
        candidates.push_back(std::move(candidate));
      }
    }
    int32_t lowest = 10;
    for (const TqvInternalAddress& c : candidates) lowest = std::min(lowest, c.Level());
    if (lowest == 10) lowest = 0;
    const bool text_too = settings_.PptPresentationTextToPDFBookmark();
    for (const TqvInternalAddress& c : candidates) {
      const int32_t level = c.Level() - lowest;
      if (level != 0 && !text_too) continue;
      bookmarks_.SetNumber(bookmark_++);
      bookmarks_.SetText(c.Name());
      bookmarks_.SetLevel(level);
      bookmarks_.SetPage(c.Page());
      bookmarks_.SetVerticalPos(c.Rect().top);
    }
  }

  void CollectLinks(PowerPointSlide& slide, int32_t s) {
    auto links = slide.Hyperlinks();
    const int32_t count = links->Count();
    for (int32_t h = 1; h <= count; ++h) {
      links_.SetNumber(link_);
      links_.SetBorderColor(settings_.PptLinkBorderColor());
      WriteLinkStyle();
      auto link = links->Item(h);
      const int32_t type = link->Type();
      auto carrier = link->Carrier();
      const PowerPointRectangle bounds =
          type == kPowerPointLinkOnText ? carrier->TextBounds() : carrier->ShapeBounds();
      links_.SetSourceRect(LinkArea(bounds));
      links_.SetSourcePage(s);
      const std::wstring sub_address = link->SubAddress();
      if (!TrimBlanks(sub_address).empty()) {
        links_.SetHyperLinkType(kLinkWithinDocument);
        links_.SetDestPage(DestinationSlide(Ansi(sub_address)));
        links_.SetDestRect({});
      } else {
        WriteOutsideTarget(links_, *env_.code_page, link->Address(),
                           [this]() -> const std::wstring& { return PresentationPath(); });
      }
      ++link_;
    }
  }

  // Border width and highlight mode of the link entry at the cursor.
  void WriteLinkStyle() {
    links_.SetBorderWidth(settings_.PptLinkBorderWidth() & 0xFF);
    links_.SetHighlightMode(settings_.PptLinkHighlightMode());
  }

  // Each side in pixels before rounding; the offset moves left and top.
  TqvRect LinkArea(const PowerPointRectangle& bounds) const {
    auto pixels = [this](double points) { return points * pixels_per_inch_ / 72.0; };
    TqvRect area;
    area.left = RoundHalfEven(pixels(bounds.left) + kLinkOffset);
    area.top = RoundHalfEven(pixels(bounds.top) + kLinkOffset);
    area.right = RoundHalfEven(pixels(bounds.width)) + area.left;
    area.bottom = RoundHalfEven(pixels(bounds.height)) + area.top;
    return area;
  }

  const std::wstring& PresentationPath() {
    if (!path_) path_ = presentation_.Path();
    return *path_;
  }

  std::string Ansi(const std::wstring& text) const { return env_.code_page->ToAnsi(text); }

  const Env& env_;
  PowerPointPresentation& presentation_;
  FlowManager manager_;
  TqvOfficeAddinSettings& settings_;
  TqvAddinPDFBookmark& bookmarks_;
  TqvAddinPDFHyperlink& links_;
  TqvAddinPDFNotes& notes_;
  const int32_t pixels_per_inch_;
  // The next entry number of each list.
  int32_t bookmark_ = 1;
  int32_t link_ = 1;
  int32_t note_ = 1;
  std::optional<std::wstring> path_;
};

}  // namespace

void PrintPowerPointPresentation(const Env& env, PowerPointPresentation& presentation) {
  PowerPointFlow(env, presentation).Run();
}

}  // namespace tessaly
