// The OpenGL 3.3 core renderer. One shader draws every quad: texel x colour, with an alpha test for
// the mask blend. Draws with the same texture, blend and viewport are batched into one call.
#include "platform/GLRenderer.h"

#include "platform/TImageFont.h"
#include "platform/draw.h"
#include "platform/program_cache.h"
#include "platform/system.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

TGLRenderer* activeRenderer = nullptr;
bool contextAlive = false;
bool texelExactSampling = true;

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texcoord;
layout(location = 2) in vec4 colour;
uniform vec2 projection;
noperspective out vec2 uv;
flat out vec4 tint;
void main() {
    uv = texcoord;
    tint = colour;
    gl_Position = vec4(position.x * projection.x - 1.0, 1.0 - position.y * projection.y, 0.0, 1.0);
}
)";

// The mask blend's alpha test lives in a shader of its own: a discard anywhere in a shader
// slows every draw with it on a software renderer.
const char* kFragmentShader = R"(#version 330 core
noperspective in vec2 uv;
flat in vec4 tint;
uniform sampler2D image;
out vec4 fragment;
void main() {
    fragment = texture(image, uv) * tint;
}
)";

const char* kMaskFragmentShader = R"(#version 330 core
noperspective in vec2 uv;
flat in vec4 tint;
uniform sampler2D image;
out vec4 fragment;
void main() {
    vec4 c = texture(image, uv) * tint;
    if (c.a < 0.5) discard;
    fragment = c;
}
)";

unsigned Compile(GLenum type, const char* source) {
    unsigned shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    int ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        RuntimeError(std::string("Cannot compile the drawing shader: ") + log);
    }
    return shader;
}

// The program kept from an earlier run when there is one; else compiled, linked and kept.
TGLRenderer::Program Link(const std::string& name, const char* fragmentSource) {
    TGLRenderer::Program program;
    uint64_t key = ProgramKey(kVertexShader, fragmentSource);
    program.id = LoadCachedProgram(name, key);
    if (!program.id) {
        unsigned vs = Compile(GL_VERTEX_SHADER, kVertexShader);
        unsigned fs = Compile(GL_FRAGMENT_SHADER, fragmentSource);
        program.id = glCreateProgram();
        glProgramParameteri(program.id, GL_PROGRAM_BINARY_RETRIEVABLE_HINT, GL_TRUE);
        glAttachShader(program.id, vs);
        glAttachShader(program.id, fs);
        glLinkProgram(program.id);
        // Detached, the shaders go now instead of living on with the program.
        glDetachShader(program.id, vs);
        glDetachShader(program.id, fs);
        glDeleteShader(vs);
        glDeleteShader(fs);
        SaveCachedProgram(name, key, program.id);
    }
    program.uProjection = glGetUniformLocation(program.id, "projection");
    return program;
}

// Filtered sprites sample their transparent neighbours: give those texels the colour of the
// nearest opaque ones so edges show no dark fringe.
void BleedTransparentTexels(TPixmap& p) {
    std::vector<uint8_t> src = p.pixels;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                uint8_t* px = p.At(x, y);
                if (px[3] != 0) continue;
                int r = 0, g = 0, b = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= p.width || ny >= p.height) continue;
                        const uint8_t* q = &src[size_t(ny) * p.pitch + size_t(nx) * 4];
                        if (q[3] == 0 && !(q[0] | q[1] | q[2])) continue;
                        if (q[3] == 0 && pass == 0) continue;
                        r += q[0];
                        g += q[1];
                        b += q[2];
                        ++n;
                    }
                if (n) {
                    px[0] = uint8_t(r / n);
                    px[1] = uint8_t(g / n);
                    px[2] = uint8_t(b / n);
                }
            }
        src = p.pixels;
    }
}

} // namespace

TGLRenderer* ActiveGLRenderer() {
    return activeRenderer;
}
void SetActiveGLRenderer(TGLRenderer* renderer) {
    activeRenderer = renderer;
}
void SetGLContextAlive(bool alive) {
    contextAlive = alive;
}
void SetTexelExactSampling(bool on) {
    if (activeRenderer) activeRenderer->Flush();
    texelExactSampling = on;
}

TTexture::~TTexture() {
    if (id && contextAlive) glDeleteTextures(1, &id);
}

TGLRenderer::TGLRenderer() {
    plain = Link("drawing", kFragmentShader);

    glGenVertexArrays(1, &vao);
    glGenBuffers(1, &vbo);
    glGenBuffers(1, &ibo);
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, x));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, u));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), (void*)offsetof(Vertex, r));

    const uint8_t white[4] = {255, 255, 255, 255};
    glGenTextures(1, &whiteTexture);
    glBindTexture(GL_TEXTURE_2D, whiteTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);

    glGenSamplers(1, &nearestSampler);
    glSamplerParameteri(nearestSampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(nearestSampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(nearestSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(nearestSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    vertices.reserve(4 * 4096);
}

TGLRenderer::~TGLRenderer() {
    if (!contextAlive) return;
    glDeleteFramebuffers(1, &fbo);
    glDeleteTextures(1, &fboColor);
    glDeleteTextures(1, &whiteTexture);
    glDeleteSamplers(1, &nearestSampler);
    glDeleteBuffers(1, &vbo);
    glDeleteBuffers(1, &ibo);
    glDeleteVertexArrays(1, &vao);
    glDeleteProgram(plain.id);
    if (masked.id) glDeleteProgram(masked.id);
}

void TGLRenderer::SetTarget(int width, int height, bool offscreenFrame, const Placement& where) {
    bool scaledFrame = !offscreenFrame && !(where == Placement{width, height, 0, 0, width, height});
    if (ready && width == targetW && height == targetH && offscreenFrame == offscreen &&
        scaledFrame == scaled && (!scaled || where == placement))
        return;
    kept.clear(); // drawn or not, they are gone with the old target
    Flush();
    if (fbo) {
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(1, &fboColor);
        fbo = fboColor = 0;
    }
    targetW = width;
    targetH = height;
    offscreen = offscreenFrame;
    scaled = scaledFrame;
    placement = where;
    ready = true;
    if (offscreen) MakeLogicalFramebuffer();
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    haveBatch = false;
}

// Made cleared to black, as every target starts.
void TGLRenderer::MakeLogicalFramebuffer() {
    glGenTextures(1, &fboColor);
    glBindTexture(GL_TEXTURE_2D, fboColor);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, targetW, targetH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, fboColor, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        RuntimeError("Cannot create the off-screen frame buffer");
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

namespace {

// Copies a frame into its cell of the texture image, with its edge pixels repeated one pixel out.
void PlaceFrame(TPixmap& sheet, const TPixmap& frame, int x0, int y0) {
    for (int y = -1; y <= frame.height; ++y) {
        int sy = std::clamp(y, 0, frame.height - 1);
        std::memcpy(sheet.At(x0, y0 + y), frame.At(0, sy), size_t(frame.width) * 4);
        std::memcpy(sheet.At(x0 - 1, y0 + y), frame.At(0, sy), 4);
        std::memcpy(sheet.At(x0 + frame.width, y0 + y), frame.At(frame.width - 1, sy), 4);
    }
}

// Uploads a lone frame into a texture of its size plus a one-pixel border that repeats its edge
// pixels: the same texels PlaceFrame would lay out, without a copy of the picture in between.
void UploadLoneFrame(const TPixmap& frame) {
    int w = frame.width, h = frame.height;
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w + 2, h + 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, w);
    auto put = [](int x, int y, int width, int height, const uint8_t* from) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, from);
    };
    put(1, 1, w, h, frame.At(0, 0));
    put(1, 0, w, 1, frame.At(0, 0));
    put(1, h + 1, w, 1, frame.At(0, h - 1));
    put(0, 1, 1, h, frame.At(0, 0));
    put(w + 1, 1, 1, h, frame.At(w - 1, 0));
    put(0, 0, 1, 1, frame.At(0, 0));
    put(w + 1, 0, 1, 1, frame.At(w - 1, 0));
    put(0, h + 1, 1, 1, frame.At(0, h - 1));
    put(w + 1, h + 1, 1, 1, frame.At(w - 1, h - 1));
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

// The next smaller mipmap level: each texel the average of the 2 x 2 texels above it (an odd
// last row or column joins the one before it).
TPixmap HalfSize(const TPixmap& src) {
    TPixmap dst(std::max(1, src.width / 2), std::max(1, src.height / 2), true);
    for (int y = 0; y < dst.height; ++y) {
        int y0 = std::min(2 * y, src.height - 1), y1 = std::min(2 * y + 1, src.height - 1);
        for (int x = 0; x < dst.width; ++x) {
            int x0 = std::min(2 * x, src.width - 1), x1 = std::min(2 * x + 1, src.width - 1);
            const uint8_t *a = src.At(x0, y0), *b = src.At(x1, y0), *c = src.At(x0, y1), *d = src.At(x1, y1);
            uint8_t* out = dst.At(x, y);
            for (int i = 0; i < 4; ++i)
                out[i] = uint8_t((a[i] + b[i] + c[i] + d[i] + 2) / 4);
        }
    }
    return dst;
}

// Uploads every mipmap level below the bound texture's base level, made here rather than by
// glGenerateMipmap: Mesa's software renderer builds that through internal shaders that its
// shader cache never keeps, so they would be compiled anew at every start.
void UploadMipmaps(const TPixmap& base) {
    int level = 0;
    TPixmap current = HalfSize(base);
    for (;;) {
        ++level;
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, current.width, current.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, current.pixels.data());
        if (current.width == 1 && current.height == 1) break;
        current = HalfSize(current);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, level);
}

TTexture::Rows OpaqueRows(const TPixmap& frame) {
    TTexture::Rows best, run;
    for (int y = 0; y < frame.height; ++y) {
        const uint8_t* row = frame.pixels.data() + size_t(y) * size_t(frame.width) * 4;
        bool opaque = true;
        for (int x = 0; x < frame.width && opaque; ++x)
            opaque = row[x * 4 + 3] == 255;
        if (!opaque) {
            run = {y + 1, y + 1};
            continue;
        }
        run.bottom = y + 1;
        if (run.bottom - run.top > best.bottom - best.top) best = run;
    }
    return best;
}

} // namespace

TTexture* TGLRenderer::Texture(TImage& image) {
    int count = (int)image.frames.size();
    if (count == 0 || image.width <= 0 || image.height <= 0) return nullptr;
    auto& texture = image.texture;
    if (texture && (int)texture->versions.size() == count && texture->frameW == image.width &&
        texture->frameH == image.height) {
        bool upToDate = true;
        for (int f = 0; f < count && upToDate; ++f)
            upToDate = texture->versions[f] == image.frames[f]->version;
        if (upToDate) return texture.get();
    }
    Flush();
    if (!texture) {
        texture = std::make_shared<TTexture>();
        glGenTextures(1, &texture->id);
    }
    TTexture& t = *texture;
    t.frameW = image.width;
    t.frameH = image.height;
    t.columns = std::clamp(4096 / (image.width + 2), 1, count);
    int rows = (count + t.columns - 1) / t.columns;
    t.width = t.columns * (image.width + 2);
    t.height = rows * (image.height + 2);
    t.versions.assign(count, 0);
    t.opaque.assign(count, false);
    t.opaqueRows.assign(count, {});
    bool allOpaque = true;
    for (int f = 0; f < count; ++f) {
        const TPixmap& frame = ResidentFrame(image, f);
        t.versions[f] = frame.version;
        // A frame of another size leaves its cell transparent.
        if (frame.width == image.width && frame.height == image.height) t.opaqueRows[f] = OpaqueRows(frame);
        t.opaque[f] = t.opaqueRows[f].top == 0 && t.opaqueRows[f].bottom == image.height;
        allOpaque = allOpaque && t.opaque[f];
    }
    bool filtered = image.flags & IMAGE_FILTERED;
    bool mipmapped = image.flags & IMAGE_MIPMAPPED;
    t.filtered = filtered;
    t.mipmapped = mipmapped;
    // Only what a filter could blend with a transparent neighbour needs the bleed; the padding
    // between cells repeats each frame's edge, so a sheet of opaque frames has no such texel.
    bool bleed = filtered && !allOpaque;
    glBindTexture(GL_TEXTURE_2D, t.id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (count == 1 && !bleed && !mipmapped && image.frames[0]->width == image.width &&
        image.frames[0]->height == image.height) {
        UploadLoneFrame(*image.frames[0]);
    } else {
        TPixmap sheet(t.width, t.height, true);
        for (int f = 0; f < count; ++f) {
            const TPixmap& frame = *image.frames[f];
            if (frame.width == image.width && frame.height == image.height)
                PlaceFrame(sheet, frame, t.FrameX(f), t.FrameY(f));
        }
        if (bleed) BleedTransparentTexels(sheet);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, t.width, t.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     sheet.pixels.data());
        if (mipmapped) UploadMipmaps(sheet);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    if (mipmapped) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    }
    ReleaseFramePixels(image); // the texture holds them now
    return texture.get();
}

void TGLRenderer::Begin(const Batch& key) {
    if (haveBatch && key == current) return;
    Flush();
    current = key;
    haveBatch = true;
}

void TGLRenderer::ApplyBatchState() {
    const bool intoWindow = IntoWindow();
    glBindFramebuffer(GL_FRAMEBUFFER, intoWindow ? 0 : fbo);
    glEnable(GL_SCISSOR_TEST);
    if (intoWindow) {
        // The logical frame's coordinates map onto the placement through the viewport; the
        // scissor is the logical one scaled the same way.
        int bottom = placement.drawableH - (placement.y + placement.h);
        glViewport(placement.x, bottom, placement.w, placement.h);
        auto sx = [&](int v) { return placement.x + int(std::lround(double(v) * placement.w / targetW)); };
        auto sy = [&](int v) {
            return bottom + int(std::lround(double(targetH - v) * placement.h / targetH));
        };
        int x0 = sx(current.vpX), x1 = sx(current.vpX + std::max(0, current.vpW));
        int y0 = sy(current.vpY + std::max(0, current.vpH)), y1 = sy(current.vpY);
        glScissor(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
    } else {
        glViewport(0, 0, targetW, targetH);
        glScissor(current.vpX, targetH - (current.vpY + current.vpH), std::max(0, current.vpW),
                  std::max(0, current.vpH));
    }
    // The mask blend's program is linked at its first use: few screens draw with it, and the
    // first frame comes sooner without it.
    if (current.blend == BLEND_MASK && !masked.id) masked = Link("mask", kMaskFragmentShader);
    const Program& program = current.blend == BLEND_MASK ? masked : plain;
    glUseProgram(program.id);
    glUniform2f(program.uProjection, 2.0f / targetW, 2.0f / targetH);
    switch (current.blend) {
    case BLEND_MASK:
    case BLEND_SOLID:
        glDisable(GL_BLEND);
        break;
    case BLEND_LIGHT:
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_ZERO, GL_ONE);
        break;
    case BLEND_SHADE:
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_DST_COLOR, GL_ZERO, GL_ZERO, GL_ONE);
        break;
    default:
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
        break;
    }
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, current.texture);
    // Scaled, no quad lands texel for pixel.
    glBindSampler(0, !intoWindow && batchTexelExact && texelExactSampling ? nearestSampler : 0);
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
}

void TGLRenderer::Flush() {
    if (vertices.empty() || !ready) {
        vertices.clear();
        batchTexture.reset();
        return;
    }
    ApplyBatchState();
    DrawVertices(vertices.data(), vertices.size());
    vertices.clear();
    batchTexture.reset();
}

// With the vertex array and buffer bound; count is four corners per quad. Each quad's two
// triangles share two corners through an index buffer: a third fewer vertices to send and shade.
// Batches are appended behind one another in one vertex buffer, so no write lands on vertices an
// earlier draw may still read (a driver would copy them, or wait); when the buffer is full it is
// orphaned: draws still reading the old store keep it until they end. Orphaned at every frame
// instead, the software renderer would allocate and fault in a fresh store per frame.
void TGLRenderer::DrawVertices(const Vertex* first, size_t count) {
    if (vboUsed + count > vboCapacity) {
        if (count > vboCapacity) vboCapacity = std::max({count, 2 * vboCapacity, kFirstVertexCapacity});
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vboCapacity * sizeof(Vertex)), nullptr, GL_STREAM_DRAW);
        vboUsed = 0;
    }
    size_t quads = count / 4;
    if (quads > quadIndexCapacity) {
        quadIndexCapacity = std::max(quads, quadIndexCapacity * 2);
        std::vector<uint32_t> indices;
        indices.reserve(quadIndexCapacity * 6);
        for (uint32_t q = 0; q < quadIndexCapacity; ++q)
            for (uint32_t corner : {0u, 1u, 2u, 0u, 2u, 3u})
                indices.push_back(q * 4 + corner);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)), indices.data(),
                     GL_STATIC_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, GLintptr(vboUsed * sizeof(Vertex)), GLsizeiptr(count * sizeof(Vertex)),
                    first);
    glDrawElementsBaseVertex(GL_TRIANGLES, GLsizei(quads * 6), GL_UNSIGNED_INT, nullptr, GLint(vboUsed));
    vboUsed += count;
    ++drawnBatches;
}

// The alpha a quad's vertices carry.
uint8_t TGLRenderer::AlphaByte(const DrawState& s) {
    if (s.blend == BLEND_SOLID || s.blend == BLEND_MASK) return 255;
    return uint8_t(std::lround(std::clamp(s.alpha, 0.0f, 1.0f) * 255.0f));
}

namespace {

// Whether a quad covers whole pixels texel for texel: unturned, unscaled, on whole pixels and
// whole texels. Each pixel centre then falls on a texel centre, where a linear filter takes that
// texel alone: sampling it nearest gives the same pixels for less work on a software renderer.
bool TexelExact(const float pos[8], const float uv[8], float texW, float texH) {
    if (texW <= 0 || texH <= 0) return true;
    auto whole = [](float v) { return std::fabs(v - std::round(v)) < 1e-3f; };
    bool axisAligned = pos[1] == pos[3] && pos[2] == pos[4] && pos[5] == pos[7] && pos[6] == pos[0] &&
                       uv[1] == uv[3] && uv[2] == uv[4] && uv[5] == uv[7] && uv[6] == uv[0];
    if (!axisAligned) return false;
    float w = pos[2] - pos[0], h = pos[5] - pos[1];
    float tw = (uv[2] - uv[0]) * texW, th = (uv[5] - uv[1]) * texH;
    return whole(pos[0]) && whole(pos[1]) && whole(uv[0] * texW) && whole(uv[1] * texH) &&
           std::fabs(std::fabs(w) - std::fabs(tw)) < 1e-3f && std::fabs(std::fabs(h) - std::fabs(th)) < 1e-3f;
}

} // namespace

// local: four corners relative to the draw point before scale and rotation (x0 y0 x1 y1 x2 y2 x3 y3,
// clockwise from top-left); uv: their texture coordinates.
void TGLRenderer::Quad(const DrawState& s, float x, float y, const float local[8], const float uv[8],
                       unsigned texture, float texW, float texH) {
    Begin(Batch{texture, s.blend, s.viewportX, s.viewportY, s.viewportW, s.viewportH});
    if (vertices.empty()) batchTexelExact = true;
    float rad = s.rotation * float(M_PI) / 180.0f;
    float c = std::cos(rad), sn = std::sin(rad);
    float px = x + s.originX, py = y + s.originY;
    Vertex v[4];
    float pos[8];
    uint8_t a = AlphaByte(s);
    for (int i = 0; i < 4; ++i) {
        float lx = local[i * 2] * s.scaleX, ly = local[i * 2 + 1] * s.scaleY;
        pos[i * 2] = px + lx * c - ly * sn;
        pos[i * 2 + 1] = py + lx * sn + ly * c;
        v[i] = Vertex{pos[i * 2],   pos[i * 2 + 1], uv[i * 2],    uv[i * 2 + 1],
                      uint8_t(s.r), uint8_t(s.g),   uint8_t(s.b), a};
    }
    batchTexelExact = batchTexelExact && TexelExact(pos, uv, texW, texH);
    vertices.insert(vertices.end(), v, v + 4);
}

void TGLRenderer::SetDrawOnRead(bool on) {
    if (!on) DrawKept();
    drawOnRead = on;
}

void TGLRenderer::DrawKept() {
    if (kept.empty()) return;
    Flush(); // what goes into the window
    if (!fbo && scaled) MakeLogicalFramebuffer();
    std::vector<DrawCall> calls;
    calls.swap(kept);
    drawingKept = true;
    for (const DrawCall& call : calls)
        DrawNow(call);
    Flush();
    drawingKept = false;
    haveBatch = false;
}

bool TGLRenderer::HidesTarget(const DrawCall& call) const {
    if (call.kind == DrawKind::Clear) return true;
    const DrawState& s = call.state;
    if (s.blend != BLEND_SOLID || s.rotation != 0.0f || s.scaleX <= 0.0f || s.scaleY <= 0.0f) return false;
    if (s.viewportX > 0 || s.viewportY > 0 || s.viewportX + s.viewportW < targetW ||
        s.viewportY + s.viewportH < targetH)
        return false;
    float handleX = s.handleX, handleY = s.handleY;
    if (call.kind == DrawKind::Image) {
        if (!call.image || call.frame < 0 || call.frame >= (int)call.image->frames.size()) return false;
        handleX = call.handleX;
        handleY = call.handleY;
    } else if (call.kind != DrawKind::Rect) {
        return false;
    }
    float left = call.x + s.originX - handleX * s.scaleX, top = call.y + s.originY - handleY * s.scaleY;
    float right = left + call.w * s.scaleX, bottom = top + call.h * s.scaleY;
    return left <= 0.0f && top <= 0.0f && right >= float(targetW) && bottom >= float(targetH);
}

void TGLRenderer::Draw(const DrawCall& call) {
    if (!ready) return;
    if (KeepsDraws()) Keep(call);
    if (!drawOnRead) DrawNow(call);
}

void TGLRenderer::Keep(const DrawCall& call) {
    if (HidesTarget(call)) kept.clear();
    kept.push_back(call);
    // A screen that never hides its last frame would keep every draw of the run.
    constexpr size_t kMostKept = 20000;
    if (kept.size() >= kMostKept) DrawKept();
}

void TGLRenderer::DrawNow(const DrawCall& call) {
    const DrawState& s = call.state;
    static const float kWhiteUV[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    switch (call.kind) {
    case DrawKind::Clear:
        Flush();
        glBindFramebuffer(GL_FRAMEBUFFER, IntoWindow() ? 0 : fbo);
        glDisable(GL_SCISSOR_TEST);
        if (IntoWindow()) {
            // The placement only; Present keeps the bands black.
            glEnable(GL_SCISSOR_TEST);
            glScissor(placement.x, placement.drawableH - (placement.y + placement.h), placement.w,
                      placement.h);
        }
        glClearColor(call.clsR / 255.0f, call.clsG / 255.0f, call.clsB / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        haveBatch = false;
        break;
    case DrawKind::Rect: {
        float x0 = -s.handleX, y0 = -s.handleY, x1 = call.w - s.handleX, y1 = call.h - s.handleY;
        float local[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
        Quad(s, call.x, call.y, local, kWhiteUV, whiteTexture);
        break;
    }
    case DrawKind::Plot: {
        DrawState unscaled = s;
        unscaled.scaleX = unscaled.scaleY = 1;
        unscaled.rotation = 0;
        float local[8] = {0, 0, 1, 0, 1, 1, 0, 1};
        Quad(unscaled, std::floor(call.x), std::floor(call.y), local, kWhiteUV, whiteTexture);
        break;
    }
    case DrawKind::Line:
        DrawLine(call);
        break;
    case DrawKind::Oval:
        DrawOval(call);
        break;
    case DrawKind::Image:
        DrawImage(call);
        break;
    case DrawKind::Text:
        DrawText(call);
        break;
    }
}

void TGLRenderer::DrawImage(const DrawCall& call) {
    TTexture* texture = Texture(*call.image);
    if (!texture || call.frame < 0 || call.frame >= (int)texture->versions.size()) return;
    float tw = float(texture->width), th = float(texture->height);
    float fx = float(texture->FrameX(call.frame)), fy = float(texture->FrameY(call.frame));
    float u0 = (fx + call.srcX) / tw, v0 = (fy + call.srcY) / th;
    float u1 = (fx + call.srcX + call.srcW) / tw, v1 = (fy + call.srcY + call.srcH) / th;
    float x0 = -call.handleX, y0 = -call.handleY, x1 = call.w - call.handleX, y1 = call.h - call.handleY;
    float local[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
    float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
    // An opaque frame drawn at full alpha covers what lies under it: blending would read every
    // pixel under it only to weigh it by zero, so it is drawn as a solid copy, to the same pixels.
    const DrawState& s = call.state;
    if (s.blend == BLEND_ALPHA && texture->opaque[call.frame] && AlphaByte(s) == 255) {
        DrawState solid = s;
        solid.blend = BLEND_SOLID;
        Quad(solid, call.x, call.y, local, uv, texture->id, tw, th);
    } else if (s.blend == BLEND_ALPHA && AlphaByte(s) == 255 && DrawInSlices(call, *texture, local, uv)) {
    } else {
        Quad(s, call.x, call.y, local, uv, texture->id, tw, th);
    }
    batchTexture = call.image->texture;
}

bool TGLRenderer::DrawInSlices(const DrawCall& call, const TTexture& texture, const float local[8],
                               const float uv[8]) {
    // Slicing costs a batch or two; it pays only where a large area is spared the blend.
    constexpr float MIN_SOLID_AREA = 65536.0f;
    // A turned quad's slices would interpolate their texture coordinates a rounding apart from
    // the whole quad's; mip-mapped pictures mix rows in their smaller levels.
    if (texture.mipmapped || call.state.rotation != 0.0f || call.srcH <= 0.0f) return false;
    TTexture::Rows rows = texture.opaqueRows[call.frame];
    // A filter reads one texel beyond the sample, which must stay opaque; the frame's own edge
    // is repeated in its border, so only an inner end of the run gives way.
    const int margin = texture.filtered ? 1 : 0;
    if (rows.top > 0) rows.top += margin;
    if (rows.bottom < texture.frameH) rows.bottom -= margin;
    const float top = std::max(float(rows.top), call.srcY);
    const float bottom = std::min(float(rows.bottom), call.srcY + call.srcH);
    if ((bottom - top) * call.srcW < MIN_SOLID_AREA) return false;
    // Each cut lies at the same place along the quad's left and right edges, in space and texture.
    const float fy = float(texture.FrameY(call.frame)), th = float(texture.height);
    auto sliceAt = [&](float from, float to, int blend) {
        if (to <= from) return;
        const float h = local[5] - local[1];
        const float y0 = local[1] + (from - call.srcY) * h / call.srcH;
        const float y1 = local[1] + (to - call.srcY) * h / call.srcH;
        const float v0 = from == call.srcY ? uv[1] : (fy + from) / th;
        const float v1 = to == call.srcY + call.srcH ? uv[5] : (fy + to) / th;
        const float part[8] = {local[0], y0, local[2], y0, local[4], y1, local[6], y1};
        const float partUv[8] = {uv[0], v0, uv[2], v0, uv[4], v1, uv[6], v1};
        DrawState s = call.state;
        s.blend = blend;
        Quad(s, call.x, call.y, part, partUv, texture.id, float(texture.width), th);
    };
    sliceAt(call.srcY, top, BLEND_ALPHA);
    sliceAt(top, bottom, BLEND_SOLID);
    sliceAt(bottom, call.srcY + call.srcH, BLEND_ALPHA);
    return true;
}

void TGLRenderer::DrawText(const DrawCall& call) {
    const TImageFont& font = *call.font;
    if (!font.atlas) return;
    TTexture* texture = Texture(*font.atlas);
    if (!texture) return;
    const DrawState& s = call.state;
    float tw = float(texture->width), th = float(texture->height);
    float ax = float(texture->FrameX(0)), ay = float(texture->FrameY(0));
    float pen = 0;
    for (unsigned char ch : call.text) {
        const TGlyph& g = font.Glyph(ch);
        if (g.width > 0 && g.height > 0) {
            float x0 = pen + g.offsetX - s.handleX, y0 = g.offsetY - s.handleY;
            float x1 = x0 + g.width, y1 = y0 + g.height;
            float local[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
            float u0 = (ax + g.atlasX) / tw, v0 = (ay + g.atlasY) / th;
            float u1 = (ax + g.atlasX + g.width) / tw, v1 = (ay + g.atlasY + g.height) / th;
            float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
            Quad(s, call.x, call.y, local, uv, texture->id, tw, th);
        }
        pen += g.advance;
    }
    if (haveBatch && current.texture == texture->id) batchTexture = font.atlas->texture;
}

// A one-pixel-wide quad through the pixel centres of both end points.
void TGLRenderer::DrawLine(const DrawCall& call) {
    const DrawState& s = call.state;
    float rad = s.rotation * float(M_PI) / 180.0f;
    float c = std::cos(rad), sn = std::sin(rad);
    auto place = [&](float lx, float ly, float& ox, float& oy) {
        lx = (lx - s.handleX) * s.scaleX;
        ly = (ly - s.handleY) * s.scaleY;
        ox = s.originX + lx * c - ly * sn + 0.5f;
        oy = s.originY + lx * sn + ly * c + 0.5f;
    };
    float ax, ay, bx, by;
    place(call.x, call.y, ax, ay);
    place(call.w, call.h, bx, by);
    float dx = bx - ax, dy = by - ay;
    float len = std::sqrt(dx * dx + dy * dy);
    float ux = 1, uy = 0;
    if (len > 0) {
        ux = dx / len;
        uy = dy / len;
    }
    float start = -0.5f, end = len + (call.lastPixel ? 0.5f : -0.5f);
    if (end <= start) return;
    float nx = -uy * 0.5f, ny = ux * 0.5f;
    float sx0 = ax + ux * start, sy0 = ay + uy * start, ex = ax + ux * end, ey = ay + uy * end;
    DrawState unscaled = s;
    unscaled.originX = unscaled.originY = 0;
    unscaled.scaleX = unscaled.scaleY = 1;
    unscaled.rotation = 0;
    float local[8] = {sx0 + nx, sy0 + ny, ex + nx, ey + ny, ex - nx, ey - ny, sx0 - nx, sy0 - ny};
    static const float kUV[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    Quad(unscaled, 0, 0, local, kUV, whiteTexture);
}

// A filled ellipse in the rectangle (x, y, w, h), as thin quads around its centre.
void TGLRenderer::DrawOval(const DrawCall& call) {
    const DrawState& s = call.state;
    float rx = call.w / 2, ry = call.h / 2;
    float cx = rx - s.handleX, cy = ry - s.handleY;
    int segments = std::clamp(int(std::max(std::fabs(rx), std::fabs(ry)) * 2), 12, 128);
    static const float kUV[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    for (int i = 0; i < segments; ++i) {
        float a0 = 2 * float(M_PI) * i / segments, a1 = 2 * float(M_PI) * (i + 1) / segments;
        float local[8] = {cx,
                          cy,
                          cx + rx * std::cos(a0),
                          cy + ry * std::sin(a0),
                          cx + rx * std::cos(a1),
                          cy + ry * std::sin(a1),
                          cx,
                          cy};
        Quad(s, call.x, call.y, local, kUV, whiteTexture);
    }
}

void TGLRenderer::Present(int drawableW, int drawableH, int x, int y, int w, int h) {
    Flush();
    if (scaled) ClearBands(drawableW, drawableH, x, y, w, h);
    if (!offscreen) return; // the frame is already in the back buffer
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, drawableW, drawableH);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    // The frame is drawn as one quad through the drawing shader rather than blitted: Mesa's
    // software renderer blits through internal shaders its shader cache never keeps.
    glDisable(GL_BLEND);
    glUseProgram(plain.id);
    glUniform2f(plain.uProjection, 2.0f / drawableW, 2.0f / drawableH);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, fboColor);
    glBindSampler(0, 0);
    GLint filter = (w == targetW && h == targetH) ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    // The window rectangle is given top-down; the frame's rows run bottom-up in its texture.
    float x0 = float(x), y0 = float(y), x1 = float(x + w), y1 = float(y + h);
    const Vertex quad[4] = {
        {x0, y0, 0, 1, 255, 255, 255, 255},
        {x1, y0, 1, 1, 255, 255, 255, 255},
        {x1, y1, 1, 0, 255, 255, 255, 255},
        {x0, y1, 0, 0, 255, 255, 255, 255},
    };
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    DrawVertices(quad, 4);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    haveBatch = false;
}

void TGLRenderer::ClearBands(int drawableW, int drawableH, int x, int y, int w, int h) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    const int bottom = drawableH - (y + h);
    // Below, above, left and right of the placement, in GL's bottom-up rows.
    const int bands[4][4] = {{0, 0, drawableW, bottom},
                             {0, bottom + h, drawableW, drawableH - (bottom + h)},
                             {0, bottom, x, h},
                             {x + w, bottom, drawableW - (x + w), h}};
    for (const auto& band : bands) {
        if (band[2] <= 0 || band[3] <= 0) continue;
        glScissor(band[0], band[1], band[2], band[3]);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

PixmapRef TGLRenderer::Read(int x, int y, int w, int h) {
    if (!fbo && scaled) MakeLogicalFramebuffer();
    DrawKept();
    Flush();
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min(targetW, x + w), y1 = std::min(targetH, y + h);
    if (x1 <= x0 || y1 <= y0 || !ready) return nullptr;
    int rw = x1 - x0, rh = y1 - y0;
    auto pixmap = std::make_shared<TPixmap>(rw, rh, false);
    std::vector<uint8_t> rows(size_t(rw) * rh * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    if (!fbo) glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x0, targetH - y1, rw, rh, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    for (int row = 0; row < rh; ++row) {
        std::memcpy(pixmap->At(0, row), &rows[size_t(rh - 1 - row) * rw * 4], size_t(rw) * 4);
        for (int col = 0; col < rw; ++col)
            pixmap->At(col, row)[3] = 255;
    }
    return pixmap;
}

void PrecacheFrame(const ImageRef& image, int) {
    if (image && activeRenderer) activeRenderer->Texture(*image);
}

} // namespace platform
