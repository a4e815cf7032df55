// The platform's XML parser: libxml2 natively, MSXML 6 under Wine.
#include <gtest/gtest.h>

#include "common/exception.h"
#include "platform/xml.h"

namespace tessaly {
namespace {

std::string ParseError(const std::string& text) {
  try {
    PlatformXmlParser().Parse(text);
  } catch (const Exception& e) {
    return e.what();
  }
  return "(parsed)";
}

TEST(XmlTest, ReadsElementsAttributesAndText) {
  auto doc = PlatformXmlParser().Parse(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<r>\n  <!-- note -->\n  <a k=\"v &amp; w\">x &lt; y</a>\n  <?pi x?><b/><c><![CDATA[<raw>]]></c>"
      "<d>  </d><e>\xc3\xa9</e></r>");
  auto root = doc->DocumentElement();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->LocalName(), "r");
  auto children = root->ChildElements();
  ASSERT_EQ(children.size(), 5u);
  EXPECT_EQ(root->FirstChildElement()->LocalName(), "a");
  std::wstring value;
  EXPECT_TRUE(children[0]->GetAttribute("k", &value));
  EXPECT_EQ(value, L"v & w");
  EXPECT_FALSE(children[0]->GetAttribute("K", &value));
  EXPECT_EQ(children[0]->Text(), L"x < y");
  EXPECT_EQ(children[1]->Text(), L"");
  EXPECT_EQ(children[2]->Text(), L"<raw>");
  EXPECT_EQ(children[3]->Text(), L"  ");
  EXPECT_EQ(children[4]->Text(), L"\u00e9");
}

TEST(XmlTest, TextOfMixedContentFails) {
  auto doc = PlatformXmlParser().Parse("<r><a>1<b/></a><c>1<!--x-->2</c><d><e>1</e></d></r>");
  for (const auto& child : doc->DocumentElement()->ChildElements()) {
    try {
      child->Text();
      ADD_FAILURE() << child->LocalName();
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), kNotSingleTextNode);
    }
  }
}

TEST(XmlTest, NamespacePrefixesAreNotPartOfTheLocalName) {
  auto doc = PlatformXmlParser().Parse("<p:r xmlns:p=\"urn:x\"><p:Profile/></p:r>");
  EXPECT_EQ(doc->DocumentElement()->LocalName(), "r");
  EXPECT_EQ(doc->DocumentElement()->FirstChildElement()->LocalName(), "Profile");
}

TEST(XmlTest, BuildsEditsAndSavesAsUtf8) {
  auto doc = PlatformXmlParser().Parse("<?xml version=\"1.0\"?><Orvane> </Orvane>");
  auto root = doc->DocumentElement();
  auto list = doc->CreateElement("List");
  root->AppendChild(*list);
  for (const wchar_t* name : {L"one", L"two & <three>", L"\u00e9\"'"}) {
    auto item = doc->CreateElement("Item");
    item->SetAttribute("Name", name);
    item->SetText(name);
    list->AppendChild(*item);
  }
  // A created element that is never appended is simply dropped.
  doc->CreateElement("Lost");
  auto items = list->ChildElements();
  ASSERT_EQ(items.size(), 3u);
  list->RemoveChild(std::move(items[0]));
  items = list->ChildElements();
  items[0]->SetText(L"");
  items[1]->SetText(L"tab\tand\x01" L"control");

  std::string saved = doc->SaveUtf8();
  EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>", 0), 0u)
      << saved;

  auto again = PlatformXmlParser().Parse(saved);
  auto reread = again->DocumentElement()->FirstChildElement()->ChildElements();
  ASSERT_EQ(reread.size(), 2u);
  std::wstring name;
  EXPECT_TRUE(reread[0]->GetAttribute("Name", &name));
  EXPECT_EQ(name, L"two & <three>");
  EXPECT_EQ(reread[0]->Text(), L"");
  // Characters XML cannot hold are left out rather than making the file
  // unreadable.
  EXPECT_EQ(reread[1]->Text(), L"tab\tandcontrol");
  EXPECT_TRUE(reread[1]->GetAttribute("Name", &name));
  EXPECT_EQ(name, L"\u00e9\"'");
}

TEST(XmlTest, MalformedDocumentsFail) {
  for (const char* text : {"", "<r>", "<r></s>", "plain", "<r a='1' a='2'/>", "<r/><s/>",
                           "<r>\xff</r>"}) {
    EXPECT_NE(ParseError(text), "(parsed)") << text;
  }
}

// Files that try to make the parser read other files, the network or
// expand entities without end: all refused before anything is resolved.
TEST(XmlTest, DocumentTypeDeclarationsAreRefused) {
  const char* hostile[] = {
      "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>",
      "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;"
      "&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]><r>&c;&c;&c;</r>",
      "<!DOCTYPE r SYSTEM \"http://127.0.0.1:9/r.dtd\"><r/>",
      "<!DOCTYPE r [<!ENTITY % p SYSTEM \"http://127.0.0.1:9/p\"> %p;]><r/>",
      "<!DOCTYPE r><r/>",
  };
  for (const char* text : hostile) EXPECT_EQ(ParseError(text), kDocumentTypeRefused) << text;

  // The same in UTF-16, where the declaration is not plain ASCII.
  std::string utf16 = "\xff\xfe";
  for (char c : std::string("<!DOCTYPE r SYSTEM \"http://127.0.0.1:9/r.dtd\"><r/>")) {
    utf16 += c;
    utf16 += '\0';
  }
  EXPECT_EQ(ParseError(utf16), kDocumentTypeRefused);
}

// An encoding in which "<!DOCTYPE" is not ASCII: the parser may refuse the
// encoding or parse the declaration, but the document is never accepted.
TEST(XmlTest, DocumentTypeInAnUnusualEncodingIsRefusedToo) {
  const std::string ebcdic =
      "\x4c\x6f\xa7\x94\x93\x40\xa5\x85\x99\xa2\x89\x96\x95\x7e\x7f\xf1\x4b\xf0"
      "\x7f\x40\x85\x95\x83\x96\x84\x89\x95\x87\x7e\x7f\xc9\xc2\xd4\xf0\xf3\xf7"
      "\x7f\x6f\x6e\x4c\x5a\xc4\xd6\xc3\xe3\xe8\xd7\xc5\x40\x99\x40\xba\x4c\x5a"
      "\xc5\xd5\xe3\xc9\xe3\xe8\x40\xa7\x40\xe2\xe8\xe2\xe3\xc5\xd4\x40\x7f\x86"
      "\x89\x93\x85\x7a\x61\x61\x61\x85\xa3\x83\x61\x97\x81\xa2\xa2\xa6\x84\x7f"
      "\x6e\xbb\x6e\x4c\x99\x6e\x50\xa7\x5e\x4c\x61\x99\x6e";
  EXPECT_NE(ParseError(ebcdic), "(parsed)");
}

TEST(XmlTest, EntityReferencesWithoutDeclarationFail) {
  EXPECT_NE(ParseError("<r>&undefined;</r>"), "(parsed)");
}

TEST(XmlTest, OtherEncodingsAreHonoured) {
  auto doc = PlatformXmlParser().Parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xe9</r>");
  EXPECT_EQ(doc->DocumentElement()->Text(), L"\u00e9");
}

}  // namespace
}  // namespace tessaly
