#include "platform/win32/xml_msxml.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <msxml2.h>

#include <climits>
#include <cstring>
#include <utility>

#include "common/exception.h"
#include "platform/win32/win32_services.h"

namespace tessaly {

namespace {

// mingw's headers lack the MSXML 6 class; the interface ids are declared
// here too so that nothing depends on which import library defines them.
const CLSID kClsidDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
const IID kIidDomDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
const IID kIidDomElement = {
    0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// Owns one reference of a COM interface.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* p) : p_(p) {}
  ComPtr(const ComPtr& o) : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr& operator=(ComPtr o) {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T** out() {
    *this = ComPtr();
    return &p_;
  }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  std::wstring str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

 private:
  BSTR b_ = nullptr;
};

std::wstring Wide(const char* ascii) {
  std::wstring out;
  for (const char* p = ascii; *p; ++p) out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return out;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                      nullptr);
  return out;
}

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(hr));
    throw Exception(std::string(what) + " failed (HRESULT 0x" + code + ")");
  }
}

// COM for the current thread, for as long as this object lives. A thread
// already in another apartment (RPC_E_CHANGED_MODE) can use MSXML as it is;
// only a successful initialisation is balanced, and only on its own thread.
class ComScope {
 public:
  ComScope() : thread_(GetCurrentThreadId()) {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    initialised_ = SUCCEEDED(hr);
    if (FAILED(hr) && hr != RPC_E_CHANGED_MODE) Check(hr, "CoInitializeEx");
  }
  ~ComScope() {
    if (initialised_ && GetCurrentThreadId() == thread_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  DWORD thread_;
  bool initialised_ = false;
};

class MsXmlElement : public XmlElement {
 public:
  explicit MsXmlElement(ComPtr<IXMLDOMElement> element) : element_(std::move(element)) {}

  static std::unique_ptr<XmlElement> FromNode(IXMLDOMNode* node) {
    ComPtr<IXMLDOMElement> element;
    if (FAILED(node->QueryInterface(kIidDomElement, reinterpret_cast<void**>(element.out()))) ||
        !element) {
      return nullptr;
    }
    return std::make_unique<MsXmlElement>(element);
  }

  std::string LocalName() const override {
    Bstr name;
    Check(element_->get_baseName(name.out()), "IXMLDOMNode::baseName");
    return Narrow(name.str());
  }

  std::vector<std::unique_ptr<XmlElement>> ChildElements() const override {
    std::vector<std::unique_ptr<XmlElement>> out;
    ForEachChild([&out](IXMLDOMNode* node, DOMNodeType type) {
      if (type == NODE_ELEMENT) out.push_back(FromNode(node));
      return true;
    });
    return out;
  }

  std::unique_ptr<XmlElement> FirstChildElement() const override {
    std::unique_ptr<XmlElement> first;
    ForEachChild([&first](IXMLDOMNode* node, DOMNodeType type) {
      if (type != NODE_ELEMENT) return true;
      first = FromNode(node);
      return false;
    });
    return first;
  }

  bool GetAttribute(const char* name, std::wstring* value) const override {
    Bstr bname(Wide(name));
    VARIANT v;
    VariantInit(&v);
    HRESULT hr = element_->getAttribute(bname.get(), &v);
    Check(hr, "IXMLDOMElement::getAttribute");
    bool found = hr == S_OK && v.vt == VT_BSTR;
    if (found) *value = v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"";
    VariantClear(&v);
    return found;
  }

  void SetAttribute(const char* name, const std::wstring& value) override {
    Bstr bname(Wide(name));
    Bstr bvalue(XmlSafeText(value));
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = bvalue.get();
    Check(element_->setAttribute(bname.get(), v), "IXMLDOMElement::setAttribute");
  }

  std::wstring Text() const override {
    ComPtr<IXMLDOMNodeList> children;
    Check(element_->get_childNodes(children.out()), "IXMLDOMNode::childNodes");
    long count = 0;
    Check(children->get_length(&count), "IXMLDOMNodeList::length");
    if (count == 0) return std::wstring();
    ComPtr<IXMLDOMNode> child;
    Check(children->get_item(0, child.out()), "IXMLDOMNodeList::item");
    DOMNodeType type = NODE_INVALID;
    Check(child->get_nodeType(&type), "IXMLDOMNode::nodeType");
    if (count != 1 || (type != NODE_TEXT && type != NODE_CDATA_SECTION)) {
      throw Exception(kNotSingleTextNode);
    }
    VARIANT v;
    VariantInit(&v);
    Check(child->get_nodeValue(&v), "IXMLDOMNode::nodeValue");
    std::wstring text;
    if (v.vt == VT_BSTR && v.bstrVal) text.assign(v.bstrVal, SysStringLen(v.bstrVal));
    VariantClear(&v);
    return text;
  }

  void SetText(const std::wstring& text) override {
    // Remove every child first, then add one text node: put_text would
    // leave an empty text node behind for the empty text.
    for (;;) {
      ComPtr<IXMLDOMNode> child;
      if (element_->get_firstChild(child.out()) != S_OK || !child) break;
      ComPtr<IXMLDOMNode> removed;
      Check(element_->removeChild(child.get(), removed.out()), "IXMLDOMNode::removeChild");
    }
    std::wstring safe = XmlSafeText(text);
    if (safe.empty()) return;
    ComPtr<IXMLDOMDocument> doc;
    Check(element_->get_ownerDocument(doc.out()), "IXMLDOMNode::ownerDocument");
    Bstr btext(safe);
    ComPtr<IXMLDOMText> node;
    Check(doc->createTextNode(btext.get(), node.out()), "IXMLDOMDocument::createTextNode");
    ComPtr<IXMLDOMNode> added;
    Check(element_->appendChild(node.get(), added.out()), "IXMLDOMNode::appendChild");
  }

  void AppendChild(XmlElement& child) override {
    ComPtr<IXMLDOMNode> added;
    Check(element_->appendChild(static_cast<MsXmlElement&>(child).element_.get(), added.out()),
          "IXMLDOMNode::appendChild");
  }

  void RemoveChild(std::unique_ptr<XmlElement> child) override {
    ComPtr<IXMLDOMNode> removed;
    Check(element_->removeChild(static_cast<MsXmlElement&>(*child).element_.get(), removed.out()),
          "IXMLDOMNode::removeChild");
  }

  std::wstring OuterXml() const {
    Bstr xml;
    Check(element_->get_xml(xml.out()), "IXMLDOMNode::xml");
    return xml.str();
  }

 private:
  // Calls visit(node, type) for each child node until it returns false.
  template <typename Visit>
  void ForEachChild(Visit visit) const {
    ComPtr<IXMLDOMNode> node;
    HRESULT hr = element_->get_firstChild(node.out());
    while (hr == S_OK && node) {
      DOMNodeType type = NODE_INVALID;
      Check(node->get_nodeType(&type), "IXMLDOMNode::nodeType");
      if (!visit(node.get(), type)) return;
      ComPtr<IXMLDOMNode> next;
      hr = node->get_nextSibling(next.out());
      node = next;
    }
  }

  ComPtr<IXMLDOMElement> element_;
};

class MsXmlDocument : public XmlDocument {
 public:
  MsXmlDocument(std::unique_ptr<ComScope> com, ComPtr<IXMLDOMDocument2> doc)
      : com_(std::move(com)), doc_(std::move(doc)) {}
  ~MsXmlDocument() override { doc_ = ComPtr<IXMLDOMDocument2>(); }

  std::unique_ptr<XmlElement> DocumentElement() const override {
    ComPtr<IXMLDOMElement> root;
    if (doc_->get_documentElement(root.out()) != S_OK || !root) return nullptr;
    return std::make_unique<MsXmlElement>(root);
  }

  std::unique_ptr<XmlElement> CreateElement(const char* name) override {
    Bstr bname(Wide(name));
    ComPtr<IXMLDOMElement> element;
    Check(doc_->createElement(bname.get(), element.out()), "IXMLDOMDocument::createElement");
    return std::make_unique<MsXmlElement>(element);
  }

  std::string SaveUtf8() const override {
    // The element's own markup, in UTF-16, under a declaration of our own:
    // what MSXML writes for a whole document depends on its version.
    std::string out = kXmlDeclaration;
    auto root = DocumentElement();
    if (root) {
      // A carriage return can only stand in text or in an attribute value
      // here, and MSXML writes it as it is: a reader would turn CR LF into
      // LF. As a character reference it survives.
      std::wstring xml;
      for (wchar_t c : static_cast<MsXmlElement&>(*root).OuterXml()) {
        if (c == L'\r') {
          xml += L"&#13;";
        } else {
          xml += c;
        }
      }
      out += ToUtf8(xml);
      out += "\r\n";
    }
    return out;
  }

 private:
  std::unique_ptr<ComScope> com_;  // released after the document
  ComPtr<IXMLDOMDocument2> doc_;
};

void SetBoolProperty(IXMLDOMDocument2* doc, const wchar_t* name, bool value) {
  Bstr bname(name);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  doc->setProperty(bname.get(), v);  // properties an older parser lacks are no loss
}

std::string ParseErrorOf(IXMLDOMDocument2* doc) {
  ComPtr<IXMLDOMParseError> error;
  std::string message;
  if (SUCCEEDED(doc->get_parseError(error.out())) && error) {
    Bstr reason;
    long line = 0;
    if (SUCCEEDED(error->get_reason(reason.out()))) message = WideToAnsi(reason.str());
    while (!message.empty() && (static_cast<unsigned char>(message.back()) <= ' ')) {
      message.pop_back();
    }
    if (SUCCEEDED(error->get_line(&line)) && line > 0) {
      message += " (line " + std::to_string(line) + ")";
    }
  }
  return message.empty() ? "The XML document is not well-formed" : message;
}

}  // namespace

std::unique_ptr<XmlDocument> MsXmlParser::Parse(std::string_view data) {
  // Checked here as well as by MSXML: some of its versions accept the
  // ProhibitDTD and resolveExternals settings but do not honour them.
  if (HasDocumentTypeDeclaration(data)) throw Exception(kDocumentTypeRefused);
  if (data.size() > 0x7FFFFFFF) throw Exception("The XML document is too large");

  auto com = std::make_unique<ComScope>();
  ComPtr<IXMLDOMDocument2> doc;
  Check(CoCreateInstance(kClsidDomDocument60, nullptr, CLSCTX_INPROC_SERVER, kIidDomDocument2,
                         reinterpret_cast<void**>(doc.out())),
        "Creating the MSXML 6 document");
  doc->put_async(VARIANT_FALSE);
  doc->put_validateOnParse(VARIANT_FALSE);
  doc->put_resolveExternals(VARIANT_FALSE);
  doc->put_preserveWhiteSpace(VARIANT_TRUE);
  SetBoolProperty(doc.get(), L"ProhibitDTD", true);
  SetBoolProperty(doc.get(), L"AllowDocumentFunction", false);
  SetBoolProperty(doc.get(), L"AllowXsltScript", false);

  // The bytes go in as a stream, so that MSXML honours the declared
  // encoding.
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, data.size() ? data.size() : 1);
  if (memory == nullptr) throw Exception("Out of memory");
  void* bytes = GlobalLock(memory);
  if (!data.empty()) std::memcpy(bytes, data.data(), data.size());
  GlobalUnlock(memory);
  ComPtr<IStream> stream;
  HRESULT hr = CreateStreamOnHGlobal(memory, TRUE, stream.out());
  if (FAILED(hr)) {
    GlobalFree(memory);
    Check(hr, "CreateStreamOnHGlobal");
  }
  ULARGE_INTEGER size;
  size.QuadPart = data.size();
  stream->SetSize(size);

  VARIANT source;
  VariantInit(&source);
  source.vt = VT_UNKNOWN;
  source.punkVal = stream.get();
  VARIANT_BOOL loaded = VARIANT_FALSE;
  hr = doc->load(source, &loaded);
  if (FAILED(hr) || loaded != VARIANT_TRUE) throw Exception(ParseErrorOf(doc.get()));
  // A declaration in an encoding that the byte check cannot read.
  ComPtr<IXMLDOMDocumentType> doctype;
  if (doc->get_doctype(doctype.out()) == S_OK && doctype) throw Exception(kDocumentTypeRefused);
  return std::make_unique<MsXmlDocument>(std::move(com), doc);
}

XmlParser& PlatformXmlParser() {
  static MsXmlParser parser;
  return parser;
}

}  // namespace tessaly
