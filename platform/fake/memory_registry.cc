#include "platform/fake/memory_registry.h"

#include "common/exception.h"

namespace tessaly {

std::string MemoryRegistry::Fold(const std::string& s) {
  std::string out = s;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool MemoryRegistry::KeyExists(const std::string& key) { return keys_.count(Fold(key)) != 0; }

bool MemoryRegistry::ValueExists(const std::string& key, const std::string& name) {
  auto k = keys_.find(Fold(key));
  return k != keys_.end() && k->second.count(Fold(name)) != 0;
}

std::string MemoryRegistry::ReadString(const std::string& key, const std::string& name) {
  auto k = keys_.find(Fold(key));
  if (k == keys_.end()) return "";
  auto v = k->second.find(Fold(name));
  if (v == k->second.end()) return "";
  if (!v->second.is_string) throw Exception(FormatMessage1("Invalid data type for '%s'", name));
  return v->second.data;
}

void MemoryRegistry::WriteString(const std::string& key, const std::string& name,
                                 const std::string& value) {
  keys_[Fold(key)][Fold(name)] = Value{true, value};
}

void MemoryRegistry::SetDword(const std::string& key, const std::string& name, uint32_t value) {
  keys_[Fold(key)][Fold(name)] = Value{false, std::to_string(value)};
}

void MemoryRegistry::RemoveKey(const std::string& key) { keys_.erase(Fold(key)); }

}  // namespace tessaly
