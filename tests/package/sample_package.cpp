#include "sample_package.h"

#include <stdexcept>
#include <string>

#include "package/qstream.h"

namespace xs::test {

namespace {
void Check(bool ok, const char* step) {
  if (!ok) throw std::runtime_error(std::string("writing the sample package failed: ") + step);
}
}  // namespace

std::vector<uint8_t> SamplePackage(int64_t start, const std::vector<uint8_t>& prefix) {
  TMemoryStream s(prefix);
  TXQStream c;
  TMemoryStream empty;
  Check(c.Open(omCreate | omWrite, &s, false, nullptr, start), "open");
  Check(c.AddGroupByName("Languages", "", false, nullptr), "group Languages");
  Check(c.WriteSingleItemHeader("Languages", 3, false, nullptr, empty, 0), "Languages header");
  Check(c.AddGroupByName("Data", "", false, nullptr), "group Data");
  Check(c.BeginHeaderByName("Data", 3, false, nullptr, 3) &&
            c.WriteStringItem(-3, "object TXObjectComponent\r\n  ObjClassName = 'TXInstall'\r\nend\r\n", false,
                              nullptr) &&
            c.WriteStringItem(-6, "object TXObjectComponent\r\nend\r\n", false, nullptr) &&
            c.WriteStringItem(5, std::string(40, 'r'), false, nullptr) && c.EndHeaderChecked(nullptr, false),
        "object header");
  Check(c.BeginHeaderByName("Data", 4, false, nullptr, 3) && c.WriteStringItem(-1, "file", false, nullptr) &&
            c.WriteStringItem(-4, "object TXObjectComponent\r\nend\r\n", false, nullptr) &&
            c.WriteStringItem(-2, std::string(300, 'x'), false, nullptr) && c.EndHeaderChecked(nullptr, false),
        "item header");
  return s.Bytes();
}

}  // namespace xs::test
