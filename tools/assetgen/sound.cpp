// The sound effects: synthesised bells, chimes, clicks, soft whooshes, ice cracks, pops and a
// "ho ho ho", each short, faded at both ends and brought to one loudness.
#include "jobs.h"
#include "output.h"
#include "synth.h"

#include <cmath>
#include <functional>

namespace assetgen {
namespace {

// A tone gliding from f0 to f1 with an exponential decay (tau seconds) and a 2-ms attack.
void Tone(Buffer& b, double t, double dur, double f0, double f1, double amp, double tau,
          double harmonics = 0) {
    size_t start = (size_t)(t * SampleRate), len = (size_t)(dur * SampleRate);
    double phase = 0;
    for (size_t k = 0; k < len && start + k < b.size(); ++k) {
        double x = (double)k / SampleRate, u = x / dur;
        double f = f0 * std::pow(f1 / f0, u);
        phase += 2 * M_PI * f / SampleRate;
        double env = std::exp(-x / tau) * std::min(1.0, x / 0.002) * std::min(1.0, (dur - x) / 0.004);
        double s = std::sin(phase) + harmonics * (0.5 * std::sin(2 * phase) + 0.25 * std::sin(3 * phase));
        b.l[start + k] += (float)(amp * env * s);
    }
}

// Filtered noise with an envelope: lowpass and highpass cutoffs, or a band around `band`.
void Noise(Buffer& b, double t, double dur, double amp, double tau, double lp, double hp, uint64_t seed,
           double band = 0, double q = 1, double attack = 0.002) {
    Rng rng(seed);
    std::vector<float> s((size_t)(dur * SampleRate));
    for (float& v : s)
        v = (float)rng.Uniform(-1, 1);
    if (band > 0) BandPass(s, band, q);
    if (lp > 0) {
        LowPass(s, lp);
        LowPass(s, lp);
    }
    if (hp > 0) HighPass(s, hp);
    size_t start = (size_t)(t * SampleRate);
    for (size_t k = 0; k < s.size() && start + k < b.size(); ++k) {
        double x = (double)k / SampleRate;
        double env = std::exp(-x / tau) * std::min(1.0, x / attack) * std::min(1.0, (dur - x) / 0.005);
        b.l[start + k] += (float)(amp * env * s[k]);
    }
}

// A swell of noise through a band that sweeps from f0 to f1 (wind, whooshes).
void Whoosh(Buffer& b, double t, double dur, double f0, double f1, double amp, uint64_t seed) {
    Rng rng(seed);
    size_t start = (size_t)(t * SampleRate), len = (size_t)(dur * SampleRate);
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t k = 0; k < len && start + k < b.size(); ++k) {
        double u = (double)k / len;
        double f = f0 * std::pow(f1 / f0, u);
        double w = 2 * M_PI * f / SampleRate, alpha = std::sin(w) / (2 * 1.2);
        double a0 = 1 + alpha, a1 = -2 * std::cos(w), a2 = 1 - alpha;
        double x = rng.Uniform(-1, 1);
        double y = (alpha * x - alpha * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        double env = std::sin(M_PI * std::pow(u, 0.7));
        b.l[start + k] += (float)(amp * env * env * y * 3);
    }
}

Buffer Finish(Buffer b, double level = 0.16) {
    FadeEnds(b, 1.5, std::max(8.0, b.size() * 120.0 / SampleRate)); // the last 12 % fades out
    Normalise(b, level);
    return b;
}

double Note(const char* name) {
    // "C6", "F#5": note name to frequency.
    static const int semis[] = {9, 11, 0, 2, 4, 5, 7};
    int n = semis[name[0] - 'A'];
    int i = 1;
    if (name[i] == '#') ++n, ++i;
    if (name[i] == 'b') --n, ++i;
    return MidiFreq(12 * (name[i] - '0' + 1) + n);
}

// ---- The effects. ----

Buffer ButtonClick() {
    Buffer b(0.07);
    Tone(b, 0, 0.07, 2600, 2300, 0.6, 0.012);
    Tone(b, 0, 0.07, 5200, 5000, 0.2, 0.006);
    Noise(b, 0, 0.02, 0.35, 0.004, 0, 2000, 1);
    return Finish(b, 0.15);
}

Buffer ButtonHover() {
    Buffer b(0.05);
    Tone(b, 0, 0.05, 3400, 3600, 0.5, 0.012);
    return Finish(b, 0.09);
}

Buffer Click(bool reverse) {
    Buffer b(0.07);
    double f0 = reverse ? 2400 : 1600, f1 = reverse ? 1500 : 2500;
    Tone(b, 0, 0.07, f0, f1, 0.6, 0.018, 0.4);
    Noise(b, 0, 0.015, 0.3, 0.003, 0, 3000, 2);
    return Finish(b, 0.14);
}

Buffer Invalid() {
    Buffer b(0.26);
    for (double t : {0.0, 0.12}) {
        Tone(b, t, 0.11, 196, 180, 0.5, 0.06, 1.2);
    }
    LowPass(b.l, 1800);
    return Finish(b);
}

Buffer Swap() {
    Buffer b(0.22);
    Whoosh(b, 0, 0.22, 500, 2600, 0.8, 3);
    return Finish(b, 0.12);
}

Buffer Failed() {
    Buffer b(0.34);
    Whoosh(b, 0, 0.2, 2400, 600, 0.7, 4);
    Tone(b, 0.16, 0.18, 440, 330, 0.45, 0.08, 0.5);
    return Finish(b, 0.13);
}

Buffer IceCrack(uint64_t seed, double len) {
    Buffer b(len);
    Rng rng(seed);
    // A sharp snap, then crackles, then glassy tinkles.
    Noise(b, 0, 0.06, 1.0, 0.012, 0, 1500, seed);
    for (int i = 0; i < 9; ++i)
        Noise(b, rng.Uniform(0.01, len * 0.45), 0.03, rng.Uniform(0.2, 0.6), 0.004, 0, 2500, seed + i + 1);
    for (int i = 0; i < 6; ++i) {
        double f = rng.Uniform(2500, 5200);
        Tone(b, rng.Uniform(0.02, len * 0.4), len * 0.5, f, f * 1.01, rng.Uniform(0.08, 0.18), 0.08);
    }
    return Finish(b);
}

Buffer Chime(std::initializer_list<const char*> notes, double spacing, double len, Voice v = Voice::Chime) {
    Buffer b(len);
    double t = 0;
    for (const char* n : notes) {
        AddNote(b, v, t, 0.2, Note(n), 0.4);
        t += spacing;
    }
    return Finish(b);
}

Buffer LockedClick() {
    Buffer b(0.16);
    Tone(b, 0, 0.16, 900, 820, 0.6, 0.03, 0.6);
    Noise(b, 0, 0.04, 0.4, 0.008, 0, 1200, 5);
    return Finish(b);
}

Buffer Unlock() {
    Buffer b(0.45);
    Noise(b, 0, 0.05, 0.7, 0.01, 0, 1800, 6);
    const char* notes[] = {"E6", "G#6", "B6", "E7"};
    for (int i = 0; i < 4; ++i)
        AddNote(b, Voice::Celesta, 0.03 + i * 0.05, 0.1, Note(notes[i]), 0.3);
    return Finish(b);
}

Buffer Land() {
    Buffer b(0.09);
    Tone(b, 0, 0.09, 180, 90, 0.9, 0.025);
    Noise(b, 0, 0.03, 0.2, 0.008, 1200, 0, 7);
    return Finish(b, 0.12);
}

Buffer LevelStart() {
    Buffer b(1.1);
    Rng rng(8);
    for (int i = 0; i < 8; ++i)
        AddJingle(b, i * 0.075, 0.5, rng);
    const char* notes[] = {"C6", "E6", "G6", "C7"};
    for (int i = 0; i < 4; ++i)
        AddNote(b, Voice::Bell, 0.1 + i * 0.1, 0.2, Note(notes[i]), 0.35);
    return Finish(b);
}

Buffer Alarm() {
    Buffer b(1.05);
    for (int i = 0; i < 4; ++i)
        AddNote(b, Voice::Bell, i * 0.25, 0.2, Note(i % 2 ? "A5" : "D6"), 0.5);
    FadeEnds(b, 1, 200);
    return Finish(b);
}

Buffer EchoPop() {
    Buffer b(0.85);
    Tone(b, 0, 0.08, 900, 300, 0.9, 0.02);
    Noise(b, 0, 0.03, 0.5, 0.006, 4000, 300, 9);
    Echo(b, 0.13, 0.5, 5);
    FadeEnds(b, 1, 150);
    return Finish(b);
}

Buffer Wind() {
    Buffer b(0.75);
    Whoosh(b, 0, 0.75, 300, 1400, 0.9, 10);
    Whoosh(b, 0.05, 0.65, 700, 2600, 0.4, 11);
    return Finish(b, 0.12);
}

Buffer ScrollRustle() {
    Buffer b(0.42);
    Rng rng(12);
    for (int i = 0; i < 14; ++i)
        Noise(b, i * 0.027 + rng.Uniform(0, 0.01), 0.05, rng.Uniform(0.3, 0.7), 0.015, 0, 0, 12 + i, 2600,
              0.8);
    return Finish(b, 0.12);
}

Buffer Explode() {
    Buffer b(0.72);
    Tone(b, 0, 0.6, 110, 38, 1.0, 0.18);
    Noise(b, 0, 0.7, 0.9, 0.12, 900, 0, 13);
    Noise(b, 0, 0.08, 0.5, 0.02, 0, 1500, 14);
    return Finish(b, 0.18);
}

Buffer StarSound() {
    Buffer b(0.55);
    const char* notes[] = {"G6", "B6", "D7", "G7", "B7"};
    for (int i = 0; i < 5; ++i)
        AddNote(b, Voice::Celesta, i * 0.035, 0.1, Note(notes[i]), 0.3);
    Whoosh(b, 0, 0.3, 3000, 9000, 0.25, 15);
    return Finish(b);
}

Buffer Brush() {
    Buffer b(0.42);
    Noise(b, 0, 0.4, 0.8, 0.1, 5000, 400, 16, 0, 1, 0.02);
    Noise(b, 0.02, 0.06, 0.5, 0.012, 0, 1800, 17);
    return Finish(b, 0.13);
}

Buffer PaintPot() {
    Buffer b(0.52);
    Whoosh(b, 0, 0.3, 400, 1800, 0.7, 18);
    Tone(b, 0.22, 0.14, 700, 1300, 0.6, 0.04);
    Noise(b, 0.22, 0.25, 0.5, 0.05, 3000, 200, 19);
    return Finish(b);
}

Buffer CrackerBang() {
    Buffer b(0.55);
    Noise(b, 0, 0.3, 1.0, 0.035, 0, 300, 20);
    Tone(b, 0, 0.2, 160, 60, 0.6, 0.05);
    Rng rng(21);
    for (int i = 0; i < 6; ++i) // paper and confetti settling
        Noise(b, 0.08 + i * 0.05, 0.04, rng.Uniform(0.1, 0.25), 0.01, 0, 0, 22 + i, 3500, 1.5);
    return Finish(b, 0.18);
}

Buffer GaugeFull() {
    Buffer b(1.1);
    const char* notes[] = {"C6", "E6", "G6", "C7", "E7", "G7"};
    for (int i = 0; i < 6; ++i)
        AddNote(b, Voice::Chime, i * 0.06, 0.2, Note(notes[i]), 0.3);
    Whoosh(b, 0, 0.6, 2000, 8000, 0.2, 23);
    FadeEnds(b, 1, 250);
    return Finish(b);
}

Buffer Magic() {
    Buffer b(0.75);
    Rng rng(24);
    for (int i = 0; i < 12; ++i) {
        double f = MidiFreq(96 - i * 2 + (int)rng.Uniform(0, 3));
        AddNote(b, Voice::Celesta, i * 0.035, 0.05, f, 0.22, 0);
    }
    FadeEnds(b, 1, 200);
    return Finish(b);
}

Buffer Tick() {
    // One tick and silence: looped, it ticks twice a second.
    Buffer b(0.5);
    Tone(b, 0.002, 0.03, 3000, 2800, 0.6, 0.006);
    Noise(b, 0.002, 0.02, 0.3, 0.003, 0, 3000, 25);
    Normalise(b, 0.1);
    return b;
}

// "Ho ho ho": a deep voice through the formants of the vowel "o", each syllable opened by breath.
Buffer HoHoHo() {
    Buffer b(2.1);
    Rng rng(26);
    for (int syl = 0; syl < 3; ++syl) {
        double t0 = 0.1 + syl * 0.55, len = 0.42;
        double pitch0 = 125 - syl * 8;
        std::vector<float> src((size_t)(len * SampleRate)), breath(src.size());
        double phase = 0;
        for (size_t k = 0; k < src.size(); ++k) {
            double u = (double)k / src.size();
            double f = pitch0 * (1.08 - 0.18 * u);
            phase += f / SampleRate;
            double saw = 2 * (phase - std::floor(phase)) - 1; // glottal buzz
            double env = std::min(1.0, u / 0.18) * std::min(1.0, (1 - u) / 0.35);
            src[k] = (float)(saw * env);
            double h = std::exp(-u * 10);
            breath[k] = (float)(rng.Uniform(-1, 1) * h * 0.6);
        }
        std::vector<float> f1 = src, f2 = src, f3 = src;
        BandPass(f1, 450, 5);
        BandPass(f2, 800, 6);
        BandPass(f3, 2600, 8);
        BandPass(breath, 1000, 0.7);
        size_t start = (size_t)(t0 * SampleRate);
        for (size_t k = 0; k < src.size(); ++k)
            b.l[start + k] += (float)(f1[k] * 1.0 + f2[k] * 0.6 + f3[k] * 0.12 + breath[k]);
    }
    LowPass(b.l, 4000);
    Echo(b, 0.09, 0.2, 2);
    FadeEnds(b, 2, 100);
    return Finish(b, 0.16);
}

// The maker's splash: a bright bell chord that rings and blooms, made to loop smoothly.
Buffer SplashSound() {
    Buffer b(3.0);
    const char* chord[] = {"G4", "D5", "G5", "B5", "D6", "G6"};
    for (int i = 0; i < 6; ++i)
        AddNote(b, Voice::Chime, 0.05 + i * 0.09, 0.3, Note(chord[i]), 0.35, 0, true);
    Rng rng(27);
    for (int i = 0; i < 10; ++i)
        AddJingle(b, 0.05 + i * 0.11, 0.35, rng, 0, true);
    for (const char* n : {"G3", "D4"})
        AddNote(b, Voice::Pad, 0, 3.0, Note(n), 0.2, 0, true);
    Normalise(b, 0.16);
    return b;
}

// The level-complete fanfare (Ogg, played once).
Buffer Fanfare() {
    Buffer b(2.6, true);
    const char* run[] = {"C5", "E5", "G5", "C6", "E6", "G6"};
    for (int i = 0; i < 6; ++i)
        AddNote(b, Voice::Bell, i * 0.09, 0.2, Note(run[i]), 0.35, -0.3 + 0.12 * i);
    for (const char* n : {"C6", "E6", "G6", "C7"})
        AddNote(b, Voice::Chime, 0.62, 1.5, Note(n), 0.3, 0.1);
    for (const char* n : {"C3", "G3", "C4"})
        AddNote(b, Voice::Bass, 0.62, 1.5, Note(n), 0.35);
    Rng rng(28);
    for (int i = 0; i < 12; ++i)
        AddJingle(b, 0.62 + i * 0.08, 0.3, rng, rng.Uniform(-0.5, 0.5));
    FadeEnds(b, 2, 600);
    Normalise(b, 0.18);
    return b;
}

void SaveWav(const std::string& name, const Buffer& b) {
    WriteFileBytes(name, WavBytes(b));
}

} // namespace

void AddSoundJobs(Jobs& jobs) {
    const std::pair<const char*, std::function<Buffer()>> effects[] = {
        {"buttonclick", ButtonClick},
        {"buttonClick", ButtonClick},
        {"buttonMO", ButtonHover},
        {"click", [] { return Click(false); }},
        {"clickrev", [] { return Click(true); }},
        {"invalid", Invalid},
        {"swap", Swap},
        {"failed", Failed},
        {"matchbrick", [] { return IceCrack(30, 0.45); }},
        {"matchnobrick",
         [] {
             return Chime({"E6", "B6"}, 0.05, 0.35, Voice::Celesta);
         }},
        {"lockedclick", LockedClick},
        {"unlock", Unlock},
        {"land", Land},
        {"hint",
         [] {
             return Chime({"E6", "B6", "E7"}, 0.09, 0.5);
         }},
        {"levelstart", LevelStart},
        {"alarm", Alarm},
        {"echopop", EchoPop},
        {"wind", Wind},
        {"scroll", ScrollRustle},
        {"explode", Explode},
        {"star", StarSound},
        {"brush", Brush},
        {"paintpot", PaintPot},
        {"cracker", CrackerBang},
        {"gaugefull", GaugeFull},
        {"magic", Magic},
        {"tick", Tick},
        {"hohoho", HoHoHo},
    };
    for (const auto& [name, make] : effects) {
        std::string path = std::string("sound/") + name + ".wav";
        jobs.push_back({{path}, [path, make] { SaveWav(path, make()); }});
    }
    jobs.push_back({{"SplashSound.wav"}, [] { SaveWav("SplashSound.wav", SplashSound()); }});
    jobs.push_back({{"sound/levelend.ogg"},
                    [] { WriteFileBytes("sound/levelend.ogg", OggBytes(Fanfare(), 1001, 0.5f)); }});
}

} // namespace assetgen
