// The Word flow over a 5,000-paragraph document.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/office_bench.h"
#include "bench/plugin_entries.h"
#include "office/fake/fake_word.h"
#include "platform/fake/fake_env.h"
#include "printing/word_flow.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

constexpr int kParagraphs = 5000;  // every tenth a heading
constexpr int kBookmarks = 200;    // every tenth hidden; the first 100 hold a link
constexpr int kLinks = 300;        // a third each: internet, file, bookmark
constexpr int kComments = 100;
constexpr int kFootnotes = 100;

FakeWordText Text(const std::wstring& text, int i) {
  FakeWordText t(text, 1 + i / 40);
  t.x = 72 + (i % 7) * 3.5;
  t.y = 72 + (i % 40) * 17.25;
  t.size = 11 + (i % 3) * 0.5;
  t.bold = i % 5 == 0 ? kWordTrue : 0;
  return t;
}

FakeWordDocument BigDocument() {
  FakeWordDocument d;
  d.path = L"C:\\Docs";
  d.name = L"big.doc";
  for (int i = 0; i < kParagraphs; ++i) {
    std::wstring style = i % 10 == 0 ? L"Heading " + std::to_wstring(1 + i / 10 % 3) : L"Normal";
    FakeWordText t = Text(L"Paragraph text " + std::to_wstring(i) + L"\r", i);
    t.style = style;
    d.paragraphs.push_back(t);
  }
  for (int i = 0; i < kBookmarks; ++i) {
    std::wstring name = (i % 10 == 0 ? L"_Toc" : L"Mark") + std::to_wstring(i);
    FakeWordText t = Text(L"bookmarked " + std::to_wstring(i), i * 25);
    if (i < 100) t.links = {i + 1};
    d.bookmarks.push_back({name, t});
  }
  for (int i = 0; i < kLinks; ++i) {
    FakeWordText t = Text(L"link " + std::to_wstring(i), i * 16);
    switch (i % 3) {
      case 0: d.hyperlinks.push_back({t, L"http://www.example.org/" + std::to_wstring(i), L"", 1});
        break;
      case 1: d.hyperlinks.push_back({t, L"annex" + std::to_wstring(i) + L".pdf", L"", 1}); break;
      default: d.hyperlinks.push_back({t, L"", L"Mark" + std::to_wstring(i % kBookmarks), 0});
    }
  }
  for (int i = 0; i < kComments; ++i) {
    d.comments.push_back({Text(L"commented " + std::to_wstring(i), i * 50),
                          Text(L"  remark " + std::to_wstring(i) + L" ", i * 50)});
  }
  for (int i = 0; i < kFootnotes; ++i) {
    d.footnotes.push_back({Text(L"footnote " + std::to_wstring(i), i * 50 + 5),
                           Text(std::to_wstring(i + 1), i * 50)});
  }
  d.properties = {{kWordTitle, L"Annual report"}, {kWordSubject, L"Figures"},
                  {kWordAuthor, L"Someone"}, {kWordKeywords, L"report, figures"},
                  {kWordPageCount, L"126"}};
  return d;
}

// The fewest object-model calls that collecting and printing `d` needs,
// every setting on: each collection once (Count, then Item by index),
// Word's selection reached once, each measured range asked for its font
// (name, size, bold), selected, placed (two) and read, each value Word
// gives read once.
int64_t MinimumCalls(const FakeWordDocument& d) {
  constexpr int64_t kMeasure = 8;
  constexpr int64_t kMeasureInPlace = 7;  // placed by the range itself, not selected
  int64_t calls = 2;                      // the bookmarks shown hidden
  calls += 2 + 3 * static_cast<int64_t>(d.paragraphs.size()) + 1;  // + the selection
  for (const FakeWordText& p : d.paragraphs) {
    if (p.style.find(L"Heading") != std::wstring::npos) calls += 4;
  }
  calls += 1 + 2;  // the active document, its bookmarks
  bool file_link = false;
  auto link = [&](const FakeWordHyperlink& h, bool typed) {
    int64_t c = 2 + kMeasure + 1 + 1;  // item, range, measure, page, sub-address
    if (typed) ++c;
    if (h.sub_address.empty()) {
      ++c;  // address
      file_link |= h.address.find(L"www") == std::wstring::npos;
    }
    return c;
  };
  for (const FakeWordBookmark& b : d.bookmarks) {
    calls += 2 + kMeasure + 2;  // item, range, measure, name, page
    calls += 2;                 // its hyperlinks
    for (int32_t l : b.text.links) calls += link(d.hyperlinks[l - 1], false);
  }
  calls += 2;
  for (const FakeWordHyperlink& h : d.hyperlinks) calls += link(h, true);
  calls += file_link ? 1 : 0;  // the document's folder
  calls += 2;                  // tables of contents
  calls += 2 + static_cast<int64_t>(d.comments.size()) * (2 + kMeasure + 1 + 2);
  calls += 4;  // title, author, subject, keywords
  calls += 2 + static_cast<int64_t>(d.footnotes.size()) *
                   (2 + kMeasure + 1 + 1 + kMeasureInPlace + 1);
  calls += 2;  // endnotes
  calls += 8;  // options, background off and back, printer read, set and back, print-out
  return calls;
}

FakeWordDocument& Document() {
  static FakeWordDocument document = BigDocument();
  return document;
}

void RunFlow(FakeEnv& fake, FakeWord& word) {
  auto app = word.Application();
  auto doc = app->ActiveDocument();
  PrintWordDocument(fake.env, *app, *doc);
}

void BM_WordFlow(benchmark::State& state) {
  FakeEnv fake;
  FakeWord word;
  word.open.push_back(Document());
  for (auto _ : state) {
    word.open.front().show_hidden = false;
    RunFlow(fake, word);
  }
}

// The same entries written straight into the lists of a manager opened and
// closed as the flow's own is.
void BM_WordListWrites(benchmark::State& state) {
  FakeEnv fake;
  FakeWord word;
  word.open.push_back(Document());
  RunFlow(fake, word);
  const PlugInEntries entries = ReadPlugInEntries(fake.env);
  for (auto _ : state) WritePlugInEntries(fake.env, entries);
}

BENCHMARK(BM_WordFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordListWrites)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool added = AddOfficeFigure([](RatioReporter& reporter) {
  FakeEnv fake;
  FakeWord word;
  word.open.push_back(Document());
  RunFlow(fake, word);
  const double minimum = static_cast<double>(MinimumCalls(Document()));
  std::printf("ratio word calls/minimum: %.2f\n", word.total_calls / minimum);
  std::printf("ratio word flow/list writes: %.2f\n",
              reporter.Ratio("BM_WordFlow", "BM_WordListWrites"));
});

}  // namespace
}  // namespace tessaly
