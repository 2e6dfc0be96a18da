#include "filer_support.h"

#include "package/class_registry.h"
#include "package/data_index.h"
#include "package/object_component.h"

namespace xs::testing_classes {

XS_DEFINE_CLASS(TDocFile, TTestItem,
    Prop("Content", &TDocFile::Content))

void TDocFile::SetStoreData(bool store) {
  TTestItem::SetStoreData(store);
  Content.SetStoreData(store);
}

XS_DEFINE_CLASS(TScriptFile, TXObject,
    Prop("Target", &TScriptFile::Target),
    Prop("Content", &TScriptFile::Content))

void TScriptFile::SetStoreData(bool store) {
  TXObject::SetStoreData(store);
  Content.SetStoreData(store);
}

XS_DEFINE_CLASS(TScriptNote, TXObject,
    Prop("Text", &TScriptNote::Text))

namespace {

std::string NameOf(TPersistent& element) {
  if (auto* object = dynamic_cast<TXObject*>(&element)) return object->Name;
  if (auto* item = dynamic_cast<TXCollectionItem*>(&element)) return item->Name;
  return "?";
}

TXStreamObject* ContentOf(TPersistent& element) {
  if (auto* file = dynamic_cast<TDocFile*>(&element)) return &file->Content;
  if (auto* file = dynamic_cast<TScriptFile*>(&element)) return &file->Content;
  return nullptr;
}

}  // namespace

TDocument& TDocGroup::Doc() const { return *dynamic_cast<TDocument*>(Filer->Root()); }

bool TDocGroup::FilterLoadedText(TStream& text) {
  Note("FilterLoadedText");
  return true;
}
bool TDocGroup::FilterSavedText(TStream& text) {
  Note("FilterSavedText");
  return true;
}
void TDocGroup::Clear() { Note("Clear"); }
bool TDocGroup::BeforeLoadObject() {
  Note("BeforeLoadObject");
  return true;
}
bool TDocGroup::AfterLoadObject() {
  Note("AfterLoadObject");
  return true;
}
bool TDocGroup::AfterLoadItem(TPersistent& element) {
  Note("AfterLoadItem " + NameOf(element));
  return Doc().RejectName.empty() || NameOf(element) != Doc().RejectName;
}
bool TDocGroup::AfterLoadGroup() {
  Note("AfterLoadGroup");
  return true;
}
bool TDocGroup::BeforeSaveGroup() {
  Note("BeforeSaveGroup");
  return true;
}

void TDocGroup::AddObjectIndexEntries() {
  Note("AddObjectIndexEntries");
  TDocument& doc = Doc();
  DataIndex.AddEntry("Blob", {}, 0).Data = &doc.Blob;
  DataIndex.AddEntry("Logo", "*.bmp", 0).Data = static_cast<TXObject*>(&doc.Logo);
  DataIndex.AddEntry("Custom", {}, 0);
  DataIndex.AddEntry("Skipped", {}, 0);
  DataIndex.AddEntry("Note", {}, 7).Data = &doc.Note;
}

bool TDocGroup::SaveObjectCustomData(TXRStream& container, TXDataIndexItem& entry) {
  return entry.Name == "Custom" && container.WriteStringItem(5, "custom bytes", false, nullptr);
}

void TDocGroup::ObjectIndexLoaded() {
  Note("ObjectIndexLoaded");
  TDocument& doc = Doc();
  for (int i = 0; i < DataIndex.DataIndex.Count(); ++i) {
    TXDataIndexItem& entry = *DataIndex.DataIndex.GetItem(i);
    entry.Present = true;
    if (entry.Name == "Blob") entry.Data = &doc.Blob;
    if (entry.Name == "Logo") entry.Data = static_cast<TXObject*>(&doc.Logo);
    if (entry.Name == "Note") entry.Data = &doc.Note;
  }
}

void TDocGroup::AddItemIndexEntries(TPersistent& element) {
  Note("AddItemIndexEntries " + NameOf(element));
  if (TXStreamObject* content = ContentOf(element)) DataIndex.AddEntry("Data", {}, 0).Data = TXStreamBytes{content};
}

void TDocGroup::ItemIndexLoaded(TPersistent& element) {
  Note("ItemIndexLoaded " + NameOf(element));
  TXDataIndexItem* entry = DataIndex.FindEntry("Data");
  TXStreamObject* content = ContentOf(element);
  if (!entry || !content) return;
  entry->Present = true;
  entry->Data = TXStreamBytes{content};
  if (NameOf(element) == Doc().BadDataName) entry->Idx = 99;
}

void TDocFiler::Setup(TPersistent* root, int32_t value, const TXFilerParams& params) {
  TXRStreamFiler::Setup(root, value, params);
  auto* doc = dynamic_cast<TDocument*>(root);
  if (!doc) return;
  Identity = doc->Identity;
  for (const std::string& name : doc->GroupNames) {
    if (name == "Streams") {
      Groups.AddGroup<TXRStreamItemsFilerGroup>(*this, &doc->Streams, nullptr);
      continue;
    }
    TDocGroup& group = name == "Data" ? Groups.AddGroup<TDocGroup>(*this, &doc->Files, &doc->Head, name)
                                      : Groups.AddGroup<TDocGroup>(*this, &doc->Script, nullptr, name);
    group.BindSources = value == 1;
    if (name == "Data")
      for (const std::string& line : doc->NameFilter) group.NameFilter.Add(line);
  }
}

void FilerFixture::SetUp() {
  RegisterTestClasses();
  RegisterDataIndexClasses();
  RegisterObjectClasses({&TDocFile::StaticClass(), &TScriptFile::StaticClass(), &TScriptNote::StaticClass(),
                         &TXSizeStreamObject::StaticClass(), &TXStoredStream::StaticClass()});
  XError().Clear();
}

void FilerFixture::TearDown() {
  UnregisterObjectClasses({&TDocFile::StaticClass(), &TScriptFile::StaticClass(), &TScriptNote::StaticClass(),
                           &TXSizeStreamObject::StaticClass(), &TXStoredStream::StaticClass()});
  UnregisterTestClasses();
}

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
  std::vector<uint8_t> bytes(n);
  uint32_t x = seed * 2654435761u + 1;
  for (uint8_t& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<uint8_t>(x);
  }
  return bytes;
}

void FillDocument(TDocument& doc) {
  TTestObject& o = doc.Head;
  o.SetLgID(7);
  o.Small = 255;
  o.Medium = -32768;
  o.Number = -2147483647 - 1;
  o.Unsigned = 0xFFFFFFFFu;
  o.Big = -9000000000000000000;
  o.Enabled = true;
  o.Visible = false;
  o.Mode = tmFirst;
  o.Flags.set(tfGreen).set(tfBlue);
  o.Ratio = -0.001953125;
  o.Color = static_cast<TColor>(10705961);
  o.Text = std::string(64, 'a') + "'\r\n" + "\x80\xff";
  o.Child->Width = -5;
  o.Child->Caption = "caption";
  o.Child->Image.Width = 473;
  SetBytes(o.Child->Image, RandomBytes(31));
  auto* inner = static_cast<TTestItem*>(o.Items.Add());
  inner->Name = "inner";
  static_cast<TXStringItem*>(inner->Pairs.Add())->S = "Me & Co's";
  o.Lines.Add("C:\\Program Files\\App");
  o.Data.Compressed = true;
  SetBytes(o.Data, RandomBytes(5000));

  for (int i = 0; i < 3; ++i) {
    auto* file = static_cast<TDocFile*>(doc.Files.Add());
    file->Name = std::string(1, static_cast<char>('a' + i));
    file->Value = 10 * i;
    file->Mode = tmSecond;
    file->Content.FileName = "file" + std::to_string(i) + ".dat";
    file->Content.DataClass = ".dat";
    SetBytes(file->Content, RandomBytes(100 * i, i));  // the first one is empty
  }
  auto* script_file = new TScriptFile;
  script_file->Name = "setup.exe";
  script_file->Target = "<install>\\setup.exe";
  SetBytes(script_file->Content, RandomBytes(3000, 9));
  doc.Script.Add(script_file);
  auto* note = new TScriptNote;
  note->Text = "no data";
  doc.Script.Add(note);
  auto* component = new TXStoredStream;
  component->Name = "lgStream";
  SetBytes(component->Data, RandomBytes(50, 8));
  doc.Script.Add(component);

  TMemoryStream lang(RandomBytes(700, 4));
  doc.Streams.AddStream(".xlg", lang, "German");
  TMemoryStream empty;
  doc.Streams.AddStream(".xlg", empty, "Empty");

  TMemoryStream blob(RandomBytes(40, 5));
  doc.Blob.LoadFromStream(blob);
  doc.Logo.DataClass = "TBitmap";
  doc.Logo.Width = 3;
  SetBytes(doc.Logo, RandomBytes(90, 6));
  doc.Note.S = "a note";
}

std::string Snapshot(TDocument& doc) {
  std::string out = TextOf(doc.Head);
  auto add = [&out](TPersistent& element) {
    if (auto* item = dynamic_cast<TXCollectionItem*>(&element)) item->SetStoreData(true);
    if (auto* object = dynamic_cast<TXObject*>(&element)) object->SetStoreData(true);
    out += TextOf(element);
  };
  for (int i = 0; i < doc.Files.Count(); ++i) add(*doc.Files.Items(i));
  for (int i = 0; i < doc.Script.Count(); ++i) {
    if (auto* component = dynamic_cast<TComponent*>(doc.Script.Items(i)))
      out += ObjectToText(*component);
    else
      add(*dynamic_cast<TPersistent*>(doc.Script.Items(i)));
  }
  for (int i = 0; i < doc.Streams.Count(); ++i) add(*doc.Streams.Items(i));
  out += "Blob " + ReadAllText(doc.Blob) + "\n";
  add(doc.Logo);
  out += "Note " + doc.Note.S + "\n";
  return out;
}

}  // namespace xs::testing_classes
