#include "common/ini_file.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_services.h"

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#define TQ_COUNTS_HEAP 1
#endif

namespace tessaly {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  Cp1252CodePage code_page_;
  IniFile ini_{"C:\\x\\\\Profiles.~qvf", code_page_.UpperTable(), '.'};
};

TEST_F(IniFileTest, WritesSectionsAndKeysInFirstAddedOrderWithCrLf) {
  ini_.WriteString("B", "k1", "v1");
  ini_.WriteString("A", "k", "v");
  ini_.WriteString("B", "k2", "v2");
  ini_.WriteString("b", "K1", "again");  // rewritten in place, caller's spelling
  EXPECT_EQ(ini_.Text(), "[B]\r\nK1=again\r\nk2=v2\r\n\r\n[A]\r\nk=v\r\n\r\n");
}

TEST_F(IniFileTest, ReadRules) {
  ini_.SetText(
      "orphan=1\r\n"
      "  [[PDF - Best Quality]]  \r\n"
      "; a comment\r\n"
      "\r\n"
      "   Key One   =   value with blanks   \r\n"
      "no equals sign\r\n"
      "a=b=c\n"
      "[ Spaced ]\r"
      "x=1\r\n"
      "=no key\r\n");
  EXPECT_EQ(ini_.SectionNames(), (std::vector<std::string>{"[PDF - Best Quality]", "Spaced"}));
  EXPECT_EQ(ini_.ReadString("Spaced", "", "?"), "no key");
  EXPECT_EQ(ini_.ReadString("[PDF - Best Quality]", "Key One", "?"), "value with blanks");
  EXPECT_EQ(ini_.ReadString("[pdf - best quality]", "A", "?"), "b=c");
  EXPECT_EQ(ini_.ReadString("Spaced", "x", "?"), "1");
  EXPECT_FALSE(ini_.ValueExists("Spaced", "orphan"));
  // The line without "=" is kept and written back as it was read.
  EXPECT_EQ(ini_.Text(),
            "[[PDF - Best Quality]]\r\nKey One=value with blanks\r\nno equals sign\r\na=b=c\r\n\r\n"
            "[Spaced]\r\nx=1\r\n=no key\r\n\r\n");
}

TEST_F(IniFileTest, RepeatedSectionsAndKeysReadTheFirst) {
  ini_.SetText("[S]\r\nk=first\r\n[T]\r\n[s]\r\nk=second\r\nz=1\r\n");
  EXPECT_EQ(ini_.ReadString("S", "k", ""), "first");
  EXPECT_EQ(ini_.ReadString("S", "z", ""), "1");
  ini_.WriteString("S", "k", "new");
  EXPECT_EQ(ini_.Text(), "[S]\r\nk=new\r\nk=second\r\nz=1\r\n\r\n[T]\r\n\r\n");
}

TEST_F(IniFileTest, CaseInsensitiveLookupCoversAnsiLettersBeyondAscii) {
  ini_.WriteString("Einstellungen \xe9t\xe9", "Gr\xf6\xdf" "e \x9a", "1");
  EXPECT_EQ(ini_.ReadString("EINSTELLUNGEN \xc9T\xc9", "GR\xd6\xdf" "E \x8a", ""), "1");
  // \xdf has no upper-case form in the code page: it matches itself only.
  EXPECT_FALSE(ini_.ValueExists("Einstellungen \xe9t\xe9", "GR\xd6SSE \x8a"));
}

// Names of every length around the eight-byte words lookups compare, in
// the code page's table and in one whose ASCII half is not plain ASCII
// (there "i" folds to "\xdd" and no longer to "I").
TEST(IniFileFoldingTest, EveryLengthAndPositionFoldsThroughTheTable) {
  Cp1252CodePage code_page;
  unsigned char dotted[256];
  std::copy(code_page.UpperTable(), code_page.UpperTable() + 256, dotted);
  dotted[static_cast<unsigned char>('i')] = 0xDD;
  for (const unsigned char* table : {code_page.UpperTable(), static_cast<const unsigned char*>(dotted)}) {
    IniFile ini("f", table, '.');
    for (size_t size = 1; size <= 70; ++size) {
      std::string name, other_case;
      for (size_t i = 0; i < size; ++i) {
        const char letters[] = "a\xe9Z\x9a" "7-i";
        char c = letters[i % 7];
        name += c;
        other_case += static_cast<char>(table[static_cast<unsigned char>(c)]);
      }
      ini.SetText("[" + name + "]\r\n" + name + "=1\r\n");
      EXPECT_EQ(ini.ReadString(other_case, other_case, ""), "1") << size;
      std::string changed = other_case;
      changed[size / 2] ^= 0x01;
      EXPECT_FALSE(ini.ValueExists(changed, other_case)) << size;
      EXPECT_FALSE(ini.ValueExists(other_case, changed)) << size;
    }
    ini.SetText("[I]\r\nk=1\r\n");
    EXPECT_EQ(ini.SectionExists("i"), table == code_page.UpperTable());
  }
}

TEST_F(IniFileTest, EmptySectionIsListedButCountsAsAbsent) {
  ini_.SetText("[Empty]\r\n[Full]\r\nk=v\r\n");
  EXPECT_EQ(ini_.SectionNames().size(), 2u);
  EXPECT_FALSE(ini_.SectionExists("Empty"));
  EXPECT_TRUE(ini_.SectionExists("full"));
  ini_.EraseSection("FULL");
  EXPECT_EQ(ini_.SectionNames(), std::vector<std::string>{"Empty"});
  EXPECT_EQ(ini_.ReadString("full", "k", "gone"), "gone");
  ini_.SetText("[Full]\r\nk=again\r\n");
  EXPECT_EQ(ini_.ReadString("full", "k", "gone"), "again");
}

TEST_F(IniFileTest, NothingWrittenBreaksIntoNewLines) {
  const char kEvil[] = "a\r\n[General Settings]\r\nLastProfile=x\n";
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {{"S", "k", kEvil}, {"S", kEvil, "v"}, {kEvil, "k", "v"}};
  for (const Case& c : cases) {
    ini_.SetText("");
    ini_.WriteString(c.section, c.key, c.value);
    std::string text = ini_.Text();
    ini_.SetText(text);
    EXPECT_EQ(ini_.SectionNames().size(), 1u) << text;
    EXPECT_EQ(ini_.SectionValues(ini_.SectionNames()[0]).size(), 1u) << text;
    EXPECT_FALSE(ini_.ValueExists("General Settings", "LastProfile")) << text;
  }
}

// The shortest lines at the limit of what loading takes in: parsed, they
// stay within a small multiple of the text; one line more is refused and
// leaves the file empty.
TEST_F(IniFileTest, ParsedFormStaysWithinAMultipleOfTheText) {
  std::string text = "[S]\n";
  while (text.size() / 4 + 4096 < kMaxIniLines) text += "k=1\n";
  const size_t lines = text.size() / 4;
  ASSERT_LE(lines + 1, MaxIniLinesOf(text.size()));
#ifdef TQ_COUNTS_HEAP
  size_t before = mallinfo2().uordblks;
#endif
  ini_.SetText(text);
  EXPECT_EQ(ini_.ReadString("s", "K", ""), "1");
#ifdef TQ_COUNTS_HEAP
  EXPECT_LT(mallinfo2().uordblks - before, 16 * text.size());
#endif
  std::string over = text + std::string(MaxIniLinesOf(text.size()) - lines + 8, '\n');
  EXPECT_THROW(ini_.SetText(over), EIniTooLarge);
  EXPECT_TRUE(ini_.SectionNames().empty());
}

TEST_F(IniFileTest, Numbers) {
  ini_.SetText("[N]\r\nhex=0x10\r\nHEX=0XfF\r\nbad=abc\r\nx=0x\r\nbig=2147483648\r\n"
               "neg=-2147483648\r\nb=7\r\nf=1.5E20\r\nfc=2,5\r\n");
  EXPECT_EQ(ini_.ReadInteger("N", "hex", -1), 16);
  EXPECT_EQ(ini_.ReadInteger("N", "bad", -1), -1);
  EXPECT_EQ(ini_.ReadInteger("N", "x", -1), -1);
  EXPECT_EQ(ini_.ReadInteger("N", "big", -1), -1);
  EXPECT_EQ(ini_.ReadInteger("N", "neg", 0), INT32_MIN);
  EXPECT_EQ(ini_.ReadInteger("N", "missing", 42), 42);
  EXPECT_TRUE(ini_.ReadBool("N", "b", false));
  EXPECT_FALSE(ini_.ReadBool("N", "bad", false));
  EXPECT_DOUBLE_EQ(ini_.ReadFloat("N", "f", 0), 1.5e20);
  EXPECT_DOUBLE_EQ(ini_.ReadFloat("N", "fc", -1), -1);  // wrong separator

  ini_.WriteInteger("N", "w", -17);
  ini_.WriteBool("N", "t", true);
  ini_.WriteFloat("N", "g", 0.1);
  EXPECT_EQ(ini_.ReadString("N", "w", ""), "-17");
  EXPECT_EQ(ini_.ReadString("N", "t", ""), "1");
  EXPECT_EQ(ini_.ReadString("N", "g", ""), "0.1");
}

TEST(IniFileSeparatorTest, FloatsUseTheUsersDecimalSeparator) {
  Cp1252CodePage code_page(',');
  IniFile ini("f", code_page.UpperTable(), ',');
  ini.WriteFloat("S", "f", 2.5);
  EXPECT_EQ(ini.ReadString("S", "f", ""), "2,5");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "f", 0), 2.5);
  ini.WriteString("S", "dot", "2.5");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "dot", 9), 9);
}

TEST_F(IniFileTest, ManyKeysStayReachableAsTheIndexGrows) {
  ini_.SetText("[S]\r\nk0=0\r\n");
  ASSERT_EQ(ini_.ReadInteger("S", "k0", -1), 0);  // builds the index
  for (int i = 1; i < 500; ++i) ini_.WriteInteger("S", "k" + std::to_string(i), i);
  for (int i = 0; i < 500; ++i) EXPECT_EQ(ini_.ReadInteger("S", "K" + std::to_string(i), -1), i);
  ini_.DeleteKey("S", "k250");
  EXPECT_FALSE(ini_.ValueExists("S", "k250"));
  EXPECT_EQ(ini_.ReadInteger("S", "k251", -1), 251);
}

}  // namespace
}  // namespace tessaly
