#include "engine/install_filer.h"

#include "lang/lg_filer.h"
#include "script/custom_ui.h"
#include "script/file_items.h"

namespace xs {

namespace {
constexpr char kTopImageEntry[] = "TopImage";
constexpr char kDataEntry[] = "Data";
}  // namespace

TXInstallFilerGroup::TXInstallFilerGroup() { Name = "Data"; }

bool TXInstallFilerGroup::PrepareObjectIndex() {
  if (dynamic_cast<TXCustomUI*>(Object)) DataIndex.SetLgID(0);
  return TXRStreamFilerGroup::PrepareObjectIndex();
}

void TXInstallFilerGroup::AddObjectIndexEntries() {
  // The image is written by SaveObjectCustomData, under its own id.
  if (auto* ui = dynamic_cast<TXCustomUI*>(Object)) DataIndex.AddEntry(kTopImageEntry, "", ui->LgID());
}

bool TXInstallFilerGroup::SaveObjectCustomData(TXRStream& container, TXDataIndexItem& entry) {
  auto* ui = dynamic_cast<TXCustomUI*>(Object);
  if (!ui || entry.Name != kTopImageEntry) return false;
  try {
    TMemoryStream bytes;
    ui->Design.TopImage.WriteTo(bytes);
    bytes.SetPosition(0);
    return container.WriteStreamItem(idTopImage, bytes, false, nullptr);
  } catch (const std::exception&) {
    return false;
  }
}

void TXInstallFilerGroup::ObjectIndexLoaded() {
  auto* ui = dynamic_cast<TXCustomUI*>(Object);
  if (!ui) return;
  for (int i = 0; i < DataIndex.DataIndex.Count(); ++i) {
    TXDataIndexItem* entry = DataIndex.DataIndex.GetItem(i);
    if (entry->Name != kTopImageEntry) continue;
    ui->Design.TopImage.DataStream().Clear();
    entry->Present = true;
    entry->Data = TXStreamBytes{&ui->Design.TopImage};
  }
}

bool TXInstallFilerGroup::PrepareItemIndex(TPersistent& element) {
  if (dynamic_cast<TXUICustomItem*>(&element)) DataIndex.SetLgID(0);
  return TXRStreamFilerGroup::PrepareItemIndex(element);
}

void TXInstallFilerGroup::AddItemIndexEntries(TPersistent& element) {
  if (auto* file = dynamic_cast<TXUIFileItem*>(&element))
    DataIndex.AddEntry(kDataEntry, "", 0).Data = TXStreamBytes{&file->Data};
}

void TXInstallFilerGroup::ItemIndexLoaded(TPersistent& element) {
  auto* file = dynamic_cast<TXUIFileItem*>(&element);
  if (!file) return;
  file->Data.SetSource(nullptr);
  file->Data.DataStream().Clear();
  TXDataIndexItem* entry = DataIndex.FindEntry(kDataEntry);
  file->DataNumber = entry ? entry->Idx : 0;
  if (entry && entry->Idx != 0) {
    entry->Present = true;
    entry->Data = TXStreamBytes{&file->Data};
  }
}

void TXInstallFiler::Setup(TPersistent* root, int32_t value, const TXFilerParams& params) {
  TXRStreamFiler::Setup(root, value, params);
  if (value & ifBestCompression) CompressionLevel = 3;
  TXCustomUI* ui = dynamic_cast<TXCustomUI*>(root);
  if (auto* contents = dynamic_cast<TXPackageContents*>(root)) {
    Groups.AddGroup<TXLgsFilerGroup>(*this, &contents->Languages, nullptr);
    ui = &contents->Script;
  }
  if (!ui) return;
  auto& data = Groups.AddGroup<TXInstallFilerGroup>(*this, static_cast<TObjectList*>(&ui->Items), ui);
  data.BindSources = (value & ifBindFileContents) != 0;
}

}  // namespace xs
