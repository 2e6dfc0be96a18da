#include "build_commands.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <ostream>
#include <thread>

#include "base/error.h"
#include "base/stream.h"
#include "engine/install_filer.h"
#include "lang/language.h"
#include "lang/lg_filer.h"
#include "lang/words_text.h"
#include "package/container_check.h"
#include "package/file_source.h"
#include "package/item_compressor.h"
#include "package/qstream.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "progress_output.h"
#include "script/file_items.h"
#include "script_source.h"
#include "stub_folder.h"
#include "uninstaller_items.h"

namespace xs {

namespace {

constexpr uint32_t kAppID = 111;
constexpr uint32_t kAppVer = 400;

bool ReadWholeFile(const std::string& name, std::string& text, std::ostream& err) {
  try {
    TFileStream file(name, FileMode::OpenRead);
    text = ReadAllText(file);
    return true;
  } catch (const EStreamError& e) {
    err << "xsetup-build: cannot read " << name << "\n";
    return false;
  }
}

// Whether the container just written into file at start reads back whole,
// as `verify --start` reads it.
bool ReadsBack(TStream& file, int64_t start) {
  TXQStream container;
  return container.Open(omRead, &file, false, nullptr, start) && CheckContainer(container) == errNone;
}

// Writes OUT through a new temporary file beside it, which is checked (its
// container, at start) and then moved over OUT in one step: whatever fails,
// an earlier OUT stays as it was and no temporary file is left behind.
// On success size_out is the size of the file published.
bool Publish(const std::string& out_file, int64_t start, const std::function<bool(TStream&)>& write,
             std::ostream& err, int64_t* size_out = nullptr) {
  std::unique_ptr<TFileStream> temp = CreateTempFileBeside(out_file);
  if (!temp) {
    err << "xsetup-build: cannot write " << out_file << " (no temporary file can be made beside it)\n";
    return false;
  }
  const std::string temp_name = temp->FileName();
  XError().Clear();
  bool ok = false;
  try {
    ok = write(*temp) && ReadsBack(*temp, start);
    if (ok && size_out) *size_out = temp->Size();
  } catch (const std::exception&) {
    ok = false;
  }
  int code = XError().GetCode();
  temp.reset();
  if (ok && MoveFileOver(temp_name, out_file)) return true;
  RemoveFile(temp_name);
  err << "xsetup-build: cannot write " << out_file;
  if (code != errNone) err << " (error " << code << ")";
  err << "\n";
  return false;
}

// Loads the facts of every source file the script names, relative to
// folder; the files' bytes stay on disk until they are written, but for the
// image, which the package carries in memory anyway. Every file that cannot
// be read is named, with the line of its item's block, before false is
// returned.
bool LoadSourceFiles(TXInstall& script, const std::vector<int>& block_lines, const std::string& folder,
                     const std::string& script_file, std::ostream& err) {
  int missing = 0;
  auto load = [&](TXStreamObject& data, int line, const std::string& what, bool linked) {
    std::string name = data.FileName;
    if (!(linked ? data.LinkToFile(folder + name, true) : data.LoadFromFile(folder + name, true))) {
      err << script_file << ":" << line << ": " << what << ": cannot read '" << name << "'\n";
      ++missing;
    }
    data.FileName = name;
  };
  TXStreamObject& image = script.Design.TopImage;
  if (!image.FileName.empty()) load(image, block_lines[0], "Design.TopImage", false);
  for (int i = 0; i < script.Items.Count(); ++i)
    if (auto* file = dynamic_cast<TXUIFileItem*>(script.Items.GetItem(i)))
      load(file->Data, block_lines[static_cast<size_t>(i) + 1], file->ClassName() + " '" + file->FileName + "'", true);
  if (missing > 1) err << script_file << ": " << missing << " source files cannot be read\n";
  return missing == 0;
}

// The script with its source files and the language packs.
bool LoadContents(const TBuildRequest& request, TXPackageContents& contents, std::ostream& err) {
  std::string source;
  if (request.Source) source = *request.Source;
  else if (!ReadWholeFile(request.Script, source, err)) return false;
  TScriptError error;
  std::vector<int> block_lines;
  if (!ReadScriptSource(source, contents.Script, error, &block_lines)) {
    // Line 0 is a fault of the source as a whole.
    err << request.Script;
    if (error.Line > 0) err << ":" << error.Line;
    err << ": " << error.Message << "\n";
    return false;
  }
  const std::string folder = request.Source ? request.SourceFolder : ExtractFilePath(request.Script);
  if (!LoadSourceFiles(contents.Script, block_lines, folder, request.Script, err)) return false;
  const TStubFolder share = FindStubFolder(request.Stubs);
  for (const std::string& given : request.Packs) {
    const std::string pack = LangPackFile(share, given);
    try {
      TFileStream file(pack, FileMode::OpenRead);
      if (contents.Languages.AddStream(".xlg", file, ExtractFileName(pack)) < 0) throw EStreamError(pack);
    } catch (const EStreamError&) {
      err << "xsetup-build: cannot read language pack " << pack << "\n";
      return false;
    }
  }
  return true;
}

// The file items' contents, in the order the package holds them.
std::vector<const TXStreamObject*> FileContents(const TXInstall& script) {
  std::vector<const TXStreamObject*> contents;
  for (int i = 0; i < script.Items.Count(); ++i)
    if (auto* file = dynamic_cast<TXUIFileItem*>(script.Items.GetItem(i))) contents.push_back(&file->Data);
  return contents;
}

// The source files of the script's file items: how many and their bytes.
void CountSourceFiles(const TXInstall& script, int64_t& files, int64_t& bytes) {
  files = bytes = 0;
  for (const TXStreamObject* data : FileContents(script)) {
    ++files;
    bytes += data->Size;
  }
}

// After a failed write: names the source files whose size changed, or
// which went away, since the script was read, the likeliest cause. Returns
// false.
bool NameChangedSources(const TXInstall& script, std::ostream& err) {
  for (const TXStreamObject* data : FileContents(script)) {
    auto* file = dynamic_cast<const TXFileSource*>(data->Source());
    if (!file) continue;
    int64_t now = -1;
    try {
      now = TFileStream(file->FileName(), FileMode::OpenRead).Size();
    } catch (const EStreamError&) {
    }
    if (now != file->Size()) err << "xsetup-build: " << file->FileName() << " changed while it was being read\n";
  }
  return false;
}

// Writes the install package into out at start, the files' contents
// compressed ahead on compression.Jobs threads (the writer's among them),
// telling progress of each file item written.
bool SavePackage(TXPackageContents& contents, TStream& out, int64_t start, const TCompression& compression,
                 TBuildProgress& progress) {
  TXInstallFiler filer;
  filer.Setup(&contents, ifBestCompression, {});
  filer.StartOffset = start;
  for (int i = 0; i < filer.Groups.Count(); ++i)
    if (auto* group = dynamic_cast<TXRStreamFilerGroup*>(filer.Groups[i]))
      group->OnElementSaved = [&](TPersistent& element) {
        if (auto* file = dynamic_cast<TXUIFileItem*>(&element)) progress.FileWritten(file->Data.Size);
      };
  int jobs = compression.Jobs > 0 ? compression.Jobs : static_cast<int>(std::thread::hardware_concurrency());
  TXItemCompressor items(FileContents(contents.Script), compression.Best ? 12 : 9, std::max(jobs, 1) - 1);
  filer.StoredItems = &items;
  int64_t files = 0, bytes = 0;
  CountSourceFiles(contents.Script, files, bytes);
  progress.Start(files, bytes);
  const bool ok = filer.SaveToStream(out, nullptr, false);
  progress.Finish();
  return ok;
}

// Writes the package of contents, behind the stub when given, to the
// request's OUT, with progress on err and the summary line on out.
bool BuildAndPublish(const TBuildRequest& request, TXPackageContents& contents, const std::string& stub,
                     int64_t start, std::ostream& out, std::ostream& err) {
  const TStopwatch clock;
  std::unique_ptr<TBuildProgress> progress = MakeBuildProgress(ChooseProgressStyle(request.Quiet), err);
  int64_t size = 0;
  const bool ok = Publish(request.Out, start, [&](TStream& file) {
    if (!stub.empty()) {
      TFileStream program(stub, FileMode::OpenRead);
      // The stub as checked: a stub changed since is refused, not appended to.
      if (file.CopyFrom(program, 0) != start || program.Size() != start) return false;
    }
    return SavePackage(contents, file, start, request.Compression, *progress) ||
           NameChangedSources(contents.Script, err);
  }, err, &size);
  if (!ok) return false;
  if (!request.Quiet) {
    int64_t files = 0, bytes = 0;
    CountSourceFiles(contents.Script, files, bytes);
    out << SummaryLine(request.Out, files, bytes, size, clock.Seconds()) << std::endl;
  }
  return true;
}

// Checks a stub of the chosen architecture; prints the fault and where the
// stub folder came from on failure.
bool CheckStubFile(const TStubFolder& folder, const std::string& file, const std::string& arch, bool to_append,
                   int64_t& size, std::ostream& err) {
  std::string fault;
  if (CheckStub(file, StubMachine(arch), to_append, size, fault)) return true;
  err << "xsetup-build: " << fault << " (stub folder " << folder.Path << ", from " << folder.Source << ")\n";
  return false;
}

// Adds the uninstall program of the chosen architecture for every
// application whose UIExe the script does not install itself.
bool AddUninstallers(TXInstall& script, const TStubFolder& folder, const std::string& arch, std::ostream& err) {
  std::vector<const TXUIAppItem*> apps = AppsWithoutUninstaller(script);
  if (apps.empty()) return true;
  const std::string file = StubFile(folder, arch, "uninst.exe");
  int64_t size = 0;
  if (!CheckStubFile(folder, file, arch, false, size, err)) return false;
  TXStreamObject data;
  if (!data.LinkToFile(file, true)) {
    err << "xsetup-build: cannot read " << file << "\n";
    return false;
  }
  data.FileName = "uninst.exe";
  for (const TXUIAppItem* app : apps) AddUninstallerItem(script, *app, data);
  return true;
}

}  // namespace

int PackageCommand(const TBuildRequest& request, std::ostream& out, std::ostream& err) {
  TXPackageContents contents;
  if (!LoadContents(request, contents, err)) return 1;
  return BuildAndPublish(request, contents, {}, 0, out, err) ? 0 : 1;
}

int SetupCommand(const TBuildRequest& request, std::ostream& out, std::ostream& err) {
  const TStubFolder folder = FindStubFolder(request.Stubs);
  if (!FolderExists(folder.Path)) {
    err << "xsetup-build: no stub folder " << folder.Path << " (from " << folder.Source << ")\n";
    return 1;
  }
  const std::string stub = StubFile(folder, request.Arch, "setup.exe");
  int64_t start = 0;
  if (!CheckStubFile(folder, stub, request.Arch, true, start, err)) return 1;
  TXPackageContents contents;
  if (!LoadContents(request, contents, err)) return 1;
  if (!AddUninstallers(contents.Script, folder, request.Arch, err)) return 1;
  return BuildAndPublish(request, contents, stub, start, out, err) ? 0 : 1;
}

int LangCommand(const std::string& words_file, const std::string& out_file, std::ostream& err) {
  std::string plain;
  if (!ReadWholeFile(words_file, plain, err)) return 1;
  std::string fault;
  if (!CheckWordsFile(plain, fault)) {
    err << words_file << ": " << fault << "\n";
    return 1;
  }
  TXLgProject project;
  project.AppID = kAppID;
  project.AppVer = kAppVer;
  std::string words = EncodeWordsText(plain);
  project.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
  // The header repeats what the words say of the language.
  TXLg table;
  table.NotifyOnLoad = false;
  table.LoadWords(project.Words, true);
  project.SetLgID(table.ActiveLangID());
  int name = table.Words().IndexOfName("LangName");
  if (name >= 0) project.LgName = table.Words().ValueFromIndex(name);
  bool ok = Publish(out_file, 0, [&](TStream& out) { return SaveLgProject(out, project); }, err);
  return ok ? 0 : 1;
}

std::optional<int32_t> LangPackID(const std::string& pack_file) {
  TXLgProject project;
  project.AppID = kAppID;
  project.AppVer = kAppVer;
  if (!ReadLgProjectFile(pack_file, project)) return std::nullopt;
  return project.LgID();
}

int LangDecodeCommand(const std::string& pack_file, std::ostream& out, std::ostream& err) {
  TXLgProject project;
  project.AppID = kAppID;
  project.AppVer = kAppVer;
  if (!ReadLgProjectFile(pack_file, project)) {
    err << "xsetup-build: " << pack_file << " is not a language pack of this program (error "
        << XError().GetCode() << ")\n";
    return 1;
  }
  const auto& bytes = project.Words.Bytes();
  out << DecodeWordsText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return 0;
}

}  // namespace xs
