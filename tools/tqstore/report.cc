#include "tools/tqstore/report.h"

#include "tools/tqstore/text.h"

namespace tessaly {

namespace {

ReportNode& Add(ReportNode* parent, ReportNode::Kind kind, std::string name, std::string value) {
  parent->children.push_back(ReportNode{kind, std::move(name), std::move(value), {}});
  return parent->children.back();
}

std::string Inline(const ReportNode& node) {
  switch (node.kind) {
    case ReportNode::kGroup:
    case ReportNode::kList: {
      std::string line;
      for (const ReportNode& c : node.children) {
        if (!line.empty()) line += ", ";
        line += c.name.empty() ? Inline(c) : c.name + ": " + Inline(c);
      }
      return node.kind == ReportNode::kList ? "[" + line + "]" : line;
    }
    default:
      return node.value;
  }
}

void Text(const ReportNode& node, const std::string& indent, std::ostream& out) {
  for (const ReportNode& c : node.children) {
    if (c.kind == ReportNode::kGroup) {
      out << indent << c.name << ":\n";
      Text(c, indent + "  ", out);
    } else if (c.kind == ReportNode::kList) {
      out << indent << c.name << " (" << c.children.size() << ")" << (c.children.empty() ? "" : ":")
          << "\n";
      int n = 0;
      for (const ReportNode& item : c.children) {
        out << indent << "  " << ++n << ". " << Inline(item) << "\n";
      }
    } else {
      out << indent << c.name << ": " << c.value << "\n";
    }
  }
}

void Json(const ReportNode& node, std::ostream& out) {
  switch (node.kind) {
    case ReportNode::kText:
      out << JsonQuoted(node.value);
      return;
    case ReportNode::kNumber:
    case ReportNode::kFlag:
      out << node.value;
      return;
    case ReportNode::kList: {
      out << "[";
      const char* comma = "";
      for (const ReportNode& c : node.children) {
        out << comma;
        comma = ",";
        Json(c, out);
      }
      out << "]";
      return;
    }
    case ReportNode::kGroup: {
      out << "{";
      const char* comma = "";
      for (const ReportNode& c : node.children) {
        out << comma << JsonQuoted(c.name) << ":";
        comma = ",";
        Json(c, out);
      }
      out << "}";
      return;
    }
  }
}

}  // namespace

ReportNode& ReportNode::Text(std::string n, std::string v) {
  Add(this, kText, std::move(n), std::move(v));
  return *this;
}

ReportNode& ReportNode::Number(std::string n, int64_t v) {
  Add(this, kNumber, std::move(n), std::to_string(v));
  return *this;
}

ReportNode& ReportNode::Flag(std::string n, bool v) {
  Add(this, kFlag, std::move(n), v ? "true" : "false");
  return *this;
}

ReportNode& ReportNode::Group(std::string n) { return Add(this, kGroup, std::move(n), ""); }
ReportNode& ReportNode::List(std::string n) { return Add(this, kList, std::move(n), ""); }
ReportNode& ReportNode::Item() { return Add(this, kGroup, "", ""); }

void PrintText(const ReportNode& root, std::ostream& out) { Text(root, "", out); }

void PrintJson(const ReportNode& root, std::ostream& out) {
  Json(root, out);
  out << "\n";
}

}  // namespace tessaly
