#include "package/block_io.h"

#include <exception>
#include <optional>
#include <vector>

#include "base/error.h"
#include "package/checksum_writer.h"
#include "package/compression.h"
#include "package/crc32.h"
#include "package/stream_at.h"
#include "package/sub_stream.h"

namespace xs {

namespace {

constexpr int64_t kForwardBlock = 256 * 1024;

// The common frame: run body, finish progress, record code on failure.
template <class Body>
bool Guarded(int code, bool raise, TXProgressItem* progress, Body body) {
  bool ok = false;
  try {
    body();
    ok = true;
  } catch (const std::exception&) {
  }
  PxFinish(progress);
  return XError().CheckError(ok, code, raise);
}

}  // namespace

bool WriteBlock(TStream& stream, int64_t& start, int64_t& stored, bool raise, TXProgressItem* progress,
                int level_index, int64_t count, const void* buffer) {
  return Guarded(errSave, raise, progress, [&] {
    start = stream.Position();
    if (level_index != 0) {
      TXCompressionStream z(stream, level_index);
      z.Compress(buffer, count, progress);
      z.Finish();
    } else {
      stream.WriteBuffer(buffer, count);
    }
    stored = stream.Position() - start;
  });
}

bool WriteBlockFromStream(TStream& stream, int64_t& start, int64_t& stored, bool raise,
                          TXProgressItem* progress, int level_index, int64_t count, int64_t offset,
                          TStream& source) {
  return Guarded(errSave, raise, progress, [&] {
    start = stream.Position();
    stored = 0;
    if (count <= 0) return;
    SeekExactly(source, offset);
    if (level_index != 0) {
      TXCompressionStream z(stream, level_index);
      z.CompressFrom(source, progress, count);
      z.Finish();
    } else {
      stream.CopyFrom(source, count);
    }
    stored = stream.Position() - start;
  });
}

bool WriteBufferWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                        TXProgressItem* progress, int level_index, int64_t count, const void* buffer) {
  checksum = CRC32Update(0, buffer, count);
  return WriteBlock(stream, start, stored, raise, progress, level_index, count, buffer);
}

bool WriteStreamWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                        TXProgressItem* progress, int level_index, int64_t count, int64_t offset,
                        TStream& source) {
  checksum = 0;
  if (count > 0 && !CRC32StreamRange(source, checksum, false, count, offset)) {
    PxFinish(progress);
    return XError().CheckError(false, errSave, raise);
  }
  return WriteBlockFromStream(stream, start, stored, raise, progress, level_index, count, offset, source);
}

bool WriteForwardWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                         TXProgressItem* progress, int level_index, TStream& source) {
  return Guarded(errSave, raise, progress, [&] {
    start = stream.Position();
    checksum = 0;
    std::vector<uint8_t> block(kForwardBlock);
    // No bytes store nothing, compressed or not, as WriteBlockFromStream.
    std::optional<TXCompressionStream> z;
    for (int64_t n; (n = source.Read(block.data(), kForwardBlock)) > 0;) {
      checksum = CRC32Update(checksum, block.data(), n);
      if (level_index != 0 && !z) z.emplace(stream, level_index);
      if (z) z->Compress(block.data(), n, nullptr);
      else stream.WriteBuffer(block.data(), n);
    }
    if (z) z->Finish();
    stored = stream.Position() - start;
  });
}

bool ReadBlock(TStream& stream, void* buffer, bool compressed, bool raise, TXProgressItem* progress,
               int64_t count, int64_t offset) {
  return Guarded(errLoad, raise, progress, [&] {
    SeekExactly(stream, offset);
    if (count <= 0) return;
    if (compressed) {
      TXDecompressionStream z(stream);
      if (z.Decompress(buffer, count, progress) != count) throw EStreamError("block ended early");
    } else {
      stream.ReadBuffer(buffer, count);
    }
  });
}

bool ReadBlockToStream(TStream& stream, TStream& destination, bool compressed, bool raise,
                       TXProgressItem* progress, int64_t count, int64_t offset, int64_t limit) {
  bool unlike_declared = false;
  bool ok = Guarded(errLoad, false, progress, [&] {
    destination.SetPosition(0);
    if (count <= 0) return;
    int64_t end = 0;
    if (offset < 0 || !CheckedAdd(offset, count, end) || end > stream.Size())
      throw EStreamError("block lies beyond the end of the stream");
    TXSubStream window(stream, count, offset);
    SeekExactly(window, 0);
    if (compressed) {
      TXDecompressionStream z(window);
      unlike_declared = z.DecompressTo(destination, progress, count, limit) > limit || !z.Ended();
    } else {
      unlike_declared = count > limit;
      if (!unlike_declared) destination.CopyFrom(window, count);
    }
  });
  if (ok && unlike_declared) ok = XError().CheckError(false, errChecksum);
  return ok || XError().CheckError(false, XError().GetCode(), raise);
}

bool ReadBufferWithCRC(TStream& stream, void* buffer, bool compressed, bool raise, TXProgressItem* progress,
                       int64_t count, int64_t offset, uint32_t expected) {
  return ReadBlock(stream, buffer, compressed, raise, progress, count, offset) &&
         VerifyCRC32Buffer(buffer, count, expected, raise);
}

bool ReadStreamWithCRC(TStream& stream, TStream& destination, bool compressed, bool raise,
                       TXProgressItem* progress, int64_t count, int64_t offset, uint32_t expected,
                       int64_t limit) {
  TChecksumWriter tee(destination);
  bool ok = ReadBlockToStream(stream, tee, compressed, false, progress, count, offset, limit) &&
            VerifyCRC32(tee.Checksum(), expected);
  if (ok) return true;
  try {
    destination.SetSize(0);
  } catch (const std::exception&) {
  }
  return XError().CheckError(false, XError().GetCode(), raise);
}

}  // namespace xs
