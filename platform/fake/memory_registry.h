#pragma once

#include <map>
#include <string>

#include "platform/registry.h"

namespace tessaly {

// Registry values in memory. Values may be given a non-string type to
// exercise the type check.
class MemoryRegistry : public Registry {
 public:
  bool KeyExists(const std::string& key) override;
  bool ValueExists(const std::string& key, const std::string& name) override;
  std::string ReadString(const std::string& key, const std::string& name) override;
  void WriteString(const std::string& key, const std::string& name,
                   const std::string& value) override;

  void SetDword(const std::string& key, const std::string& name, uint32_t value);
  void RemoveKey(const std::string& key);
  // Key names are case-insensitive in the registry; ASCII folding suffices
  // for the fixed key names used here.
  static std::string Fold(const std::string& s);

 private:
  struct Value {
    bool is_string = true;
    std::string data;
  };
  std::map<std::string, std::map<std::string, Value>> keys_;
};

}  // namespace tessaly
