// Ogg Vorbis encoding with libvorbisenc: headers first, then the samples in blocks, each page
// appended to the output as it is made.
#include "ogg_vorbis.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace oggvorbis {

namespace {
void Append(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}
} // namespace

std::vector<unsigned char> Encode(const std::vector<float>& left, const std::vector<float>& right, int rate,
                                  int serial, float quality) {
    int channels = right.empty() ? 1 : 2;
    if (channels == 2 && right.size() != left.size())
        throw std::runtime_error("the two channels differ in length");
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (rate <= 0 || vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        throw std::runtime_error("the Vorbis encoder refused its settings");
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Sleetwhistle");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);
    std::vector<unsigned char> out;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&os, &page))
        Append(out, page); // audio starts on a page of its own
    const size_t chunk = 4096;
    ogg_packet packet;
    for (size_t pos = 0;; pos += chunk) {
        size_t n = pos < left.size() ? std::min(chunk, left.size() - pos) : 0;
        if (n > 0) {
            float** buf = vorbis_analysis_buffer(&vd, (int)n);
            for (size_t i = 0; i < n; ++i) {
                buf[0][i] = left[pos + i];
                if (channels == 2) buf[1][i] = right[pos + i];
            }
        }
        vorbis_analysis_wrote(&vd, (int)n); // 0 ends the stream
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (ogg_stream_pageout(&os, &page))
                    Append(out, page);
            }
        }
        if (n == 0) break;
    }
    while (ogg_stream_flush(&os, &page))
        Append(out, page);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

} // namespace oggvorbis
