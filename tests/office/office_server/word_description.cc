#include "tests/office/office_server/word_description.h"

#include <cwchar>

#include "common/comma_text.h"
#include "tests/office/office_server/description.h"

namespace tessaly {
namespace {

FakeWordText WordText(const DescriptionSection& r, const std::string& key) {
  FakeWordText text;
  text.text = r.TextWithMarks(key + ".Text");
  text.style = r.Text(key + ".Style", text.style);
  text.page = r.Integer(key + ".Page", text.page);
  text.x = r.Float(key + ".X", text.x);
  text.y = r.Float(key + ".Y", text.y);
  text.font = r.Text(key + ".Font", text.font);
  text.size = r.Float(key + ".Size", text.size);
  text.bold = r.Integer(key + ".Bold", text.bold);
  for (const std::string& link : SplitCommaText(r.Raw(key + ".Links"))) {
    if (!link.empty()) text.links.push_back(std::stoi(link));
  }
  return text;
}

FakeWordDocument DocumentOf(const DescriptionSection& r) {
  FakeWordDocument d;
  d.path = r.Text("Path");
  d.name = r.Text("Name");
  r.Items("Paragraph", {".Text", ".Name"},
          [&](const std::string& key) { d.paragraphs.push_back(WordText(r, key)); });
  r.Items("Bookmark", {".Text", ".Name"}, [&](const std::string& key) {
    d.bookmarks.push_back({r.Text(key + ".Name"), WordText(r, key)});
  });
  r.Items("Hyperlink", {".Text", ".Name"}, [&](const std::string& key) {
    d.hyperlinks.push_back({WordText(r, key), r.Text(key + ".Address"), r.Text(key + ".SubAddress"),
                            r.Integer(key + ".Type", 0)});
  });
  r.Items("Contents", {".Text", ".Name"},
          [&](const std::string& key) { d.tables_of_contents.push_back(WordText(r, key)); });
  r.Items("Comment", {".Text", ".Name"}, [&](const std::string& key) {
    d.comments.push_back({WordText(r, key + ".Scope"), WordText(r, key)});
  });
  r.Items("Footnote", {".Text", ".Name"}, [&](const std::string& key) {
    d.footnotes.push_back({WordText(r, key), WordText(r, key + ".Reference")});
  });
  r.Items("Endnote", {".Text", ".Name"}, [&](const std::string& key) {
    d.endnotes.push_back({WordText(r, key), WordText(r, key + ".Reference")});
  });
  d.properties = r.Properties();
  return d;
}

}  // namespace

void ArrangeFakeWord(const IniFile& description, FakeWordServer* server) {
  FakeWord& word = server->word;
  DescriptionSection general(description, "Word");
  for (int i = 1; description.SectionExists("Document" + std::to_string(i)); ++i) {
    DescriptionSection r(description, "Document" + std::to_string(i));
    FakeWordDocument document = DocumentOf(r);
    if (r.Integer("Opened", 1) != 0) {
      word.open.push_back(std::move(document));
    } else {
      word.files[document.path + L"\\" + document.name] = std::move(document);
    }
  }
  word.active = static_cast<size_t>(general.Integer("Active", 1) - 1);
  word.active_printer = general.Text("ActivePrinter", word.active_printer);
  word.print_background = general.Integer("PrintBackground", 1) != 0;
  ArrangeFailures(description, server, &word.failures);
}

}  // namespace tessaly
