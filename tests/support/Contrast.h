// How well a player can read a draw on its frame: the contrast, as the accessibility guidelines
// reckon it from relative luminance, between the letters and the pixels right around them. The
// letters are where the draw, replayed alone, covers the frame fully; around them is the band one
// pixel wide just outside its ink. Around a text with an outline or a shadow lies that outline
// or shadow; around a bare text, the picture behind it.
#pragma once

#include "platform/Renderer.h"
#include "platform/TPixmap.h"

#include <string>
#include <vector>

namespace testsupport {

// How much of each pixel of an 800 x 600 frame the draw covers, 0..1, row by row.
std::vector<float> CoverageOfDraw(const platform::DrawCall& call);
// The contrast ratio (1..21) of the draws' letters against their surroundings on the frame: the
// median luminance of the letters against the median of the band around them. The draws are the
// copies of one text or picture; their coverages add up.
double ReadingContrast(const platform::PixmapRef& frame, const std::vector<platform::DrawCall>& calls);
// The draws among calls of that text, or of that picture.
std::vector<platform::DrawCall> CallsOfText(const std::vector<platform::DrawCall>& calls,
                                            const std::string& text);
std::vector<platform::DrawCall> CallsOfImage(const std::vector<platform::DrawCall>& calls,
                                             const platform::ImageRef& image);

} // namespace testsupport
