#pragma once

#include <cstdint>
#include <list>
#include <ostream>
#include <string>

namespace tessaly {

// What a command reports, printed either as indented text or as JSON, so
// that both forms always say the same. Texts are UTF-8.
struct ReportNode {
  enum Kind { kText, kNumber, kFlag, kGroup, kList };
  Kind kind = kGroup;
  std::string name;   // the text label and the JSON key
  std::string value;  // kText, kNumber ("12"), kFlag ("true"/"false")
  // A list: what Group, List and Item return stays valid as siblings follow.
  std::list<ReportNode> children;

  ReportNode& Text(std::string name, std::string value);
  ReportNode& Number(std::string name, int64_t value);
  ReportNode& Flag(std::string name, bool value);
  // A nested group or list, returned for filling.
  ReportNode& Group(std::string name);
  ReportNode& List(std::string name);
  // An element of a list.
  ReportNode& Item();
};

// Text: "name: value" lines, groups indented under "name:", list elements
// one line each ("  1. a: x, b: y").
void PrintText(const ReportNode& root, std::ostream& out);
void PrintJson(const ReportNode& root, std::ostream& out);

}  // namespace tessaly
