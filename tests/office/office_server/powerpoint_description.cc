#include <string>

#include "tests/office/office_server/description.h"
#include "tests/office/office_server/powerpoint_server.h"

namespace tessaly {
namespace {

PowerPointRectangle BoxOf(const DescriptionSection& r, const std::string& key) {
  return {r.Float(key + ".Left", 0), r.Float(key + ".Top", 0), r.Float(key + ".Width", 0),
          r.Float(key + ".Height", 0)};
}

FakePowerPointSlide SlideOf(const DescriptionSection& r, const std::string& slide) {
  FakePowerPointSlide s;
  s.notes = r.TextWithMarks(slide + ".Notes");
  r.Items(slide + ".Shape", {".Name"}, [&](const std::string& key) {
    s.shapes.push_back({r.Text(key + ".Name"), r.TextWithMarks(key + ".Text"), BoxOf(r, key)});
  });
  r.Items(slide + ".Hyperlink", {".Type"}, [&](const std::string& key) {
    s.hyperlinks.push_back({r.Integer(key + ".Type", kPowerPointLinkOnText),
                            r.Text(key + ".Address"), r.Text(key + ".SubAddress"), BoxOf(r, key)});
  });
  return s;
}

}  // namespace

void ArrangeFakePowerPoint(const IniFile& description, FakePowerPointServer* server) {
  FakePowerPoint& powerpoint = server->powerpoint;
  for (int i = 1; description.SectionExists("Presentation" + std::to_string(i)); ++i) {
    DescriptionSection r(description, "Presentation" + std::to_string(i));
    FakePowerPointPresentation p;
    p.path = r.Text("Path");
    p.name = r.Text("Name");
    p.properties = r.Properties();
    for (int s = 1; s <= r.Integer("Slides", 0); ++s) {
      p.slides.push_back(SlideOf(r, "Slide" + std::to_string(s)));
    }
    if (r.Integer("Opened", 1) != 0) {
      powerpoint.open.push_back(std::move(p));
    } else {
      powerpoint.files[p.path + L"\\" + p.name] = std::move(p);
    }
  }
  DescriptionSection general(description, "PowerPoint");
  powerpoint.active = static_cast<size_t>(general.Integer("Active", 1) - 1);
  ArrangeFailures(description, server, &powerpoint.failures);
}

}  // namespace tessaly
