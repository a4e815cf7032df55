#include "tests/office/word_server/word_description.h"

#include <cwchar>

#include "common/comma_text.h"
#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {
namespace {

class Reader {
 public:
  Reader(const IniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}

  bool Has(const std::string& key) const { return ini_.ValueExists(section_, key); }
  std::wstring Text(const std::string& key, const std::wstring& fallback = L"") const {
    if (!Has(key)) return fallback;
    return DefaultEnv().code_page->FromAnsi(ini_.ReadString(section_, key, ""));
  }
  int32_t Integer(const std::string& key, int32_t fallback) const {
    return ini_.ReadInteger(section_, key, fallback);
  }
  double Float(const std::string& key, double fallback) const {
    return ini_.ReadFloat(section_, key, fallback);
  }

  FakeWordText WordText(const std::string& key) const {
    FakeWordText text;
    text.text = Text(key + ".Text");
    for (size_t at; (at = text.text.find(L"\\r")) != std::wstring::npos;) {
      text.text.replace(at, 2, L"\r");
    }
    text.style = Text(key + ".Style", text.style);
    text.page = Integer(key + ".Page", text.page);
    text.x = Float(key + ".X", text.x);
    text.y = Float(key + ".Y", text.y);
    text.font = Text(key + ".Font", text.font);
    text.size = Float(key + ".Size", text.size);
    text.bold = Integer(key + ".Bold", text.bold);
    for (const std::string& link : SplitCommaText(ini_.ReadString(section_, key + ".Links", ""))) {
      if (!link.empty()) text.links.push_back(std::stoi(link));
    }
    return text;
  }

  // Calls `read` with the key of each item <kind>1, <kind>2, ... that has
  // a text or a name.
  template <class F>
  void Items(const std::string& kind, F read) const {
    for (int i = 1;; ++i) {
      std::string key = kind + std::to_string(i);
      if (!Has(key + ".Text") && !Has(key + ".Name")) return;
      read(key);
    }
  }

 private:
  const IniFile& ini_;
  std::string section_;
};

FakeWordDocument DocumentOf(const Reader& r) {
  FakeWordDocument d;
  d.path = r.Text("Path");
  d.name = r.Text("Name");
  r.Items("Paragraph", [&](const std::string& key) { d.paragraphs.push_back(r.WordText(key)); });
  r.Items("Bookmark", [&](const std::string& key) {
    d.bookmarks.push_back({r.Text(key + ".Name"), r.WordText(key)});
  });
  r.Items("Hyperlink", [&](const std::string& key) {
    d.hyperlinks.push_back({r.WordText(key), r.Text(key + ".Address"), r.Text(key + ".SubAddress"),
                            r.Integer(key + ".Type", 0)});
  });
  r.Items("Contents",
          [&](const std::string& key) { d.tables_of_contents.push_back(r.WordText(key)); });
  r.Items("Comment", [&](const std::string& key) {
    d.comments.push_back({r.WordText(key + ".Scope"), r.WordText(key)});
  });
  r.Items("Footnote", [&](const std::string& key) {
    d.footnotes.push_back({r.WordText(key), r.WordText(key + ".Reference")});
  });
  r.Items("Endnote", [&](const std::string& key) {
    d.endnotes.push_back({r.WordText(key), r.WordText(key + ".Reference")});
  });
  for (int32_t index = 1; index <= 40; ++index) {
    std::string key = "Property" + std::to_string(index);
    if (r.Has(key)) d.properties[index] = r.Text(key);
  }
  return d;
}

ScriptedRaise RaiseOf(const std::string& code) {
  ScriptedRaise raise{kFakeWordError, L""};
  std::string number = code;
  for (auto [word, how] :
       {std::pair<const char*, ScriptedRaise::How>{"wcode ", ScriptedRaise::kWcode},
        {"returned ", ScriptedRaise::kReturned}}) {
    if (code.rfind(word, 0) == 0) {
      raise.how = how;
      number = code.substr(std::char_traits<char>::length(word));
    }
  }
  raise.code = static_cast<HRESULT>(std::stoul(number, nullptr, 16));
  return raise;
}

}  // namespace

void ArrangeFakeWord(const IniFile& description, FakeWordServer* server) {
  FakeWord& word = server->word;
  Reader general(description, "Word");
  for (int i = 1; description.SectionExists("Document" + std::to_string(i)); ++i) {
    Reader r(description, "Document" + std::to_string(i));
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
  for (const auto& [member, message] : description.SectionValues("Failures")) {
    word.failures[member] = message;
  }
  for (const auto& [member, code] : description.SectionValues("Failure Codes")) {
    server->raises[member] = RaiseOf(code);
  }
}

}  // namespace tessaly
