// A small document model and its filer for the filer tests: a test object
// of every property kind as the group's own object, a collection of files
// and an object list of script items whose contents are data items, object
// data of every kind, and a stream collection.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "package/filer.h"
#include "package/persistent_list.h"
#include "package/stored_stream.h"
#include "package/stream_filer_group.h"
#include "test_classes.h"

namespace xs::testing_classes {

// A collection item whose content is stored as its data item "Data".
class TDocFile : public TTestItem {
  XS_DECLARE_CLASS(TDocFile)
 public:
  TXStreamObject Content;
  void SetStoreData(bool store) override;
};

class TDocFiles : public TXCollection {
 public:
  TDocFiles() : TXCollection(TDocFile::StaticClass()) {}
  TDocFile* GetItem(int i) const { return Item<TDocFile>(i); }
};

// Object-list elements: one with content (a data item "Data"), one without.
class TScriptFile : public TXObject {
  XS_DECLARE_CLASS(TScriptFile)
 public:
  std::string Target;
  TXStreamObject Content;
  void SetStoreData(bool store) override;
};
class TScriptNote : public TXObject {
  XS_DECLARE_CLASS(TScriptNote)
 public:
  std::string Text;
};

// The root the test filer serves; its fields also steer the filer.
class TDocument : public TPersistent {
 public:
  TTestObject Head;
  TDocFiles Files;
  TXObjectList Script;
  TXStreamCollection Streams;
  // Object data entries "Blob" (a stream), "Logo" (an object), "Custom"
  // (written by the custom-data hook), "Skipped" (written by no one) and
  // "Note" (a string item), in this order.
  TMemoryStream Blob;
  TXSizeStreamObject Logo;
  TXStringItem Note;

  // The groups TDocFiler sets up, in order: "Data" (Head and Files),
  // "Script" (Script) and "Streams" (Streams).
  std::vector<std::string> GroupNames = {"Data", "Script", "Streams"};
  std::vector<std::string> NameFilter;  // for group "Data"
  TXIdentity Identity;
  // Hooks of the document groups log their calls here.
  std::vector<std::string> Log;
  std::string RejectName;   // AfterLoadItem refuses this element
  std::string BadDataName;  // this element's data entry names no item
};

class TDocGroup : public TXRStreamFilerGroup {
 public:
  TDocument& Doc() const;

  bool FilterLoadedText(TStream& text) override;
  bool FilterSavedText(TStream& text) override;
  void Clear() override;
  bool BeforeLoadObject() override;
  bool AfterLoadObject() override;
  bool AfterLoadItem(TPersistent& element) override;
  bool AfterLoadGroup() override;
  bool BeforeSaveGroup() override;
  void ObjectIndexLoaded() override;
  void AddObjectIndexEntries() override;
  bool SaveObjectCustomData(TXRStream& container, TXDataIndexItem& entry) override;
  void ItemIndexLoaded(TPersistent& element) override;
  void AddItemIndexEntries(TPersistent& element) override;

 private:
  void Note(const std::string& what) { Doc().Log.push_back(Name + " " + what); }
};

// Sets up the groups TDocument names; with Value 1 its document groups bind
// stream contents to the package file instead of reading them.
class TDocFiler : public TXRStreamFiler {
 public:
  void Setup(TPersistent* root, int32_t value, const TXFilerParams& params) override;
};

// Registers the test classes and the document classes for a test's life.
class FilerFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed = 1);
// A document with every kind of property, data and element filled in.
void FillDocument(TDocument& doc);
// Everything a document stores, as text, for comparing two documents.
std::string Snapshot(TDocument& doc);

}  // namespace xs::testing_classes
