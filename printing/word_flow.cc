#include "printing/word_flow.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/internal_address.h"
#include "platform/code_page.h"
#include "platform/screen.h"
#include "printing/document_info.h"
#include "printing/flow_manager.h"
#include "printing/link_targets.h"
#include "printing/office_text.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

// A Word bookmark as a link destination. The name is kept as Word gives
// it, so that a link's sub-address matches it exactly.
struct Destination {
  std::wstring name;
  TqvInternalAddress address;
};

// A heading, kept until every level is known.
struct Heading {
  std::string text;
  int32_t level;
  int32_t vertical_position;
  int32_t page;
};

// The heading level in a style name: "Heading" removed wherever it stands
// (letter case counts), the rest read as a decimal integer with leading
// blanks allowed; 0 when it is not one. "Heading 2" is 2, "heading 2" 0.
int32_t HeadingLevel(std::wstring style) {
  const std::wstring word = L"Heading";
  for (size_t at = style.find(word); at != std::wstring::npos; at = style.find(word, at)) {
    style.erase(at, word.size());
  }
  return DecimalOrZero(style);
}

class WordFlow {
 public:
  WordFlow(const Env& env, WordApplication& word, WordDocument& document)
      : env_(env),
        word_(word),
        document_(document),
        manager_(env),
        settings_(manager_->AddinSettings()),
        bookmarks_(manager_->Bookmarks()),
        links_(manager_->Hyperlinks()),
        notes_(manager_->Notes()),
        pixels_per_inch_(env.screen->PixelsPerInch()) {}

  void Run() {
    Collect();
    // Closing the manager writes the lists the printer reads for this job.
    manager_.Close();
    Print();
  }

 private:
  void Collect() {
    manager_->WriteFlagPP(true);
    document_.Bookmarks()->SetShowHidden(true);
    if (settings_.WordHeadingsToBookmarks()) CollectHeadings();
    CollectBookmarks();
    if (settings_.WordHyperlinksToLinks()) {
      CollectBookmarkLinks();
      CollectDocumentLinks();
    }
    if (settings_.WordTOCToLinks()) CollectTableOfContentsLinks();
    CollectComments();
    CollectDocumentProperties();
    if (settings_.WordNotesToLinks()) {
      CollectNotes(*document_.Footnotes(), false);
      CollectNotes(*document_.Endnotes(), true);
    }
    links_.SetCount(link_ - 1);
  }

  // Paragraphs whose style names a heading become bookmarks, their levels
  // lowered so that the highest heading in use is level 0 (at most 10 is
  // taken away).
  void CollectHeadings() {
    std::vector<Heading> headings;
    auto paragraphs = document_.Paragraphs();
    const int32_t count = paragraphs->Count();
    for (int32_t i = 1; i <= count; ++i) {
      auto range = paragraphs->Item(i)->Range();
      std::wstring style = range->Style();
      if (!ContainsIgnoringCase(*env_.code_page, style, L"Heading")) continue;
      range->Select();
      int32_t y = selection().Information(kWordVerticalOnPage);
      headings.push_back({Ansi(range->Text()), HeadingLevel(style),
                          Px(y, pixels_per_inch_), range->Information(kWordEndPage)});
    }
    int32_t lowest = 10;
    for (const Heading& heading : headings) lowest = std::min(lowest, heading.level);
    for (const Heading& heading : headings) {
      bookmarks_.SetNumber(bookmark_++);
      bookmarks_.SetText(heading.text);
      bookmarks_.SetLevel(heading.level - lowest);
      bookmarks_.SetVerticalPos(heading.vertical_position);
      bookmarks_.SetPage(heading.page);
    }
  }

  // Every bookmark of the active document is a link destination; those the
  // settings let through also become PDF bookmarks, after the headings.
  void CollectBookmarks() {
    const bool to_bookmarks = settings_.WordBookmarksToBookmarks();
    const bool hidden_too = settings_.WordHiddenBookmarksToBookmarks();
    auto marks = active().Bookmarks();
    const int32_t count = marks->Count();
    for (int32_t i = 1; i <= count; ++i) {
      auto mark = marks->Item(i);
      std::unique_ptr<WordRange> range = mark->Range();
      Destination destination;
      destination.address.SetRect(Measure(*range));
      destination.name = mark->Name();
      destination.address.SetName(Ansi(destination.name));
      destination.address.SetPage(range->Information(kWordEndPage));
      if (to_bookmarks && (hidden_too || destination.name.compare(0, 1, L"_") != 0)) {
        bookmarks_.SetNumber(bookmark_++);
        bookmarks_.SetText(destination.address.Name());
        bookmarks_.SetLevel(0);
        bookmarks_.SetVerticalPos(destination.address.Rect().top);
        bookmarks_.SetPage(destination.address.Page());
      }
      destinations_.push_back(std::move(destination));
      // The links inside each bookmark are collected next, from its range.
      bookmark_ranges_.push_back(std::move(range));
    }
    bookmarks_.SetCount(bookmark_ - 1);
  }

  void CollectBookmarkLinks() {
    for (const std::unique_ptr<WordRange>& range : bookmark_ranges_) {
      auto links = range->Hyperlinks();
      const int32_t count = links->Count();
      for (int32_t j = 1; j <= count; ++j) {
        auto link = links->Item(j);
        StartLink(*link);
        std::wstring sub_address = link->SubAddress();
        ClassifyTarget(*link, sub_address, TrimBlanks(sub_address).empty());
        ++link_;
      }
    }
  }

  // A link on an inline picture is overwritten by the link that follows it.
  void CollectDocumentLinks() {
    auto links = active().Hyperlinks();
    const int32_t count = links->Count();
    for (int32_t j = 1; j <= count; ++j) {
      auto link = links->Item(j);
      StartLink(*link);
      if (link->Type() == kWordPictureLink) continue;
      std::wstring sub_address = link->SubAddress();
      ClassifyTarget(*link, sub_address, sub_address.empty());
      ++link_;
    }
  }

  void CollectTableOfContentsLinks() {
    auto tables = active().TablesOfContents();
    const int32_t count = tables->Count();
    for (int32_t t = 1; t <= count; ++t) {
      auto links = tables->Item(t)->Range()->Hyperlinks();
      const int32_t links_count = links->Count();
      for (int32_t j = 1; j <= links_count; ++j) {
        auto link = links->Item(j);
        StartLink(*link);
        WriteDestination(link->SubAddress());
        links_.SetHyperLinkType(kLinkWithinDocument);
        ++link_;
      }
    }
  }

  void CollectComments() {
    if (settings_.WordCommentsToPDFNotes()) {
      auto comments = document_.Comments();
      const int32_t count = comments->Count();
      for (int32_t i = 1; i <= count; ++i) {
        auto comment = comments->Item(i);
        notes_.SetNumber(note_);
        notes_.SetIsPositionPredefined(false);
        notes_.SetOpen(settings_.WordNotesKeepOpen());
        notes_.SetColor(settings_.WordNotesColor());
        auto scope = comment->Scope();
        notes_.SetRect(Measure(*scope));
        notes_.SetPage(scope->Information(kWordEndPage));
        notes_.SetContent(Ansi(TrimBlanks(comment->Range()->Text())));
        ++note_;
      }
    }
    notes_.SetCount(note_ - 1);
  }

  void CollectDocumentProperties() {
    WriteDocumentInfo(manager_->DocumentProperties(),
                      settings_.WordDocumentPropertiestoDocumentInfo(), *env_.code_page,
                      [this](int32_t index) { return document_.PropertyText(index); });
  }

  // Each note gives two links that point at each other: from the note text
  // to its mark in the body and back. An endnote's text is placed on the
  // document's last page.
  void CollectNotes(WordList<WordNote>& notes, bool endnotes) {
    const int32_t count = notes.Count();
    for (int32_t i = 1; i <= count; ++i) {
      auto note = notes.Item(i);
      links_.SetNumber(link_);
      WriteLinkStyle();
      links_.SetHyperLinkType(kLinkWithinDocument);
      auto text = note->Range();
      const TqvRect text_area = Measure(*text);
      const int32_t text_page = endnotes ? PageCount() : text->Information(kWordEndPage);
      links_.SetSourceRect(text_area);
      links_.SetSourcePage(text_page);
      auto mark = note->Reference();
      const TqvRect mark_area = MeasureInPlace(*mark);
      const int32_t mark_page = mark->Information(kWordEndPage);
      links_.SetDestRect(mark_area);
      links_.SetDestPage(mark_page);
      links_.SetNumber(++link_);
      WriteLinkStyle();
      links_.SetHyperLinkType(kLinkWithinDocument);
      links_.SetSourceRect(mark_area);
      links_.SetSourcePage(mark_page);
      links_.SetDestRect(text_area);
      links_.SetDestPage(text_page);
      ++link_;
    }
  }

  // The first fields of every link entry: its look, where it sits and on
  // which page.
  void StartLink(WordHyperlink& link) {
    links_.SetNumber(link_);
    WriteLinkStyle();
    auto range = link.Range();
    links_.SetSourceRect(Measure(*range));
    links_.SetSourcePage(range->Information(kWordEndPage));
  }

  void WriteLinkStyle() {
    links_.SetBorderColor(settings_.WordLinkBorderColor());
    links_.SetHighlightMode(settings_.WordLinkHighlightMode());
    links_.SetBorderWidth(settings_.WordLinkBorderWidth() & 0xFF);
  }

  // With no sub-address the target is outside: an internet address or a
  // file beside the document. Otherwise it is a bookmark of the document.
  void ClassifyTarget(WordHyperlink& link, const std::wstring& sub_address, bool outside) {
    if (!outside) {
      links_.SetHyperLinkType(kLinkWithinDocument);
      WriteDestination(sub_address);
      return;
    }
    WriteOutsideTarget(links_, *env_.code_page, link.Address(),
                       [this]() -> const std::wstring& { return DocumentPath(); });
  }

  // The destination is the bookmark named exactly `sub_address`; the last
  // of several with that name wins. No such bookmark leaves the
  // destination fields unwritten.
  void WriteDestination(const std::wstring& sub_address) {
    auto match = std::find_if(destinations_.rbegin(), destinations_.rend(),
                              [&](const Destination& d) { return d.name == sub_address; });
    if (match == destinations_.rend()) return;
    links_.SetDestRect(match->address.Rect());
    links_.SetDestPage(match->address.Page());
  }

  // The area of `range` on its page, in screen pixels: its position from
  // Word's selection once the range is selected, its size from its text
  // drawn on the screen in its font.
  TqvRect Measure(WordRange& range) {
    ScreenFont font = FontOf(range);
    range.Select();
    WordSelection& selected = selection();
    const int32_t x = selected.Information(kWordHorizontalOnPage);
    const int32_t y = selected.Information(kWordVerticalOnPage);
    return Area(font, x, y, range.Text());
  }

  // As Measure, the position read from the range itself: a note mark needs
  // no selection.
  TqvRect MeasureInPlace(WordRange& range) {
    ScreenFont font = FontOf(range);
    const int32_t x = range.Information(kWordHorizontalOnPage);
    const int32_t y = range.Information(kWordVerticalOnPage);
    return Area(font, x, y, range.Text());
  }

  ScreenFont FontOf(WordRange& range) {
    auto word_font = range.Font();
    ScreenFont font;
    font.face = word_font->Name();
    font.points = RoundHalfEven(word_font->Size());
    font.bold = word_font->Bold() == kWordTrue;
    return font;
  }

  TqvRect Area(const ScreenFont& font, int32_t x, int32_t y, const std::wstring& text) {
    const TextExtent extent = env_.screen->Extent(font, Ansi(text));
    TqvRect area;
    area.left = Px(x, pixels_per_inch_);
    area.top = Px(y, pixels_per_inch_);
    area.right = area.left + extent.width;
    area.bottom = area.top + extent.height;
    return area;
  }

  WordSelection& selection() {
    if (!selection_) selection_ = word_.Selection();
    return *selection_;
  }
  WordDocument& active() {
    if (!active_) active_ = word_.ActiveDocument();
    return *active_;
  }
  const std::wstring& DocumentPath() {
    if (!path_) path_ = document_.Path();
    return *path_;
  }
  int32_t PageCount() {
    if (!page_count_) page_count_ = document_.PropertyInteger(kWordPageCount);
    return *page_count_;
  }

  // Background printing off makes the print-out return only once the whole
  // job is with the printer. What the run changed in Word is put back,
  // also after a failure, which is then reported.
  void Print() {
    auto options = word_.Options();
    const bool background = options->PrintBackground();
    std::optional<std::wstring> previous_printer;
    try {
      if (background) options->SetPrintBackground(false);
      previous_printer = word_.ActivePrinter();
      word_.SetActivePrinter(TqvProfileManager::PrinterName());
      word_.PrintOut();
    } catch (...) {
      try {
        if (background) options->SetPrintBackground(true);
        if (previous_printer) word_.SetActivePrinter(*previous_printer);
      } catch (...) {
        // The first failure is the one the caller hears of.
      }
      throw;
    }
    if (background) options->SetPrintBackground(true);
    word_.SetActivePrinter(*previous_printer);
  }

  std::string Ansi(const std::wstring& text) const { return env_.code_page->ToAnsi(text); }

  // Word's hyperlink type of a link on an inline picture.
  static constexpr int32_t kWordPictureLink = 2;
  const Env& env_;
  WordApplication& word_;
  WordDocument& document_;
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
  std::vector<Destination> destinations_;
  std::vector<std::unique_ptr<WordRange>> bookmark_ranges_;
  // Reached once, when first needed.
  std::unique_ptr<WordSelection> selection_;
  std::unique_ptr<WordDocument> active_;
  std::optional<std::wstring> path_;
  std::optional<int32_t> page_count_;
};

}  // namespace

void PrintWordDocument(const Env& env, WordApplication& word, WordDocument& document) {
  WordFlow(env, word, document).Run();
}

}  // namespace tessaly
