// check: what the printer would make of a store file or the watermark file,
// one finding per line.
#include <algorithm>
#include <cstdint>
#include <set>

#include "common/ini_file.h"
#include "common/number_format.h"
#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "tools/tqstore/key_rules.h"
#include "tools/tqstore/report.h"
#include "tools/tqstore/text.h"
#include "tools/tqstore/tool_context.h"
#include "watermarks/font_text.h"
#include "watermarks/watermark_manager.h"

namespace tessaly {
namespace {

struct Finding {
  int line = 0;  // 0: the file as a whole
  std::string section;
  std::string key;
  std::string value;
  std::string message;
  std::string shown;  // the line as it reads, for the text form
};

enum Status { kClean = 0, kProblems = 1, kUnreadable = 2 };

// Out of line: its exception handling would weigh on every value checked.
__attribute__((noinline)) bool ReadsAsFont(std::string_view value) {
  try {
    TextToFont(value);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ReadsAs(ValueType type, std::string_view value, char separator) {
  int32_t integer;
  double real;
  switch (type) {
    case ValueType::kBool:
    case ValueType::kInteger:
      // Most stored integers are one digit: flags, choices, small counts.
      if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') return true;
      return ParseInteger(value, &integer);
    case ValueType::kFloat:
      return ParseFloat(value, separator, &real);
    case ValueType::kFont:
      return ReadsAsFont(value);
    default:
      return true;
  }
}

void CheckStoreText(const Env& env, StoreType store, std::string_view text,
                    std::vector<Finding>* findings) {
  const char separator = env.code_page->DecimalSeparator();
  auto add = [&](const IniLine& line, std::string_view section, std::string message) {
    Finding f{line.number, AnsiToUtf8(env, section), AnsiToUtf8(env, line.key),
              AnsiToUtf8(env, line.value), std::move(message), ""};
    if (line.kind != IniLine::kSection) {
      f.shown = line.kind == IniLine::kEntry ? f.key + "=" + f.value : f.key;
    }
    findings->push_back(std::move(f));
  };
  IniLineReader reader(text);
  IniLine line;
  std::string_view section;
  bool in_section = false;
  const SectionRules* rules = nullptr;
  size_t guess = 0;
  auto bad_value = [&](const KeyRule& rule) __attribute__((noinline)) {
    add(line, section,
        std::string("not ") + ValueTypeName(rule.type) + "; the printer reads \"" +
            AnsiToUtf8(env, rule.default_text) + "\" instead");
  };
  auto check_value = [&](const KeyRule& rule) {
    if (!ReadsAs(rule.type, line.value, separator)) bad_value(rule);
  };
  for (;;) {
    // Most lines hold the key that follows the last one in the tables.
    const KeyRule* expected = rules != nullptr ? rules->Expected(guess) : nullptr;
    if (expected != nullptr && reader.NextIfKey(expected->key, &line)) {
      ++guess;
      check_value(*expected);
      continue;
    }
    if (!reader.Next(&line)) break;
    if (line.kind == IniLine::kSection) {
      section = line.section;
      in_section = true;
      rules = RulesOf(store, section);
      guess = 0;
      if (rules == nullptr) add(line, section, "unknown section");
      continue;
    }
    if (!in_section) {
      add(line, section, "line before the first section, ignored");
    } else if (line.kind == IniLine::kBare) {
      add(line, section, "line without \"=\", no key");
    } else if (rules == nullptr) {
      continue;  // reported once, at its header
    } else if (const KeyRule* rule = rules->FindNext(line.key, &guess)) {
      check_value(*rule);
    } else {
      add(line, section, "unknown key");
    }
  }
}

void CheckWatermarkFile(const Env& env, const std::string& path, std::vector<Finding>* findings) {
  TqvWatermarkManager store(env);
  try {
    store.Open(path);
  } catch (const std::exception& e) {
    findings->push_back({0, "", "", "", std::string("not a watermark file: ") + e.what(), ""});
    return;
  }
  std::set<std::string> seen;
  for (const std::string& name : store.ProfileNames()) {
    Finding f{0, AnsiToUtf8(env, name), "", "", "", ""};
    if (!seen.insert(name).second) {
      f.message = "profile named twice; the first one counts";
      findings->push_back(f);
      continue;
    }
    try {
      store.ReadProfileItems(name);
    } catch (const std::exception& e) {
      f.message = std::string("profile does not read: ") + e.what();
      findings->push_back(f);
    }
  }
}

Status CheckFile(const Env& env, const std::string& path, std::vector<Finding>* findings) {
  std::string data;
  if (!env.files->Exists(path) || !env.files->Read(path, &data)) {
    findings->push_back({0, "", "", "", "cannot be read", ""});
    return kUnreadable;
  }
  std::string name = BaseNameLower(path);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0) {
    CheckWatermarkFile(env, path, findings);
  } else {
    try {
      std::string text = DecodeStore(data);
      StoreType type = name == "plugin.qvf" ? StoreType::kPlugIn : StoreType::kProfiles;
      CheckStoreText(env, type, text, findings);
    } catch (const EStoreCorrupt& e) {
      findings->push_back({0, "", "", "", std::string("corrupt store: ") + e.what(), ""});
    }
  }
  return findings->empty() ? kClean : kProblems;
}

std::string FindingLine(const std::string& file, const Finding& f) {
  std::string line = file + ":";
  if (f.line > 0) line += std::to_string(f.line) + ":";
  line += " ";
  if (!f.section.empty()) line += "[" + f.section + "] ";
  if (!f.shown.empty()) line += f.shown + ": ";
  return line + f.message;
}

}  // namespace

int CheckCommand(ToolContext& c) {
  int status = kClean;
  ReportNode root;
  ReportNode& files = root.List("files");
  for (const std::string& operand : c.operands) {
    std::string path = ToolPath(operand);
    std::vector<Finding> findings;
    status = std::max<int>(status, CheckFile(c.env, path, &findings));
    if (!c.json) {
      for (const Finding& f : findings) c.out << FindingLine(operand, f) << "\n";
      continue;
    }
    ReportNode& file = files.Item();
    file.Text("path", operand);
    ReportNode& list = file.List("findings");
    for (const Finding& f : findings) {
      list.Item()
          .Number("line", f.line)
          .Text("section", f.section)
          .Text("key", f.key)
          .Text("value", f.value)
          .Text("message", f.message);
    }
  }
  if (c.json) {
    root.Number("status", status);
    PrintJson(root, c.out);
  }
  return status;
}

}  // namespace tessaly
