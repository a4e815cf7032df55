#include "tests/office/office_server/description.h"

#include <utility>

#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {

std::wstring DescriptionSection::Text(const std::string& key, const std::wstring& fallback) const {
  if (!Has(key)) return fallback;
  return DefaultEnv().code_page->FromAnsi(ini_.ReadString(section_, key, ""));
}

std::wstring DescriptionSection::TextWithMarks(const std::string& key) const {
  std::wstring text = Text(key);
  for (size_t at; (at = text.find(L"\\r")) != std::wstring::npos;) text.replace(at, 2, L"\r");
  return text;
}

std::map<int32_t, std::wstring> DescriptionSection::Properties() const {
  std::map<int32_t, std::wstring> properties;
  for (int32_t index = 1; index <= 40; ++index) {
    std::string key = "Property" + std::to_string(index);
    if (Has(key)) properties[index] = Text(key);
  }
  return properties;
}

ScriptedRaise RaiseOfCode(HRESULT fallback, const std::string& code) {
  ScriptedRaise raise{fallback, L""};
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

}  // namespace tessaly
