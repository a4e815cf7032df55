#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

extern const char kNotSingleTextNode[];  // "Element does not contain a single text node"
extern const char kDocumentTypeRefused[];

// One element of an XmlDocument. A handle: several handles may stand for
// the same element, and all of them are valid while the element belongs to
// its document (or, for a new element, while it has not been removed).
// Names are ASCII; texts are Unicode.
class XmlElement {
 public:
  virtual ~XmlElement() = default;

  // The element name without a namespace prefix.
  virtual std::string LocalName() const = 0;
  // The child elements in document order; text, comments and processing
  // instructions between them are passed over.
  virtual std::vector<std::unique_ptr<XmlElement>> ChildElements() const = 0;
  virtual std::unique_ptr<XmlElement> FirstChildElement() const = 0;

  // False when the element has no attribute of that name.
  virtual bool GetAttribute(const char* name, std::wstring* value) const = 0;
  virtual void SetAttribute(const char* name, const std::wstring& value) = 0;

  // The content of an element that is empty (the empty text) or holds a
  // single text or CDATA node; Exception(kNotSingleTextNode) for anything
  // else.
  virtual std::wstring Text() const = 0;
  // Replaces the content by one text node (none for the empty text).
  virtual void SetText(const std::wstring& text) = 0;

  // Appends `child`, a new element of the same document, as the last child.
  virtual void AppendChild(XmlElement& child) = 0;
  // Removes the child and destroys it; every handle of it becomes invalid.
  virtual void RemoveChild(std::unique_ptr<XmlElement> child) = 0;
};

// A parsed document, held in memory.
class XmlDocument {
 public:
  virtual ~XmlDocument() = default;

  virtual std::unique_ptr<XmlElement> DocumentElement() const = 0;
  // A new element, not yet in the tree: append it somewhere.
  virtual std::unique_ptr<XmlElement> CreateElement(const char* name) = 0;
  // The whole document as UTF-8, starting with the declaration
  // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>.
  virtual std::string SaveUtf8() const = 0;
};

// The XML parser of the platform. Only documents of elements, attributes
// and text are accepted: a document type declaration is refused before
// parsing, so no external entity, entity expansion or network reference is
// ever followed.
class XmlParser {
 public:
  virtual ~XmlParser() = default;

  // Parses a whole document from its bytes (the encoding as declared, UTF-8
  // by default). Throws Exception with the parser's message when the text
  // is not well-formed or has a document type declaration.
  virtual std::unique_ptr<XmlDocument> Parse(std::string_view data) = 0;
};

// The platform's parser (libxml2 on posix, MSXML 6 on Windows), alive for
// the rest of the process.
XmlParser& PlatformXmlParser();

// Shared by the adapters.
// True when the bytes hold "<!DOCTYPE" in a single-byte encoding or in
// UTF-16 or UTF-32 of either byte order.
bool HasDocumentTypeDeclaration(std::string_view data);
// The text without the characters XML 1.0 cannot hold (codes below 32
// other than tab, line feed and carriage return), which would otherwise
// make the saved file unreadable.
std::wstring XmlSafeText(const std::wstring& text);
// The declaration that starts every saved document, with its line break.
extern const char kXmlDeclaration[];

}  // namespace tessaly
