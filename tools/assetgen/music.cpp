// The nine looping pieces: traditional carols in the public domain, played on a music box and bells
// over a plucked bass and soft chords. Each piece is rendered on a circle (note tails that run past
// the end continue at the start), so it loops without a gap or a click.
#include "jobs.h"
#include "output.h"
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace assetgen {
namespace {

struct Tune {
    const char* notes; // "NOTE/BEATS" tokens, "R" for a rest, "|" between bars (ignored)
    int meter;         // beats per bar
    bool minor;
    int tonic; // pitch class of the key (0 = C)
};

struct MelodyNote {
    double beat, beats;
    int midi; // -1 for a rest
};

int ParseMidi(const std::string& name) {
    static const int semis[] = {9, 11, 0, 2, 4, 5, 7};
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') throw std::runtime_error("bad note " + name);
    size_t i = 1;
    int n = semis[name[0] - 'A'];
    if (name[i] == '#')
        ++n, ++i;
    else if (name[i] == 'b')
        --n, ++i;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') throw std::runtime_error("bad note " + name);
    return 12 * (name[i] - '0' + 1) + n;
}

std::vector<MelodyNote> Parse(const Tune& tune, double& totalBeats) {
    std::vector<MelodyNote> out;
    std::string text = tune.notes;
    std::replace(text.begin(), text.end(), '|', ' '); // bar lines are only for the reader
    std::istringstream in(text);
    std::string tok;
    double beat = 0;
    while (in >> tok) {
        size_t slash = tok.find('/');
        double beats = slash == std::string::npos ? 1 : std::stod(tok.substr(slash + 1));
        std::string name = tok.substr(0, slash);
        out.push_back({beat, beats, name == "R" ? -1 : ParseMidi(name)});
        beat += beats;
    }
    if (std::fmod(beat, tune.meter) > 1e-9) throw std::runtime_error("a tune does not fill its last bar");
    totalBeats = beat;
    return out;
}

// Picks a chord for each bar from the notes sung in it (longer notes and the downbeat count more).
std::vector<std::vector<int>> Harmonise(const Tune& tune, const std::vector<MelodyNote>& melody,
                                        double totalBeats) {
    struct Chord {
        std::vector<int> tones; // semitones above the tonic, root first
        double prior;
    };
    // Major: I, IV, V, V7, vi, ii. Minor: i, iv, V, V7, III, VI, VII.
    std::vector<Chord> major = {{{0, 4, 7}, 0.35},    {{5, 9, 0}, 0.15}, {{7, 11, 2}, 0.25},
                                {{7, 11, 2, 5}, 0.2}, {{9, 0, 4}, 0.08}, {{2, 5, 9}, -0.1}};
    std::vector<Chord> minor = {{{0, 3, 7}, 0.35},     {{5, 8, 0}, 0.15}, {{7, 11, 2}, 0.25},
                                {{7, 11, 2, 5}, 0.15}, {{3, 7, 10}, 0.1}, {{8, 0, 3}, 0.1},
                                {{10, 2, 5}, 0.1}};
    const std::vector<Chord>& chords = tune.minor ? minor : major;
    int bars = (int)std::lround(totalBeats / tune.meter);
    std::vector<std::vector<int>> result;
    for (int bar = 0; bar < bars; ++bar) {
        double from = bar * tune.meter, to = from + tune.meter;
        size_t best = 0;
        double bestScore = -1;
        for (size_t c = 0; c < chords.size(); ++c) {
            double score = chords[c].prior;
            for (const MelodyNote& n : melody) {
                if (n.midi < 0 || n.beat < from - 1e-9 || n.beat >= to - 1e-9) continue;
                int pc = ((n.midi - tune.tonic) % 12 + 12) % 12;
                bool in =
                    std::find(chords[c].tones.begin(), chords[c].tones.end(), pc) != chords[c].tones.end();
                double weight = n.beats + (std::fabs(n.beat - from) < 1e-9 ? 1.0 : 0);
                score += in ? weight : -0.5 * weight;
            }
            if (bar == bars - 1 && c == 0) score += 2; // end at home
            if (score > bestScore) bestScore = score, best = c;
        }
        result.push_back(chords[best].tones);
    }
    return result;
}

struct Piece {
    const char* file;
    Tune tune;
    double bpm;
    int passes;
    int transpose; // semitones added to the melody
    bool sleighBells;
    uint64_t seed;
};

Buffer Render(const Piece& p) {
    double totalBeats = 0;
    std::vector<MelodyNote> melody = Parse(p.tune, totalBeats);
    std::vector<std::vector<int>> chords = Harmonise(p.tune, melody, totalBeats);
    double spb = 60.0 / p.bpm;
    double passLen = totalBeats * spb;
    Buffer b(passLen * p.passes, true);
    Rng rng(p.seed);
    int meter = p.tune.meter;
    for (int pass = 0; pass < p.passes; ++pass) {
        double t0 = pass * passLen;
        bool bright = pass % 2 == 1;
        // The tune: music box first, bells an octave up on the repeat.
        for (const MelodyNote& n : melody) {
            if (n.midi < 0) continue;
            int midi = n.midi + p.transpose + (bright ? 12 : 0);
            double t = t0 + n.beat * spb;
            AddNote(b, bright ? Voice::Bell : Voice::MusicBox, t, n.beats * spb, MidiFreq(midi),
                    bright ? 0.30 : 0.42, -0.15, true);
            if (bright) AddNote(b, Voice::MusicBox, t, n.beats * spb, MidiFreq(midi - 12), 0.18, 0.1, true);
        }
        // Accompaniment, one chord per bar.
        for (size_t bar = 0; bar < chords.size(); ++bar) {
            const std::vector<int>& ch = chords[bar];
            double bt = t0 + bar * meter * spb;
            int root = 48 + p.tune.tonic + ch[0];
            if (root > 55) root -= 12;
            AddNote(b, Voice::Bass, bt, spb, MidiFreq(root - 12 + 12), 0.32, 0.05, true);
            int half = meter == 6 ? 3 : meter == 4 ? 2 : 0;
            if (half)
                AddNote(b, Voice::Bass, bt + half * spb, spb, MidiFreq(root + 7 - (root + 7 > 57 ? 12 : 0)),
                        0.24, 0.05, true);
            // Soft held chord.
            for (int tone : ch) {
                int m = 60 + p.tune.tonic + tone;
                if (m > 67) m -= 12;
                AddNote(b, Voice::Pad, bt, meter * spb * 0.95, MidiFreq(m), 0.05, 0.3, true);
            }
            // Plucked broken chord on the off-beats.
            double step = meter == 6 ? 1 : 0.5;
            int k = 0;
            for (double x = step; x < meter - 1e-9; x += step * (meter == 6 ? 1 : 2), ++k) {
                int tone = ch[(k % 2) + 1];
                int m = 64 + p.tune.tonic + tone;
                if (m > 72) m -= 12;
                AddNote(b, Voice::Pluck, bt + x * spb, step * spb, MidiFreq(m), bright ? 0.12 : 0.09, 0.35,
                        true);
            }
            if (p.sleighBells)
                for (int beat = 0; beat < meter; ++beat)
                    AddJingle(b, bt + beat * spb, beat % 2 ? 0.28 : 0.16, rng, 0.4, true);
        }
    }
    Normalise(b, 0.15);
    return b;
}

// ---- The carols (public domain), written with quarter notes as beats. ----

const Tune JingleBells{
    "G4 E5 D5 C5 | G4/3 G4/0.5 G4/0.5 | G4 E5 D5 C5 | A4/4 | A4 F5 E5 D5 | B4/4 | G5 G5 F5 D5 | E5/4 |"
    "G4 E5 D5 C5 | G4/4 | G4 E5 D5 C5 | A4/3 A4 | A4 F5 E5 D5 | G5 G5 G5 G5 | A5 G5 F5 D5 | C5/2 G5/2 |"
    "E5 E5 E5/2 | E5 E5 E5/2 | E5 G5 C5/1.5 D5/0.5 | E5/4 | F5 F5 F5/1.5 F5/0.5 | F5 E5 E5 E5/0.5 E5/0.5 |"
    "E5 D5 D5 E5 | D5/2 G5/2 | E5 E5 E5/2 | E5 E5 E5/2 | E5 G5 C5/1.5 D5/0.5 | E5/4 | F5 F5 F5 F5 |"
    "F5 E5 E5 E5/0.5 E5/0.5 | G5 G5 F5 D5 | C5/4",
    4, false, 0};

const Tune DeckTheHalls{
    "G5/1.5 F5/0.5 E5 D5 | C5 D5 E5 C5 | D5/0.5 E5/0.5 F5/0.5 D5/0.5 E5/1.5 D5/0.5 | C5 B4 C5/2 |"
    "G5/1.5 F5/0.5 E5 D5 | C5 D5 E5 C5 | D5/0.5 E5/0.5 F5/0.5 D5/0.5 E5/1.5 D5/0.5 | C5 B4 C5/2 |"
    "D5/1.5 E5/0.5 F5 D5 | E5/1.5 F5/0.5 G5 D5 | E5/0.5 F#5/0.5 G5 A5/0.5 B5/0.5 C6 | B5 A5 G5/2 |"
    "G5/1.5 F5/0.5 E5 D5 | C5 D5 E5 C5 | A5/0.5 A5/0.5 A5/0.5 A5/0.5 G5/1.5 F5/0.5 | E5 D5 C5/2",
    4, false, 0};

const Tune WeWish{
    "C5 C5/0.5 D5/0.5 C5/0.5 B4/0.5 | A4 A4 A4 | D5 D5/0.5 E5/0.5 D5/0.5 C5/0.5 | B4 G4 G4 |"
    "E5 E5/0.5 F5/0.5 E5/0.5 D5/0.5 | C5 A4 G4/0.5 G4/0.5 | A4 D5 B4 | C5/2 G4 |"
    "C5 C5 C5 | B4/2 B4 | C5 B4 A4 | G4/2 D5 | E5 D5 C5 | G5 G4 G4/0.5 G4/0.5 | A4 D5 B4 | C5/2 G4",
    3, false, 0};

const Tune GodRestYe{
    "A4 E5 E5 D5 | C5 B4 A4 G4 | A4 B4 C5 D5 | E5/3 A4 | A4 E5 E5 D5 | C5 B4 A4 G4 | A4 B4 C5 D5 | E5/3 E5 |"
    "F5 D5 E5 F5 | G5 A5 E5 D5 | C5 A4 B4 C5 | D5/2 C5 D5 | E5/2 D5 C5 | B4 A4 G4/2 |"
    "A4/0.5 B4/0.5 C5 B4 A4 | A4/3 A4",
    4, true, 9};

const Tune OChristmasTree{
    "C5/0.75 C5/0.25 C5/1.5 D5/0.5 | E5/0.75 E5/0.25 E5/1.5 E5/0.5 | D5/0.5 E5/0.5 F5 B4 | D5 C5 G4 |"
    "C5/0.75 C5/0.25 C5/1.5 D5/0.5 | E5/0.75 E5/0.25 E5/1.5 E5/0.5 | D5/0.5 E5/0.5 F5 B4 | D5 C5 G5 |"
    "G5/0.5 E5/0.5 A5/1.5 G5/0.5 | G5/0.5 F5/0.5 F5/1.5 F5/0.5 | F5/0.5 D5/0.5 G5/1.5 F5/0.5 | F5/0.5 E5/0.5 "
    "E5 G4 |"
    "C5/0.75 C5/0.25 C5/1.5 D5/0.5 | E5/0.75 E5/0.25 E5/1.5 E5/0.5 | D5/0.5 E5/0.5 F5 B4 | D5 C5 G4",
    3, false, 0};

const Tune GoodKing{
    "C5 C5 C5 D5 | C5 C5 G4/2 | A4 G4 A4 B4 | C5/2 C5/2 | C5 C5 C5 D5 | C5 C5 G4/2 | A4 G4 A4 B4 | C5/2 C5/2 "
    "|"
    "G5 F5 E5 D5 | E5 D5 C5/2 | A4 G4 A4 B4 | C5/2 C5/2 | G4 G4 A4 B4 | C5 C5 D5/2 | G5 F5 E5 D5 |"
    "C5/2 F5/2 | C5/4",
    4, false, 0};

const Tune OComeAll{
    "G4/2 D4 G4 | A4/2 D4/2 | B4 A4 B4 C5 | B4/2 A4 G4 | G4/2 F#4 E4 | F#4 G4 A4 B4 | F#4/2 E4/1.5 D4/0.5 |"
    "D4/4 | D5/2 C5 B4 | C5/2 B4/2 | A4 B4 G4 A4 | F#4/1.5 E4/0.5 D4 G4 | G4 F#4 G4 A4 | G4/2 D4 B4 |"
    "B4 A4 B4 C5 | B4/2 A4 B4 | C5 B4 A4 G4 | F#4/2 G4 C5 | B4/2 A4/1.5 G4/0.5 | G4/3 G4",
    4, false, 7};

const Tune JoyToTheWorld{
    "C5/2 B4/1.5 A4/0.5 | G4/3 F4 | E4/2 D4/2 | C4/3 G4 | A4/3 A4 | B4/3 B4 | C5/3 C5 | C5 B4 A4 G4 |"
    "G4/1.5 F4/0.5 E4 C5 | C5 B4 A4 G4 | G4/1.5 F4/0.5 E4 E4 | E4 E4 E4 E4/0.5 F4/0.5 | G4/3 F4/0.5 E4/0.5 |"
    "D4 D4 D4 D4/0.5 E4/0.5 | F4/3 E4/0.5 D4/0.5 | C4 C5/2 A4 | G4/1.5 F4/0.5 E4 F4 | E4/2 D4/2 | C4/4",
    4, false, 0};

// In eighth notes, six to the bar.
const Tune SilentNight{
    "G4/1.5 A4/0.5 G4 E4/3 | G4/1.5 A4/0.5 G4 E4/3 | D5/2 D5 B4/3 | C5/2 C5 G4/3 |"
    "A4/2 A4 C5/1.5 B4/0.5 A4 | G4/1.5 A4/0.5 G4 E4/3 | A4/2 A4 C5/1.5 B4/0.5 A4 | G4/1.5 A4/0.5 G4 E4/3 |"
    "D5/2 D5 F5/1.5 D5/0.5 B4 | C5/3 E5/3 | C5 G4 E4 G4/1.5 F4/0.5 D4 | C4/6",
    6, false, 0};

const Piece Pieces[] = {
    {"music/title.ogg", DeckTheHalls, 120, 2, 0, true, 1},
    {"music/level1.ogg", JingleBells, 160, 2, 0, true, 2},
    {"music/level2.ogg", GodRestYe, 132, 3, 0, false, 3},
    {"music/level3.ogg", OChristmasTree, 96, 3, 0, false, 4},
    {"music/level4.ogg", GoodKing, 116, 2, 0, false, 5},
    {"music/level5.ogg", OComeAll, 104, 2, 12, false, 6},
    {"music/levelend.ogg", JoyToTheWorld, 116, 1, 12, true, 7},
    {"music/gameover.ogg", SilentNight, 132, 1, 12, false, 8},
    {"music/gameend.ogg", WeWish, 160, 2, 0, true, 9},
};

} // namespace

void AddMusicJobs(Jobs& jobs) {
    int serial = 2000;
    for (const Piece& p : Pieces) {
        int s = serial++;
        jobs.push_back({{p.file}, [p, s] { WriteFileBytes(p.file, OggBytes(Render(p), s, 0.4f)); }, 10});
    }
}

} // namespace assetgen
