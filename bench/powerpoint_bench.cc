// The PowerPoint flow over a 500-slide presentation, every setting on.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/office_bench.h"
#include "bench/plugin_entries.h"
#include "office/fake/fake_powerpoint.h"
#include "platform/fake/fake_env.h"
#include "printing/powerpoint_flow.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

constexpr int kSlides = 500;

// Each slide: a title and a three-line body in outline shapes, a picture,
// notes on every other slide and a link, of each kind in turn.
FakePowerPointPresentation BigPresentation() {
  FakePowerPointPresentation p;
  p.path = L"C:\\Talks";
  p.name = L"big.ppt";
  for (int i = 0; i < kSlides; ++i) {
    const std::wstring n = std::to_wstring(i);
    FakePowerPointSlide slide;
    slide.notes = i % 2 ? L"Say something about " + n : L"  ";
    slide.shapes = {{L"Rectangle 2", L"Slide " + n, {36, 20.5, 600, 60}},
                    {L"Rectangle 3", L"First\rSecond\rThird " + n, {36, 100.25, 600, 300}},
                    {L"Picture 4", L"", {36, 420, 100, 100}}};
    switch (i % 3) {
      case 0: slide.hyperlinks = {{1, L"", L"256," + std::to_wstring(i % kSlides + 1) + L",T",
                                   {72.5, 72.5, 144.25, 36}}};
        break;
      case 1: slide.hyperlinks = {{0, L"http://www.example.org", L"", {10, 10, 50, 12}}}; break;
      default: slide.hyperlinks = {{1, L"notes" + n + L".doc", L"", {10, 10, 50, 12}}};
    }
    p.slides.push_back(slide);
  }
  p.properties = {{kOfficeTitle, L"Big talk"}, {kOfficeAuthor, L"Someone"}};
  return p;
}

const FakePowerPointPresentation& Presentation() {
  static const FakePowerPointPresentation presentation = BigPresentation();
  return presentation;
}

// The fewest calls: each value PowerPoint gives read once, every chain
// walked once per value (the fake counts each step of a chain).
int64_t MinimumCalls(const FakePowerPointPresentation& p) {
  int64_t calls = 4 * 2 + 2;  // the properties; the slides
  bool file_link = false;
  for (const FakePowerPointSlide& slide : p.slides) {
    calls += 1 + 7;      // the slide, its notes
    calls += 2;          // its shapes
    bool outlined = false;
    for (const FakePowerPointShape& shape : slide.shapes) {
      calls += 2;  // item, name
      if (shape.name.find(L"Rectangle") == 0) {
        calls += 3 + 1;  // text, top
        outlined = true;
      }
    }
    calls += outlined ? 1 : 0;  // the slide's index
    calls += 2;                 // its links
    for (const FakePowerPointHyperlink& link : slide.hyperlinks) {
      calls += 1 + 1 + 2 + 4 + 1;  // item, type, carrier, its box, sub-address
      if (link.sub_address.empty()) {
        ++calls;  // address
        file_link |= link.address.find(L"www") == std::wstring::npos;
      }
    }
  }
  calls += file_link ? 1 : 0;  // the presentation's folder
  calls += 2 + 1;              // the printer, the print-out
  return calls;
}

// Every PowerPoint setting on.
void Prepare(FakeEnv& fake) {
  TqvProfileManager manager(fake.env);
  manager.AddinSettings().ppt().SetPresentationNotesToPDFNotes(true);
  manager.AddinSettings().ppt().SetPresentationTextToPDFBookmark(true);
}

void RunFlow(FakeEnv& fake, FakePowerPoint& powerpoint) {
  auto app = powerpoint.Application();
  auto presentation = app->ActivePresentation();
  PrintPowerPointPresentation(fake.env, *presentation);
}

void BM_PowerPointFlow(benchmark::State& state) {
  FakeEnv fake;
  Prepare(fake);
  FakePowerPoint powerpoint;
  powerpoint.open.push_back(Presentation());
  for (auto _ : state) RunFlow(fake, powerpoint);
}

void BM_PowerPointListWrites(benchmark::State& state) {
  FakeEnv fake;
  Prepare(fake);
  FakePowerPoint powerpoint;
  powerpoint.open.push_back(Presentation());
  RunFlow(fake, powerpoint);
  const PlugInEntries entries = ReadPlugInEntries(fake.env);
  for (auto _ : state) WritePlugInEntries(fake.env, entries);
}

BENCHMARK(BM_PowerPointFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PowerPointListWrites)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool added = AddOfficeFigure([](RatioReporter& reporter) {
  FakeEnv fake;
  Prepare(fake);
  FakePowerPoint powerpoint;
  powerpoint.open.push_back(Presentation());
  RunFlow(fake, powerpoint);
  const double minimum = static_cast<double>(MinimumCalls(Presentation()));
  std::printf("ratio powerpoint calls/minimum: %.2f\n", powerpoint.total_calls / minimum);
  std::printf("ratio powerpoint flow/list writes: %.2f\n",
              reporter.Ratio("BM_PowerPointFlow", "BM_PowerPointListWrites"));
});

}  // namespace
}  // namespace tessaly
