// Writing and reading one stored block (a container item or a group's data):
// deflated or as it is, with its CRC32.
//
// Each routine finishes its progress item, clears the error object on
// success and on failure records errSave (writing) or errLoad (reading),
// replacing any earlier code; a checksum mismatch records errChecksum.
// With raise set a failure also throws EXError. Positions, counts and sizes
// are absolute in the stream and signed 64-bit.
#pragma once

#include <cstdint>

#include "base/progress.h"
#include "base/stream.h"

namespace xs {

// The most bytes one stored block may give when nothing declares its size
// more closely: room for any object text, words text or image, far below
// what would exhaust memory.
constexpr int64_t kMaxBlockBytes = int64_t{128} << 20;

// start := stream's position. level_index != 0: deflates count bytes of
// buffer into stream (ZLibLevel), else writes them as they are. stored := the
// bytes written.
bool WriteBlock(TStream& stream, int64_t& start, int64_t& stored, bool raise, TXProgressItem* progress,
                int level_index, int64_t count, const void* buffer);
// As WriteBlock with count bytes of source from offset. count <= 0 writes
// nothing and gives stored 0.
bool WriteBlockFromStream(TStream& stream, int64_t& start, int64_t& stored, bool raise,
                          TXProgressItem* progress, int level_index, int64_t count, int64_t offset,
                          TStream& source);
// checksum := CRC32 of the source bytes, then as above.
bool WriteBufferWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                        TXProgressItem* progress, int level_index, int64_t count, const void* buffer);
bool WriteStreamWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                        TXProgressItem* progress, int level_index, int64_t count, int64_t offset,
                        TStream& source);
// start := stream's position, checksum := CRC32 of all the bytes source
// gives from its position to its end (read front to back, never sought),
// deflated (level_index != 0) or written as they are; stored := the bytes
// written. Memory stays a few blocks whatever the source's length.
bool WriteForwardWithCRC(TStream& stream, int64_t& start, int64_t& stored, uint32_t& checksum, bool raise,
                         TXProgressItem* progress, int level_index, TStream& source);

// Fills buffer with exactly count bytes: inflated from the zlib stream at
// offset (compressed) or read as they are. Fewer bytes fail. The inflater
// may read ahead past the block; stored items are read with
// ReadBlockToStream, whose window stops it.
bool ReadBlock(TStream& stream, void* buffer, bool compressed, bool raise, TXProgressItem* progress,
               int64_t count, int64_t offset);
// Sets destination's position to 0, then writes the block stored in the
// count bytes at offset: inflated through a window over exactly those bytes
// (compressed) or copied. count 0 writes nothing. A block that lies beyond
// the stream's end fails before anything is read. Memory does not grow
// with the block. A block that would give more than limit bytes, or whose
// zlib stream ends early, records errChecksum; inflating stops at limit.
bool ReadBlockToStream(TStream& stream, TStream& destination, bool compressed, bool raise,
                       TXProgressItem* progress, int64_t count, int64_t offset, int64_t limit = kMaxBlockBytes);
// The same, then the CRC32 of the bytes produced must equal expected.
bool ReadBufferWithCRC(TStream& stream, void* buffer, bool compressed, bool raise, TXProgressItem* progress,
                       int64_t count, int64_t offset, uint32_t expected);
// The destination must be empty: the checksum covers the bytes written to
// it. On failure the destination is emptied again where its size can be
// set (a memory stream): nothing of a damaged block is kept.
bool ReadStreamWithCRC(TStream& stream, TStream& destination, bool compressed, bool raise,
                       TXProgressItem* progress, int64_t count, int64_t offset, uint32_t expected,
                       int64_t limit = kMaxBlockBytes);

}  // namespace xs
