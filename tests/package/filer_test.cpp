// Filers over containers in memory: round trips, the header layouts, which
// groups and elements load, the hooks' order, load modes and identities.
#include <gtest/gtest.h>

#include "filer_support.h"
#include "package/data_index.h"
#include "package/object_component.h"
#include "package/qstream.h"

namespace xs::testing_classes {
namespace {

using Bytes = std::vector<uint8_t>;

class FilerTest : public FilerFixture {
 protected:
  static Bytes Save(TDocument& doc) {
    TMemoryStream stream;
    TDocFiler filer;
    filer.Setup(&doc, 0, {});
    EXPECT_TRUE(filer.SaveToStream(stream, nullptr, false));
    EXPECT_EQ(XError().GetCode(), 0);
    return stream.Bytes();
  }
  static bool Load(const Bytes& bytes, TDocument& doc) {
    TMemoryStream stream(bytes);
    return LoadStreamWith(stream, FilerClass<TDocFiler>, &doc, false, nullptr);
  }
  static std::vector<std::string> FileNames(const TDocument& doc) {
    std::vector<std::string> names;
    for (int i = 0; i < doc.Files.Count(); ++i) names.push_back(doc.Files.GetItem(i)->Name);
    return names;
  }
};

// An opened container over saved bytes, with what the tests look at.
struct Opened {
  explicit Opened(const Bytes& bytes) : stream(bytes) { EXPECT_TRUE(c.Open(omRead, &stream, false, nullptr, 0)); }
  TXRHeaderObject& Header(const std::string& group, int index) {
    TXRHeaderObject* h = c.FindHeader(group, index);
    EXPECT_NE(h, nullptr) << group << " " << index;
    return *h;
  }
  std::vector<int32_t> Ids(const std::string& group, int index) {
    std::vector<int32_t> ids;
    for (const TXRItemEntry& e : Header(group, index).Items) ids.push_back(e.ID);
    return ids;
  }
  std::string Item(const std::string& group, int header, int item) {
    std::string text;
    EXPECT_TRUE(c.ReadStringItem(group, header, false, nullptr, text, item));
    return text;
  }
  TMemoryStream stream;
  TXQStream c;
};

TEST_F(FilerTest, AnObjectTreeSurvivesARoundTrip) {
  TDocument a;
  FillDocument(a);
  Bytes bytes = Save(a);

  TDocument b;
  TXProgressTarget target;
  TXProgressItem progress(nullptr, &target);
  progress.Range = 1000;
  TMemoryStream stream(bytes);
  ASSERT_TRUE(LoadStreamWith(stream, FilerClass<TDocFiler>, &b, false, &progress));
  EXPECT_EQ(XError().GetCode(), 0);
  EXPECT_EQ(target.Position(), 1000);
  EXPECT_EQ(Snapshot(b), Snapshot(a));

  ASSERT_EQ(b.Files.Count(), 3);
  EXPECT_EQ(b.Files.GetItem(2)->Content.DataStream().Bytes(), RandomBytes(200, 2));
  EXPECT_TRUE(b.Files.GetItem(0)->Content.IsEmpty());
  ASSERT_EQ(b.Streams.Count(), 2);
  EXPECT_EQ(b.Streams.GetItem(0)->Name, "German");
  EXPECT_EQ(b.Streams.GetItem(0)->Data.DataStream().Bytes(), RandomBytes(700, 4));
  EXPECT_EQ(b.Blob.Bytes(), RandomBytes(40, 5));
  EXPECT_EQ(b.Logo.DataStream().Bytes(), RandomBytes(90, 6));
  EXPECT_EQ(b.Note.S, "a note");
  ASSERT_EQ(b.Script.Count(), 3);
  EXPECT_EQ(static_cast<TXObject*>(b.Script.Items(0))->Name, "setup.exe");  // kept by its header
  EXPECT_EQ(dynamic_cast<TXStoredStream*>(b.Script.Items(2))->Name, "lgStream");

  // Saving and loading both leave each element with the header it is in.
  for (TDocument* doc : {&a, &b}) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(doc->Files.GetItem(i)->Idx, i + 1);
    EXPECT_EQ(static_cast<TXObject*>(doc->Script.Items(0))->HeaderIndex, 1);
    EXPECT_EQ(static_cast<TXObject*>(doc->Script.Items(1))->HeaderIndex, 2);
    EXPECT_EQ(doc->Streams.GetItem(1)->Idx, 2);
  }
}

TEST_F(FilerTest, HeadersFollowTheLayoutOfTheirGroup) {
  TDocument doc;
  FillDocument(doc);
  Opened o(Save(doc));
  struct Case {
    std::string group;
    int header;
    int32_t kind;
    std::vector<int32_t> ids;
  };
  const Case cases[] = {
      // Object text, index, then Blob, Logo, Custom (its hook's id), Skipped
      // (left empty, holding its place) and Note.
      {"Data", 0, 3, {-3, -6, -2, -3, 5, 0, -1}},
      {"Data", 1, 4, {-1, -4, -6, -2}},  // a collection item with content
      {"Script", 0, 3, {0}},             // no own object: one empty item
      {"Script", 1, 4, {-1, -3, -6, -2}},
      {"Script", 2, 4, {-1, -3, -6}},
      {"Script", 3, 4, {-1, -5, -6}},  // a component
      {"Streams", 0, 3, {0}},
      {"Streams", 1, 2, {-1, -4, -6, -2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group + " " + std::to_string(c.header));
    EXPECT_EQ(o.Header(c.group, c.header).Kind, c.kind);
    EXPECT_EQ(o.Ids(c.group, c.header), c.ids);
  }
  EXPECT_EQ(o.Header("Script", 0).Items[0].Size, 0);

  std::string index = o.Item("Script", 1, 2);
  EXPECT_NE(index.find("ObjClassName = 'TXDataIndex'"), std::string::npos) << index;
  EXPECT_NE(index.find("name = 'Data'"), std::string::npos) << index;
  EXPECT_NE(index.find("Idx = 3"), std::string::npos) << index;
  EXPECT_NE(o.Item("Script", 2, 2).find("Obj.DataIndex = <>"), std::string::npos);
  EXPECT_EQ(o.Item("Script", 1, 0), "setup.exe");
  EXPECT_EQ(o.Item("Script", 3, 0), "");
  EXPECT_EQ(o.Item("Script", 3, 1).rfind("object lgStream: TXStoredStream", 0), 0u);
  // Bytes that travel as data items are not in the object text as well.
  EXPECT_EQ(o.Item("Script", 1, 1).find("Content.Data"), std::string::npos);
  Bytes content = RandomBytes(3000, 9);
  EXPECT_EQ(o.Item("Script", 1, 3), std::string(content.begin(), content.end()));
  std::string head_index = o.Item("Data", 0, 1);
  EXPECT_NE(head_index.find("Idx = 6"), std::string::npos) << head_index;  // Note, behind four others
  EXPECT_NE(head_index.find("XFilter = '*.bmp'"), std::string::npos) << head_index;
}

TEST_F(FilerTest, AGroupMissingFromTheContainerLoadsNothingWhileTheOthersLoad) {
  TDocument a;
  FillDocument(a);
  a.GroupNames = {"Data"};
  Bytes bytes = Save(a);

  TDocument b;
  b.GroupNames = {"Streams", "Data", "Script"};
  ASSERT_TRUE(Load(bytes, b));
  EXPECT_EQ(XError().GetCode(), 0);
  EXPECT_EQ(FileNames(b), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(b.Streams.Count(), 0);
  EXPECT_EQ(b.Script.Count(), 0);
}

TEST_F(FilerTest, NameFilterChoosesTheElementsToLoad) {
  TDocument a;
  FillDocument(a);
  Bytes bytes = Save(a);
  struct Case {
    std::vector<std::string> filter, loaded;
  };
  const Case cases[] = {
      {{}, {"a", "b", "c"}},
      {{"b"}, {"b"}},
      {{"C", "a"}, {"a", "c"}},  // names compare without regard to case
      {{"zz"}, {}},
  };
  for (const Case& c : cases) {
    TDocument b;
    b.NameFilter = c.filter;
    ASSERT_TRUE(Load(bytes, b));
    EXPECT_EQ(XError().GetCode(), 0);  // a skipped element is no error
    EXPECT_EQ(FileNames(b), c.loaded);
    EXPECT_EQ(b.Streams.Count(), 2);   // other groups are not filtered
  }
}

// The load as a whole fails, but the other groups are still loaded.
TEST_F(FilerTest, AFailingElementIsNotLeftInItsListAndEndsOnlyItsGroup) {
  TDocument a;
  FillDocument(a);
  Bytes bytes = Save(a);
  struct Case {
    const char* what;
    std::string reject, bad_data;
  };
  const Case cases[] = {{"AfterLoadItem refuses it", "b", ""}, {"its data cannot be read", "", "b"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TDocument b;
    b.RejectName = c.reject;
    b.BadDataName = c.bad_data;
    EXPECT_FALSE(Load(bytes, b));
    EXPECT_EQ(XError().GetCode(), errLoad);
    EXPECT_EQ(FileNames(b), std::vector<std::string>{"a"});
    EXPECT_EQ(b.Script.Count(), 3);
    EXPECT_EQ(b.Streams.Count(), 2);
  }
}

TEST_F(FilerTest, HooksAreCalledInTheirOrder) {
  TDocument a;
  a.GroupNames = {"Data"};
  auto* file = static_cast<TDocFile*>(a.Files.Add());
  file->Name = "f";
  SetBytes(file->Content, RandomBytes(10));
  Bytes bytes = Save(a);
  EXPECT_EQ(a.Log, (std::vector<std::string>{"Data BeforeSaveGroup", "Data AddObjectIndexEntries",
                                             "Data FilterSavedText", "Data AddItemIndexEntries f",
                                             "Data FilterSavedText"}));
  TDocument b;
  b.GroupNames = {"Data"};
  ASSERT_TRUE(Load(bytes, b));
  EXPECT_EQ(b.Log, (std::vector<std::string>{"Data Clear", "Data BeforeLoadObject", "Data FilterLoadedText",
                                             "Data AfterLoadObject", "Data ObjectIndexLoaded",
                                             "Data FilterLoadedText", "Data AfterLoadItem f",
                                             "Data ItemIndexLoaded f", "Data AfterLoadGroup"}));
}

TEST_F(FilerTest, LoadModeClearsFirstLoadsOnTopOrIsRefused) {
  TDocument a;
  FillDocument(a);
  Bytes bytes = Save(a);
  struct Case {
    int mode;
    bool ok;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {0, true, {"a", "b", "c"}},
      {1, true, {"old", "a", "b", "c"}},
      {2, false, {"old"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    TDocument b;
    static_cast<TDocFile*>(b.Files.Add())->Name = "old";
    TDocFiler filer;
    filer.Setup(&b, 0, {});
    filer.LoadMode = c.mode;
    TMemoryStream stream(bytes);
    EXPECT_EQ(filer.LoadByMode(stream, nullptr, false), c.ok);
    EXPECT_EQ(XError().GetCode(), c.ok ? 0 : errLoad);
    EXPECT_EQ(FileNames(b), c.files);
  }
}

TEST_F(FilerTest, TheFilersIdentityDecidesWhichContainersLoad) {
  const TXIdentity none;
  const TXIdentity language{1, {100, 111, 400, 0, 0}, "Language"};
  struct Case {
    TXIdentity saved, expected;
    int code;
  };
  const Case cases[] = {
      {none, none, 0},
      {language, none, 0},  // an empty identity accepts every container
      {language, language, 0},
      {language, {1, {100, 111, 401, 0, 0}, "Language"}, errChecksum},
      {language, {1, {100, 111, 400, 0, 0}, "Other"}, errChecksum},
      {language, {1, {100, 111, 400, 0, 0}, ""}, 0},  // without a name only the values count
      {language, {1, {100, 111, 400, 0, 1}, ""}, errChecksum},
      {none, language, errChecksum},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved.Name + " / " + c.expected.Name + " " + std::to_string(c.expected.Values[2]));
    TDocument a;
    FillDocument(a);
    a.Identity = c.saved;
    Bytes bytes = Save(a);
    EXPECT_EQ(Opened(bytes).c.Identity(), c.saved);
    TDocument b;
    b.Identity = c.expected;
    EXPECT_EQ(Load(bytes, b), c.code == 0);
    EXPECT_EQ(XError().GetCode(), c.code);
    EXPECT_EQ(b.Files.Count(), c.code == 0 ? 3 : 0);
  }
}

// The save as a whole fails: a container missing part of a group is no
// saved document, whatever the other groups wrote.
TEST_F(FilerTest, AFailingGroupEndsItsSaveAndTheOthersAreStillWritten) {
  TDocument a;
  FillDocument(a);
  a.Script.Insert(1, new TObject);  // cannot be stored
  TMemoryStream stream;
  TDocFiler filer;
  filer.Setup(&a, 0, {});
  EXPECT_FALSE(filer.SaveToStream(stream, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errSave);

  TDocument b;
  ASSERT_TRUE(Load(stream.Bytes(), b));
  EXPECT_EQ(b.Files.Count(), 3);
  EXPECT_EQ(b.Script.Count(), 1);  // the element written before the failure
  EXPECT_EQ(b.Streams.Count(), 2);
}

TEST_F(FilerTest, EntryPointsReportFailuresAndRaiseWhenAsked) {
  TDocument a;
  Bytes damaged = Save(a);
  damaged[0] ^= 1;  // the file header's marker
  TDocument b;
  TMemoryStream stream(damaged);
  EXPECT_FALSE(LoadStreamWith(stream, FilerClass<TDocFiler>, &b, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  try {
    LoadStreamWith(stream, FilerClass<TDocFiler>, &b, true, nullptr);
    ADD_FAILURE() << "no exception";
  } catch (const EXError& e) {
    EXPECT_EQ(e.Code(), errChecksum);
  }
  // The base filer knows no container.
  TMemoryStream empty;
  EXPECT_FALSE(LoadStreamWith(empty, FilerClass<TXFiler>, &b, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_FALSE(TXFiler().SaveToStream(empty, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errSave);
}

TEST_F(FilerTest, TheDataIndexNumbersItsEntriesFromItsBase) {
  TXDataIndex index;
  index.DataIndex.BaseIndex = 3;
  index.AddEntry("Data", "*.exe", 9);
  index.AddEntry("TopImage", {}, 0);
  EXPECT_EQ(index.IndexOfName("data"), 3);
  EXPECT_EQ(index.IndexOfName("TOPIMAGE"), 4);
  EXPECT_EQ(index.IndexOfName("Words"), 0);
  EXPECT_EQ(index.DataIndex.GetItem(0)->LgID, 9);
  index.SetLgID(12);
  EXPECT_EQ(index.DataIndex.ListObj().LgID(), 12);

  std::unique_ptr<TPersistent> read = ObjectOf(TextOf(index));
  auto* copy = dynamic_cast<TXDataIndex*>(read.get());
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->DataIndex.Count(), 2);
  EXPECT_EQ(copy->DataIndex.GetItem(0)->XFilter, "*.exe");
  EXPECT_EQ(copy->IndexOfName("TopImage"), 4);

  TXDataIndex assigned;
  assigned.Assign(index);
  EXPECT_EQ(assigned.IndexOfName("TopImage"), 4);
  index.WriteIndex = true;
  index.Clear();
  EXPECT_EQ(index.DataIndex.Count(), 0);
  EXPECT_EQ(index.DataIndex.BaseIndex, 0);
  EXPECT_FALSE(index.WriteIndex);
  EXPECT_EQ(index.DataIndex.ListObj().LgID(), 0);
  EXPECT_NE(TextOf(index).find("Obj.DataIndex = <>"), std::string::npos);
}

}  // namespace
}  // namespace xs::testing_classes
