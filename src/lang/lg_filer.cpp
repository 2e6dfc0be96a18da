#include "lang/lg_filer.h"

namespace xs {

namespace {
constexpr int32_t kLanguageIdentity = 100;
constexpr char kWordsEntry[] = "Words";

TXIdentity PackIdentity(const TXLgHeader& header) {
  TXIdentity id;
  id.Values[0] = kLanguageIdentity;
  id.Values[1] = static_cast<int32_t>(header.AppID);
  id.Values[2] = static_cast<int32_t>(header.AppVer);
  id.Name = "Language";
  return id;
}

bool Rewind(TStream& stream) { return stream.Seek(0, SeekOrigin::Begin) == 0; }
}  // namespace

TXLgFilerGroup::TXLgFilerGroup() {
  Name = "Language";
  SaveOptions = FilerOptions({soObjectHeader, soObjectIndex});
}

void TXLgFilerGroup::AddObjectIndexEntries() {
  if (auto* project = dynamic_cast<TXLgProject*>(Object))
    DataIndex.AddEntry(kWordsEntry, "", 0).Data = static_cast<TStream*>(&project->Words);
}

void TXLgFilerGroup::ObjectIndexLoaded() {
  auto* project = dynamic_cast<TXLgProject*>(Object);
  if (!project) return;
  project->Words.Clear();
  if (TXDataIndexItem* entry = DataIndex.FindEntry(kWordsEntry)) {
    entry->Present = true;
    entry->Data = static_cast<TStream*>(&project->Words);
    entry->MaxBytes = kMaxWordsBytes;
  }
}

TXLgsFilerGroup::TXLgsFilerGroup() { Name = "Languages"; }

void TXLgFiler::Setup(TPersistent* root, int32_t value, const TXFilerParams& params) {
  TXRStreamFiler::Setup(root, value, params);
  auto* header = dynamic_cast<TXLgHeader*>(root);
  if (!header) return;
  Identity = PackIdentity(*header);
  auto& group = Groups.AddGroup<TXLgFilerGroup>(*this, std::monostate{}, header);
  // A bare header is read without its words.
  if (!dynamic_cast<TXLgProject*>(header)) group.LoadOptions = FilerOptions({loObject});
}

bool ReadLgHeader(TStream& stream, TXLgHeader& header) {
  return Rewind(stream) && LoadStreamWith(stream, FilerClass<TXLgFiler>, &header, false, nullptr);
}

bool ReadLgProject(TStream& stream, TXLgProject& project) {
  return Rewind(stream) && LoadStreamWith(stream, FilerClass<TXLgFiler>, &project, false, nullptr);
}

bool ReadLgProjectFile(const std::string& file_name, TXLgProject& project) {
  return LoadFileWith(file_name, FilerClass<TXLgFiler>, &project, false, nullptr);
}

bool SaveLgProject(TStream& stream, TXLgProject& project) {
  auto filer = FilerClass<TXLgFiler>();
  filer->Setup(&project, 0, {});
  filer->StartOffset = stream.Position();
  return filer->SaveToStream(stream, nullptr, false);
}

}  // namespace xs
