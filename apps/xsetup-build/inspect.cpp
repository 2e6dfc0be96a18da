#include "inspect.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <memory>

#include "base/error.h"
#include "base/null_stream.h"
#include "package/container_check.h"
#include "package/qstream.h"
#include "platform/file_stream.h"
#include "platform/pe_image.h"

namespace xs {

namespace {

// Writes the bytes it is given to out, each line indented; carriage returns
// are dropped. Object texts are printed as they inflate, however large.
class TIndentedText : public TNullStream {
 public:
  TIndentedText(std::ostream& out, const char* indent) : out_(out), indent_(indent) {}
  int64_t Write(const void* buffer, int64_t count) override {
    const char* p = static_cast<const char*>(buffer);
    for (int64_t i = 0; i < count; ++i) {
      if (p[i] == '\r') continue;
      if (at_line_start_) out_ << indent_;
      out_.put(p[i]);
      at_line_start_ = p[i] == '\n';
    }
    return TNullStream::Write(buffer, count);
  }
  void EndLine() {
    if (!at_line_start_) out_ << '\n';
    at_line_start_ = true;
  }

 private:
  std::ostream& out_;
  const char* indent_;
  bool at_line_start_ = true;
};

// An open container over a file the caller keeps: a failed load leaves what
// was read in Groups.
struct Opened {
  std::unique_ptr<TFileStream> file;
  TXQStream container;
  bool loaded = false;
};

void OpenPackage(const std::string& file_name, int64_t start, Opened& o) {
  XError().Clear();
  try {
    o.file = std::make_unique<TFileStream>(file_name, FileMode::OpenRead);
  } catch (const EFOpenError& e) {
    XError().SetError(errFileOpen, e.SystemCode(), false, file_name);
    return;
  }
  o.loaded = o.container.Open(omRead, o.file.get(), false, nullptr, start);
}

bool IsObjectText(int32_t id) { return id <= -3 && id >= -6; }

std::string Hex32(uint32_t v) {
  char buf[9];
  std::snprintf(buf, sizeof buf, "%08" PRIx32, v);
  return buf;
}

// Prints the last line of a failed command; a failure without a code of
// its own is a failed read.
int Fail(std::ostream& out, int code) {
  out << "error " << (code != errNone ? code : errLoad) << '\n';
  return 1;
}

}  // namespace

int64_t DefaultPackageStart(const std::string& file_name) {
  try {
    TFileStream file(file_name, FileMode::OpenRead);
    return PeImageEnd(file).value_or(0);
  } catch (const EStreamError&) {
    return 0;  // the command reports the file
  }
}

int DumpPackage(const std::string& file_name, int64_t start, std::ostream& out) {
  Opened o;
  OpenPackage(file_name, start, o);
  int first = XError().GetCode();
  TXQStream& c = o.container;
  if (c.Opened()) {
    const TXIdentity& id = c.Identity();
    out << "identity version " << id.Version << " values";
    for (int32_t v : id.Values) out << ' ' << v;
    out << " name \"" << id.Name << "\"\n";
  }
  // Remembers the first damage found; returns its text for the line.
  auto error = [&](int code) {
    code = code != errNone ? code : errLoad;
    if (first == errNone) first = code;
    return "error " + std::to_string(code);
  };
  for (const auto& g : c.Groups) {
    out << "group " << g->ID;
    if (g->IsPlaceholder())
      out << " (no group record)";
    else
      out << " \"" << g->Name << "\" data " << g->DataSize;
    if (!g->Loaded) out << " damaged (" << error(g->Failure) << ")";
    out << '\n';
    for (size_t hi = 0; hi < g->Headers.size(); ++hi) {
      const TXRHeaderObject& h = *g->Headers[hi];
      out << "  header " << hi << " kind " << h.Kind << " count " << h.Count;
      if (!h.Loaded) out << " damaged (" << error(h.Failure) << ")";
      out << '\n';
      for (size_t i = 0; i < h.Items.size(); ++i) {
        const TXRItemEntry& e = h.Items[i];
        out << "    item " << i << " id " << e.ID << " size " << e.Size << " checksum " << Hex32(e.Checksum) << '\n';
        if (!IsObjectText(e.ID)) continue;
        TIndentedText text(out, "      ");
        bool ok = c.ReadItemToStream(h, static_cast<int>(i), nullptr, text);
        text.EndLine();
        if (!ok) out << "      (unreadable: " << error(XError().GetCode()) << ")\n";
      }
    }
  }
  // Records dropped from the chain leave no line of their own.
  if (first == errNone && c.DamagedRecords() > 0) first = errLoad;
  return first == errNone ? 0 : Fail(out, first);
}

int VerifyPackage(const std::string& file_name, int64_t start, std::ostream& out) {
  Opened o;
  OpenPackage(file_name, start, o);
  if (!o.loaded) return Fail(out, XError().GetCode());
  int code = CheckContainer(o.container);
  if (code != errNone) return Fail(out, code);
  out << "ok\n";
  return 0;
}

}  // namespace xs
