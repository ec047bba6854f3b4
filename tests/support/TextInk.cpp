#include "TextInk.h"

#include "platform/TImageFont.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace textink {

bool Box::Meets(const Box& other) const {
    return x0 < other.x1 && other.x0 < x1 && y0 < other.y1 && other.y0 < y1;
}

bool Box::Inside(const Box& frame) const {
    return x0 >= frame.x0 && x1 <= frame.x1 && y0 >= frame.y0 && y1 <= frame.y1;
}

namespace {

std::string Describe(const Box& box) {
    std::ostringstream out;
    out << "(" << box.x0 << ", " << box.y0 << ")-(" << box.x1 << ", " << box.y1 << ")";
    return out.str();
}

// The screen box of a glyph quad whose corners are given before scale, rotation and placement.
Box Place(const platform::DrawCall& call, float lx0, float ly0, float lx1, float ly1) {
    const platform::DrawState& s = call.state;
    const float rad = s.rotation * float(M_PI) / 180.0f;
    const float c = std::cos(rad), sn = std::sin(rad);
    const float px = call.x + s.originX, py = call.y + s.originY;
    Box box{1e30f, 1e30f, -1e30f, -1e30f};
    for (float lx : {lx0, lx1}) {
        for (float ly : {ly0, ly1}) {
            const float sx = lx * s.scaleX, sy = ly * s.scaleY;
            const float x = px + sx * c - sy * sn, y = py + sx * sn + sy * c;
            box.x0 = std::min(box.x0, x);
            box.x1 = std::max(box.x1, x);
            box.y0 = std::min(box.y0, y);
            box.y1 = std::max(box.y1, y);
        }
    }
    return box;
}

} // namespace

std::vector<Box> GlyphBoxes(const platform::DrawCall& call) {
    std::vector<Box> boxes;
    if (call.kind != platform::DrawKind::Text || !call.font) return boxes;
    const platform::TImageFont& font = *call.font;
    float pen = 0;
    for (unsigned char ch : call.text) {
        const platform::TGlyph& g = font.Glyph(ch);
        if (g.width > 0 && g.height > 0) {
            const float x0 = pen + float(g.offsetX) - call.state.handleX;
            const float y0 = float(g.offsetY) - call.state.handleY;
            boxes.push_back(Place(call, x0, y0, x0 + float(g.width), y0 + float(g.height)));
        }
        pen += float(g.advance);
    }
    return boxes;
}

std::vector<Text> Texts(const std::vector<platform::DrawCall>& calls) {
    std::vector<Text> texts;
    for (size_t i = 0; i < calls.size(); ++i) {
        const platform::DrawCall& call = calls[i];
        if (call.kind != platform::DrawKind::Text) continue;
        const bool copy = !texts.empty() && texts.back().lastCall + 1 == i && texts.back().text == call.text;
        if (!copy) {
            texts.push_back(Text{});
            texts.back().text = call.text;
            texts.back().firstCall = i;
        }
        Text& text = texts.back();
        text.lastCall = i;
        text.body = GlyphBoxes(call);
        text.ink.insert(text.ink.end(), text.body.begin(), text.body.end());
        text.scaleX = call.state.scaleX;
        text.scaleY = call.state.scaleY;
    }
    return texts;
}

std::vector<Text> Find(const std::vector<Text>& texts, const std::string& text) {
    std::vector<Text> found;
    for (const Text& t : texts)
        if (t.text == text) found.push_back(t);
    return found;
}

std::string FirstOverlap(const std::vector<Text>& texts) {
    for (size_t a = 0; a < texts.size(); ++a)
        for (size_t b = a + 1; b < texts.size(); ++b)
            for (const Box& p : texts[a].body)
                for (const Box& q : texts[b].body)
                    if (p.Meets(q))
                        return "\"" + texts[a].text + "\" " + Describe(p) + " meets \"" + texts[b].text +
                               "\" " + Describe(q);
    return "";
}

std::string FirstOutside(const Text& text, const Box& frame) {
    for (const Box& box : text.ink)
        if (!box.Inside(frame))
            return "\"" + text.text + "\" has a glyph at " + Describe(box) + " outside " + Describe(frame);
    return "";
}

} // namespace textink
