#include <gtest/gtest.h>

#include "common/comma_text.h"
#include "tests/exception_message.h"
#include "watermarks/font_text.h"
#include "watermarks/value_text.h"
#include "watermarks/watermark_items.h"

namespace tessaly {
namespace {

using Fields = std::vector<std::string>;

TEST(CommaTextTest, Splits) {
  EXPECT_EQ(SplitCommaText(""), Fields{});
  EXPECT_EQ(SplitCommaText("  \t "), Fields{});
  EXPECT_EQ(SplitCommaText("a,b,c"), (Fields{"a", "b", "c"}));
  // Blanks end a bare field and separate fields like commas do.
  EXPECT_EQ(SplitCommaText("  a , b"), (Fields{"a", "b"}));
  EXPECT_EQ(SplitCommaText("Times New Roman,1"), (Fields{"Times", "New", "Roman", "1"}));
  EXPECT_EQ(SplitCommaText("a,,b"), (Fields{"a", "", "b"}));
  EXPECT_EQ(SplitCommaText(",a"), (Fields{"", "a"}));
  // A comma that ends the text adds an empty field; one followed by blanks
  // does not.
  EXPECT_EQ(SplitCommaText("a,"), (Fields{"a", ""}));
  EXPECT_EQ(SplitCommaText("a, "), (Fields{"a"}));
  EXPECT_EQ(SplitCommaText("\x01" "a\x1f,\x7f" "b"), (Fields{"a", "\x7f" "b"}));
  // Characters above 127 belong to fields.
  EXPECT_EQ(SplitCommaText("\xe9t\xe9,\xa0"), (Fields{"\xe9t\xe9", "\xa0"}));
  EXPECT_EQ(SplitCommaText(std::string("a,b\0,c", 6)), (Fields{"a", "b"}));
}

TEST(CommaTextTest, QuotedFields) {
  EXPECT_EQ(SplitCommaText("\"a, b\",c"), (Fields{"a, b", "c"}));
  EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\""), (Fields{"say \"hi\""}));
  EXPECT_EQ(SplitCommaText("\"\",x"), (Fields{"", "x"}));
  // Text right after a closing quote starts the next field.
  EXPECT_EQ(SplitCommaText("\"ab\"cd"), (Fields{"ab", "cd"}));
  // An unclosed quote runs to the end.
  EXPECT_EQ(SplitCommaText("\"ab, c"), (Fields{"ab, c"}));
  EXPECT_EQ(SplitCommaText("\"a\"\""), (Fields{"a\""}));
}

TEST(CommaTextTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(QuoteCommaField("Arial"), "Arial");
  EXPECT_EQ(QuoteCommaField(""), "");
  EXPECT_EQ(QuoteCommaField("a b"), "\"a b\"");
  EXPECT_EQ(QuoteCommaField("a,b"), "\"a,b\"");
  EXPECT_EQ(QuoteCommaField("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(QuoteCommaField("a\tb"), "\"a\tb\"");
  EXPECT_EQ(QuoteCommaField("\xe9"), "\xe9");
  EXPECT_EQ(JoinCommaText({""}), "\"\"");
  EXPECT_EQ(JoinCommaText({}), "");
  for (const Fields& fields : {Fields{"a b", "", "x,\"y\"", "\x01", " lead"}, Fields{"", ""},
                               Fields{"one"}, Fields{""}, Fields{}}) {
    EXPECT_EQ(SplitCommaText(JoinCommaText(fields)), fields) << JoinCommaText(fields);
  }
}

TEST(FontTextTest, Writes) {
  TqvFont arial{"Arial", 12, 0, 255, fsBold};
  EXPECT_EQ(FontToText(arial), "Arial,12,0,255,True,False,False,False");
  TqvFont times{"Times New Roman", 9, 1, kClWindowText, fsItalic | fsUnderline | fsStrikeOut};
  EXPECT_EQ(FontToText(times), "\"Times New Roman\",9,1,-16777208,False,True,True,True");
  EXPECT_EQ(FontToText(nullptr), "");
}

TEST(FontTextTest, EmptyTextGivesTheDefaultFont) {
  TqvFont font = TextToFont("");
  EXPECT_EQ(font, (TqvFont{"Arial", 10, 0, kClWindowText, 0}));
}

TEST(FontTextTest, StyleFlagsIgnoreCaseAndAnythingElseClears) {
  TqvFont font = TextToFont("Arial,10,0,0,true,FALSE,x,True");
  EXPECT_EQ(font.style, fsBold | fsStrikeOut);
  EXPECT_EQ(TextToFont("A,1,2,3,TRUE,tRuE,True ,yes").style, fsBold | fsItalic | fsUnderline);
}

TEST(FontTextTest, Errors) {
  EXPECT_EQ(MessageOf([] { TextToFont("Arial,big,0,0,False,False,False,False"); }),
            "'big' is not a valid integer value");
  EXPECT_EQ(MessageOf([] { TextToFont("Arial,10,0,,False,False,False,False"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(MessageOf([] { TextToFont("Arial,10,0,0,False,False,False"); }),
            "List index out of bounds (7)");
  EXPECT_EQ(MessageOf([] { TextToFont("Arial"); }), "List index out of bounds (1)");
  EXPECT_EQ(MessageOf([] { TextToFont(" "); }), "List index out of bounds (0)");
  // Fields are converted in order: the bad size is found before the
  // missing fields.
  EXPECT_EQ(MessageOf([] { TextToFont("Arial,big"); }), "'big' is not a valid integer value");
  EXPECT_THROW(TextToFont("Arial,big"), EConvertError);
  EXPECT_THROW(TextToFont("Arial"), EListError);
  // Extra fields are ignored.
  EXPECT_EQ(TextToFont("A,1,2,3,False,False,False,False,extra").name, "A");
}

TEST(FontTextTest, RoundTrips) {
  const TqvFont fonts[] = {
      {"Arial", 12, 0, 255, fsBold},
      {"Times New Roman", -11, 238, kClWindowText, fsItalic | fsStrikeOut},
      {"Odd, \"quoted\" face", 72, 2, 0x80000000, 15},
      {"", 0, 255, 0xFF00000F, fsUnderline},
      {" lead\ttab", 2147483647, 1, 0x00FFFFFF, 0},
  };
  for (const TqvFont& font : fonts) {
    std::string text = FontToText(font);
    EXPECT_EQ(TextToFont(text), font) << text;
  }
}

TEST(ValueTextTest, NumbersUseThePointWhateverTheLocale) {
  EXPECT_EQ(FloatToText(1.5), "1.5");
  EXPECT_EQ(FloatToText(0.00005), "5E-5");
  EXPECT_EQ(FloatToText(1.5e20), "1.5E20");
  EXPECT_EQ(FloatToText(0.0001), "0.0001");
  EXPECT_EQ(FloatToText(-2), "-2");
  EXPECT_EQ(FloatToText(1.0 / 3), "0.333333333333333");
  EXPECT_DOUBLE_EQ(StrToFloatOrZero("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloatOrZero("5E-5"), 0.00005);
  EXPECT_DOUBLE_EQ(StrToFloatOrZero("1.5E20"), 1.5e20);
  EXPECT_EQ(StrToFloatOrZero("1,5"), 0);
  EXPECT_EQ(StrToFloatOrZero("abc"), 0);
  EXPECT_EQ(StrToFloatOrZero(""), 0);
}

TEST(ValueTextTest, Booleans) {
  EXPECT_TRUE(StrToBool("true"));
  EXPECT_TRUE(StrToBool("TRUE"));
  EXPECT_FALSE(StrToBool("False"));
  EXPECT_TRUE(StrToBool("-1"));
  EXPECT_TRUE(StrToBool("0.5"));
  EXPECT_FALSE(StrToBool("0"));
  EXPECT_EQ(MessageOf([] { StrToBool("yes"); }), "'yes' is not a valid boolean value");
  EXPECT_EQ(MessageOf([] { StrToBool(""); }), "'' is not a valid boolean value");
}

TEST(WatermarkItemsTest, NewItems) {
  TqvTextWatermark text;
  EXPECT_EQ(text.Kind(), wtText);
  EXPECT_EQ(text.ItemName(), "");
  EXPECT_EQ(text.Text(), "");
  EXPECT_EQ(text.X(), 0);
  EXPECT_EQ(text.Angle(), 0);
  EXPECT_EQ(text.HorizontalAnchorPoint(), apLeft);
  EXPECT_EQ(text.VerticalAnchorPoint(), apTop);
  EXPECT_EQ(text.Font(), (TqvFont{"MS Sans Serif", 8, 1, 0xFF000008, 0}));
  EXPECT_EQ(text.FillStyle(), bsSolid);
  EXPECT_EQ(text.FillColor(), 0x00FFFFFFu);

  TqvImageWatermark image;
  EXPECT_EQ(image.Kind(), wtImage);
  EXPECT_EQ(image.ImagePath(), "");
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_FALSE(image.AspectRatio());
  EXPECT_FALSE(image.CoverPage());
}

TEST(WatermarkItemsTest, ListKeepsOrderAndReplaceKeepsThePosition) {
  TqvRenderItemsList list("P");
  for (const char* name : {"a", "b", "a"}) {
    auto item = std::make_unique<TqvTextWatermark>();
    item->SetItemName(name);
    list.Add(std::move(item));
  }
  EXPECT_EQ(list.IndexOfName("a"), 0);
  EXPECT_EQ(list.IndexOfName("A"), -1);
  auto image = std::make_unique<TqvImageWatermark>();
  image->SetItemName("b");
  list.Replace(1, std::move(image));
  EXPECT_EQ(list.Item(1)->Kind(), wtImage);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(0)->ItemName(), "b");
  EXPECT_EQ(MessageOf([&] { list.Item(2); }), "List index out of bounds (2)");
  EXPECT_EQ(MessageOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
}

}  // namespace
}  // namespace tessaly
