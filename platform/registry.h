#pragma once

#include <string>

namespace tessaly {

// String values under keys of the current user's hive. Key paths are
// relative to HKEY_CURRENT_USER ("Software\Orvane\Orvane Tessaly").
class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(const std::string& key) = 0;
  virtual bool ValueExists(const std::string& key, const std::string& name) = 0;
  // The string held by the value; "" when the key or the value is missing.
  // Throws Exception("Invalid data type for '<name>'") for a value of
  // another registry type.
  virtual std::string ReadString(const std::string& key, const std::string& name) = 0;
  // Creates the key when it is missing. Throws Exception on failure.
  virtual void WriteString(const std::string& key, const std::string& name,
                           const std::string& value) = 0;
};

}  // namespace tessaly
