// The OpenGL 3.3 renderer: batches textured quads into the window's back buffer, at its scale, or
// into an off-screen logical framebuffer that it presents scaled.
// Internal to the platform layer.
#pragma once

#include "platform/Renderer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// The frames of one image in one GL texture: a grid of cells, each frame with a one-pixel border
// copied from its own edge so filtering never reaches into a neighbour.
class TTexture {
public:
    unsigned id = 0;
    int width = 0, height = 0; // of the whole texture
    int frameW = 0, frameH = 0, columns = 1;
    std::vector<unsigned> versions; // of each frame's pixmap when uploaded
    std::vector<bool> opaque;       // whether every pixel of the frame has alpha 255
    // The longest run of rows [top, bottom) of each frame in which every pixel has alpha 255:
    // a picture that fades out at one edge is drawn there as an opaque one is.
    struct Rows {
        int top = 0, bottom = 0;
    };
    std::vector<Rows> opaqueRows;
    bool filtered = false, mipmapped = false;
    // Top-left texel of a frame's pixels.
    int FrameX(int frame) const { return (frame % columns) * (frameW + 2) + 1; }
    int FrameY(int frame) const { return (frame / columns) * (frameH + 2) + 1; }
    ~TTexture();
};

class TGLRenderer : public TRenderer {
public:
    TGLRenderer();
    ~TGLRenderer() override;

    // Where the frame lands in the window's drawable (drawableW x drawableH): the rectangle
    // (x, y, w, h), top-down.
    struct Placement {
        int drawableW = 0, drawableH = 0, x = 0, y = 0, w = 0, h = 0;
        bool operator==(const Placement&) const = default;
    };
    // Where frames of width x height are drawn: straight into the window's back buffer, scaled
    // into the placement's rectangle when it is not the whole drawable of the frame's size, or
    // (offscreen) into a logical framebuffer that Present scales into the window. Either starts
    // cleared to black.
    void SetTarget(int width, int height, bool offscreen, const Placement& place);
    bool Offscreen() const { return offscreen; }
    // Frames are drawn straight into the window at its scale.
    bool Scaled() const { return scaled; }
    int TargetWidth() const { return targetW; }
    int TargetHeight() const { return targetH; }

    void Draw(const DrawCall& call) override;
    void Flush() override;
    // Draws only what is read: draws are kept (see Keep) and drawn into the logical frame only
    // when something reads it (Read, or DrawKept before a picture changes), so the pixels read
    // are those of drawing every frame. For scripted runs on the fake clock, which keep a few
    // frames of thousands; such a run presents nothing.
    void SetDrawOnRead(bool on);
    bool DrawsOnRead() const { return drawOnRead; }
    // Draws the kept draws into the logical frame.
    void DrawKept();
    // Draws what is pending; an off-screen frame then goes into the window's drawable, scaled
    // into (x, y, w, h) and letterboxed in black (a scaled frame is there already; the bands
    // around (x, y, w, h) are cleared black).
    void Present(int drawableW, int drawableH, int x, int y, int w, int h);
    // The frame's pixels (alpha 255) from whichever buffer holds it, clipped; null when nothing
    // lies inside.
    PixmapRef Read(int x, int y, int w, int h);
    // The texture of an image, uploaded or refreshed as needed.
    TTexture* Texture(TImage& image);
    // Draw calls sent to GL since the renderer was made.
    long DrawnBatches() const { return drawnBatches; }

    struct Program {
        unsigned id = 0;
        int uProjection = -1;
    };

private:
    struct Vertex {
        float x, y, u, v;
        uint8_t r, g, b, a;
    };
    struct Batch {
        unsigned texture = 0;
        int blend = 0;
        int vpX = 0, vpY = 0, vpW = 0, vpH = 0;
        bool operator==(const Batch&) const = default;
    };

    static uint8_t AlphaByte(const DrawState& s);
    void DrawNow(const DrawCall& call);
    // Whether the draw sets every pixel of the target whatever was there.
    bool HidesTarget(const DrawCall& call) const;
    // Keeps a draw for the logical frame, which what is drawn now does not reach (draws are
    // drawn only on a read, or go scaled into the window): the logical frame is its framebuffer
    // plus the kept draws, which DrawKept draws into it. The draws a clear or a solid draw over
    // the whole frame hides are dropped.
    void Keep(const DrawCall& call);
    bool KeepsDraws() const { return drawOnRead || scaled; }
    // Draws go scaled into the window now, not into the logical frame.
    bool IntoWindow() const { return scaled && !drawingKept; }
    void MakeLogicalFramebuffer();
    // The bands of the drawable around (x, y, w, h), cleared black.
    void ClearBands(int drawableW, int drawableH, int x, int y, int w, int h);
    void Begin(const Batch& key);
    // texW x texH: the texture's size in texels (0 x 0 for one of a single colour, which any
    // filter samples alike).
    void Quad(const DrawState& s, float x, float y, const float local[8], const float uv[8], unsigned texture,
              float texW = 0, float texH = 0);
    void DrawImage(const DrawCall& call);
    // Draws the image's quad in horizontal slices, the opaque rows solid and the rest blended.
    bool DrawInSlices(const DrawCall& call, const TTexture& texture, const float local[8], const float uv[8]);
    void DrawText(const DrawCall& call);
    void DrawLine(const DrawCall& call);
    void DrawOval(const DrawCall& call);
    // Binds the pending batch's state for drawing into the window, scaled, or into the logical
    // frame.
    void ApplyBatchState();
    void DrawVertices(const Vertex* first, size_t count);

    Program plain, masked;
    unsigned vao = 0, vbo = 0, ibo = 0, whiteTexture = 0;
    // Sampled nearest: used for a batch whose every quad lands texel for pixel (see Quad).
    unsigned nearestSampler = 0;
    bool batchTexelExact = true;
    // The logical framebuffer: 0 while frames go straight into the window's back buffer at their
    // size; made when frames are drawn off screen, or scaled once something reads the frame.
    unsigned fbo = 0, fboColor = 0;
    bool offscreen = false;   // frames drawn into the logical framebuffer and presented scaled
    bool scaled = false;      // frames drawn straight into the window at its scale
    bool drawingKept = false; // the kept draws are being drawn into the logical frame
    Placement placement;
    int targetW = 0, targetH = 0;
    bool ready = false; // a target is set
    Batch current;
    bool haveBatch = false;
    // The texture the pending batch draws with, kept alive until it is drawn: an image may be
    // dropped right after its draw.
    std::shared_ptr<TTexture> batchTexture;
    std::vector<Vertex> vertices; // four corners per quad, clockwise from top-left
    bool drawOnRead = false;
    std::vector<DrawCall> kept; // kept draws not in the logical frame yet, in order
    long drawnBatches = 0;
    // In vertices: the vertex buffer's size, and how much of it batches have filled since it was
    // last orphaned.
    static constexpr size_t kFirstVertexCapacity = 4 * 16384;
    size_t vboCapacity = 0, vboUsed = 0, quadIndexCapacity = 0;
};

// The renderer of the open graphics mode, or null.
TGLRenderer* ActiveGLRenderer();
void SetActiveGLRenderer(TGLRenderer* renderer);
// Tells the renderer whether a GL context exists (textures can be made and freed).
void SetGLContextAlive(bool alive);

} // namespace platform
