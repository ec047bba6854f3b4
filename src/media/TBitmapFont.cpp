// Loading the bitmap font's descriptor and measuring text with it (drawing: TBitmapFontDraw.cpp).
#include "media/TBitmapFont.h"

#include "framework/cc_files.h"
#include "framework/cc_images.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

int TBitmapFont::AutoCalcDrawOffsetY = 0;
int TBitmapFont::UseStringHeightAccurate = 0;
int TBitmapFont::UseBuggedStringHeight = 1;

namespace {

// The number written in text: blanks skipped, an optional sign, digits and a fraction; reading
// stops at the first other character; nothing readable gives 0.
double ReadNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    while (i < text.size() && std::isdigit((unsigned char)text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') ++i;
    while (i < text.size() && std::isdigit((unsigned char)text[i]))
        ++i;
    std::string number = text.substr(start, i - start);
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

// The value of the first occurrence of key in line, read from the count characters after it;
// 0 when the key is absent.
double KeyValue(const std::string& line, const std::string& key, size_t count) {
    size_t at = line.find(key);
    if (at == std::string::npos) return 0.0;
    return ReadNumber(line.substr(at + key.size(), count));
}

bool Begins(const std::string& line, const std::string& start) {
    return line.compare(0, start.size(), start) == 0;
}

// Lines end at LF; one CR before it is dropped. Text after the last LF is a line of its own.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

std::u32string TBitmapFont::Codes(const std::string& text) {
    std::u32string codes;
    codes.reserve(text.size());
    for (unsigned char c : text)
        codes.push_back(c);
    return codes;
}

TBitmapFont::TBitmapFont()
    : ID(406), width(406), height(406), xAdvance(406), xOffset(406), yOffset(406), xPos(406), yPos(406) {
    ScaleFactor = 0.0;
}

TBitmapFontPtr TBitmapFont::Create(const std::string& basePath, int flags, int yAdjust) {
    auto font = std::make_shared<TBitmapFont>();
    // The page needs its handle at the top-left; the platform's own setting is put back after.
    bool autoMid = platform::AutoMidHandleOn();
    platform::AutoMidHandle(false);
    font->Image = ccLoadBitmap(basePath + ".png", flags);
    platform::AutoMidHandle(autoMid);
    font->NumChars = 0;
    font->NumExtraChars = 0;
    platform::StreamRef stream = ccLoadFile(basePath + ".fnt");
    std::string bytes = stream->ReadAll();
    stream->Close();
    font->ReadDescriptor(bytes, yAdjust);
    if (AutoCalcDrawOffsetY == 1) font->CalcDrawOffsetY();
    return font;
}

void TBitmapFont::ReadDescriptor(const std::string& bytes, int yAdjust) {
    std::vector<std::string> lines = SplitLines(bytes);
    size_t next = 0;
    auto more = [&] { return next < lines.size(); };
    auto take = [&] { return more() ? lines[next++] : std::string(); };

    std::string first = take();
    if (platform::Upper(first.substr(0, 6)) == "SCALEF") {
        if (first.find("scaleF=") != std::string::npos) {
            ScaleFactor = KeyValue(first, "scaleF=", 4);
        } else {
            ScaleFactor = KeyValue(first, "ScaleF=", 4); // 0 without the key
        }
    } else {
        ScaleFactor = 1.0; // the first line is not read
    }
    std::string line = take();
    if (Begins(line, "info")) line = take();
    TextureW = KeyValue(line, "scaleW=", 4);
    TextureH = KeyValue(line, "scaleH=", 4);
    if (!more()) return;
    line = take();
    if (Begins(line, "page")) {
        if (!more()) return;
        line = take();
    }
    if (Begins(line, "chars")) {
        if (!more()) return;
        line = take();
    }
    while (!Begins(line, "kerning")) {
        ReadGlyph(line, yAdjust);
        if (!more()) break;
        line = take();
    }
}

void TBitmapFont::ReadGlyph(const std::string& line, int yAdjust) {
    double code = KeyValue(line, "id=", 5);
    if (code <= 0) return;
    int slot = int(code);
    if (code > 255) {
        ++NumExtraChars;
        slot = 255 + NumExtraChars;
        if (slot >= ArraySize) ExpandArrays();
    }
    ++NumChars;
    ID[slot] = int(code);
    xPos[slot] = KeyValue(line, "x=", 4);
    yPos[slot] = KeyValue(line, "y=", 4);
    width[slot] = KeyValue(line, "width=", 3);
    height[slot] = KeyValue(line, "height=", 3);
    xOffset[slot] = KeyValue(line, "xoffset=", 3);
    yOffset[slot] = KeyValue(line, "yoffset=", 3) + yAdjust;
    xAdvance[slot] = KeyValue(line, "xadvance=", 3);
}

int TBitmapFont::ExpandArrays() {
    ArraySize += 100;
    ID.resize(size_t(ArraySize));
    for (auto* array : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos})
        array->resize(size_t(ArraySize));
    return 0;
}

int TBitmapFont::FindChar(char32_t code) const {
    for (int slot = 256; slot <= 255 + NumExtraChars; ++slot)
        if (ID[size_t(slot)] == int(code)) return slot;
    return 0;
}

int TBitmapFont::Slot(char32_t code) const {
    return code <= 255 ? int(code) : FindChar(code);
}

int TBitmapFont::CalcDrawOffsetY() {
    DrawOffsetY = -int(yOffset[65]);
    return 0;
}

float TBitmapFont::CalcReducedScale(const std::string& text, int maxWidth) const {
    double w = StringWidth(Codes(text));
    return w <= maxWidth ? 1.0f : float(maxWidth / w);
}

int TBitmapFont::CalcVRAM() const {
    return ccPow2Size(platform::ImageWidth(Image)) * ccPow2Size(platform::ImageHeight(Image)) * 4;
}

int TBitmapFont::ClearCurvature() {
    CurvatureWidth = 0;
    CurvatureHeight = 0;
    return 0;
}

int TBitmapFont::SetCurvature(float curveWidth, float curveHeight) {
    CurvatureWidth = curveWidth;
    CurvatureHeight = curveHeight;
    return 0;
}

int TBitmapFont::Kill() {
    Image = nullptr;
    return 0;
}

int TBitmapFont::Precache() {
    if (Image) ccCreateFrames(Image);
    return 0;
}

int TBitmapFont::ResetHandle() {
    ChangeHandle = 0;
    HandleX = HandleY = 0;
    if (Image) platform::SetImageHandle(Image, 0, 0);
    return 0;
}

double TBitmapFont::StringWidth(const std::u32string& text) const {
    double sum = 0;
    for (char32_t c : text)
        sum += xAdvance[size_t(Slot(c))] + CharGap;
    if (sum > 0) sum -= CharGap;
    return sum * ScaleFactor;
}

float TBitmapFont::StringWidth(const std::string& text) const {
    return float(StringWidth(Codes(text)));
}

double TBitmapFont::StringHeight(const std::u32string& text) const {
    if (UseStringHeightAccurate == 1) return StringHeightAccurate(text);
    double sum = 0;
    int count = 0;
    for (char32_t c : text) {
        double h = height[size_t(Slot(c))];
        if (h > 0) {
            sum += h;
            ++count;
        }
    }
    // The average is divided by one less than the glyphs counted (an old habit the fonts' line
    // heights are tuned to); with fewer than two glyphs that would divide by zero.
    int divisor = (UseBuggedStringHeight == 1 && count >= 2) ? count - 1 : count;
    return divisor == 0 ? 0.0 : sum / divisor * ScaleFactor;
}

float TBitmapFont::StringHeight(const std::string& text) const {
    return float(StringHeight(Codes(text)));
}

double TBitmapFont::StringHeightAccurate(const std::u32string& text) const {
    double most = 0;
    for (char32_t c : text) {
        size_t s = size_t(Slot(c));
        most = std::max(most, DrawOffsetY + height[s] + yOffset[s]);
    }
    return most * ScaleFactor;
}

double TBitmapFont::StringHeightVertical(const std::u32string& text) const {
    double sum = 0;
    for (char32_t c : text) {
        size_t s = size_t(Slot(c));
        sum += c == 32 ? 0.75 * xAdvance[s] : height[s];
    }
    return sum * ScaleFactor;
}

std::string TBitmapFont::TruncateString(const std::string& text, int maxWidth) const {
    size_t n = 0;
    while (n < text.size() && StringWidth(Codes(text.substr(0, n + 1))) <= maxWidth * ScaleFactor)
        ++n;
    return text.substr(0, n);
}
