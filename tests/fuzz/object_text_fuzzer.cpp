// Feeds arbitrary bytes to the object text reader. Reading must fail
// cleanly or succeed; whatever it read must write and read back to the same
// text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stream.h"
#include "package/object_component.h"
#include "package/test_classes.h"

using namespace xs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    testing_classes::RegisterTestClasses();
    return true;
  }();
  (void)registered;

  std::string text(reinterpret_cast<const char*>(data), size);
  TXObjectComponent root;
  if (!root.ReadFromText(text, false)) return 0;
  std::unique_ptr<TPersistent> object = root.TakeObj();

  TMemoryStream first;
  if (!WriteObjectToStream(*object, first, true, false, nullptr)) std::abort();
  std::unique_ptr<TPersistent> again = ReadObjectFromStream(first, nullptr, false);
  if (!again) std::abort();
  TMemoryStream second;
  if (!WriteObjectToStream(*again, second, true, false, nullptr)) std::abort();
  if (first.Bytes() != second.Bytes()) std::abort();
  return 0;
}
