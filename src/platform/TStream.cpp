// Streams: little-endian numbers and CR LF lines over memory buffers and files.
#include "platform/TStream.h"

#include "platform/files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// A stream over a regular file. The position and size are tracked here, so Eof needs no
// system call and switching between reading and writing re-seeks as stdio requires. A read that
// comes back short marks the end as well: the file may have shrunk since it was opened.
class TFileStream : public TStream {
public:
    TFileStream(FILE* f, long fileSize) : file(f), size(fileSize) {}
    ~TFileStream() override { Close(); }

    bool Eof() const override { return endReached || pos >= size; }
    long Pos() const override { return pos; }
    long Size() const override { return size; }

    long Seek(long p) override {
        p = std::clamp(p, 0L, size);
        if (file && std::fseek(file, p, SEEK_SET) == 0) pos = p;
        last = Op::None;
        endReached = false;
        return pos;
    }

    bool Close() override {
        if (file && std::fclose(file) != 0) failed = true;
        file = nullptr;
        return !failed;
    }

    bool Failed() const override { return failed; }

    long Read(void* buffer, long n) override {
        if (!file || n <= 0) return 0;
        if (last == Op::Write) std::fseek(file, pos, SEEK_SET);
        last = Op::Read;
        long got = long(std::fread(buffer, 1, size_t(n), file));
        pos += got;
        if (got < n) endReached = true;
        return got;
    }

    long Write(const void* buffer, long n) override {
        if (n <= 0) return 0;
        if (!file) {
            failed = true;
            return 0;
        }
        if (last == Op::Read) std::fseek(file, pos, SEEK_SET);
        last = Op::Write;
        long put = long(std::fwrite(buffer, 1, size_t(n), file));
        pos += put;
        endReached = false;
        size = std::max(size, pos);
        if (put < n) failed = true;
        return put;
    }

private:
    enum class Op { None, Read, Write };
    FILE* file;
    long size;
    long pos = 0;
    bool failed = false;
    bool endReached = false;
    Op last = Op::None;
};

// The game names some streams "littleendian::" + path. Every stream is little-endian already, so
// the prefix only asks for what is given anyway: the file is the path after it.
std::string FilePart(const std::string& path) {
    static const std::string prefix = "littleendian::";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
}

// Opens a regular file only: O_NONBLOCK keeps a FIFO or device from hanging the open.
StreamRef OpenStream(const std::string& path, int flags, const char* mode) {
    int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* file = fdopen(fd, mode);
    if (!file) {
        close(fd);
        return nullptr;
    }
    return std::make_shared<TFileStream>(file, long(st.st_size));
}

} // namespace

void TStream::ReadExactly(void* buffer, long n) {
    if (n > 0 && Read(buffer, n) < n) throw TStreamReadError("Read past the end of the stream");
}

namespace {

uint64_t DecodeLittleEndian(const unsigned char* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; i--)
        value = (value << 8) | bytes[i];
    return value;
}

void EncodeLittleEndian(unsigned char* bytes, uint64_t value, int count) {
    for (int i = 0; i < count; i++, value >>= 8)
        bytes[i] = (unsigned char)(value & 0xFF);
}

} // namespace

int TStream::ReadByte() {
    unsigned char b[1];
    ReadExactly(b, 1);
    return b[0];
}

int TStream::ReadShort() {
    unsigned char b[2];
    ReadExactly(b, 2);
    return int(DecodeLittleEndian(b, 2));
}

int TStream::ReadInt() {
    unsigned char b[4];
    ReadExactly(b, 4);
    return int32_t(uint32_t(DecodeLittleEndian(b, 4)));
}

float TStream::ReadFloat() {
    unsigned char b[4];
    ReadExactly(b, 4);
    auto bits = uint32_t(DecodeLittleEndian(b, 4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double TStream::ReadDouble() {
    unsigned char b[8];
    ReadExactly(b, 8);
    uint64_t bits = DecodeLittleEndian(b, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string TStream::ReadLine() {
    std::string line;
    char c;
    while (Read(&c, 1) == 1) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        line += c;
    }
    // The end of the stream ends the line as LF does.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string TStream::ReadString(int n) {
    if (n <= 0) return "";
    // A length read from a damaged file must not make a huge allocation first.
    if (n > Size() - Pos()) throw TStreamReadError("Read past the end of the stream");
    std::string s(size_t(n), '\0');
    ReadExactly(s.data(), n);
    return s;
}

std::string TStream::ReadAll() {
    std::string all;
    char buffer[65536];
    for (long n; (n = Read(buffer, sizeof buffer)) > 0;)
        all.append(buffer, size_t(n));
    return all;
}

void TStream::WriteByte(int v) {
    auto b = (unsigned char)(v & 0xFF);
    Write(&b, 1);
}

void TStream::WriteShort(int v) {
    unsigned char b[2];
    EncodeLittleEndian(b, uint16_t(v), 2);
    Write(b, 2);
}

void TStream::WriteInt(int v) {
    unsigned char b[4];
    EncodeLittleEndian(b, uint32_t(v), 4);
    Write(b, 4);
}

void TStream::WriteFloat(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    unsigned char b[4];
    EncodeLittleEndian(b, bits, 4);
    Write(b, 4);
}

void TStream::WriteDouble(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    unsigned char b[8];
    EncodeLittleEndian(b, bits, 8);
    Write(b, 8);
}

void TStream::WriteLine(const std::string& line) {
    WriteString(line + "\r\n");
}

void TStream::WriteString(const std::string& s) {
    Write(s.data(), long(s.size()));
}

long TMemoryStream::Seek(long p) {
    pos = std::clamp(p, 0L, Size());
    return pos;
}

long TMemoryStream::Read(void* buffer, long n) {
    n = std::clamp(n, 0L, Size() - pos);
    if (n > 0) std::memcpy(buffer, data.data() + pos, size_t(n));
    pos += n;
    return n;
}

long TMemoryStream::Write(const void* buffer, long n) {
    if (n <= 0) return 0;
    if (pos + n > Size()) data.resize(size_t(pos + n));
    std::memcpy(data.data() + pos, buffer, size_t(n));
    pos += n;
    return n;
}

StreamRef ReadFile(const std::string& path) {
    return OpenStream(ResolvePath(FilePart(path)), O_RDONLY, "rb");
}

StreamRef WriteFile(const std::string& path) {
    return OpenStream(WritePath(FilePart(path)), O_WRONLY | O_CREAT | O_TRUNC, "wb");
}

StreamRef OpenFile(const std::string& path, bool read, bool write) {
    if (!read && !write) return nullptr;
    std::string file = ResolvePath(FilePart(path));
    // "wb" on an existing descriptor does not truncate: writing starts over the old bytes.
    if (read && write) return OpenStream(file, O_RDWR, "r+b");
    return read ? OpenStream(file, O_RDONLY, "rb") : OpenStream(file, O_WRONLY, "wb");
}

bool LoadText(const std::string& path, std::string& out) {
    std::optional<std::string> text = ReadRegularFile(path, kMaxTextFileBytes);
    if (!text) return false;
    out = std::move(*text);
    return true;
}

} // namespace platform
