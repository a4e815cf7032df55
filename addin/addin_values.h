#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini_file.h"

namespace tessaly {

// What a value of the PlugIn store is, as the automation layer sees it.
enum class AddinValueKind { kBool, kInt, kColor, kEnum, kString, kVariant };

// Masks of the setter and getter reductions in the key tables.
constexpr uint32_t kAllBits = 0xFFFFFFFFu;
constexpr uint32_t kLow7Bits = 0x7Fu;
constexpr uint32_t kLow8Bits = 0xFFu;

// A boolean as automation passes it: -1 for true, 0 for false; any
// non-zero value received counts as true.
using AutomationBool = int16_t;
constexpr AutomationBool kAutomationTrue = -1;
constexpr AutomationBool kAutomationFalse = 0;

inline int32_t ReduceBits(int32_t value, uint32_t mask) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) & mask);
}

// The value types named in the key tables. Each says how a value is read
// from and written to the INI store and how it crosses to automation.
namespace addin_type {

struct Bool {
  using Value = bool;
  using Arg = bool;
  using Automation = AutomationBool;
  static constexpr AddinValueKind kKind = AddinValueKind::kBool;
  static bool Read(const IniFile& ini, std::string_view section, std::string_view key,
                   bool default_value) {
    return ini.ReadBool(section, key, default_value);
  }
  static void Write(IniFile& ini, std::string_view section, std::string_view key, bool value) {
    ini.WriteBool(section, key, value);
  }
  static bool Reduce(bool value, uint32_t) { return value; }
  static AutomationBool ToAutomation(bool value) {
    return value ? kAutomationTrue : kAutomationFalse;
  }
  static bool FromAutomation(AutomationBool value, uint32_t) { return value != 0; }
};

struct Int {
  using Value = int32_t;
  using Arg = int32_t;
  using Automation = int32_t;
  static constexpr AddinValueKind kKind = AddinValueKind::kInt;
  static int32_t Read(const IniFile& ini, std::string_view section, std::string_view key,
                      int32_t default_value) {
    return ini.ReadInteger(section, key, default_value);
  }
  static void Write(IniFile& ini, std::string_view section, std::string_view key,
                    int32_t value) {
    ini.WriteInteger(section, key, value);
  }
  static int32_t Reduce(int32_t value, uint32_t mask) { return ReduceBits(value, mask); }
  static int32_t ToAutomation(int32_t value) { return value; }
  static int32_t FromAutomation(int32_t value, uint32_t mask) { return ReduceBits(value, mask); }
};

// A colour in the 0x00BBGGRR form (or a system colour, top byte set),
// stored as a signed decimal integer.
struct Color : Int {
  static constexpr AddinValueKind kKind = AddinValueKind::kColor;
};

// An enumeration of the type library, stored as its ordinal.
struct Enum : Int {
  static constexpr AddinValueKind kKind = AddinValueKind::kEnum;
};

// 8-bit text in the system code page, stored as it is.
struct String {
  using Value = std::string;
  using Arg = const std::string&;
  static constexpr AddinValueKind kKind = AddinValueKind::kString;
  static std::string Read(const IniFile& ini, std::string_view section, std::string_view key,
                          std::string_view default_value) {
    return ini.ReadString(section, key, default_value);
  }
  static void Write(IniFile& ini, std::string_view section, std::string_view key,
                    std::string_view value) {
    ini.WriteString(section, key, value);
  }
  static const std::string& Reduce(const std::string& value, uint32_t) { return value; }
};

}  // namespace addin_type
}  // namespace tessaly
