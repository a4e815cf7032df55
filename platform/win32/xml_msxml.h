#pragma once

#include "platform/xml.h"

namespace tessaly {

// XML documents through the MSXML 6 document object model. COM is
// initialised for the calling thread where it is not yet.
class MsXmlParser : public XmlParser {
 public:
  std::unique_ptr<XmlDocument> Parse(std::string_view data) override;
};

}  // namespace tessaly
