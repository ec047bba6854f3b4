// Ogg Vorbis encoding with libvorbisenc: headers first, then the samples in blocks, each page
// appended to the output as it is made.
#include "platform/ogg_encode.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace platform {
namespace {

// A fixed stream serial number keeps the output byte-identical from run to run.
constexpr int kSerial = 0x5357;
constexpr int kBlockFrames = 4096;

struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (dspReady) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

void Append(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
}

void WriteHeaders(Encoder& e, std::string& out) {
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &id, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &id);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page))
        Append(out, page); // audio starts on a page of its own
}

// Hands blocks the analysis has finished to the stream and collects full pages.
void Drain(Encoder& e, std::string& out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        vorbis_analysis(&e.block, nullptr);
        vorbis_bitrate_addblock(&e.block);
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet)) {
            ogg_stream_packetin(&e.stream, &packet);
            while (ogg_stream_pageout(&e.stream, &page))
                Append(out, page);
        }
    }
}

void Submit(Encoder& e, const std::vector<int16_t>& pcm, int channels, size_t first, size_t frames) {
    float** buffer = vorbis_analysis_buffer(&e.dsp, int(frames));
    for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            buffer[c][f] = pcm[(first + f) * channels + c] / 32768.0f;
    vorbis_analysis_wrote(&e.dsp, int(frames));
}

} // namespace

bool EncodeOggVorbis(const std::vector<int16_t>& pcm, int channels, int rate, float quality,
                     std::string& outBytes) {
    outBytes.clear();
    if ((channels != 1 && channels != 2) || rate <= 0) return false;
    Encoder e;
    if (vorbis_encode_init_vbr(&e.info, channels, rate, std::clamp(quality, -0.1f, 1.0f)) != 0) return false;
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.stream, kSerial);
    e.dspReady = true;

    WriteHeaders(e, outBytes);
    size_t frames = pcm.size() / size_t(channels);
    for (size_t first = 0; first < frames; first += kBlockFrames) {
        Submit(e, pcm, channels, first, std::min<size_t>(kBlockFrames, frames - first));
        Drain(e, outBytes);
    }
    vorbis_analysis_wrote(&e.dsp, 0); // end of stream
    Drain(e, outBytes);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page))
        Append(outBytes, page);
    return true;
}

} // namespace platform
