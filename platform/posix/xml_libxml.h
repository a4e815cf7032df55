#pragma once

#include "platform/xml.h"

namespace tessaly {

// XML documents through libxml2. Entities are never substituted, no DTD is
// loaded and no network access is made.
class LibXmlParser : public XmlParser {
 public:
  LibXmlParser();
  std::unique_ptr<XmlDocument> Parse(std::string_view data) override;
};

}  // namespace tessaly
