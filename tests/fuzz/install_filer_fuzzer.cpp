// Input: one mode byte, then the bytes of an install package or undo log,
// read by the install filer with the real script classes.
//   bit 0: first make every checksum that guards the structure match
//          (reseal.h), so that mutated sizes and links get past them
//   bit 1: read it as an undo log (a TXUndo root) instead of a package
//   bit 2: load it from a file, leaving file contents there to be read on
//          demand, as Setup does with its own file
// Whatever loads is used as the programs use it: every file item's and the
// top image's bytes are read, the script is written as object text, and the
// package's language packs are read and their words looked up. A package or
// log loaded from memory must save and load again.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/null_stream.h"
#include "engine/install_filer.h"
#include "language_pack.h"
#include "package/data_index.h"
#include "package/object_component.h"
#include "reseal.h"
#include "script/file_items.h"
#include "script/register.h"
#include "script/undo.h"

using namespace xs;

namespace {

// The file of mode bit 2: an anonymous file of this process, named by its
// descriptor, so that no run leaves one behind.
int ScratchFile() {
  static const int fd = memfd_create("xs-fuzz-install", 0);
  if (fd < 0) std::abort();
  return fd;
}

void ReadBytes(const TXStreamObject& data) {
  try {
    TNullStream sink;
    data.WriteTo(sink);
  } catch (const std::exception&) {
  }
}

void Use(TXCustomUI& ui) {
  ReadBytes(ui.Design.TopImage);
  for (int i = 0; i < ui.Items.Count(); ++i) {
    TXUICustomItem* item = ui.Items.GetItem(i);
    item->GetDisplayText();
    if (auto* file = dynamic_cast<TXUIFileItem*>(item)) ReadBytes(file->Data);
  }
  TMemoryStream text;
  WriteObjectToStream(ui, text, true, false, nullptr);
}

// Loads bytes with a fresh root of type Root, uses it and, when it loaded
// from memory, saves it and loads the copy. Aborts when the copy fails.
template <class Root>
void LoadAndUse(const std::vector<uint8_t>& bytes, bool from_file) {
  Root root;
  bool loaded;
  if (from_file) {
    const int fd = ScratchFile();
    if (ftruncate(fd, 0) != 0 || pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
      std::abort();
    loaded = LoadPackageWith("/proc/self/fd/" + std::to_string(fd), FilerClass<TXInstallFiler>, &root, false,
                             nullptr, {}, ifBindFileContents, 0);
  } else {
    TMemoryStream input(bytes);
    loaded = LoadStreamWith(input, FilerClass<TXInstallFiler>, &root, false, nullptr);
  }
  if (!loaded) return;
  if constexpr (std::is_same_v<Root, TXPackageContents>) {
    Use(root.Script);
    root.Script.SplitSections();
    for (int i = 0; i < root.Languages.Count(); ++i) {
      try {
        TXLgProject pack;
        fuzz::UseLanguagePack(root.Languages.GetItem(i)->Data.DataStream(), pack);
      } catch (const std::exception&) {
      }
    }
  } else {
    Use(root);
  }
  if (from_file) return;
  TMemoryStream copy;
  auto filer = FilerClass<TXInstallFiler>();
  filer->Setup(&root, 0, {});
  if (!filer->SaveToStream(copy, nullptr, false)) std::abort();
  Root again;
  if (!LoadStreamWith(copy, FilerClass<TXInstallFiler>, &again, false, nullptr)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    RegisterScriptClasses();
    RegisterDataIndexClasses();
    return true;
  }();
  (void)registered;
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::vector<uint8_t> bytes(data + 1, data + size);
  if (mode & 1) fuzz::Reseal(bytes);
  if (mode & 2)
    LoadAndUse<TXUndo>(bytes, mode & 4);
  else
    LoadAndUse<TXPackageContents>(bytes, mode & 4);
  XError().Clear();
  return 0;
}
