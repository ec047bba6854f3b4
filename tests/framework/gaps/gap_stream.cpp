// TEMPORARY stand-in (see gaps.h).
#include "gaps.h"
#include "platform/TStream.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace platform {

SW_GAP void TStream::ReadExactly(void* buffer, long n) {
    if (Read(buffer, n) != n) throw TStreamReadError("read past the end");
}
SW_GAP int TStream::ReadByte() {
    uint8_t b;
    ReadExactly(&b, 1);
    return b;
}
SW_GAP int TStream::ReadInt() {
    int32_t v;
    ReadExactly(&v, 4);
    return v;
}
SW_GAP std::string TStream::ReadLine() {
    std::string line;
    char c;
    while (Read(&c, 1) == 1 && c != '\n')
        line += c;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}
SW_GAP std::string TStream::ReadAll() {
    std::string out;
    char c;
    while (Read(&c, 1) == 1)
        out += c;
    return out;
}
SW_GAP void TStream::WriteByte(int v) {
    uint8_t b = uint8_t(v);
    Write(&b, 1);
}
SW_GAP void TStream::WriteShort(int v) {
    uint16_t s = uint16_t(v);
    Write(&s, 2);
}
SW_GAP void TStream::WriteInt(int v) {
    int32_t i = v;
    Write(&i, 4);
}
SW_GAP void TStream::WriteLine(const std::string& line) {
    WriteString(line + "\r\n");
}
SW_GAP void TStream::WriteString(const std::string& s) {
    Write(s.data(), long(s.size()));
}

SW_GAP long TMemoryStream::Seek(long p) {
    pos = std::max(0L, std::min(p, long(data.size())));
    return pos;
}
SW_GAP long TMemoryStream::Read(void* buffer, long n) {
    long k = std::max(0L, std::min(n, long(data.size()) - pos));
    std::memcpy(buffer, data.data() + pos, size_t(k));
    pos += k;
    return k;
}
SW_GAP long TMemoryStream::Write(const void* buffer, long n) {
    if (pos + n > long(data.size())) data.resize(size_t(pos + n));
    std::memcpy(data.data() + pos, buffer, size_t(n));
    pos += n;
    return n;
}

namespace {

class TGapFileStream : public TStream {
public:
    explicit TGapFileStream(FILE* f) : file(f) {}
    ~TGapFileStream() override { Close(); }
    bool Eof() const override { return Pos() >= Size(); }
    long Pos() const override { return file ? std::ftell(file) : 0; }
    long Size() const override {
        if (!file) return 0;
        long here = std::ftell(file);
        std::fseek(file, 0, SEEK_END);
        long size = std::ftell(file);
        std::fseek(file, here, SEEK_SET);
        return size;
    }
    long Seek(long p) override {
        std::fseek(file, std::max(0L, std::min(p, Size())), SEEK_SET);
        return Pos();
    }
    bool Close() override {
        if (file && std::fclose(file) != 0) failed = true;
        file = nullptr;
        return !failed;
    }
    bool Failed() const override { return failed; }
    long Read(void* buffer, long n) override { return long(std::fread(buffer, 1, size_t(n), file)); }
    long Write(const void* buffer, long n) override {
        std::fseek(file, 0, SEEK_CUR);
        long k = long(std::fwrite(buffer, 1, size_t(n), file));
        if (k != n) failed = true;
        return k;
    }

private:
    FILE* file;
    bool failed = false;
};

StreamRef Open(const std::string& path, const char* mode) {
    if (std::filesystem::is_directory(path)) return nullptr;
    FILE* f = std::fopen(path.c_str(), mode);
    return f ? std::make_shared<TGapFileStream>(f) : nullptr;
}

} // namespace

SW_GAP StreamRef ReadFile(const std::string& path) {
    return Open(path, "rb");
}
SW_GAP StreamRef WriteFile(const std::string& path) {
    return Open(path, "wb");
}
SW_GAP StreamRef OpenFile(const std::string& path, bool read, bool write) {
    if (!std::filesystem::exists(path)) return nullptr;
    return Open(path, write ? "r+b" : "rb");
}

SW_GAP bool LoadText(const std::string& path, std::string& out) {
    if (std::filesystem::is_directory(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

SW_GAP bool SaveTextAtomic(const std::string& path, const std::string& bytes) {
    std::string tmp = path + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

} // namespace platform
