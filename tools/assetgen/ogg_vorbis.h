// Ogg Vorbis encoding with libvorbisenc, for the asset generator and for tests that need Ogg files
// of their own. A fixed stream serial number and comment tags that never vary, so the same
// samples always give the same bytes.
#pragma once

#include <vector>

namespace oggvorbis {

// Encodes float samples (-1..1) at `rate` frames per second with Vorbis VBR `quality`
// (-0.1..1.0): one channel when `right` is empty, else two of the same length. Throws
// std::runtime_error when the encoder refuses the settings.
std::vector<unsigned char> Encode(const std::vector<float>& left, const std::vector<float>& right, int rate,
                                  int serial, float quality);

} // namespace oggvorbis
