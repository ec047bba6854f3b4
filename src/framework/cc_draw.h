// Drawing shortcuts over the platform's drawing state: clearing and flipping, the neutral state,
// dimmed areas, images and rectangles with drop shadows, digit strips, and text drawn left,
// centred or right with an optional shadow whose offset and strength are global settings.
#pragma once

#include "framework/TFont.h"
#include "framework/cc_strings.h"
#include "platform/image.h"

#include <string>
#include <vector>

extern int ccFlipSync;           // sync argument of every ccFlip (-1, 0 or 1)
extern float ccShadowTextDepthX; // text shadow offset, pixels
extern float ccShadowTextDepthY;
extern float ccShadowTextAlpha; // shadow strength; drawn at ccShadowTextAlpha x ccTextAlpha
extern float ccTextAlpha;       // alpha of shadowed text itself

int ccFlip();
int ccCls(int r, int g, int b);
int ccClsNoFlip(int r, int g, int b);
int ccClsVSync(int r, int g, int b);
// Solid blend, alpha 1, white.
int ccRestoreSolidMode();
int ccMidhandle(const platform::ImageRef& image, int centre);
// Black at alpha over the area; leaves white, alpha 1 and the alpha blend.
int ccDimArea(float alpha, int x, int y, int w, int h);
int ccDimScreen(float alpha);

int ccDrawImage(const platform::ImageRef& image, float x, float y, const TShadow* shadow);
int ccDrawImageCentred(const platform::ImageRef& image, const TShadow* shadow);
// Light blend tinted by intensity x (r, g, b); leaves the alpha blend and white.
int ccDrawImageLight(const platform::ImageRef& image, float x, float y, float intensity, float r, float g,
                     float b, int frame);
int ccCopyRect(const platform::ImageRef& image, int x, int y, int w, int h, int frame);
int ccClipImageToViewport(const platform::ImageRef& image, float x, float y, float vx, float vy, float vw,
                          float vh, int offX, int offY);
int ccDrawRect(float x, float y, float w, float h, const TShadow* shadow);
int ccDrawRectOutline(int x, int y, int w, int h);

int ccDrawNumbers(const std::string& text, float x, float y, const platform::ImageRef& image, float width,
                  int centre, int snap);
int ccDrawNumbersVariableWidth(const std::string& text, float x, float y, const platform::ImageRef& image,
                               const std::vector<int>& widths, const std::vector<int>& offsets, float spacing,
                               int centre, int snap, float scale);
float ccDrawNumbersVariableWidthCalcWidth(const std::string& text, const std::vector<int>& widths,
                                          const std::vector<int>& offsets, float spacing, float scale);

int ccDrawText(const std::string& text, float x, float y, int shadow, int snap);
// align 0 left, 1 centred, 2 right; anything else draws nothing.
int ccDrawTextAligned(const std::string& text, float x, float y, int shadow, int align, int snap);
int ccDrawTextCentred(const std::string& text, float x, float y, int shadow, int snap);
int ccDrawTextCentredRoundX(const std::string& text, float x, float y, int shadow);
int ccDrawTextCentre(const std::string& text, float y, int shadow, int snap);
int ccDrawTextCentreAll(const std::string& text, int shadow, int snap);
int ccDrawTextRight(const std::string& text, float x, float y, int shadow, int snap);
// Leaves the blend as it was and the alpha at ccTextAlpha.
int ccShadowText(float x, float y, const std::string& text, int centre);
// The text drawn in the current colour at every offset up to width pixels around (x, y), placed as
// ccShadowText places it: an outline for the text drawn there next.
int ccOutlineText(float x, float y, const std::string& text, int centre, int width);
int ccShadowTextWrapped(float x, float y, const TStringArray& lines, int centre, int lineHeight);
int ccShadowTextSet(float dx, float dy, float alpha);
