// midiwriter: turns a tune written as text (tools/music/*.txt) into a Standard MIDI File.
//
//   midiwriter TUNE.txt OUT.mid     writes OUT.mid and prints "seconds=<length>" on stdout
//   midiwriter --check TUNE.txt     parses and checks the tune only, prints its length
//   midiwriter --events TUNE.txt    lists the arranged notes (voice tick length note velocity)
//
// Tune text, one directive per line; a '#' at the start of a word starts a comment:
//
//   title Il dado matto
//   tempo 144                quarter notes per minute
//   time 4/4                 2/4, 3/4, 4/4, 6/8, 12/8 ...
//   key C                    C, G, Bb, F#, Am, Dm ... (key signature only)
//   style oompah             accompaniment: oompah march waltz gallop arpeggio arp16 pop
//                            calypso pad stab hit none
//   velocity 100             loudness of the melody (default 100), the rest follows
//   drums on                 on | off (groove styles only)
//   instrument melody 14 100 voice, General MIDI program 1..128, channel volume 0..127
//   instrument alt 57        the melody's instrument in form entries marked '+'
//   instrument chords 1 70
//   instrument bass 33 90
//   instrument counter 61 80 the optional second voice
//
//   section A [style S] [tempo T] [nodrums]
//   c C | F G7 | C          chords, bars separated by '|'; the chords of a bar share it
//                            evenly; '.' holds the chord before, 'N' is silence
//   m E5/4 G5 C6/2 | ...     melody: note names with octave (C4 = middle C), '/' and the
//                            length (1 2 4 8 16 32, 't' triplet, '.' dotted), carried over
//                            to the next notes; 'r' rest; '~' after a note ties it to the next
//   k ...                    counter voice, same notation
//   (several c, m and k lines continue each other)
//
//   form A A+ B A^ End       sections in order; '^' melody an octave up, '_' down,
//                            '+' melody on the alt instrument
//
// Every bar of a melody must fill its time signature exactly, and a section's chord,
// melody and counter lines must have the same number of bars: a slip in a tune is an
// error, not a silent shift of everything after it.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kPpq = 480;  // ticks per quarter note
constexpr int kWhole = 4 * kPpq;

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(int line, const std::string& what) { throw Error("line " + std::to_string(line) + ": " + what); }

int number(const std::string& text, int line) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size()) fail(line, "not a whole number: " + text);
    return value;
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::vector<std::string> splitBars(const std::string& s) {
    std::vector<std::string> bars;
    std::string cur;
    for (char ch : s) {
        if (ch == '|') {
            if (!words(cur).empty()) bars.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (!words(cur).empty()) bars.push_back(cur);
    return bars;
}

int pitchClass(char letter) {
    static const int pcs[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return pcs[letter - 'A'];
}

// ---------------------------------------------------------------- notes

struct Note {
    int pitch;  // MIDI note, -1 for a rest
    int ticks;
    bool tie;
};

struct NoteParser {
    int lastTicks = kPpq;

    Note parse(const std::string& tok, int line) {
        std::size_t i = 0;
        Note n{-1, 0, false};
        if (tok[0] == 'r') {
            i = 1;
        } else if (tok[0] >= 'A' && tok[0] <= 'G') {
            int pc = pitchClass(tok[0]);
            i = 1;
            if (i < tok.size() && tok[i] == '#') {
                ++pc;
                ++i;
            } else if (i < tok.size() && tok[i] == 'b') {
                --pc;
                ++i;
            }
            std::size_t start = i;
            if (i < tok.size() && tok[i] == '-') ++i;
            while (i < tok.size() && std::isdigit(static_cast<unsigned char>(tok[i]))) ++i;
            if (start == i) fail(line, "note without octave: " + tok);
            int octave = number(tok.substr(start, i - start), line);
            n.pitch = (octave + 1) * 12 + pc;
            if (n.pitch < 0 || n.pitch > 127) fail(line, "note out of range: " + tok);
        } else {
            fail(line, "not a note: " + tok);
        }
        if (i < tok.size() && tok[i] == '/') {
            ++i;
            std::size_t start = i;
            while (i < tok.size() && std::isdigit(static_cast<unsigned char>(tok[i]))) ++i;
            if (start == i) fail(line, "length missing: " + tok);
            int d = number(tok.substr(start, i - start), line);
            if (d != 1 && d != 2 && d != 4 && d != 8 && d != 16 && d != 32) fail(line, "bad length: " + tok);
            int ticks = kWhole / d;
            if (i < tok.size() && tok[i] == 't') {
                ticks = ticks * 2 / 3;
                ++i;
            }
            if (i < tok.size() && tok[i] == '.') {
                ticks = ticks * 3 / 2;
                ++i;
            }
            lastTicks = ticks;
        }
        n.ticks = lastTicks;
        if (i < tok.size() && tok[i] == '~') {
            if (n.pitch < 0) fail(line, "a rest cannot be tied: " + tok);
            n.tie = true;
            ++i;
        }
        if (i != tok.size()) fail(line, "unexpected text in " + tok);
        return n;
    }
};

// ---------------------------------------------------------------- chords

struct Chord {
    bool silent = true;
    int root = 0;                // pitch class
    int bass = 0;                // pitch class of the bass note
    std::vector<int> intervals;  // from the root, ascending
};

Chord parseChord(const std::string& tok, int line) {
    Chord c;
    if (tok == "N") return c;
    if (tok[0] < 'A' || tok[0] > 'G') fail(line, "not a chord: " + tok);
    std::size_t i = 1;
    int pc = pitchClass(tok[0]);
    if (i < tok.size() && tok[i] == '#') {
        ++pc;
        ++i;
    } else if (i < tok.size() && tok[i] == 'b') {
        --pc;
        ++i;
    }
    std::string rest = tok.substr(i), bassName;
    if (auto slash = rest.find('/'); slash != std::string::npos) {
        bassName = rest.substr(slash + 1);
        rest = rest.substr(0, slash);
    }
    static const std::map<std::string, std::vector<int>> qualities = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},   {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"dim", {0, 3, 6}},      {"dim7", {0, 3, 6, 9}}, {"aug", {0, 4, 8}},
        {"sus4", {0, 5, 7}},      {"sus2", {0, 2, 7}},     {"6", {0, 4, 7, 9}},    {"m6", {0, 3, 7, 9}},
        {"9", {0, 4, 7, 10, 14}}, {"add9", {0, 4, 7, 14}},
    };
    auto q = qualities.find(rest);
    if (q == qualities.end()) fail(line, "unknown chord: " + tok);
    c.silent = false;
    c.root = ((pc % 12) + 12) % 12;
    c.intervals = q->second;
    c.bass = c.root;
    if (!bassName.empty()) {
        if (bassName[0] < 'A' || bassName[0] > 'G') fail(line, "bad bass note: " + tok);
        int b = pitchClass(bassName[0]);
        if (bassName.size() > 1 && bassName[1] == '#')
            ++b;
        else if (bassName.size() > 1 && bassName[1] == 'b')
            --b;
        c.bass = ((b % 12) + 12) % 12;
    }
    return c;
}

// ---------------------------------------------------------------- tune

struct Instrument {
    int program = 0;  // General MIDI 1..128
    int volume = 100;
};

struct Bar {
    std::vector<std::pair<int, Chord>> chords;  // start tick within the bar, chord
    std::vector<Note> melody, counter;
};

struct Section {
    std::string name;
    std::string style;
    int tempo = 0;
    bool drums = true;
    std::vector<Bar> bars;
    int line = 0;
};

struct FormEntry {
    std::string section;
    int octave = 0;
    bool alt = false;
};

struct Tune {
    std::string title;
    int tempo = 120;
    int num = 4, den = 4;
    int keySharps = 0;
    bool minor = false;
    std::string style = "oompah";
    int velocity = 100;
    bool drums = false;
    std::map<std::string, Instrument> instruments;
    std::vector<Section> sections;
    std::vector<FormEntry> form;

    int barTicks() const { return num * kWhole / den; }
    bool compound() const { return den == 8 && num % 3 == 0; }
    int beatTicks() const { return compound() ? 3 * kWhole / 8 : kWhole / den; }
    int beats() const { return barTicks() / beatTicks(); }
    const Section& section(const std::string& name) const {
        for (const auto& s : sections)
            if (s.name == name) return s;
        throw Error("form names an unknown section: " + name);
    }
};

int keySignature(const std::string& k, bool& minor, int line) {
    static const std::map<std::string, int> major = {{"C", 0},   {"G", 1},   {"D", 2},  {"A", 3},   {"E", 4},
                                                     {"B", 5},   {"F#", 6},  {"F", -1}, {"Bb", -2}, {"Eb", -3},
                                                     {"Ab", -4}, {"Db", -5}, {"Gb", -6}};
    std::string name = k;
    minor = name.size() > 1 && name.back() == 'm';
    if (minor) name.pop_back();
    auto it = major.find(name);
    if (it == major.end()) fail(line, "unknown key: " + k);
    return minor ? it->second - 3 : it->second;
}

const std::vector<std::string> kStyles = {"oompah", "march",   "waltz", "gallop", "arpeggio", "arp16",
                                          "pop",    "calypso", "pad",   "stab",   "hit",      "none"};

void checkStyle(const std::string& s, int line) {
    if (std::find(kStyles.begin(), kStyles.end(), s) == kStyles.end()) fail(line, "unknown style: " + s);
}

struct PendingSection {
    Section section;
    std::vector<std::pair<int, std::string>> chordLines, melodyLines, counterLines;
};

void parseVoice(const Tune& t, const std::vector<std::pair<int, std::string>>& lines, const std::string& secName,
                std::vector<std::vector<Note>>& bars) {
    NoteParser p;
    for (const auto& [line, text] : lines) {
        for (const auto& bar : splitBars(text)) {
            std::vector<Note> notes;
            int total = 0;
            for (const auto& tok : words(bar)) {
                notes.push_back(p.parse(tok, line));
                total += notes.back().ticks;
            }
            if (total != t.barTicks())
                fail(line, "section " + secName + ", bar " + std::to_string(bars.size() + 1) + " lasts " +
                               std::to_string(total) + " ticks instead of " + std::to_string(t.barTicks()));
            bars.push_back(notes);
        }
    }
}

void finishSection(Tune& t, PendingSection& ps) {
    Section& s = ps.section;
    std::vector<std::vector<Note>> mBars, kBars;
    parseVoice(t, ps.melodyLines, s.name, mBars);
    parseVoice(t, ps.counterLines, s.name, kBars);
    std::vector<std::vector<std::string>> cBars;
    std::vector<int> cLines;
    for (const auto& [line, text] : ps.chordLines)
        for (const auto& bar : splitBars(text)) {
            cBars.push_back(words(bar));
            cLines.push_back(line);
        }
    std::size_t n = std::max({mBars.size(), kBars.size(), cBars.size()});
    if (n == 0) fail(s.line, "section " + s.name + " is empty");
    if ((!mBars.empty() && mBars.size() != n) || (!kBars.empty() && kBars.size() != n) ||
        (!cBars.empty() && cBars.size() != n))
        fail(s.line, "section " + s.name + ": chords, melody and counter have different numbers of bars (" +
                         std::to_string(cBars.size()) + ", " + std::to_string(mBars.size()) + ", " +
                         std::to_string(kBars.size()) + ")");
    Chord previous;
    for (std::size_t b = 0; b < n; ++b) {
        Bar bar;
        if (!cBars.empty()) {
            const auto& toks = cBars[b];
            int share = t.barTicks() / static_cast<int>(toks.size());
            for (std::size_t i = 0; i < toks.size(); ++i) {
                if (toks[i] == ".") continue;
                previous = parseChord(toks[i], cLines[b]);
                bar.chords.push_back({static_cast<int>(i) * share, previous});
            }
            if (bar.chords.empty() || bar.chords.front().first != 0)
                bar.chords.insert(bar.chords.begin(), {0, previous});
        } else {
            bar.chords.push_back({0, Chord{}});
        }
        if (!mBars.empty()) bar.melody = mBars[b];
        if (!kBars.empty()) bar.counter = kBars[b];
        s.bars.push_back(bar);
    }
    t.sections.push_back(s);
}

Tune parseTune(std::istream& in) {
    Tune t;
    PendingSection* open = nullptr;
    std::deque<PendingSection> pending;  // keeps 'open' valid as sections are added
    std::string raw;
    int line = 0;
    bool haveForm = false;
    while (std::getline(in, raw)) {
        ++line;
        for (std::size_t i = 0; i < raw.size(); ++i)  // a comment starts with a '#' that is not a sharp
            if (raw[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(raw[i - 1])))) {
                raw.resize(i);
                break;
            }
        auto w = words(raw);
        if (w.empty()) continue;
        const std::string& d = w[0];
        auto rest = [&] { return raw.substr(raw.find(d) + d.size()); };
        if (d == "c" || d == "m" || d == "k") {
            if (!open) fail(line, "'" + d + "' outside a section");
            auto& target = d == "c" ? open->chordLines : d == "m" ? open->melodyLines : open->counterLines;
            target.push_back({line, rest()});
        } else if (d == "section") {
            if (w.size() < 2) fail(line, "section without a name");
            for (const auto& other : pending)
                if (other.section.name == w[1]) fail(line, "section " + w[1] + " is defined twice");
            pending.emplace_back();
            open = &pending.back();
            open->section.name = w[1];
            open->section.line = line;
            open->section.style = "";
            for (std::size_t i = 2; i < w.size(); ++i) {
                if (w[i] == "style" && i + 1 < w.size()) {
                    checkStyle(w[i + 1], line);
                    open->section.style = w[++i];
                } else if (w[i] == "tempo" && i + 1 < w.size()) {
                    open->section.tempo = number(w[++i], line);
                    if (open->section.tempo < 20 || open->section.tempo > 400) fail(line, "tempo must be 20..400");
                } else if (w[i] == "nodrums") {
                    open->section.drums = false;
                } else {
                    fail(line, "unknown section option: " + w[i]);
                }
            }
        } else if (d == "title") {
            std::string r = rest();
            r.erase(0, r.find_first_not_of(" \t"));
            t.title = r;
        } else if (d == "tempo" && w.size() == 2) {
            t.tempo = number(w[1], line);
            if (t.tempo < 20 || t.tempo > 400) fail(line, "tempo must be 20..400");
        } else if (d == "time" && w.size() == 2) {
            auto slash = w[1].find('/');
            if (slash == std::string::npos) fail(line, "time needs n/d");
            t.num = number(w[1].substr(0, slash), line);
            t.den = number(w[1].substr(slash + 1), line);
            if (t.num < 1 || (t.den != 2 && t.den != 4 && t.den != 8)) fail(line, "unsupported time " + w[1]);
        } else if (d == "key" && w.size() == 2) {
            t.keySharps = keySignature(w[1], t.minor, line);
        } else if (d == "style" && w.size() == 2) {
            checkStyle(w[1], line);
            t.style = w[1];
        } else if (d == "velocity" && w.size() == 2) {
            t.velocity = std::clamp(number(w[1], line), 20, 127);
        } else if (d == "drums" && w.size() >= 2) {
            t.drums = w[1] == "on";
        } else if (d == "instrument" && w.size() >= 3) {
            static const std::vector<std::string> names = {"melody", "alt", "chords", "bass", "counter"};
            if (std::find(names.begin(), names.end(), w[1]) == names.end()) fail(line, "unknown voice " + w[1]);
            Instrument p;
            p.program = number(w[2], line);
            if (p.program < 1 || p.program > 128) fail(line, "program must be 1..128");
            if (w.size() >= 4) p.volume = std::clamp(number(w[3], line), 0, 127);
            t.instruments[w[1]] = p;
        } else if (d == "form") {
            haveForm = true;
            open = nullptr;
            for (std::size_t i = 1; i < w.size(); ++i) {
                FormEntry e;
                std::string name = w[i];
                while (!name.empty() && (name.back() == '^' || name.back() == '_' || name.back() == '+')) {
                    if (name.back() == '^') ++e.octave;
                    if (name.back() == '_') --e.octave;
                    if (name.back() == '+') e.alt = true;
                    name.pop_back();
                }
                e.section = name;
                t.form.push_back(e);
            }
        } else {
            fail(line, "unknown directive: " + d);
        }
    }
    for (auto& ps : pending) finishSection(t, ps);
    if (!haveForm || t.form.empty()) throw Error("the tune has no form");
    if (!t.instruments.count("melody")) throw Error("the tune has no melody instrument");
    for (const auto& e : t.form) {
        t.section(e.section);
        if (e.alt && !t.instruments.count("alt")) throw Error("form uses '+' but there is no alt instrument");
    }
    return t;
}

// ---------------------------------------------------------------- arrangement

struct Ev {
    int tick;
    int dur;
    int note;
    int vel;
};

enum Track { kMelody, kChords, kBass, kCounter, kDrums, kTracks };
constexpr int kChannel[kTracks] = {0, 1, 2, 3, 9};

struct Arranger {
    const Tune& t;
    std::vector<Ev> ev[kTracks];
    std::vector<std::pair<int, int>> programChanges;  // melody channel: tick, program
    std::vector<std::pair<int, int>> tempos;          // tick, bpm
    double voicingCentre = 62.0;

    explicit Arranger(const Tune& tune) : t(tune) {}

    void add(Track tr, int tick, int dur, int note, int vel) {
        if (dur <= 0 || note < 0 || note > 127) return;
        ev[tr].push_back({tick, dur, note, std::clamp(vel * t.velocity / 100, 1, 127)});
    }

    // A close voicing of the chord near the middle of the keyboard, each one close to the last.
    std::vector<int> voicing(const Chord& c) {
        std::vector<int> best;
        double bestCost = 1e9;
        int n = static_cast<int>(c.intervals.size());
        for (int inv = 0; inv < n; ++inv) {
            for (int base = 48; base <= 64; ++base) {
                if (((base - c.root - c.intervals[inv]) % 12 + 12) % 12 != 0) continue;
                std::vector<int> notes;
                int prev = -1;
                for (int j = 0; j < n; ++j) {
                    int pc = (c.root + c.intervals[(inv + j) % n]) % 12;
                    int note = j == 0 ? base : prev + 1;
                    while ((note % 12 + 12) % 12 != pc) ++note;
                    notes.push_back(note);
                    prev = note;
                }
                double mean = 0;
                for (int x : notes) mean += x;
                mean /= n;
                double cost = std::abs(mean - voicingCentre) + (mean < 56 || mean > 70 ? 20 : 0);
                if (cost < bestCost) {
                    bestCost = cost;
                    best = notes;
                }
            }
        }
        double mean = 0;
        for (int x : best) mean += x;
        if (!best.empty()) voicingCentre = 0.7 * voicingCentre + 0.3 * (mean / best.size());
        return best;
    }

    static int bassNote(const Chord& c) { return 36 + (c.bass + 12 - 4) % 12 + 4; }  // E2..D#3
    static int fifth(const Chord& c) {
        int f = bassNote(c) - c.bass + (c.root + 7) % 12;
        while (f > 50) f -= 12;
        while (f < 36) f += 12;
        return f;
    }

    const Chord* chordAt(const Bar& bar, int pos) const {
        const Chord* c = &bar.chords.front().second;
        for (const auto& [start, chord] : bar.chords)
            if (start <= pos) c = &chord;
        return c;
    }

    void chordHit(int tick, int dur, const Chord& c, int vel) {
        if (c.silent) return;
        for (int n : voicing(c)) add(kChords, tick, dur, n, vel);
    }

    void accompany(const std::string& style, const Bar& bar, int t0, int barIndex) {
        const int L = t.barTicks(), B = t.beatTicks(), nb = t.beats();
        const bool compound = t.compound();
        auto at = [&](int pos) -> const Chord& { return *chordAt(bar, pos); };
        std::string s = style;
        if ((s == "oompah" || s == "march") && nb == 3 && !compound) s = "waltz";
        if ((s == "oompah" || s == "march" || s == "calypso" || s == "pop") && compound) s = "gallop";
        if (s == "calypso" && nb != 4) s = "oompah";

        if (s == "oompah" || s == "march") {
            for (int b = 0; b < nb; ++b) {
                const Chord& c = at(b * B);
                if (c.silent) continue;
                if (b % 2 == 0) {
                    bool useFifth = (b / 2 + barIndex) % 2 == 1 && c.bass == c.root;
                    add(kBass, t0 + b * B, B * 9 / 10, useFifth ? fifth(c) : bassNote(c), 92);
                } else {
                    chordHit(t0 + b * B, B / 2, c, 66);
                }
            }
            if (nb == 1) chordHit(t0 + B / 2, B / 3, at(B / 2), 60);
        } else if (s == "waltz") {
            for (int b = 0; b < nb; ++b) {
                const Chord& c = at(b * B);
                if (c.silent) continue;
                if (b == 0)
                    add(kBass, t0, B * 9 / 10, barIndex % 2 && c.bass == c.root ? fifth(c) : bassNote(c), 90);
                else
                    chordHit(t0 + b * B, B / 2, c, b == 1 ? 64 : 58);
            }
        } else if (s == "gallop") {
            const int e = kPpq / 2;
            for (int b = 0; b < nb; ++b) {
                const Chord& c = at(b * B);
                if (c.silent) continue;
                bool useFifth = b % 2 == 1 && c.bass == c.root;
                add(kBass, t0 + b * B, e * 9 / 10, useFifth ? fifth(c) : bassNote(c), 92);
                if (compound) {
                    chordHit(t0 + b * B + e, e * 2 / 3, c, 62);
                    chordHit(t0 + b * B + 2 * e, e * 2 / 3, c, 56);
                } else {
                    chordHit(t0 + b * B + e, e * 2 / 3, c, 62);
                }
            }
        } else if (s == "arpeggio" || s == "arp16") {
            const int step = s == "arp16" ? kPpq / 4 : kPpq / 2;
            static const int upDown[] = {0, 1, 2, 3, 2, 1};
            static const int up[] = {0, 1, 2, 3};
            std::vector<int> v;
            const Chord* last = nullptr;
            for (int pos = 0, i = 0; pos < L; pos += step, ++i) {
                const Chord& c = at(pos);
                if (&c != last) {
                    v = c.silent ? std::vector<int>{} : voicing(c);
                    last = &c;
                    i = 0;
                }
                if (v.empty()) continue;
                std::vector<int> tones = {v[0], v[1 % v.size()], v[2 % v.size()], v[0] + 12};
                int idx = s == "arp16" ? up[i % 4] : upDown[i % 6];
                add(kChords, t0 + pos, step * 9 / 10, tones[idx], i == 0 ? 70 : 58);
            }
            for (std::size_t k = 0; k < bar.chords.size(); ++k) {
                const Chord& c = bar.chords[k].second;
                if (c.silent) continue;
                int start = bar.chords[k].first;
                int end = k + 1 < bar.chords.size() ? bar.chords[k + 1].first : L;
                if (s == "arp16") {
                    for (int pos = start, j = 0; pos < end; pos += kPpq / 2, ++j)
                        add(kBass, t0 + pos, kPpq * 2 / 5, bassNote(c) + (j % 2 ? 12 : 0), 88);
                } else {
                    add(kBass, t0 + start, (end - start) * 19 / 20, bassNote(c), 84);
                }
            }
        } else if (s == "pop") {
            static const int pattern[] = {0, 0, 12, 0, 7, 0, 12, 0};
            for (int i = 0; i * kPpq / 2 < L; ++i) {
                const Chord& c = at(i * kPpq / 2);
                if (c.silent) continue;
                int n = pattern[i % 8] == 7 ? fifth(c) : bassNote(c) + pattern[i % 8];
                add(kBass, t0 + i * kPpq / 2, kPpq * 2 / 5, n, i % 2 ? 76 : 90);
            }
            for (int pos : {0, 3 * kPpq / 2, 5 * kPpq / 2})
                if (pos < L) chordHit(t0 + pos, pos == 0 ? kPpq * 3 / 2 - 20 : kPpq * 4 / 5, at(pos), pos ? 62 : 70);
        } else if (s == "calypso") {
            const int e = kPpq / 2;
            const Chord& first = at(0);
            const Chord& second = at(2 * kPpq);
            if (!first.silent) {
                add(kBass, t0, 3 * e - 20, bassNote(first), 94);
                add(kBass, t0 + 3 * e, e - 20, fifth(first), 80);
            }
            if (!second.silent) {
                add(kBass, t0 + 4 * e, 3 * e - 20, bassNote(second), 90);
                add(kBass, t0 + 7 * e, e - 20, bassNote(second) + 12, 76);
            }
            for (int b = 0; b < 4; ++b) chordHit(t0 + b * kPpq + e, e * 3 / 4, at(b * kPpq + e), 64);
        } else if (s == "pad" || s == "stab") {
            for (std::size_t k = 0; k < bar.chords.size(); ++k) {
                const Chord& c = bar.chords[k].second;
                if (c.silent) continue;
                int start = bar.chords[k].first;
                int end = k + 1 < bar.chords.size() ? bar.chords[k + 1].first : L;
                chordHit(t0 + start, (end - start) - 30, c, s == "pad" ? 54 : 80);
                add(kBass, t0 + start, (end - start) - 30, bassNote(c), s == "pad" ? 70 : 96);
            }
        } else if (s == "hit") {
            const Chord& c = at(0);
            if (!c.silent) {
                chordHit(t0, kPpq / 2, c, 84);
                add(kBass, t0, kPpq / 2, bassNote(c), 96);
            }
        }
    }

    void drums(const std::string& style, int t0, bool crash) {
        enum {
            kKick = 36,
            kSide = 37,
            kSnare = 38,
            kClosedHat = 42,
            kPedalHat = 44,
            kCrash = 49,
            kTambourine = 54,
            kMaracas = 70
        };
        const int L = t.barTicks(), B = t.beatTicks(), nb = t.beats(), e = kPpq / 2;
        auto hit = [&](int pos, int note, int vel) { add(kDrums, t0 + pos, kPpq / 4, note, vel); };
        if (crash) hit(0, kCrash, 84);
        if (style == "stab") {
            hit(0, kKick, 96);
            hit(0, kCrash, 90);
            return;
        }
        if (style == "hit") {
            hit(0, kKick, 96);
            return;
        }
        if (style == "pad" || style == "none") return;
        std::string s = style;
        if (t.compound())
            s = "gallop";
        else if (nb == 3)
            s = "waltz";
        if (s == "gallop") {
            for (int b = 0; b < nb; ++b) {
                hit(b * B, kKick, b == 0 ? 90 : 78);
                for (int i = 0; i < 3; ++i) hit(b * B + i * e, kClosedHat, i == 0 ? 56 : 42);
                hit(b * B + e, kTambourine, 44);
            }
        } else if (s == "waltz") {
            hit(0, kKick, 86);
            hit(B, kPedalHat, 50);
            hit(2 * B, kPedalHat, 46);
        } else if (s == "calypso") {
            for (int pos : {0, 3 * e, 4 * e}) hit(pos, kKick, 86);
            for (int pos : {3 * e, 6 * e}) hit(pos, kSide, 64);
            for (int pos = 0; pos < L; pos += e) hit(pos, kMaracas, pos % kPpq ? 40 : 52);
        } else if (s == "arp16" || s == "pop") {
            for (int pos = 0; pos < L; pos += e) hit(pos, kClosedHat, pos % kPpq ? 44 : 58);
            for (int b = 0; b < nb; ++b) hit(b * B, b % 2 ? kSnare : kKick, b % 2 ? 80 : 92);
            if (nb == 4) hit(5 * e, kKick, 76);
        } else if (s == "arpeggio") {
            for (int b = 0; b < nb; ++b) {
                hit(b * B, b % 2 ? kSide : kKick, b % 2 ? 56 : 80);
                hit(b * B, kClosedHat, 46);
            }
        } else {  // oompah, march
            for (int b = 0; b < nb; ++b) hit(b * B, b % 2 ? kSnare : kKick, b % 2 ? 74 : 88);
            for (int pos = 0; pos < L; pos += e) hit(pos, kClosedHat, pos % kPpq ? 38 : 50);
            if (s == "march" && nb >= 2) hit(L - kPpq / 4, kSnare, 52);
        }
    }

    void voice(Track tr, const std::vector<Note>& notes, int t0, int shift, bool legato, int baseVel) {
        int pos = 0;
        long tied = -1;  // index of a note that runs on into the next one
        for (const Note& n : notes) {
            if (n.pitch >= 0) {
                int p = n.pitch + 12 * shift;
                int dur = legato ? n.ticks - 10 : n.ticks * 7 / 8;
                if (tied >= 0 && ev[tr][tied].note == p) {
                    ev[tr][tied].dur = (t0 + pos + dur) - ev[tr][tied].tick;
                } else {
                    int vel = pos == 0 ? baseVel : pos % kPpq == 0 ? baseVel - 8 : baseVel - 14;
                    std::size_t before = ev[tr].size();
                    add(tr, t0 + pos, dur, p, vel);
                    tied = ev[tr].size() > before ? static_cast<long>(before) : -1;
                }
                if (tied >= 0 && n.tie)
                    ev[tr][tied].dur = (t0 + pos + n.ticks) - ev[tr][tied].tick;
                else
                    tied = -1;
            } else {
                tied = -1;
            }
            pos += n.ticks;
        }
    }

    int arrange() {
        int tick = 0, currentTempo = 0;
        bool altOn = false;
        bool legatoTune = t.style == "pad" || t.style == "arpeggio";
        for (std::size_t f = 0; f < t.form.size(); ++f) {
            const FormEntry& e = t.form[f];
            const Section& s = t.section(e.section);
            int tempo = s.tempo ? s.tempo : t.tempo;
            if (tempo != currentTempo) {
                tempos.push_back({tick, tempo});
                currentTempo = tempo;
            }
            if (e.alt != altOn) {
                programChanges.push_back(
                    {tick, e.alt ? t.instruments.at("alt").program : t.instruments.at("melody").program});
                altOn = e.alt;
            }
            const std::string& style = s.style.empty() ? t.style : s.style;
            bool groove = style != "pad" && style != "none" && style != "stab" && style != "hit";
            for (std::size_t b = 0; b < s.bars.size(); ++b) {
                const Bar& bar = s.bars[b];
                int t0 = tick + static_cast<int>(b) * t.barTicks();
                voice(kMelody, bar.melody, t0, e.octave, legatoTune || style == "stab", 100);
                voice(kCounter, bar.counter, t0, 0, true, 82);
                accompany(style, bar, t0, static_cast<int>(b));
                if (t.drums && s.drums) drums(style, t0, groove && b == 0 && f > 0);
            }
            tick += static_cast<int>(s.bars.size()) * t.barTicks();
        }
        return tick;
    }
};

// ---------------------------------------------------------------- file

void putVar(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7f;
    while (v >>= 7) buf[n++] = 0x80 | (v & 0x7f);
    while (n) out.push_back(buf[--n]);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back((v >> s) & 0xff);
}

struct Raw {
    int tick;
    int order;  // at equal ticks: meta and controls, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> trackChunk(std::vector<Raw> evs, int endTick) {
    std::stable_sort(evs.begin(), evs.end(),
                     [](const Raw& a, const Raw& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<uint8_t> body;
    int last = 0;
    for (const Raw& r : evs) {
        putVar(body, static_cast<uint32_t>(r.tick - last));
        body.insert(body.end(), r.bytes.begin(), r.bytes.end());
        last = r.tick;
    }
    putVar(body, static_cast<uint32_t>(std::max(0, endTick - last)));
    body.insert(body.end(), {0xff, 0x2f, 0x00});
    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    put32(chunk, static_cast<uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Raw meta(int tick, uint8_t type, const std::vector<uint8_t>& data) {
    Raw r{tick, 0, {0xff, type}};
    putVar(r.bytes, static_cast<uint32_t>(data.size()));
    r.bytes.insert(r.bytes.end(), data.begin(), data.end());
    return r;
}

Raw textMeta(int tick, uint8_t type, const std::string& s) { return meta(tick, type, {s.begin(), s.end()}); }

// Notes of one pitch must not overlap, or the earlier note-off would cut the later note.
void separateOverlaps(std::vector<Ev>& evs) {
    std::stable_sort(evs.begin(), evs.end(),
                     [](const Ev& a, const Ev& b) { return a.note != b.note ? a.note < b.note : a.tick < b.tick; });
    for (std::size_t i = 0; i + 1 < evs.size(); ++i)
        if (evs[i].note == evs[i + 1].note && evs[i].tick + evs[i].dur > evs[i + 1].tick)
            evs[i].dur = std::max(1, evs[i + 1].tick - evs[i].tick - 1);
}

struct Written {
    std::vector<uint8_t> bytes;
    double seconds;
};

Written render(const Tune& t, bool listEvents) {
    Arranger a(t);
    int length = a.arrange();
    for (auto& list : a.ev) separateOverlaps(list);
    if (listEvents) {
        static const char* names[kTracks] = {"melody", "chords", "bass", "counter", "drums"};
        for (const auto& [tick, program] : a.programChanges) std::printf("program %d %d\n", tick, program);
        for (int tr = 0; tr < kTracks; ++tr) {
            auto evs = a.ev[tr];
            std::stable_sort(evs.begin(), evs.end(), [](const Ev& x, const Ev& y) { return x.tick < y.tick; });
            for (const Ev& e : evs) std::printf("%s %d %d %d %d\n", names[tr], e.tick, e.dur, e.note, e.vel);
        }
    }
    int endTick = length + kPpq / 2;  // room for the last notes to ring
    for (auto& list : a.ev)
        for (const Ev& e : list) endTick = std::max(endTick, e.tick + e.dur + kPpq / 4);

    double seconds = 0;
    for (std::size_t i = 0; i < a.tempos.size(); ++i) {
        int to = i + 1 < a.tempos.size() ? a.tempos[i + 1].first : endTick;
        seconds += (to - a.tempos[i].first) / static_cast<double>(kPpq) * 60.0 / a.tempos[i].second;
    }

    std::vector<std::vector<uint8_t>> chunks;
    {
        std::vector<Raw> conductor;
        conductor.push_back(textMeta(0, 0x03, t.title.empty() ? "ZIRIMBO!" : t.title));
        int dd = t.den == 2 ? 1 : t.den == 4 ? 2 : 3;
        conductor.push_back(meta(
            0, 0x58,
            {static_cast<uint8_t>(t.num), static_cast<uint8_t>(dd), static_cast<uint8_t>(t.compound() ? 36 : 24), 8}));
        conductor.push_back(meta(
            0, 0x59, {static_cast<uint8_t>(static_cast<int8_t>(t.keySharps)), static_cast<uint8_t>(t.minor ? 1 : 0)}));
        for (const auto& [tick, bpm] : a.tempos) {
            uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
            conductor.push_back(meta(
                tick, 0x51, {static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)}));
        }
        chunks.push_back(trackChunk(conductor, endTick));
    }
    const char* voiceName[kTracks] = {"melody", "chords", "bass", "counter", ""};
    const char* trackName[kTracks] = {"Melodia", "Accordi", "Basso", "Controcanto", "Batteria"};
    for (int tr = 0; tr < kTracks; ++tr) {
        if (a.ev[tr].empty()) continue;
        const uint8_t ch = static_cast<uint8_t>(kChannel[tr]);
        std::vector<Raw> evs;
        evs.push_back(textMeta(0, 0x03, trackName[tr]));
        int volume = 100;
        if (tr != kDrums) {
            auto it = t.instruments.find(voiceName[tr]);
            if (it == t.instruments.end())
                throw Error(std::string("the tune needs an instrument for the ") + voiceName[tr]);
            volume = it->second.volume;
            evs.push_back({0, 0, {static_cast<uint8_t>(0xc0 | ch), static_cast<uint8_t>(it->second.program - 1)}});
        } else {
            volume = 90;
        }
        evs.push_back({0, 0, {static_cast<uint8_t>(0xb0 | ch), 7, static_cast<uint8_t>(volume)}});
        evs.push_back({0, 0, {static_cast<uint8_t>(0xb0 | ch), 91, 36}});  // a little reverb
        static const uint8_t pan[kTracks] = {64, 48, 64, 82, 64};
        evs.push_back({0, 0, {static_cast<uint8_t>(0xb0 | ch), 10, pan[tr]}});
        if (tr == kMelody)
            for (const auto& [tick, program] : a.programChanges)
                evs.push_back({tick, 0, {static_cast<uint8_t>(0xc0 | ch), static_cast<uint8_t>(program - 1)}});
        for (const Ev& e : a.ev[tr]) {
            evs.push_back(
                {e.tick,
                 2,
                 {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(e.note), static_cast<uint8_t>(e.vel)}});
            evs.push_back({e.tick + e.dur, 1, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(e.note), 64}});
        }
        chunks.push_back(trackChunk(evs, endTick));
    }

    Written w;
    w.seconds = seconds;
    w.bytes = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    w.bytes.push_back(static_cast<uint8_t>(chunks.size() >> 8));
    w.bytes.push_back(static_cast<uint8_t>(chunks.size()));
    w.bytes.push_back(kPpq >> 8);
    w.bytes.push_back(kPpq & 0xff);
    for (const auto& c : chunks) w.bytes.insert(w.bytes.end(), c.begin(), c.end());
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    const bool checkOnly = mode == "--check", listEvents = mode == "--events";
    if (argc != 3) {
        std::cerr
            << "usage: midiwriter TUNE.txt OUT.mid | midiwriter --check TUNE.txt | midiwriter --events TUNE.txt\n";
        return 2;
    }
    const std::string input = checkOnly || listEvents ? argv[2] : argv[1];
    try {
        std::ifstream in(input);
        if (!in) throw Error("cannot read " + input);
        Tune tune = parseTune(in);
        Written w = render(tune, listEvents);
        if (!checkOnly && !listEvents) {
            std::ofstream out(argv[2], std::ios::binary);
            out.write(reinterpret_cast<const char*>(w.bytes.data()), static_cast<std::streamsize>(w.bytes.size()));
            if (!out) throw Error(std::string("cannot write ") + argv[2]);
        }
        std::printf("seconds=%.3f\n", w.seconds);
    } catch (const std::exception& e) {
        std::cerr << "midiwriter: " << input << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
