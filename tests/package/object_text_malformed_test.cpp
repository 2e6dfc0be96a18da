// Damaged object text: every case fails with the load error, creates
// nothing and crashes nothing.
#include <gtest/gtest.h>

#include "object_text_fixture.h"
#include "package/class_registry.h"
#include "package/object_component.h"
#include "package/object_text_parser.h"

namespace xs::testing_classes {
namespace {

const std::string kHead = "object TXObjectComponent\r\n  ObjClassName = 'TTestObject'\r\n";

struct Malformed {
  const char* what;
  std::string text;
};

std::vector<Malformed> Cases() {
  return {
      {"empty text", ""},
      {"no class name", "object TXObjectComponent\r\nend\r\n"},
      {"unregistered class", "object TXObjectComponent\r\n  ObjClassName = 'TNoSuchClass'\r\nend\r\n"},
      {"class that cannot be created", "object TXObjectComponent\r\n  ObjClassName = 'TCollection'\r\nend\r\n"},
      {"missing end", kHead},
      {"missing class", "object\r\n"},
      {"missing equals", kHead + "  Obj.Number 3\r\nend\r\n"},
      {"missing value", kHead + "  Obj.Number =\r\nend\r\n"},
      {"invalid value", kHead + "  Obj.Number = @\r\nend\r\n"},
      {"dangling dot", kHead + "  Obj. = 3\r\nend\r\n"},
      {"unterminated string", kHead + "  Obj.Text = 'abc\r\nend\r\n"},
      {"string at end of text", kHead + "  Obj.Text = 'abc"},
      {"plus without string", kHead + "  Obj.Text = 'a' +\r\nend\r\n"},
      {"character code too big", kHead + "  Obj.Text = #256\r\nend\r\n"},
      {"character code without digits", kHead + "  Obj.Text = #\r\nend\r\n"},
      {"integer too big", kHead + "  Obj.Big = 9223372036854775808\r\nend\r\n"},
      {"hex integer too long", kHead + "  Obj.Big = $10000000000000000\r\nend\r\n"},
      {"float out of range", kHead + "  Obj.Ratio = 1e999\r\nend\r\n"},
      {"odd hex digits", kHead + "  Obj.Data.Data = {ABC}\r\nend\r\n"},
      {"bad hex digit", kHead + "  Obj.Data.Data = {AG}\r\nend\r\n"},
      {"unterminated byte block", kHead + "  Obj.Data.Data = {AB"},
      {"unterminated set", kHead + "  Obj.Flags = [tfRed,\r\nend\r\n"},
      {"set with a string", kHead + "  Obj.Flags = ['a']\r\nend\r\n"},
      {"unterminated list", kHead + "  Obj.Lines.Strings = ('a'\r\n"},
      {"collection without item", kHead + "  Obj.Items = <5>\r\nend\r\n"},
      {"unterminated collection", kHead + "  Obj.Items = <\r\n    item\r\n    end\r\n"},
      {"item without end", kHead + "  Obj.Items = <\r\n    item\r\n      Value = 1>\r\nend\r\n"},
      {"deep lists", kHead + "  Obj.Lines.Strings = " + std::string(100, '(') + std::string(100, ')') + "\r\nend\r\n"},
      {"very deep lists", kHead + "  Obj.X = " + std::string(100000, '(') + "\r\nend\r\n"},
      {"deep objects", [] {
         std::string text = kHead;
         for (int i = 0; i < 100; ++i) text += "object A: B\r\n";
         for (int i = 0; i < 101; ++i) text += "end\r\n";
         return text;
       }()},
      {"deep collections", [] {
         std::string text = kHead + "  Obj.Items = ";
         for (int i = 0; i < 100; ++i) text += "<item Pairs = ";
         text += "<>";
         for (int i = 0; i < 100; ++i) text += " end>";
         return text + "\r\nend\r\n";
       }()},
  };
}

using MalformedTextTest = ObjectTextFixture;

TEST_F(MalformedTextTest, EveryDamageFailsWithTheLoadError) {
  RegisterObjectClasses({&TCollection::StaticClass()});
  for (const Malformed& c : Cases()) {
    XError().SetError(99);
    TXObjectComponent root;
    EXPECT_FALSE(root.ReadFromText(c.text, false)) << c.what;
    EXPECT_EQ(XError().GetCode(), errLoad) << c.what;
    EXPECT_EQ(root.Obj(), nullptr) << c.what;

    TMemoryStream stream(std::vector<uint8_t>(c.text.begin(), c.text.end()));
    EXPECT_EQ(ReadObjectFromStream(stream, nullptr, false), nullptr) << c.what;
    try {
      ReadObjectFromStream(stream, nullptr, true);
      ADD_FAILURE() << "no exception: " << c.what;
    } catch (const EXError& e) {
      EXPECT_EQ(e.Code(), errLoad) << c.what;
    }
  }
  UnregisterObjectClasses({&TCollection::StaticClass()});
}

TEST_F(MalformedTextTest, ParseErrorsNameTheirLine) {
  try {
    ParseObjectText("object A\r\n  B = 1\r\n  C = @\r\nend\r\n");
    FAIL() << "no exception";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Line(), 3);
    EXPECT_STREQ(e.what(), "Line 3: Invalid property value");
  }
}

TEST_F(MalformedTextTest, ASuppliedObjectKeepsItsValuesWhenTheTextDoesNotParse) {
  TTestObject o;
  o.Number = 5;
  TXObjectComponent root;
  root.SetObj(&o);
  root.PreSet = true;
  EXPECT_FALSE(root.ReadFromText(kHead + "  Obj.Number = 6\r\n  Obj.Small = @\r\nend\r\n", false));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_EQ(o.Number, 5);  // the text is parsed whole before anything is applied
  EXPECT_EQ(root.Obj(), &o);
}

}  // namespace
}  // namespace xs::testing_classes
