#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "office/fake/fake_calls.h"
#include "office/word.h"

namespace tessaly {

// A span of text of an in-memory document, with what Word would report
// about it.
struct FakeWordText {
  FakeWordText() = default;
  // Implicit, so that descriptions read {L"text", page}.
  FakeWordText(std::wstring text, int32_t page = 1, std::wstring style = L"Normal")
      : text(std::move(text)), style(std::move(style)), page(page) {}

  std::wstring text;
  std::wstring style = L"Normal";
  int32_t page = 1;
  // Points from the top-left corner of the page.
  double x = 0;
  double y = 0;
  std::wstring font = L"Times New Roman";
  double size = 12;
  int32_t bold = 0;  // a Word boolean
  // The document's hyperlinks inside this text, by 1-based index.
  std::vector<int32_t> links;
};

struct FakeWordHyperlink {
  FakeWordText text;
  std::wstring address;
  std::wstring sub_address;
  int32_t type = 0;
};

struct FakeWordBookmark {
  std::wstring name;  // hidden when it begins with "_"
  FakeWordText text;
};

struct FakeWordComment {
  FakeWordText scope;
  FakeWordText text;
};

struct FakeWordNote {
  FakeWordText text;
  FakeWordText reference;
};

// A Word document described in memory; each list in document order.
struct FakeWordDocument {
  std::wstring path;
  std::wstring name;
  std::vector<FakeWordText> paragraphs;
  std::vector<FakeWordBookmark> bookmarks;
  std::vector<FakeWordHyperlink> hyperlinks;
  // The range of each table of contents; its entries' links by index.
  std::vector<FakeWordText> tables_of_contents;
  std::vector<FakeWordComment> comments;
  std::vector<FakeWordNote> footnotes;
  std::vector<FakeWordNote> endnotes;
  // Built-in properties by index (WordProperty); a missing one reads "".
  std::map<int32_t, std::wstring> properties;
  // Word's own state: Bookmarks.ShowHidden, off when the document opens.
  bool show_hidden = false;
};

// An in-memory Word that tests arrange and inspect. It counts every call of
// the object model by member ("Range.Text"), so that a benchmark can count
// what a flow asks of Word, and fails any member named in `failures` with
// the message given, as Word raises its errors. The objects it hands out
// point into it: it must outlive them.
class FakeWord : public FakeCalls {
 public:
  struct PrintJob {
    std::wstring document;  // the active document's name
    std::wstring printer;
    bool background;
  };

  // A new connection, as OfficeApplications::Word gives.
  std::unique_ptr<WordApplication> Application();

  // The text behind a range this fake handed out, for a server that
  // answers with Word's unrounded values; null for any other range.
  static const FakeWordText* TextOf(const WordRange& range);

  // The open documents; push_back keeps the others in place.
  std::deque<FakeWordDocument> open;
  size_t active = 0;  // index into `open`
  // What Documents.Open can open, by full file name.
  std::map<std::wstring, FakeWordDocument> files;

  bool visible = false;
  bool print_background = true;
  std::wstring active_printer = L"Office Printer";
  std::vector<PrintJob> print_jobs;
  // Called by PrintOut once the job is recorded, to look at the world as
  // the printer finds it.
  std::function<void()> on_print_out;
  // The text Range.Select last moved the selection to; none at first.
  const FakeWordText* selection = nullptr;

};

}  // namespace tessaly
