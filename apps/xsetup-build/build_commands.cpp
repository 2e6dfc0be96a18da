#include "build_commands.h"

#include <exception>
#include <functional>
#include <memory>
#include <ostream>

#include "base/error.h"
#include "base/stream.h"
#include "engine/install_filer.h"
#include "lang/language.h"
#include "lang/lg_filer.h"
#include "lang/words_text.h"
#include "package/container_check.h"
#include "package/qstream.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script/file_items.h"
#include "script_source.h"

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

// Whether the container just written into file reads back whole.
bool ReadsBack(TStream& file) {
  TXQStream container;
  return container.Open(omRead, &file, false, nullptr, 0) && CheckContainer(container) == errNone;
}

// Writes OUT through a new temporary file beside it, which is checked and
// then moved over OUT in one step: whatever fails, an earlier OUT stays as
// it was and no temporary file is left behind.
bool Publish(const std::string& out_file, const std::function<bool(TStream&)>& write, std::ostream& err) {
  std::unique_ptr<TFileStream> temp = CreateTempFileBeside(out_file);
  if (!temp) {
    err << "xsetup-build: cannot write " << out_file << " (no temporary file can be made beside it)\n";
    return false;
  }
  const std::string temp_name = temp->FileName();
  XError().Clear();
  bool ok = false;
  try {
    ok = write(*temp) && ReadsBack(*temp);
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

// Loads the bytes and facts of every source file the script names, relative
// to folder.
bool LoadSourceFiles(TXInstall& script, const std::string& folder, const std::string& script_file,
                     std::ostream& err) {
  auto load = [&](TXStreamObject& data, const std::string& what) {
    std::string name = data.FileName;
    if (!data.LoadFromFile(folder + name, true)) {
      err << script_file << ": " << what << ": cannot read '" << name << "'\n";
      return false;
    }
    data.FileName = name;
    return true;
  };
  TXStreamObject& image = script.Design.TopImage;
  if (!image.FileName.empty() && !load(image, "Design.TopImage")) return false;
  for (int i = 0; i < script.Items.Count(); ++i)
    if (auto* file = dynamic_cast<TXUIFileItem*>(script.Items.GetItem(i)))
      if (!load(file->Data, file->ClassName() + " '" + file->FileName + "'")) return false;
  return true;
}

}  // namespace

int PackageCommand(const std::string& script_file, const std::string& out_file,
                   const std::vector<std::string>& packs, std::ostream& err) {
  std::string source;
  if (!ReadWholeFile(script_file, source, err)) return 1;
  TXPackageContents contents;
  TScriptError error;
  if (!ReadScriptSource(source, contents.Script, error)) {
    err << script_file << ":" << error.Line << ": " << error.Message << "\n";
    return 1;
  }
  if (!LoadSourceFiles(contents.Script, ExtractFilePath(script_file), script_file, err)) return 1;
  for (const std::string& pack : packs) {
    try {
      TFileStream file(pack, FileMode::OpenRead);
      if (contents.Languages.AddStream(".xlg", file, ExtractFileName(pack)) < 0) throw EStreamError(pack);
    } catch (const EStreamError&) {
      err << "xsetup-build: cannot read language pack " << pack << "\n";
      return 1;
    }
  }
  bool ok = Publish(out_file, [&](TStream& out) {
    std::unique_ptr<TXFiler> filer = FilerClass<TXInstallFiler>();
    filer->Setup(&contents, ifBestCompression, {});
    return filer->SaveToStream(out, nullptr, false);
  }, err);
  return ok ? 0 : 1;
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
  bool ok = Publish(out_file, [&](TStream& out) { return SaveLgProject(out, project); }, err);
  return ok ? 0 : 1;
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
