// Writing and reading object text: the exact form, round trips of every
// property kind, and the reader's tolerance of lines it cannot apply.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "object_text_fixture.h"
#include "package/object_component.h"
#include "package/stored_stream.h"

namespace xs::testing_classes {
namespace {

std::unique_ptr<TTestObject> ReadTest(const std::string& text) {
  std::unique_ptr<TPersistent> object = ObjectOf(text);
  EXPECT_EQ(XError().GetCode(), 0) << text;
  auto* test = dynamic_cast<TTestObject*>(object.get());
  EXPECT_NE(test, nullptr) << text;
  if (!test) return nullptr;
  object.release();
  return std::unique_ptr<TTestObject>(test);
}

using ObjectTextTest = ObjectTextFixture;

TEST_F(ObjectTextTest, WritesTheExactFormOfASmallObject) {
  TTestObject o;
  o.Medium = -2;
  o.Number = 3;
  o.Unsigned = 0x80000001u;
  o.Mode = tmSecond;
  o.Flags.set(tfRed).set(tfBlue);
  o.Ratio = 41575.57298611111;
  o.Text = "it's\r\n";
  o.Child->Width = 473;
  auto* item = o.Items.GetItem(o.Items.Add()->Index());
  item->Name = "Data";
  item->Value = 3;
  o.Lines.Add("a");
  o.Lines.Add("b");
  SetBytes(o.Data, {1, 2, 3, 4});

  EXPECT_EQ(TextOf(o), Lines({
                           "object TXObjectComponent",
                           "  ObjClassName = 'TTestObject'",
                           "  Obj.Small = 0",
                           "  Obj.Medium = -2",
                           "  Obj.Number = 3",
                           "  Obj.Unsigned = 2147483649",
                           "  Obj.Enabled = False",
                           "  Obj.Mode = tmSecond",
                           "  Obj.Flags = [tfRed, tfBlue]",
                           "  Obj.Ratio = 41575.572986111110000000",
                           "  Obj.Color = clBlack",
                           "  Obj.Text = 'it'#39's'#13#10",
                           "  Obj.Child.Width = 473",
                           "  Obj.Child.Image.Compressed = False",
                           "  Obj.Child.Image.Width = 0",
                           "  Obj.Child.Image.Height = 0",
                           "  Obj.Items = <",
                           "    item",
                           "      name = 'Data'",
                           "      Value = 3",
                           "      Mode = tmNone",
                           "      Pairs = <>",
                           "    end>",
                           "  Obj.Lines.Strings = (",
                           "    'a'",
                           "    'b')",
                           "  Obj.Data.Compressed = False",
                           "  Obj.Data.Data = {01020304}",
                           "end",
                       }));
}

TEST_F(ObjectTextTest, EveryPropertyKindSurvivesARoundTrip) {
  TTestObject o;
  o.SetLgID(7);
  o.Small = 255;
  o.Medium = -32768;
  o.Number = -2147483647 - 1;
  o.Unsigned = 0xFFFFFFFFu;
  o.Big = -9000000000000000000;
  o.Enabled = true;
  o.Visible = false;
  o.Mode = tmFirst;
  o.Flags.set(tfGreen);
  o.Ratio = -0.001953125;
  o.Color = static_cast<TColor>(10705961);
  o.Text = "x";
  o.Child->Width = -5;
  o.Child->Caption = "caption";
  o.Child->Image.DataClass = "TBitmap";
  o.Child->Image.Width = 473;
  o.Child->Image.Height = 60;
  SetBytes(o.Child->Image, Pattern(70));
  for (int i = 0; i < 2; ++i) {
    auto* item = static_cast<TTestItem*>(o.Items.Add());
    item->Name = "n" + std::to_string(i);
    item->LgID = i;
    item->Value = 10 * i;
    item->Mode = tmSecond;
    auto* pair = static_cast<TXStringItem*>(item->Pairs.Add());
    pair->Name = "Publisher";
    pair->S = "Me & Co's";
  }
  o.Lines.Add("C:\\Program Files\\App");
  o.Lines.Add("");
  o.Data.Compressed = true;
  o.Data.FileName = "app.exe";
  o.Data.Version = "7.1.9.170";
  o.Data.TimeStamp = 41575.572986111110;
  o.Data.Size = 1080488;
  SetBytes(o.Data, Pattern(5000));

  std::string text = TextOf(o);
  auto r = ReadTest(text);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TextOf(*r), text);
  EXPECT_EQ(r->LgID(), 7);
  EXPECT_EQ(r->Small, 255);
  EXPECT_EQ(r->Medium, -32768);
  EXPECT_EQ(r->Number, o.Number);
  EXPECT_EQ(r->Unsigned, 0xFFFFFFFFu);
  EXPECT_EQ(r->Big, o.Big);
  EXPECT_TRUE(r->Enabled);
  EXPECT_FALSE(r->Visible);
  EXPECT_EQ(r->Mode, tmFirst);
  EXPECT_EQ(r->Flags, o.Flags);
  EXPECT_EQ(r->Ratio, o.Ratio);
  EXPECT_EQ(r->Color, 10705961);
  EXPECT_EQ(r->Child->Width, -5);
  EXPECT_EQ(r->Child->Caption, "caption");
  EXPECT_EQ(r->Child->Image.DataClass, "TBitmap");
  EXPECT_EQ(r->Child->Image.Width, 473);
  EXPECT_EQ(r->Child->Image.Height, 60);
  EXPECT_EQ(r->Child->Image.DataStream().Bytes(), Pattern(70));
  ASSERT_EQ(r->Items.Count(), 2);
  EXPECT_EQ(r->Items.GetItem(1)->Name, "n1");
  EXPECT_EQ(r->Items.GetItem(1)->LgID, 1);
  EXPECT_EQ(r->Items.GetItem(1)->Value, 10);
  EXPECT_EQ(r->Items.GetItem(1)->Mode, tmSecond);
  ASSERT_EQ(r->Items.GetItem(1)->Pairs.Count(), 1);
  EXPECT_EQ(r->Items.GetItem(1)->Pairs.GetItem(0)->S, "Me & Co's");
  EXPECT_EQ(r->Lines.Items(), o.Lines.Items());
  EXPECT_TRUE(r->Data.Compressed);
  EXPECT_EQ(r->Data.FileName, "app.exe");
  EXPECT_EQ(r->Data.Version, "7.1.9.170");
  EXPECT_DOUBLE_EQ(r->Data.TimeStamp, o.Data.TimeStamp);
  EXPECT_EQ(r->Data.Size, 1080488);
  EXPECT_EQ(r->Data.DataStream().Bytes(), Pattern(5000));
  EXPECT_NE(text.find("Obj.Data.CData = {"), std::string::npos);
  EXPECT_EQ(text.find("Obj.Data.Data ="), std::string::npos);
}

TEST_F(ObjectTextTest, StringsKeepEveryByteAndWrapAt64Characters) {
  std::string high;
  for (int c = 128; c < 256; ++c) high += static_cast<char>(c);
  std::string controls;
  for (int c = 0; c < 32; ++c) controls += static_cast<char>(c);
  const std::string cases[] = {
      "a",
      std::string(64, 'x'),
      std::string(65, 'x'),
      "''",
      "don't",
      "line one\r\nline two\r\n",
      high,
      controls,
      std::string(63, 'y') + "'" + std::string(70, 'z'),
      std::string(200, '\''),
      std::string(1, '\0') + "after nul",
  };
  for (const std::string& s : cases) {
    TTestObject o;
    o.Text = s;
    o.Lines.Add(s);
    std::string text = TextOf(o);
    auto r = ReadTest(text);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Text, s) << text;
    EXPECT_EQ(r->Lines.Items(), o.Lines.Items()) << text;
  }
}

TEST_F(ObjectTextTest, AStringOf64StaysOnItsLineAndOneOf65TakesTwoLines) {
  TTestObject o;
  o.Text = std::string(64, 'a');
  EXPECT_NE(TextOf(o).find("\r\n  Obj.Text = '" + std::string(64, 'a') + "'\r\n"), std::string::npos);
  o.Text = std::string(65, 'a');
  EXPECT_NE(TextOf(o).find("\r\n  Obj.Text = \r\n    '" + std::string(64, 'a') + "' +\r\n    'a'\r\n"),
            std::string::npos);
  // An escaped character counts as one of the 64.
  o.Text = std::string(63, 'a') + "\r" + "b";
  EXPECT_NE(TextOf(o).find("\r\n  Obj.Text = \r\n    '" + std::string(63, 'a') + "'#13 +\r\n    'b'\r\n"),
            std::string::npos);
}

TEST_F(ObjectTextTest, ByteBlocksGoOnTheLineBelow32BytesAndOnOwnLinesFrom32) {
  struct Case {
    size_t size;
    std::string form;
  };
  std::string hex;
  for (uint8_t b : Pattern(33)) {
    static const char kHex[] = "0123456789ABCDEF";
    hex += kHex[b >> 4];
    hex += kHex[b & 15];
  }
  const Case cases[] = {
      {1, "Obj.Data.Data = {0B}\r\n"},
      {31, "Obj.Data.Data = {" + hex.substr(0, 62) + "}\r\n"},
      {32, "Obj.Data.Data = {\r\n    " + hex.substr(0, 64) + "}\r\n"},
      {33, "Obj.Data.Data = {\r\n    " + hex.substr(0, 64) + "\r\n    " + hex.substr(64) + "}\r\n"},
  };
  for (const Case& c : cases) {
    TTestObject o;
    SetBytes(o.Data, Pattern(c.size));
    std::string text = TextOf(o);
    EXPECT_NE(text.find("  " + c.form), std::string::npos) << text;
    auto r = ReadTest(text);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Data.DataStream().Bytes(), Pattern(c.size));
  }
}

TEST_F(ObjectTextTest, StreamBytesAreWrittenOnlyWhenStoredAndPresent) {
  TTestObject o;
  EXPECT_EQ(TextOf(o).find("Data.Data"), std::string::npos);
  EXPECT_EQ(TextOf(o).find("Data.CData"), std::string::npos);
  o.Data.Compressed = true;
  EXPECT_EQ(TextOf(o).find("Data.CData"), std::string::npos);
  SetBytes(o.Data, Pattern(10));
  o.Data.SetStoreData(false);
  o.Data.Size = 10;
  std::string text = TextOf(o);
  EXPECT_EQ(text.find("Data.CData"), std::string::npos);
  EXPECT_NE(text.find("Obj.Data.Size = 10\r\n"), std::string::npos);
}

TEST_F(ObjectTextTest, DefaultsDecideWhichValuesAreWritten) {
  TTestObject o;
  std::string text = TextOf(o);
  // Integers, booleans, enumerations, sets and colours without a declared
  // default are always written; LgID and Visible only when not their default.
  for (const char* line : {"Obj.Small = 0", "Obj.Enabled = False", "Obj.Mode = tmNone",
                           "Obj.Flags = []", "Obj.Color = clBlack", "Obj.Items = <>"})
    EXPECT_NE(text.find(std::string("  ") + line + "\r\n"), std::string::npos) << line;
  for (const char* name : {"LgID", "Visible", "Big", "Ratio", "Text", "Lines", "Caption"})
    EXPECT_EQ(text.find(std::string(".") + name + " "), std::string::npos) << name;
  o.Visible = false;
  EXPECT_NE(TextOf(o).find("  Obj.Visible = False\r\n"), std::string::npos);
}

TEST_F(ObjectTextTest, FloatsHave18DecimalsAnd16SignificantDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {41575.57298611111, "41575.572986111110000000"},
      {0.5, "0.500000000000000000"},
      {-1.25, "-1.250000000000000000"},
      {1.0 / 3.0, "0.333333333333333300"},
      {123456789012345678.0, "1.234567890123457E+17"},
      {0.000012345678901234567, "0.000012345678901235"},
      {2.0 / 3.0 * 1e15, "666666666666666.600000000000000000"},
  };
  for (const Case& c : cases) {
    TTestObject o;
    o.Ratio = c.value;
    std::string text = TextOf(o);
    EXPECT_NE(text.find(std::string("  Obj.Ratio = ") + c.text + "\r\n"), std::string::npos) << text;
    auto r = ReadTest(text);
    ASSERT_NE(r, nullptr);
    // 16 significant digits, or fewer where the 18th decimal comes first
    EXPECT_NEAR(r->Ratio, c.value, std::max(std::fabs(c.value) * 1e-15, 5e-19));
  }
}

TEST_F(ObjectTextTest, ColoursAreWrittenByNameWhenTheyHaveOne) {
  struct Case {
    int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {clBlack, "clBlack"},       {clWhite, "clWhite"},   {clBtnFace, "clBtnFace"},
      {clMenuBar, "clMenuBar"},   {clNone, "clNone"},     {clDefault, "clDefault"},
      {10705961, "10705961"},     {SystemColor(25), "-16777191"},
  };
  for (const Case& c : cases) {
    TTestObject o;
    o.Color = static_cast<TColor>(c.value);
    std::string text = TextOf(o);
    EXPECT_NE(text.find(std::string("  Obj.Color = ") + c.text + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(ReadTest(text)->Color, c.value);
  }
  // Names in any case, decimal and hexadecimal numbers all read.
  auto r = ReadTest(Lines({"object TXObjectComponent", "  ObjClassName = 'TTestObject'",
                           "  Obj.Color = CLRED", "end"}));
  EXPECT_EQ(r->Color, clRed);
  r = ReadTest(Lines({"object TXObjectComponent", "  ObjClassName = 'TTestObject'",
                      "  Obj.Color = $FF00000F", "end"}));
  EXPECT_EQ(r->Color, clBtnFace);
}

TEST_F(ObjectTextTest, CollectionsReadEmptyAndReplaceTheirItems) {
  TTestObject o;
  EXPECT_NE(TextOf(o).find("  Obj.Items = <>\r\n"), std::string::npos);
  o.Items.Add();
  o.Items.Add();
  TXObjectComponent root;
  root.SetObj(&o);
  root.PreSet = true;
  ASSERT_TRUE(root.ReadFromText(Lines({"object TXObjectComponent", "  Obj.Items = <>", "end"}), false));
  EXPECT_EQ(o.Items.Count(), 0);
  ASSERT_TRUE(root.ReadFromText(Lines({"object TXObjectComponent", "  Obj.Items = <", "    item [5]",
                                       "      Value = 1", "    end", "    item", "    end>", "end"}),
                                false));
  ASSERT_EQ(o.Items.Count(), 2);
  EXPECT_EQ(o.Items.GetItem(0)->Value, 1);
  EXPECT_EQ(o.Items.GetItem(1)->Value, 0);
}

TEST_F(ObjectTextTest, ReaderSkipsLinesItCannotApplyAndGoesOn) {
  auto r = ReadTest(Lines({
      "object TXObjectComponent",
      "  ObjClassName = 'TTestObject'",
      "  Obj.Unknown = 5",
      "  Obj.Child.Missing.Width = 5",
      "  Obj.Small = 256",      // does not fit 8 bits
      "  Obj.Number = 'text'",  // not an integer
      "  Obj.Mode = tmThird",   // not a member
      "  Obj.Flags = [tfRed, tfPink]",
      "  Obj.Enabled = 1",
      "  Obj.Text = 12",
      "  Obj.Items = (1 2)",
      "  Obj.Lines.Strings = (1 2)",
      "  Obj.Data.Data = 'abc'",
      "  obj.child.WIDTH = 9",  // names compare without regard to case
      "  Obj.Medium = $10",
      "  Obj.Unsigned = -1",    // the negative form of an unsigned value
      "  Obj.Big = -9223372036854775808",
      "  Obj.Ratio = 15",
      "  Obj.Text = 'a'#39'b'''#$41 +",
      "    'c'",
      "  Obj.Data.TimeStamp = 2.5d",
      "end",
  }));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->Small, 0);
  EXPECT_EQ(r->Number, 0);
  EXPECT_EQ(r->Mode, tmNone);
  EXPECT_TRUE(r->Flags.none());
  EXPECT_FALSE(r->Enabled);
  EXPECT_EQ(r->Items.Count(), 0);
  EXPECT_EQ(r->Lines.Count(), 0);
  EXPECT_TRUE(r->Data.IsEmpty());
  EXPECT_EQ(r->Child->Width, 9);
  EXPECT_EQ(r->Medium, 16);
  EXPECT_EQ(r->Unsigned, 0xFFFFFFFFu);
  EXPECT_EQ(r->Big, INT64_MIN);
  EXPECT_EQ(r->Ratio, 15.0);
  EXPECT_EQ(r->Text, "a'b'Ac");
  EXPECT_EQ(r->Data.TimeStamp, 2.5);
}

TEST_F(ObjectTextTest, OtherObjectKeywordsNamesAndNestedObjectsAreAccepted) {
  for (const char* head : {"inherited TXObjectComponent", "inline Root: TXObjectComponent",
                           "object Root: TXObjectComponent [2]"}) {
    TTestObject o;
    TXObjectComponent root;
    root.SetObj(&o);
    root.PreSet = true;
    EXPECT_TRUE(root.ReadFromText(Lines({head, "  Obj.Number = 4", "  object Inner: TThing",
                                         "    Value = 1", "  end", "  Obj.Small = 2", "end"}),
                                  false))
        << head;
    EXPECT_EQ(o.Number, 4);
    EXPECT_EQ(o.Small, 2);
  }
}

TEST_F(ObjectTextTest, AComponentIsWrittenUnderItsName) {
  TXStoredStream stream;
  stream.Name = "lgStream";
  SetBytes(stream.Data, {0xAB});
  stream.Data.DataClass = ".xlg";
  EXPECT_EQ(ObjectToText(stream), Lines({"object lgStream: TXStoredStream", "  Data.Compressed = False",
                                         "  Data.DataClass = '.xlg'", "  Data.Data = {AB}", "end"}));
}

}  // namespace
}  // namespace xs::testing_classes
