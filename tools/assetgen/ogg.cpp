// Ogg Vorbis encoding with libvorbisenc. A fixed stream serial number and no comment tags that vary,
// so the same samples always give the same file.
#include "synth.h"

#include <vorbis/vorbisenc.h>

#include <stdexcept>

namespace assetgen {

namespace {
void Append(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}
} // namespace

std::vector<unsigned char> OggBytes(const Buffer& b, int serial, float quality) {
    int channels = b.stereo() ? 2 : 1;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, SampleRate, quality) != 0)
        throw std::runtime_error("the Vorbis encoder refused its settings");
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
        Append(out, page);
    const size_t chunk = 4096;
    ogg_packet packet;
    for (size_t pos = 0;; pos += chunk) {
        size_t n = pos < b.size() ? std::min(chunk, b.size() - pos) : 0;
        if (n > 0) {
            float** buf = vorbis_analysis_buffer(&vd, (int)n);
            for (size_t i = 0; i < n; ++i) {
                buf[0][i] = b.l[pos + i];
                if (channels == 2) buf[1][i] = b.r[pos + i];
            }
        }
        vorbis_analysis_wrote(&vd, (int)n);
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

} // namespace assetgen
