// Feeds arbitrary bytes to the object text reader. Reading must fail
// cleanly or succeed; whatever it read must write and read back, and the
// text of one round trip must write again unchanged.
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

  // The text form rounds: a float below 5E-19 is written as zero, which
  // reads back as the default and is then not written at all. So the text
  // that one round trip gives must be stable from there on.
  TMemoryStream first;
  if (!WriteObjectToStream(*object, first, true, false, nullptr)) std::abort();
  std::unique_ptr<TPersistent> again = ReadObjectFromStream(first, nullptr, false);
  if (!again) std::abort();
  TMemoryStream second;
  if (!WriteObjectToStream(*again, second, true, false, nullptr)) std::abort();
  std::unique_ptr<TPersistent> third = ReadObjectFromStream(second, nullptr, false);
  if (!third) std::abort();
  TMemoryStream last;
  if (!WriteObjectToStream(*third, last, true, false, nullptr)) std::abort();
  if (second.Bytes() != last.Bytes()) std::abort();
  return 0;
}
