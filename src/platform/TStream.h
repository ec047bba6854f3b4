// Byte streams over files and memory. Numbers are little-endian; lines are 8-bit text written
// with CR LF and read up to LF, dropping one CR before it.
// Reading past the end raises TStreamReadError, so a truncated file never reads as zeros.
#pragma once

#include "platform/system.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class TStreamReadError : public TRuntimeError {
public:
    using TRuntimeError::TRuntimeError;
};

class TStream {
public:
    virtual ~TStream() = default;

    int ReadByte();    // 0..255
    int ReadShort();   // 16-bit unsigned
    int ReadInt();     // 32-bit signed
    float ReadFloat(); // IEEE-754 single
    double ReadDouble();
    // Up to LF or the end of the stream, with one CR before either dropped.
    std::string ReadLine();
    // Exactly n bytes.
    std::string ReadString(int n);
    // Everything from the current position to the end.
    std::string ReadAll();

    void WriteByte(int v);
    void WriteShort(int v);
    void WriteInt(int v);
    void WriteFloat(float v);
    void WriteDouble(double v);
    // The text followed by CR LF.
    void WriteLine(const std::string& line);
    void WriteString(const std::string& s);

    // True at the position of the size, or once a read came back short (a file may shrink).
    virtual bool Eof() const = 0;
    virtual long Pos() const = 0;
    virtual long Size() const = 0;
    // Moves to pos (clamped to 0..Size()); returns the new position.
    virtual long Seek(long pos) = 0;
    // Flushes and closes; false when a write failed at any time (the data did not all land).
    virtual bool Close() = 0;
    // True once a write has failed.
    virtual bool Failed() const = 0;

    // Raw access: reads up to n bytes, returns how many were read.
    virtual long Read(void* buffer, long n) = 0;
    // Writes n bytes; returns how many were written.
    virtual long Write(const void* buffer, long n) = 0;

protected:
    void ReadExactly(void* buffer, long n);
};

using StreamRef = std::shared_ptr<TStream>;

// A stream over a byte buffer in memory (grows on write).
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : data(std::move(bytes)) {}
    const std::string& Bytes() const { return data; }

    bool Eof() const override { return pos >= (long)data.size(); }
    long Pos() const override { return pos; }
    long Size() const override { return (long)data.size(); }
    long Seek(long p) override;
    bool Close() override { return true; }
    bool Failed() const override { return false; }
    long Read(void* buffer, long n) override;
    long Write(const void* buffer, long n) override;

private:
    std::string data;
    long pos = 0;
};

// The opening functions accept the path with a "littleendian::" prefix, which names the same file.
// Opens an existing file for reading; null when it cannot be opened.
StreamRef ReadFile(const std::string& path);
// Creates or truncates a file for writing; null when it cannot be created.
StreamRef WriteFile(const std::string& path);
// Opens an existing file (never creates one); null when missing or not openable that way.
StreamRef OpenFile(const std::string& path, bool read = true, bool write = true);

// The largest text file LoadText reads.
constexpr size_t kMaxTextFileBytes = size_t(16) << 20;
// Whole-file helpers; LoadText returns false when the file is missing, not a regular file,
// larger than kMaxTextFileBytes or unreadable.
bool LoadText(const std::string& path, std::string& out);
// Writes through a temporary file in the same folder, synced to disk and renamed over the target,
// so the old copy survives any failure. A symbolic link in path's place is replaced by the file,
// never written through, so the save never writes outside path's folder. A target without write
// permission, or one that is not a regular file (a folder, device or FIFO), is not replaced
// (false). Temporary files of the same target left by a killed run are removed first. Returns
// false when anything failed.
bool SaveTextAtomic(const std::string& path, const std::string& bytes);
// Appends bytes to the regular file at path, creating it when missing. A symbolic link in path's
// place is replaced by a new file, never written through; anything else that is not a regular
// file is left alone (false). Returns false when anything failed.
bool AppendText(const std::string& path, const std::string& bytes);

} // namespace platform
