#include "package/filer.h"

#include <exception>

#include "base/error.h"
#include "package/persistent_base.h"
#include "package/qstream.h"
#include "package/stream_filer_group.h"
#include "platform/file_stream.h"
#include "platform/replacement_file.h"

namespace xs {

namespace {

// The error text of a load that lost damaged records.
const char kDamagedRecords[] = "damaged records";

// The file, or nullptr after recording errFileOpen with the system's error
// number and the message.
std::unique_ptr<TFileStream> OpenFileStream(const std::string& file_name, FileMode mode) {
  try {
    return std::make_unique<TFileStream>(file_name, mode);
  } catch (const EFOpenError& e) {
    XError().SetFirstError(errFileOpen, e.SystemCode(), false, e.what());
  }
  return nullptr;
}

// The new file that replaces file_name once saved, or nullptr after
// recording errFileOpen as OpenFileStream does.
std::unique_ptr<TReplacementFile> OpenReplacement(const std::string& file_name) {
  try {
    return std::make_unique<TReplacementFile>(file_name);
  } catch (const EFOpenError& e) {
    XError().SetFirstError(errFileOpen, e.SystemCode(), false, e.what());
  }
  return nullptr;
}

// The operation's answer, false when it raised; then records code unless a
// code is set and raises when asked.
template <class F>
bool Finish(int code, bool raise, TXProgressItem* progress, F operation) {
  bool ok = false;
  try {
    ok = operation();
  } catch (const std::exception&) {
    ok = false;
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, code, raise);
}

}  // namespace

// --- TXFiler -----------------------------------------------------------------

void TXFiler::Setup(TPersistent* root, int32_t value, const TXFilerParams& params) {
  root_ = root;
  value_ = value;
  params_ = params;
  Groups.Clear();
}

bool TXFiler::LoadFromStream(TStream&, TXProgressItem* progress, bool raise) {
  XError().Clear();
  return Finish(errLoad, raise, progress, [] { return false; });
}

bool TXFiler::SaveToStream(TStream&, TXProgressItem* progress, bool raise) {
  XError().Clear();
  return Finish(errSave, raise, progress, [] { return false; });
}

bool TXFiler::SaveToFile(const std::string&, TXProgressItem* progress, bool raise) {
  XError().Clear();
  return Finish(errSave, raise, progress, [] { return false; });
}

bool TXFiler::AppendToFile(const std::string& file_name, TXProgressItem* progress, bool raise) {
  return SaveToFile(file_name, progress, raise);
}

void TXFiler::ClearGroups() {
  for (int i = 0; i < Groups.Count(); ++i) {
    TXFilerGroup& group = *Groups[i];
    group.Clear();
    group.ClearItems();
    if (auto* object = dynamic_cast<TXPersistent*>(group.Object)) object->Clear();
  }
}

bool TXFiler::LoadByMode(TStream& stream, TXProgressItem* progress, bool raise) {
  XError().Clear();
  return Finish(errLoad, raise, progress, [&] {
    if (LoadMode != 0 && LoadMode != 1) return false;
    if (LoadMode == 0) ClearGroups();
    return LoadFromStream(stream, progress, false);
  });
}

bool TXFiler::LoadFromFile(const std::string& file_name, TXProgressItem* progress, bool raise) {
  XError().Clear();
  return Finish(errLoad, raise, progress, [&] {
    std::unique_ptr<TFileStream> file = OpenFileStream(file_name, FileMode::OpenRead);
    if (!file) return false;
    source_file_ = file_name;
    bool ok = LoadByMode(*file, progress, false);
    source_file_.clear();
    return ok;
  });
}

bool TXFiler::SaveToNewFile(const std::string& file_name, TXProgressItem* progress, bool raise) {
  XError().Clear();
  // Written beside the file and moved over it: a failed or killed save
  // leaves an earlier file whole, never a shorter container.
  return Finish(errSave, raise, progress, [&] {
    std::unique_ptr<TReplacementFile> out = OpenReplacement(file_name);
    return out && SaveToStream(out->Stream(), progress, false) && out->Commit();
  });
}

// --- TXRStreamFiler ----------------------------------------------------------

bool TXRStreamFiler::LoadFromStream(TStream& stream, TXProgressItem* progress, bool raise) {
  XError().Clear();
  TXQStream container;
  container.OnCheckHeader = [this](TXRStream& sender, bool& accept) { accept = CheckIdentity(sender); };
  return Finish(errLoad, raise, progress, [&] {
    bool ok = container.Open(omRead, &stream, false, PxBeginChild(progress, 20), StartOffset) &&
              LoadGroups(container, PxBeginChild(progress, 80));
    // What a damaged record held is missing from the tree; a load that went
    // on without it must not pass for a whole one. The damage is the cause
    // of whatever a group then failed at.
    if (container.DamagedRecords() > 0) {
      XError().SetError(errLoad, container.DamagedRecords(), false, kDamagedRecords);
      ok = false;
    }
    container.Close();
    return ok;
  });
}

bool TXRStreamFiler::SaveToStream(TStream& stream, TXProgressItem* progress, bool raise) {
  XError().Clear();
  TXQStream container;
  container.SetIdentity(Identity);
  container.SetCompressionLevel(CompressionLevel);
  return Finish(errSave, raise, progress, [&] {
    bool ok = container.Open(omCreate | omWrite, &stream, false, PxBeginChild(progress, 20), StartOffset) &&
              SaveGroups(container, PxBeginChild(progress, 80));
    container.Close();
    return ok;
  });
}

bool TXRStreamFiler::SaveToFile(const std::string& file_name, TXProgressItem* progress, bool raise) {
  if (!FileExists(file_name)) return SaveToNewFile(file_name, progress, raise);
  return SaveToExistingFile(file_name, omRead | omWrite, progress, raise);
}

bool TXRStreamFiler::AppendToFile(const std::string& file_name, TXProgressItem* progress, bool raise) {
  if (!FileExists(file_name)) return SaveToNewFile(file_name, progress, raise);
  return SaveToExistingFile(file_name, omAppend | omRead | omWrite, progress, raise);
}

// The file is opened here rather than by the container so that a file that
// cannot be opened is reported as such (errFileOpen). The records are added
// to a copy beside it that replaces it once complete, so that a failed save
// leaves the file as it was.
bool TXRStreamFiler::SaveToExistingFile(const std::string& file_name, uint8_t mode, TXProgressItem* progress,
                                        bool raise) {
  XError().Clear();
  TXQStream container;
  container.SetCompressionLevel(CompressionLevel);
  return Finish(errSave, raise, progress, [&] {
    std::unique_ptr<TReplacementFile> out;
    {
      std::unique_ptr<TFileStream> file = OpenFileStream(file_name, FileMode::OpenReadWrite);
      if (!file || !(out = OpenReplacement(file_name))) return false;
      out->Stream().CopyFrom(*file, 0);
    }
    bool ok = container.OpenEx(mode, &out->Stream(), false, PxBeginChild(progress, 20), StartOffset) &&
              WriteIdentity(container) && SaveGroups(container, PxBeginChild(progress, 80));
    container.Close();
    return ok && out->Commit();
  });
}

bool TXRStreamFiler::CheckIdentity(TXRStream& container) {
  if (Identity.IsEmpty()) return true;
  if (!Identity.Name.empty()) return container.CheckIdentity(Identity, false);
  return container.CheckIdentity5(Identity.Values, false);
}

bool TXRStreamFiler::WriteIdentity(TXRStream& container) {
  if (Identity.IsEmpty()) return true;
  container.SetIdentity(Identity);
  return container.RewriteFileHeader(false);
}

namespace {

// Runs each container group, keeping the first failure's error on the error
// object when all have run: the groups' own container operations clear it.
// Returns whether no group failed with a code; a group that finds nothing
// to load (its name is not in the container) fails without one.
template <class Run>
bool ForEachStreamGroup(TXFilerGroupList& groups, TXProgressItem* progress, Run run) {
  PxSetMax(progress, static_cast<uint32_t>(groups.Count()));
  TXErrorObject first;
  for (int i = 0; i < groups.Count(); ++i) {
    TXProgressItem* step = PxBeginStepChild(progress);
    auto* group = dynamic_cast<TXRStreamFilerGroup*>(groups[i]);
    XError().Clear();
    if (group && !run(*group, step) && first.Code == 0) first = XError().Object();
    PxFinish(step);
  }
  PxFinish(progress);
  if (first.Code != 0) XError().SetError(first.Code, first.Extra, false, first.Text);
  return first.Code == 0;
}

}  // namespace

bool TXRStreamFiler::LoadGroups(TXRStream& container, TXProgressItem* progress) {
  return ForEachStreamGroup(Groups, progress, [&](TXRStreamFilerGroup& g, TXProgressItem* step) {
    return g.LoadGroup(container, step);
  });
}

bool TXRStreamFiler::SaveGroups(TXRStream& container, TXProgressItem* progress) {
  return ForEachStreamGroup(Groups, progress, [&](TXRStreamFilerGroup& g, TXProgressItem* step) {
    return g.SaveGroup(container, step);
  });
}

// --- entry points ------------------------------------------------------------

namespace {

template <class F>
bool WithFiler(TXFilerClass filer_class, TPersistent* root, const TXFilerParams& params, int32_t value, int code,
               bool raise, TXProgressItem* progress, F operation) {
  XError().Clear();
  return Finish(code, raise, progress, [&] {
    std::unique_ptr<TXFiler> filer = filer_class();
    filer->Setup(root, value, params);
    return operation(*filer);
  });
}

}  // namespace

bool LoadFileWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                  TXProgressItem* progress, const TXFilerParams& params, int32_t value) {
  return LoadPackageWith(file_name, filer_class, root, raise, progress, params, value, 0);
}

bool LoadPackageWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                     TXProgressItem* progress, const TXFilerParams& params, int32_t value, int64_t start) {
  return WithFiler(filer_class, root, params, value, errLoad, raise, progress, [&](TXFiler& filer) {
    if (!FileExists(file_name)) {
      XError().SetError(errFileMissing, 0, false, file_name);
      return false;
    }
    filer.StartOffset = start;
    return filer.LoadFromFile(file_name, progress, false);
  });
}

bool LoadStreamWith(TStream& stream, TXFilerClass filer_class, TPersistent* root, bool raise,
                    TXProgressItem* progress, const TXFilerParams& params, int32_t value) {
  return WithFiler(filer_class, root, params, value, errLoad, raise, progress,
                   [&](TXFiler& filer) { return filer.LoadByMode(stream, progress, false); });
}

bool SaveNewFileWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                     TXProgressItem* progress, const TXFilerParams& params, int32_t value) {
  return WithFiler(filer_class, root, params, value, errSave, raise, progress,
                   [&](TXFiler& filer) { return filer.SaveToNewFile(file_name, progress, false); });
}

bool LoadFailedOnDamagedRecords() {
  return XError().GetCode() == errLoad && XError().GetExtra() > 0 && XError().GetText() == kDamagedRecords;
}

}  // namespace xs
