#include "package/stream_object.h"

#include <zlib.h>

#include <algorithm>
#include <vector>

#include "base/error.h"
#include "base/progress.h"
#include "base/text.h"
#include "package/block_io.h"
#include "package/compression.h"
#include "package/file_source.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/file_version.h"

namespace xs {
namespace {

constexpr size_t kBlockSize = 32 * 1024;

// The extension of a file name with its dot, in lower case; empty without one.
std::string LowerCaseExtension(const std::string& file_name) {
  size_t dot = file_name.find_last_of(".\\/:");
  if (dot == std::string::npos || file_name[dot] != '.') return {};
  return AsciiLowerCase(file_name.substr(dot));
}

TXFileFacts ReadFileFacts(const std::string& file_name) {
  TXFileFacts facts;
  try {
    TFileStream file(file_name, FileMode::OpenRead);
    facts.Size = file.Size();
  } catch (const EStreamError&) {
  }
  if (std::optional<TPeFileVersion> v = ReadFileVersion(file_name)) {
    uint32_t parts[4] = {v->Major, v->Minor, v->Release, v->Build};
    for (int i = 0; i < 4; ++i) facts.Version[i] = static_cast<uint16_t>(parts[i]);
  }
  if (std::optional<int64_t> time = GetFileWriteTime(file_name)) facts.TimeStamp = FileTimeToLocalDateTime(*time);
  return facts;
}

// Runs inside BeginChange/EndChange; a failure clears the object.
bool Load(TXStreamObject& object, const std::function<void()>& fill) {
  object.BeginChange();
  bool ok = true;
  try {
    object.Clear();
    fill();
  } catch (const std::exception&) {
    object.Clear();
    ok = false;
  }
  object.EndChange();
  return ok;
}

}  // namespace

XS_DEFINE_CLASS(TXStreamObject, TXChangeableObject,
    Prop("Compressed", &TXStreamObject::Compressed),
    Prop("DataClass", &TXStreamObject::DataClass),
    Prop("FileName", &TXStreamObject::FileName),
    Prop("Version", &TXStreamObject::Version),
    Prop("TimeStamp", &TXStreamObject::TimeStamp),
    Prop("Size", &TXStreamObject::Size))

TMemoryStream& TXStreamObject::DataStream() {
  if (source_) {
    // A source's stream may only go forward (an item inflated from a
    // package), so it is read block by block to its end.
    memory_.Clear();
    try {
      WriteTo(memory_);
    } catch (...) {
      memory_.Clear();
      throw;
    }
    memory_.SetPosition(0);
    source_.reset();
  }
  return memory_;
}

void TXStreamObject::SetSource(std::unique_ptr<TXByteSource> source) {
  memory_.Clear();
  source_ = std::move(source);
}

void TXStreamObject::Clear() {
  DataClass.clear();
  memory_.Clear();
  source_.reset();
  FileName.clear();
  Version.clear();
  TimeStamp = 0;
  Size = 0;
  Compressed = false;
}

bool TXStreamObject::AssignFrom(const TPersistent& source) {
  if (!TXChangeableObject::AssignFrom(source)) return false;
  auto* other = dynamic_cast<const TXStreamObject*>(&source);
  if (!other || other == this) return true;
  DataClass = other->DataClass;
  if (other->source_) {
    SetSource(other->source_->Clone());
  } else {
    source_.reset();
    memory_.Bytes() = other->memory_.Bytes();
    memory_.SetPosition(0);
  }
  FileName = other->FileName;
  Version = other->Version;
  TimeStamp = other->TimeStamp;
  Size = other->Size;
  Compressed = other->Compressed;
  return true;
}

bool TXStreamObject::IsEmpty() const { return source_ ? source_->IsEmpty() : memory_.Bytes().empty(); }

int64_t TXStreamObject::MaxStoredBytes() const {
  return Size > 0 ? std::min(Size, kMaxBlockBytes) : kMaxBlockBytes;
}

bool TXStreamObject::LoadFromStream(const std::string& data_class, TStream& source) {
  return Load(*this, [&] {
    DataClass = data_class;
    ReadFrom(source);
  });
}

bool TXStreamObject::LoadFromFile(const std::string& file_name, bool read_file_info) {
  return Load(*this, [&] {
    TFileStream file(file_name, FileMode::OpenRead);
    ReadFrom(file);
    DataClass = LowerCaseExtension(file_name);
    if (read_file_info) ReadFileInfo(file_name);
  });
}

bool TXStreamObject::LinkToFile(const std::string& file_name, bool read_file_info) {
  return Load(*this, [&] {
    int64_t size = TFileStream(file_name, FileMode::OpenRead).Size();
    DataClass = LowerCaseExtension(file_name);
    if (read_file_info) ReadFileInfo(file_name);
    Size = size;
    SetSource(std::make_unique<TXFileSource>(file_name, size));
  });
}

void TXStreamObject::ReadFileInfo(const std::string& file_name) {
  TXFileFacts facts = FileFactsReader()(file_name);
  const uint16_t* v = facts.Version;
  if (v[0] || v[1] || v[2] || v[3])
    Version = std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
              std::to_string(v[3]);
  else
    Version.clear();
  Size = facts.Size;
  TimeStamp = facts.TimeStamp;
}

void TXStreamObject::ReadFrom(TStream& source) {
  source_.reset();
  memory_.LoadFromStream(source);
}

void TXStreamObject::ForEachBlock(const std::function<void(const uint8_t*, size_t)>& f) const {
  if (!source_) {
    const std::vector<uint8_t>& bytes = memory_.Bytes();
    for (size_t i = 0; i < bytes.size(); i += kBlockSize) f(bytes.data() + i, std::min(kBlockSize, bytes.size() - i));
    return;
  }
  std::unique_ptr<TStream> bytes = source_->Open();
  std::vector<uint8_t> block(kBlockSize);
  for (int64_t n; (n = bytes->Read(block.data(), kBlockSize)) > 0;) f(block.data(), static_cast<size_t>(n));
}

void TXStreamObject::WriteTo(TStream& dest) const {
  ForEachBlock([&dest](const uint8_t* p, size_t n) { dest.WriteBuffer(p, static_cast<int64_t>(n)); });
}

void TXStreamObject::DefineProperties(TXDefiner& definer) {
  bool has_data = StoreData() && !IsEmpty();
  definer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadFrom(s); }, [this](TStream& d) { WriteTo(d); },
      has_data && !Compressed);
  definer.DefineBinaryProperty(
      "CData", [this](TStream& s) { ReadCData(s); }, [this](TStream& d) { WriteCData(d); },
      has_data && Compressed);
}

// Inflates into memory, at most MaxStoredBytes. Data that inflate to more,
// end before their zlib stream does or are corrupt record errChecksum and
// raise, with nothing kept.
void TXStreamObject::ReadCData(TStream& source) {
  source_.reset();
  memory_.Clear();
  int64_t produced = -1;
  try {
    TXDecompressionStream z(source);
    int64_t limit = MaxStoredBytes();
    produced = z.DecompressTo(memory_, nullptr, 0, limit);
    if (produced > limit || !z.Ended()) produced = -1;
  } catch (const EZLibError&) {
  }
  if (produced < 0) {
    memory_.Clear();
    XError().SetError(errChecksum, 0, true);
  }
  memory_.SetPosition(0);
}

// The bytes as one zlib stream at zlib's default level.
void TXStreamObject::WriteCData(TStream& dest) const {
  z_stream z{};
  if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) throw EStreamError("deflate cannot start");
  std::vector<uint8_t> out(kBlockSize);
  auto pump = [&](int flush) {
    do {
      z.next_out = out.data();
      z.avail_out = kBlockSize;
      if (deflate(&z, flush) == Z_STREAM_ERROR) throw EStreamError("deflate failed");
      dest.WriteBuffer(out.data(), static_cast<int64_t>(kBlockSize - z.avail_out));
    } while (z.avail_out == 0);
  };
  try {
    ForEachBlock([&](const uint8_t* p, size_t n) {
      z.next_in = const_cast<Bytef*>(p);
      z.avail_in = static_cast<uInt>(n);
      pump(Z_NO_FLUSH);
    });
    pump(Z_FINISH);
  } catch (...) {
    deflateEnd(&z);
    throw;
  }
  deflateEnd(&z);
}

XS_DEFINE_CLASS(TXSizeStreamObject, TXStreamObject,
    Prop("Width", &TXSizeStreamObject::Width),
    Prop("Height", &TXSizeStreamObject::Height))

void TXSizeStreamObject::Clear() {
  TXStreamObject::Clear();
  Width = 0;
  Height = 0;
}

bool TXSizeStreamObject::AssignFrom(const TPersistent& source) {
  if (!TXStreamObject::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXSizeStreamObject*>(&source)) {
    Width = other->Width;
    Height = other->Height;
  }
  return true;
}

void TXSizeStreamObject::ScaleToScreen(int pixels_per_inch) {
  auto scale = [pixels_per_inch](int32_t v) {
    uint64_t magnitude = RoundDiv(static_cast<uint64_t>(v < 0 ? -int64_t{v} : v) *
                                      static_cast<uint64_t>(pixels_per_inch),
                                  96);
    return static_cast<int32_t>(v < 0 ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
  };
  Width = scale(Width);
  Height = scale(Height);
}

std::function<TXFileFacts(const std::string& file_name)>& FileFactsReader() {
  static std::function<TXFileFacts(const std::string&)> reader = ReadFileFacts;
  return reader;
}

}  // namespace xs
