#include "platform/posix/xml_libxml.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <climits>
#include <cstring>

#include "common/exception.h"

namespace tessaly {

namespace {

// libxml2 keeps texts in UTF-8; wchar_t here is UTF-32.
std::string ToUtf8(const std::wstring& text) {
  std::string out;
  for (wchar_t wc : text) {
    uint32_t c = static_cast<uint32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// The parser hands out valid UTF-8 only; anything else becomes U+FFFD.
std::wstring FromUtf8(const xmlChar* utf8) {
  std::wstring out;
  if (utf8 == nullptr) return out;
  const unsigned char* p = utf8;
  while (*p) {
    uint32_t c = *p;
    int extra = 0;
    if (c >= 0xF0) {
      c &= 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      c &= 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      c &= 0x1F;
      extra = 1;
    } else if (c >= 0x80) {
      c = 0xFFFD;
    }
    ++p;
    for (int i = 0; i < extra; ++i) {
      if ((*p & 0xC0) != 0x80) {
        c = 0xFFFD;
        break;
      }
      c = (c << 6) | (*p & 0x3F);
      ++p;
    }
    out += static_cast<wchar_t>(c);
  }
  return out;
}

void IgnoreMessage(void*, const char*, ...) {}

const xmlChar* X(const char* s) { return reinterpret_cast<const xmlChar*>(s); }

class LibXmlElement : public XmlElement {
 public:
  explicit LibXmlElement(xmlNodePtr node) : node_(node) {}
  // A new element that never made it into the tree is freed with its last
  // handle; elements in the tree belong to the document.
  ~LibXmlElement() override {
    if (created_ && node_->parent == nullptr) xmlFreeNode(node_);
  }
  static std::unique_ptr<LibXmlElement> Created(xmlNodePtr node) {
    auto element = std::make_unique<LibXmlElement>(node);
    element->created_ = true;
    return element;
  }

  std::string LocalName() const override {
    return node_->name ? reinterpret_cast<const char*>(node_->name) : "";
  }

  std::vector<std::unique_ptr<XmlElement>> ChildElements() const override {
    std::vector<std::unique_ptr<XmlElement>> out;
    for (xmlNodePtr c = node_->children; c; c = c->next) {
      if (c->type == XML_ELEMENT_NODE) out.push_back(std::make_unique<LibXmlElement>(c));
    }
    return out;
  }

  std::unique_ptr<XmlElement> FirstChildElement() const override {
    for (xmlNodePtr c = node_->children; c; c = c->next) {
      if (c->type == XML_ELEMENT_NODE) return std::make_unique<LibXmlElement>(c);
    }
    return nullptr;
  }

  bool GetAttribute(const char* name, std::wstring* value) const override {
    xmlAttrPtr attr = xmlHasProp(node_, X(name));
    if (attr == nullptr) return false;
    xmlChar* text = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attr));
    *value = FromUtf8(text);
    xmlFree(text);
    return true;
  }

  void SetAttribute(const char* name, const std::wstring& value) override {
    xmlSetProp(node_, X(name), X(ToUtf8(XmlSafeText(value)).c_str()));
  }

  std::wstring Text() const override {
    xmlNodePtr child = node_->children;
    if (child == nullptr) return std::wstring();
    if (child->next != nullptr ||
        (child->type != XML_TEXT_NODE && child->type != XML_CDATA_SECTION_NODE)) {
      throw Exception(kNotSingleTextNode);
    }
    return FromUtf8(child->content);
  }

  void SetText(const std::wstring& text) override {
    while (node_->children) {
      xmlNodePtr c = node_->children;
      xmlUnlinkNode(c);
      xmlFreeNode(c);
    }
    std::string utf8 = ToUtf8(XmlSafeText(text));
    if (utf8.empty()) return;
    if (utf8.size() > INT_MAX) throw Exception("Text too long for an XML element");
    xmlAddChild(node_, xmlNewDocTextLen(node_->doc, X(utf8.c_str()), static_cast<int>(utf8.size())));
  }

  void AppendChild(XmlElement& child) override {
    xmlNodePtr node = static_cast<LibXmlElement&>(child).node_;
    if (node->parent != nullptr) throw Exception("The XML element is already in the tree");
    xmlAddChild(node_, node);
  }

  void RemoveChild(std::unique_ptr<XmlElement> child) override {
    xmlNodePtr node = static_cast<LibXmlElement&>(*child).node_;
    if (node->parent != node_) throw Exception("The XML element is not a child of this element");
    xmlUnlinkNode(node);
    xmlFreeNode(node);
    static_cast<LibXmlElement&>(*child).created_ = false;
  }

 private:
  xmlNodePtr node_;
  bool created_ = false;
};

class LibXmlDocument : public XmlDocument {
 public:
  explicit LibXmlDocument(xmlDocPtr doc) : doc_(doc) {}
  ~LibXmlDocument() override { xmlFreeDoc(doc_); }
  LibXmlDocument(const LibXmlDocument&) = delete;
  LibXmlDocument& operator=(const LibXmlDocument&) = delete;

  std::unique_ptr<XmlElement> DocumentElement() const override {
    xmlNodePtr root = xmlDocGetRootElement(doc_);
    return root ? std::make_unique<LibXmlElement>(root) : nullptr;
  }

  std::unique_ptr<XmlElement> CreateElement(const char* name) override {
    return LibXmlElement::Created(xmlNewDocNode(doc_, nullptr, X(name), nullptr));
  }

  std::string SaveUtf8() const override {
    std::string out = kXmlDeclaration;
    xmlNodePtr root = xmlDocGetRootElement(doc_);
    if (root == nullptr) return out;
    // Attribute values are written as UTF-8 only for a document that says
    // it is in UTF-8; otherwise libxml2 escapes every non-ASCII character.
    if (doc_->encoding == nullptr || xmlStrcmp(doc_->encoding, X("UTF-8")) != 0) {
      if (doc_->encoding) xmlFree(const_cast<xmlChar*>(doc_->encoding));
      doc_->encoding = xmlStrdup(X("UTF-8"));
    }
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_NO_DECL);
    long written = save ? xmlSaveTree(save, root) : -1;
    if (save) xmlSaveClose(save);
    if (written >= 0) {
      out.append(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                 static_cast<size_t>(xmlBufferLength(buffer)));
    }
    xmlBufferFree(buffer);
    if (written < 0) throw Exception("The XML document could not be written");
    out += "\r\n";
    return out;
  }

 private:
  xmlDocPtr doc_;
};

}  // namespace

LibXmlParser::LibXmlParser() { xmlInitParser(); }

std::unique_ptr<XmlDocument> LibXmlParser::Parse(std::string_view data) {
  if (HasDocumentTypeDeclaration(data)) throw Exception(kDocumentTypeRefused);
  if (data.size() > INT_MAX) throw Exception("The XML document is too large");
  // Encoding errors go to libxml2's generic handler rather than the
  // context; the context's last error says the same. Keep them off stderr
  // while this document is parsed.
  struct QuietGenericErrors {
    QuietGenericErrors() : handler(xmlGenericError), context(xmlGenericErrorContext) {
      xmlSetGenericErrorFunc(nullptr, IgnoreMessage);
    }
    ~QuietGenericErrors() { xmlSetGenericErrorFunc(context, handler); }
    xmlGenericErrorFunc handler;
    void* context;
  } quiet;
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) throw Exception("Out of memory");
  // Never XML_PARSE_NOENT, DTDLOAD or HUGE: entities stay unexpanded, no
  // DTD is fetched and the parser's size limits hold.
  const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  xmlDocPtr doc = xmlCtxtReadMemory(ctxt, data.data(), static_cast<int>(data.size()), nullptr,
                                    nullptr, options);
  std::string message;
  if (doc == nullptr || !ctxt->wellFormed) {
    const xmlError* error = &ctxt->lastError;
    message = error->message ? error->message : "The XML document is not well-formed";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
      message.pop_back();
    }
    if (error->line > 0) message += " (line " + std::to_string(error->line) + ")";
  } else if (doc->intSubset != nullptr || doc->extSubset != nullptr) {
    // A declaration in an encoding that the check above cannot read.
    message = kDocumentTypeRefused;
  }
  xmlFreeParserCtxt(ctxt);
  if (!message.empty()) {
    if (doc) xmlFreeDoc(doc);
    throw Exception(message);
  }
  return std::make_unique<LibXmlDocument>(doc);
}

XmlParser& PlatformXmlParser() {
  static LibXmlParser parser;
  return parser;
}

}  // namespace tessaly
