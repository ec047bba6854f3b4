#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace assetgen {

Buffer::Buffer(double seconds, bool isStereo) {
    size_t n = (size_t)std::llround(seconds * SampleRate);
    l.assign(n, 0.f);
    if (isStereo) r.assign(n, 0.f);
}

double MidiFreq(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

namespace {

struct Partial {
    double ratio, amp, decay; // decay: time constant in seconds (0: held)
};

struct Recipe {
    std::vector<Partial> partials;
    double attack, length; // seconds; length is how long the tail rings
};

// Additive voices are sums of decaying partials; the bell-like ones use a little FM instead.
const Recipe* AdditiveRecipe(Voice v) {
    static const Recipe musicBox{
        {{1, 1, 0.9}, {2, 0.35, 0.35}, {3, 0.12, 0.2}, {5.02, 0.08, 0.08}, {7.1, 0.04, 0.05}}, 0.003, 2.6};
    static const Recipe bell{
        {{1, 1, 1.2}, {2.0, 0.5, 0.8}, {2.76, 0.35, 0.5}, {5.4, 0.2, 0.25}, {8.93, 0.1, 0.12}}, 0.002, 3.5};
    static const Recipe bass{{{1, 1, 0.7}, {2, 0.3, 0.5}, {3, 0.1, 0.3}}, 0.008, 2.2};
    static const Recipe pluck{{{1, 1, 0.25}, {2, 0.45, 0.15}, {3, 0.2, 0.1}}, 0.003, 1.0};
    static const Recipe pad{{{1, 0.5, 0}, {1.003, 0.5, 0}, {2, 0.15, 0}}, 0.12, 0};
    switch (v) {
    case Voice::MusicBox:
        return &musicBox;
    case Voice::Bell:
        return &bell;
    case Voice::Bass:
        return &bass;
    case Voice::Pluck:
        return &pluck;
    case Voice::Pad:
        return &pad;
    default:
        return nullptr;
    }
}

void Put(Buffer& b, size_t i, double s, double gl, double gr, bool wrap) {
    if (i >= b.size()) {
        if (!wrap) return;
        i %= b.size();
    }
    b.l[i] += (float)(s * gl);
    if (b.stereo()) b.r[i] += (float)(s * gr);
}

} // namespace

void AddNote(Buffer& b, Voice v, double t, double dur, double freq, double amp, double pan, bool wrap) {
    size_t start = (size_t)std::llround(t * SampleRate);
    double gl = b.stereo() ? std::sqrt(0.5 * (1 - pan)) : 1, gr = std::sqrt(0.5 * (1 + pan));
    const Recipe* r = AdditiveRecipe(v);
    double seconds = r ? (v == Voice::Pad ? dur + 0.3 : r->length) : (v == Voice::Chime ? 4.0 : 2.4);
    size_t len = (size_t)(seconds * SampleRate);
    if (wrap) len = std::min(len, b.size());
    size_t fade = std::min<size_t>(len / 2, SampleRate / 25); // tails end in a fade, never a cut
    size_t releaseAt = v == Voice::Pad ? (size_t)(dur * SampleRate) : len;
    if (r) {
        // Phasor oscillators: each partial turns by a fixed complex step and decays by a fixed factor.
        struct Osc {
            double re, im, cr, ci, gain, k;
        };
        std::vector<Osc> osc;
        for (const Partial& p : r->partials) {
            double w = 2 * M_PI * freq * p.ratio / SampleRate;
            if (freq * p.ratio > SampleRate / 2.2) continue;
            osc.push_back({0, 1, std::cos(w), std::sin(w), p.amp,
                           p.decay > 0 ? std::exp(-1.0 / (p.decay * SampleRate)) : 1});
        }
        size_t attack = (size_t)(r->attack * SampleRate);
        for (size_t k = 0; k < len; ++k) {
            double s = 0;
            for (Osc& o : osc) {
                s += o.gain * o.im;
                double re = o.re * o.cr - o.im * o.ci;
                o.im = o.re * o.ci + o.im * o.cr;
                o.re = re;
                o.gain *= o.k;
            }
            double env = amp;
            if (k < attack) env *= (double)k / attack;
            if (k > releaseAt) env *= std::max(0.0, 1.0 - (double)(k - releaseAt) / (0.3 * SampleRate));
            if (k + fade > len) env *= (double)(len - k) / fade;
            Put(b, start + k, s * env, gl, gr, wrap);
        }
        return;
    }
    for (size_t k = 0; k < len; ++k) {
        double x = (double)k / SampleRate, s;
        double attack = std::min(1.0, x / 0.003);
        if (v == Voice::Celesta) {
            double index = 2.2 * std::exp(-x / 0.15);
            s = std::exp(-x / 0.6) *
                std::sin(2 * M_PI * freq * x + index * std::sin(2 * M_PI * freq * 4 * x));
        } else {
            double index = 1.5 * std::exp(-x / 0.3);
            s = std::exp(-x / 1.2) *
                std::sin(2 * M_PI * freq * x + index * std::sin(2 * M_PI * freq * 3.5 * x));
        }
        double env = amp * attack;
        if (k + fade > len) env *= (double)(len - k) / fade;
        Put(b, start + k, s * env, gl, gr, wrap);
    }
}

void AddJingle(Buffer& b, double t, double amp, Rng& rng, double pan, bool wrap) {
    // A handful of tiny bells struck a few milliseconds apart.
    for (int i = 0; i < 5; ++i) {
        double f = rng.Uniform(4200, 7800);
        double at = t + rng.Uniform(0, 0.03);
        size_t start = (size_t)std::llround(at * SampleRate);
        size_t len = SampleRate / 6;
        for (size_t k = 0; k < len; ++k) {
            double x = (double)k / SampleRate;
            double env = std::exp(-x / 0.035) * std::min(1.0, x / 0.001);
            double s =
                env * (std::sin(2 * M_PI * f * x) + 0.5 * std::sin(2 * M_PI * f * 1.47 * x)) * amp * 0.3;
            if (k + 200 > len) s *= (double)(len - k) / 200;
            Put(b, start + k, s, b.stereo() ? std::sqrt(0.5 * (1 - pan)) : 1, std::sqrt(0.5 * (1 + pan)),
                wrap);
        }
    }
}

void LowPass(std::vector<float>& s, double cutoff) {
    double a = 1 - std::exp(-2 * M_PI * cutoff / SampleRate);
    double y = 0;
    for (float& v : s) {
        y += a * (v - y);
        v = (float)y;
    }
}

void HighPass(std::vector<float>& s, double cutoff) {
    double a = 1 - std::exp(-2 * M_PI * cutoff / SampleRate);
    double y = 0;
    for (float& v : s) {
        y += a * (v - y);
        v = (float)(v - y);
    }
}

void BandPass(std::vector<float>& s, double centre, double q) {
    // Biquad band-pass (constant peak gain).
    double w = 2 * M_PI * centre / SampleRate, alpha = std::sin(w) / (2 * q);
    double b0 = alpha, b2 = -alpha, a0 = 1 + alpha, a1 = -2 * std::cos(w), a2 = 1 - alpha;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& v : s) {
        double x = v;
        double y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        v = (float)y;
    }
}

void FadeEnds(Buffer& b, double inMs, double outMs) {
    size_t in = (size_t)(inMs * SampleRate / 1000), out = (size_t)(outMs * SampleRate / 1000);
    for (std::vector<float>* ch : {&b.l, &b.r}) {
        size_t n = ch->size();
        for (size_t i = 0; i < std::min(in, n); ++i)
            (*ch)[i] *= (float)i / in;
        for (size_t i = 0; i < std::min(out, n); ++i)
            (*ch)[n - 1 - i] *= (float)i / out;
    }
}

void Normalise(Buffer& b, double targetRms, double peak) {
    // Loudness over the loudest 100 ms window, so short and long sounds match.
    size_t win = SampleRate / 10, n = b.size();
    double best = 0, maxAbs = 0;
    for (size_t s = 0; s < n; s += win / 2) {
        double sum = 0;
        size_t e = std::min(n, s + win);
        for (size_t i = s; i < e; ++i) {
            double v = b.l[i] * b.l[i] + (b.stereo() ? b.r[i] * b.r[i] : 0);
            sum += b.stereo() ? v / 2 : v;
        }
        best = std::max(best, std::sqrt(sum / std::max<size_t>(1, e - s)));
    }
    for (size_t i = 0; i < n; ++i)
        maxAbs = std::max({maxAbs, (double)std::fabs(b.l[i]), b.stereo() ? (double)std::fabs(b.r[i]) : 0.0});
    if (best <= 0 || maxAbs <= 0) return;
    double gain = std::min(targetRms / best, peak / maxAbs);
    for (float& v : b.l)
        v = (float)(v * gain);
    for (float& v : b.r)
        v = (float)(v * gain);
}

void Echo(Buffer& b, double delay, double gain, int taps, bool wrap) {
    size_t d = (size_t)(delay * SampleRate);
    for (std::vector<float>* ch : {&b.l, &b.r}) {
        if (ch->empty()) continue;
        std::vector<float> dry = *ch;
        size_t n = ch->size();
        double g = gain;
        for (int t = 1; t <= taps; ++t, g *= gain)
            for (size_t i = 0; i < n; ++i) {
                size_t j = i + d * t;
                if (j >= n) {
                    if (!wrap) break;
                    j %= n;
                }
                (*ch)[j] += (float)(dry[i] * g);
            }
    }
}

namespace {
void Put16(std::vector<unsigned char>& out, int v) {
    out.push_back((unsigned char)(v & 255));
    out.push_back((unsigned char)((v >> 8) & 255));
}
void Put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back((unsigned char)((v >> (8 * i)) & 255));
}
int ToPcm(float v) {
    return (int)std::lround(std::clamp(v, -1.f, 1.f) * 32767);
}
} // namespace

std::vector<unsigned char> WavBytes(const Buffer& b) {
    // The plain 44-byte header: RIFF, a 16-byte "fmt " chunk for 16-bit PCM, then "data".
    int channels = b.stereo() ? 2 : 1;
    uint32_t dataBytes = (uint32_t)(b.size() * channels * 2);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    for (char c : std::string("RIFF"))
        out.push_back((unsigned char)c);
    Put32(out, 36 + dataBytes);
    for (char c : std::string("WAVEfmt "))
        out.push_back((unsigned char)c);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, channels);
    Put32(out, SampleRate);
    Put32(out, SampleRate * channels * 2);
    Put16(out, channels * 2);
    Put16(out, 16);
    for (char c : std::string("data"))
        out.push_back((unsigned char)c);
    Put32(out, dataBytes);
    for (size_t i = 0; i < b.size(); ++i) {
        Put16(out, ToPcm(b.l[i]));
        if (channels == 2) Put16(out, ToPcm(b.r[i]));
    }
    return out;
}

} // namespace assetgen
