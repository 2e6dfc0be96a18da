// Stored stream objects: a block of bytes with the metadata needed to
// install or show it. The bytes are either in memory or in a byte source
// they are read from on demand (a package item, for instance), so that large
// contents can go from the package to their destination without being held
// in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/stream.h"
#include "package/persistent_base.h"

namespace xs {

using TDateTime = double;  // days since 1899-12-30, the time as a fraction

// Where the bytes of a stream object stay when they are not in memory.
class TXByteSource {
 public:
  virtual ~TXByteSource() = default;
  // Whether there are no bytes, known without reading them.
  virtual bool IsEmpty() const = 0;
  // On success returns a stream over exactly the bytes, at position 0,
  // which callers read front to back until Read gives 0 (it need not seek
  // or know its size). On failure raises (EStreamError, or EXError after
  // recording the cause on the error object); reading may raise likewise.
  virtual std::unique_ptr<TStream> Open() const = 0;
  // A source of the same bytes, for a copy of the stream object.
  virtual std::unique_ptr<TXByteSource> Clone() const = 0;
};

// Published: LgID, Compressed, DataClass, FileName, Version, TimeStamp,
// Size. Defined byte blocks, written only while StoreData is set and there
// are bytes: Data (the bytes as they are, when not Compressed) or CData (the
// bytes as one zlib stream, when Compressed).
class TXStreamObject : public TXChangeableObject {
  XS_DECLARE_CLASS(TXStreamObject)
 public:
  bool Compressed = false;
  std::string DataClass;  // ".exe" (lower-case extension) or an image class name
  std::string FileName;
  std::string Version;    // four numbers joined by points, or empty
  TDateTime TimeStamp = 0;
  int64_t Size = 0;       // the source file's size

  // The bytes in memory; bytes held by a source are read into memory first
  // and the source is dropped (raises when the source cannot be read).
  TMemoryStream& DataStream();
  // From now on the bytes are source's, read on demand; nullptr: no bytes,
  // in memory.
  void SetSource(std::unique_ptr<TXByteSource> source);
  bool InMemory() const { return !source_; }
  // The source the bytes are read from, or nullptr while they are in memory.
  const TXByteSource* Source() const { return source_.get(); }

  // Empties DataClass, the bytes, FileName and Version; TimeStamp, Size and
  // Compressed become 0 and false.
  void Clear() override;
  // From a TXStreamObject: DataClass, the bytes (a source stays a source),
  // FileName, Version, TimeStamp, Size and Compressed.
  bool AssignFrom(const TPersistent& source) override;
  // Whether there are no bytes.
  bool IsEmpty() const override;
  // The most bytes stored data may give when read into memory: Size when
  // set (no file item installs more than its source file held), and never
  // more than kMaxBlockBytes.
  int64_t MaxStoredBytes() const;

  // Clear, DataClass := data_class, the bytes := all of source (from its
  // start), inside BeginChange/EndChange. On failure the object is cleared
  // and the result is false.
  virtual bool LoadFromStream(const std::string& data_class, TStream& source);
  // Clear, the bytes := the file's, DataClass := its extension (with the
  // dot) in lower case, then ReadFileInfo when asked; inside
  // BeginChange/EndChange. On failure the object is cleared and the result
  // is false.
  virtual bool LoadFromFile(const std::string& file_name, bool read_file_info);
  // As LoadFromFile, but the bytes stay in the file (file_source.h) and are
  // read from it only when they are written somewhere; Size is the file's
  // size then, whether or not the file's facts are read.
  bool LinkToFile(const std::string& file_name, bool read_file_info);
  // Version, Size and TimeStamp of the file, from FileFactsReader.
  void ReadFileInfo(const std::string& file_name);

  // The bytes := all of source, from its start.
  void ReadFrom(TStream& source);
  // Appends the bytes to dest, a block at a time. Raises when the source or
  // dest fails.
  void WriteTo(TStream& dest) const;

  void DefineProperties(TXDefiner& definer) override;

 private:
  void ForEachBlock(const std::function<void(const uint8_t*, size_t)>& f) const;
  void ReadCData(TStream& source);
  void WriteCData(TStream& dest) const;

  TMemoryStream memory_;
  std::unique_ptr<TXByteSource> source_;
};

// Published after those of TXStreamObject: Width, Height.
class TXSizeStreamObject : public TXStreamObject {
  XS_DECLARE_CLASS(TXSizeStreamObject)
 public:
  int32_t Width = 0;
  int32_t Height = 0;

  void Clear() override;
  bool AssignFrom(const TPersistent& source) override;
  // Scales Width and Height from 96 pixels per inch to pixels_per_inch,
  // to the nearest integer.
  virtual void ScaleToScreen(int pixels_per_inch);
};

// What ReadFileInfo learns about a file.
struct TXFileFacts {
  uint16_t Version[4] = {};  // the version resource's numbers; all 0: none
  int64_t Size = -1;         // -1: the file cannot be opened
  TDateTime TimeStamp = 0;   // the modification time; 0: unknown
};
// The reader ReadFileInfo uses: the platform's file size, version resource
// and modification time. Tests may put in another.
std::function<TXFileFacts(const std::string& file_name)>& FileFactsReader();

}  // namespace xs
