// Makes the delivered music and sounds, all composed and synthesised here:
//   mk_soundtool midi SCORE OUT   a Standard MIDI File from a score in data/music/
//   mk_soundtool wav NAME OUT     a synthesised sound: hit, boo or tada
//
// A score is plain text, one statement a line; a "#" that starts a word starts a comment:
//   title TEXT               tempo BPM               meter N/D        tail BEATS
//   part NAME KIND channel C program P [volume V] [pan P] [reverb R] [velocity V] [style S]
//       KIND: notes, chords or drums; P is the General MIDI number counted from 1;
//       S (chords): pad, pulse, afterbeat or arp
//   section NAME ... end     form NAME NAME ...
// Inside a section: "tempo BPM", "rit BPM" (slows through the last bar),
// "style PART S", and the music itself:
//   NOTES-PART | c5/4 e5/8 g5 <c4e4g4>/2 r/4 | % |     (pitch, /length, "." dots, "t" triplet)
//   CHORDS-PART | C/2 G7/2 | Am/1 |                    (chord symbols with lengths)
//   DRUMS-PART INSTRUMENT | x...x... | % |              (X accent, x hit, o soft, . rest)
// A length left out is the one before; "%" repeats the bar before. Every bar
// must add up to the meter, and every part written in a section must fill it,
// so that a slip in the score stops the build.
#include "core/WholeFile.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kDivision = 480; // ticks per quarter note

struct ScoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void error(int line, const std::string& message) {
    throw ScoreError("line " + std::to_string(line) + ": " + message);
}

enum class Kind { Notes, Chords, Drums };
enum class Style { Pad, Pulse, Afterbeat, Arp };

struct Note {
    int start = 0;
    int length = 0;
    int key = 0;
    int velocity = 0;
};

struct Part {
    std::string name;
    Kind kind = Kind::Notes;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int velocity = 90;
    Style style = Style::Pad;
    // Chords move to the nearest inversion, so the accompaniment does not leap.
    double voicingMean = 62;
    std::vector<Note> notes;
};

struct Line {
    std::string part;
    std::string drum;
    std::vector<std::string> tokens;
    int number = 0;
};

struct Section {
    int length = 0;
    double tempo = 0;
    double rit = 0;
    std::map<int, std::vector<Note>> notes; // by part index, from the section's start
};

struct TempoChange {
    int tick = 0;
    double bpm = 0;
};

struct Score {
    std::string title;
    double tempo = 120;
    int meterBeats = 4;
    int meterUnit = 4;
    int tailBeats = 2;
    std::vector<Part> parts;
    std::map<std::string, Section> sections;
    std::vector<std::string> form;

    int beat() const { return kDivision * 4 / meterUnit; }
    int bar() const { return beat() * meterBeats; }
};

int toInt(const std::string& text, int line, int low, int high) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        error(line, "not a number: " + text);
    }
    if (used != text.size() || value < low || value > high)
        error(line, text + " is not a number from " + std::to_string(low) + " to " +
                        std::to_string(high));
    return value;
}

// A comment starts with a "#" that begins a word; f#5 is a note.
std::string withoutComment(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1]))))
            return text.substr(0, i);
    return text;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(withoutComment(text));
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// "4" quarter, "8." dotted eighth, "8t" triplet eighth.
int duration(const std::string& text, int line) {
    std::string digits = text;
    int num = 1, den = 1;
    if (!digits.empty() && digits.back() == '.')
        num = 3, den = 2, digits.pop_back();
    else if (!digits.empty() && digits.back() == 't')
        num = 2, den = 3, digits.pop_back();
    const int unit = toInt(digits, line, 1, 32);
    if ((kDivision * 4) % (unit * den) != 0) error(line, "unsupported length /" + text);
    return kDivision * 4 / unit * num / den;
}

// Splits "c5/8" into the part before the slash and its length, the length
// carried over from the previous token when not given.
std::string withLength(const std::string& token, int& length, int line) {
    const auto slash = token.find('/');
    if (slash == std::string::npos) return token;
    length = duration(token.substr(slash + 1), line);
    return token.substr(0, slash);
}

int pitchClass(char letter, int line) {
    static const std::map<char, int> classes{{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                             {'g', 7}, {'a', 9}, {'b', 11}};
    const auto it = classes.find(static_cast<char>(std::tolower(letter)));
    if (it == classes.end()) error(line, std::string("not a note name: ") + letter);
    return it->second;
}

// Reads "c#5", "bb3", "e4" from text at pos; middle C is c4 (MIDI 60).
int readPitch(const std::string& text, std::size_t& pos, int line) {
    if (pos >= text.size()) error(line, "missing pitch in " + text);
    int pc = pitchClass(text[pos++], line);
    if (pos < text.size() && text[pos] == '#')
        ++pc, ++pos;
    else if (pos < text.size() && text[pos] == 'b')
        --pc, ++pos;
    if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
        error(line, "missing octave in " + text);
    const int octave = text[pos++] - '0';
    const int key = 12 * (octave + 1) + pc;
    if (key < 0 || key > 127) error(line, "pitch out of range in " + text);
    return key;
}

std::vector<int> readPitches(const std::string& text, int line) {
    std::vector<int> keys;
    if (text.size() > 2 && text.front() == '<' && text.back() == '>') {
        const std::string inner = text.substr(1, text.size() - 2);
        for (std::size_t pos = 0; pos < inner.size();)
            keys.push_back(readPitch(inner, pos, line));
    } else {
        std::size_t pos = 0;
        keys.push_back(readPitch(text, pos, line));
        if (pos != text.size()) error(line, "not a note: " + text);
    }
    return keys;
}

std::vector<int> chordTones(const std::string& symbol, int line) {
    static const std::map<std::string, std::vector<int>> qualities{
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},      {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}}, {"6", {0, 4, 7, 9}},
        {"sus4", {0, 5, 7}},     {"dim", {0, 3, 6}},    {"aug", {0, 4, 8}}};
    if (symbol.empty() || !std::isupper(static_cast<unsigned char>(symbol[0])))
        error(line, "not a chord: " + symbol);
    std::size_t pos = 0;
    int root = pitchClass(symbol[pos++], line);
    if (pos < symbol.size() && symbol[pos] == '#')
        ++root, ++pos;
    else if (pos < symbol.size() && symbol[pos] == 'b')
        --root, ++pos;
    const auto quality = qualities.find(symbol.substr(pos));
    if (quality == qualities.end()) error(line, "unknown chord: " + symbol);
    std::vector<int> pcs;
    for (int interval : quality->second)
        pcs.push_back((root + interval + 12) % 12);
    return pcs;
}

// The inversion, lowest note between F3 and E4, whose centre is nearest the last one.
std::vector<int> voice(Part& part, const std::vector<int>& pcs) {
    std::vector<int> best;
    double bestDistance = 1e9;
    for (std::size_t r = 0; r < pcs.size(); ++r) {
        std::vector<int> keys;
        int key = 53;
        for (std::size_t i = 0; i < pcs.size(); ++i) {
            const int pc = pcs[(r + i) % pcs.size()];
            if (!keys.empty()) key = keys.back() + 1;
            while (key % 12 != pc)
                ++key;
            keys.push_back(key);
        }
        double mean = 0;
        for (int k : keys)
            mean += k;
        mean /= static_cast<double>(keys.size());
        if (std::abs(mean - part.voicingMean) < bestDistance)
            bestDistance = std::abs(mean - part.voicingMean), best = keys;
    }
    double mean = 0;
    for (int k : best)
        mean += k;
    part.voicingMean = (mean / static_cast<double>(best.size()) + 62) / 2;
    return best;
}

// Downbeats a little louder, off-beats a little softer: the tunes then lilt.
int accented(const Score& score, int base, int tick) {
    const int inBar = tick % score.bar();
    const int v = inBar == 0 ? base + 8 : tick % score.beat() == 0 ? base : base - 6;
    return std::clamp(v, 1, 127);
}

void addChord(const Score& score, Part& part, Style style, std::vector<Note>& out, int start,
              int length, const std::vector<int>& pcs) {
    const std::vector<int> keys = voice(part, pcs);
    const int beat = score.beat();
    const auto strike = [&](int at, int len) {
        for (int key : keys)
            out.push_back({at, len, key, accented(score, part.velocity, at)});
    };
    switch (style) {
    case Style::Pad:
        strike(start, length - 10);
        break;
    case Style::Pulse:
    case Style::Afterbeat:
        // The after-beats leave the strong beats to the bass: 2 and 4 in 4/4,
        // 2 and 3 in a waltz.
        for (int at = start; at < start + length; at += beat) {
            const int b = at % score.bar() / beat;
            const bool strong = b == 0 || (score.meterBeats % 2 == 0 && b % 2 == 0);
            if (style == Style::Pulse || !strong)
                strike(at, std::min(beat * 7 / 10, start + length - at));
        }
        break;
    case Style::Arp: {
        // Up and down the chord in eighths, each tone ringing into the next.
        std::vector<int> order;
        for (std::size_t i = 0; i < keys.size(); ++i)
            order.push_back(static_cast<int>(i));
        for (std::size_t i = keys.size() - 2; i > 0; --i)
            order.push_back(static_cast<int>(i));
        const int step = kDivision / 2;
        for (int at = start, n = 0; at < start + length; at += step, ++n) {
            const int key = keys[static_cast<std::size_t>(order[n % order.size()])];
            out.push_back({at, std::min(2 * step - 20, start + length - at), key,
                           accented(score, part.velocity, at)});
        }
        break;
    }
    }
}

Style styleNamed(const std::string& name, int line) {
    if (name == "pad") return Style::Pad;
    if (name == "pulse") return Style::Pulse;
    if (name == "afterbeat") return Style::Afterbeat;
    if (name == "arp") return Style::Arp;
    error(line, "unknown style: " + name);
}

int drumKey(const std::string& name, int line) {
    static const std::map<std::string, int> kit{
        {"kick", 36},         {"sidestick", 37}, {"snare", 38},    {"clap", 39},
        {"lowtom", 45},       {"hat", 42},       {"pedalhat", 44}, {"openhat", 46},
        {"midtom", 47},       {"crash", 49},     {"hitom", 50},    {"ride", 51},
        {"tambourine", 54},   {"cowbell", 56},   {"maracas", 70},  {"woodblock", 76},
        {"mutetriangle", 80}, {"triangle", 81}};
    const auto it = kit.find(name);
    if (it == kit.end()) error(line, "unknown drum: " + name);
    return it->second;
}

// One voice of a section: a part, or one drum of the drum part. Its lines follow on.
struct Voice {
    int cursor = 0;
    std::vector<std::string> lastBar;
};

void realiseLine(Score& score, Section& section, Part& part, int partIndex, Style style,
                 Voice& voice, const Line& line) {
    // Expands "%" and checks the bar lines; each bar then goes to the part's kind.
    std::vector<std::string> bar;
    const auto finishBar = [&] {
        std::vector<Note>& out = section.notes[partIndex];
        const int start = voice.cursor;
        int at = start;
        if (part.kind == Kind::Drums) {
            std::string steps;
            for (const std::string& t : bar)
                steps += t;
            if (steps.empty() || score.bar() % static_cast<int>(steps.size()) != 0)
                error(line.number, "a drum bar needs steps that divide the bar: " + steps);
            const int step = score.bar() / static_cast<int>(steps.size());
            const int key = drumKey(line.drum, line.number);
            for (char c : steps) {
                const int v = c == 'X'   ? part.velocity + 22
                              : c == 'o' ? part.velocity - 32
                                         : part.velocity;
                if (c == 'x' || c == 'X' || c == 'o')
                    out.push_back({at, std::min(step, 60), key, std::clamp(v, 1, 127)});
                else if (c != '.' && c != '-')
                    error(line.number, std::string("not a drum step: ") + c);
                at += step;
            }
        } else {
            int length = score.beat();
            for (const std::string& token : bar) {
                const std::string what = withLength(token, length, line.number);
                if (what == "r") {
                } else if (part.kind == Kind::Chords) {
                    addChord(score, part, style, out, at, length, chordTones(what, line.number));
                } else {
                    // A small gap before the next note keeps repeated notes apart.
                    const int sounding = length - std::min(length / 8, 40);
                    for (int key : readPitches(what, line.number))
                        out.push_back({at, sounding, key, accented(score, part.velocity, at)});
                }
                at += length;
            }
        }
        if (at - start != score.bar())
            error(line.number, "a bar of " + std::to_string(at - start) + " ticks, not " +
                                   std::to_string(score.bar()));
        voice.cursor = at;
        voice.lastBar = bar;
        bar.clear();
    };
    bool anyContent = false;
    for (const std::string& token : line.tokens) {
        if (token == "|") {
            if (!bar.empty())
                finishBar();
            else if (anyContent)
                error(line.number, "an empty bar");
        } else if (token == "%") {
            if (voice.lastBar.empty()) error(line.number, "% with no bar before it");
            bar.insert(bar.end(), voice.lastBar.begin(), voice.lastBar.end());
            anyContent = true;
        } else {
            bar.push_back(token);
            anyContent = true;
        }
    }
    if (!bar.empty()) error(line.number, "the line ends inside a bar (missing |)");
}

int partIndex(const Score& score, const std::string& name, int line) {
    for (std::size_t i = 0; i < score.parts.size(); ++i)
        if (score.parts[i].name == name) return static_cast<int>(i);
    error(line, "unknown part: " + name);
}

Section realiseSection(Score& score, const std::vector<Line>& lines, int endLine) {
    Section section;
    std::map<int, Style> styles;
    std::map<std::string, Voice> voices;
    for (const Line& line : lines) {
        if (line.part == "tempo" || line.part == "rit") {
            if (line.tokens.size() != 1) error(line.number, line.part + " needs a BPM");
            (line.part == "tempo" ? section.tempo : section.rit) =
                toInt(line.tokens[0], line.number, 20, 300);
        } else if (line.part == "style") {
            if (line.tokens.size() != 2) error(line.number, "style needs a part and a style");
            styles[partIndex(score, line.tokens[0], line.number)] =
                styleNamed(line.tokens[1], line.number);
        }
    }
    for (const Line& line : lines) {
        if (line.part == "tempo" || line.part == "rit" || line.part == "style") continue;
        const int index = partIndex(score, line.part, line.number);
        Part& part = score.parts[static_cast<std::size_t>(index)];
        const auto style = styles.find(index);
        realiseLine(score, section, part, index, style == styles.end() ? part.style : style->second,
                    voices[line.part + ' ' + line.drum], line);
    }
    if (voices.empty()) error(endLine, "a section without music");
    for (const auto& [name, voice] : voices) {
        if (section.length == 0) section.length = voice.cursor;
        if (voice.cursor != section.length)
            error(endLine, "the voices of the section differ in length (" + name + ")");
    }
    return section;
}

Part readPart(const std::vector<std::string>& w, int line) {
    if (w.size() < 3 || (w.size() - 3) % 2 != 0) error(line, "part NAME KIND key value ...");
    Part part;
    part.name = w[1];
    if (w[2] == "notes")
        part.kind = Kind::Notes;
    else if (w[2] == "chords")
        part.kind = Kind::Chords;
    else if (w[2] == "drums")
        part.kind = Kind::Drums, part.channel = 9;
    else
        error(line, "unknown kind: " + w[2]);
    for (std::size_t i = 3; i < w.size(); i += 2) {
        const std::string& key = w[i];
        const std::string& value = w[i + 1];
        if (key == "channel")
            part.channel = toInt(value, line, 1, 16) - 1;
        else if (key == "program")
            part.program = toInt(value, line, 1, 128) - 1;
        else if (key == "volume")
            part.volume = toInt(value, line, 0, 127);
        else if (key == "pan")
            part.pan = toInt(value, line, 0, 127);
        else if (key == "reverb")
            part.reverb = toInt(value, line, 0, 127);
        else if (key == "velocity")
            part.velocity = toInt(value, line, 1, 127);
        else if (key == "style")
            part.style = styleNamed(value, line);
        else
            error(line, "unknown part setting: " + key);
    }
    return part;
}

Score readScore(const std::string& text) {
    Score score;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    std::string openSection;
    std::vector<Line> sectionLines;
    while (std::getline(in, raw)) {
        ++number;
        const std::vector<std::string> w = words(raw);
        if (w.empty()) continue;
        if (!openSection.empty()) {
            if (w[0] == "end") {
                score.sections[openSection] = realiseSection(score, sectionLines, number);
                openSection.clear();
                continue;
            }
            Line line{w[0], {}, {w.begin() + 1, w.end()}, number};
            const auto found = std::find_if(score.parts.begin(), score.parts.end(),
                                            [&](const Part& p) { return p.name == w[0]; });
            if (found != score.parts.end() && found->kind == Kind::Drums) {
                if (line.tokens.empty()) error(number, "a drum line names its drum first");
                line.drum = line.tokens.front();
                line.tokens.erase(line.tokens.begin());
            }
            sectionLines.push_back(std::move(line));
            continue;
        }
        if (w[0] == "title") {
            const std::string text = withoutComment(raw);
            score.title = text.substr(text.find("title") + 5);
            score.title.erase(0, score.title.find_first_not_of(' '));
            score.title.erase(score.title.find_last_not_of(' ') + 1);
        } else if (w[0] == "tempo" && w.size() == 2) {
            score.tempo = toInt(w[1], number, 20, 300);
        } else if (w[0] == "meter" && w.size() == 2 && w[1].find('/') != std::string::npos) {
            const auto slash = w[1].find('/');
            score.meterBeats = toInt(w[1].substr(0, slash), number, 1, 12);
            score.meterUnit = toInt(w[1].substr(slash + 1), number, 2, 8);
            if (score.meterUnit != 2 && score.meterUnit != 4 && score.meterUnit != 8)
                error(number, "the meter's unit must be 2, 4 or 8");
        } else if (w[0] == "tail" && w.size() == 2) {
            score.tailBeats = toInt(w[1], number, 0, 16);
        } else if (w[0] == "part") {
            score.parts.push_back(readPart(w, number));
        } else if (w[0] == "section" && w.size() == 2) {
            openSection = w[1];
            sectionLines.clear();
        } else if (w[0] == "form") {
            score.form.assign(w.begin() + 1, w.end());
            for (const std::string& name : score.form)
                if (!score.sections.count(name)) error(number, "unknown section: " + name);
        } else {
            error(number, "not understood: " + raw);
        }
    }
    if (!openSection.empty()) error(number, "section " + openSection + " has no end");
    if (score.form.empty()) error(number, "no form");
    return score;
}

void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = value & 0x7f;
        value >>= 7;
    } while (value);
    while (n-- > 0)
        out.push_back(static_cast<std::uint8_t>(bytes[n] | (n ? 0x80 : 0)));
}

void putBig(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    while (bytes-- > 0)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * bytes)));
}

struct Event {
    int tick;
    int order; // set-up first, then note-offs before note-ons at the same tick
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> meta(int type, const std::string& text) {
    std::vector<std::uint8_t> out{0xff, static_cast<std::uint8_t>(type)};
    putVarLen(out, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

void putTrack(std::vector<std::uint8_t>& file, std::vector<Event> events, int end) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> track;
    int now = 0;
    for (const Event& e : events) {
        putVarLen(track, static_cast<std::uint32_t>(e.tick - now));
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    putVarLen(track, static_cast<std::uint32_t>(end - now));
    track.insert(track.end(), {0xff, 0x2f, 0x00});
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    putBig(file, static_cast<std::uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
}

std::vector<std::uint8_t> tempoEvent(double bpm) {
    std::vector<std::uint8_t> out{0xff, 0x51, 0x03};
    putBig(out, static_cast<std::uint32_t>(std::lround(60'000'000.0 / bpm)), 3);
    return out;
}

// A format 1 file: a conductor track with the tempo map, then one track a part.
std::vector<std::uint8_t> writeMidi(Score& score) {
    std::vector<TempoChange> tempos{{0, score.tempo}};
    double bpm = score.tempo;
    int cursor = 0;
    for (const std::string& name : score.form) {
        const Section& section = score.sections.at(name);
        if (section.tempo > 0) {
            if (tempos.back().tick == cursor) tempos.pop_back();
            tempos.push_back({cursor, bpm = section.tempo});
        }
        for (const auto& [index, notes] : section.notes)
            for (Note n : notes) {
                n.start += cursor;
                score.parts[static_cast<std::size_t>(index)].notes.push_back(n);
            }
        if (section.rit > 0) {
            const int beats = score.meterBeats;
            const double from = bpm;
            for (int i = 0; i < beats; ++i)
                tempos.push_back({cursor + section.length - score.bar() + i * score.beat(),
                                  bpm = from + (section.rit - from) * (i + 1) / beats});
        }
        cursor += section.length;
    }
    const int end = cursor + score.tailBeats * score.beat();

    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd'};
    putBig(file, 6, 4);
    putBig(file, 1, 2);
    putBig(file, static_cast<std::uint32_t>(score.parts.size() + 1), 2);
    putBig(file, kDivision, 2);

    std::vector<Event> conductor{{0, 0, meta(0x03, score.title)}};
    const int unitPower = score.meterUnit == 2 ? 1 : score.meterUnit == 4 ? 2 : 3;
    conductor.push_back({0,
                         0,
                         {0xff, 0x58, 0x04, static_cast<std::uint8_t>(score.meterBeats),
                          static_cast<std::uint8_t>(unitPower), 24, 8}});
    for (const TempoChange& t : tempos)
        conductor.push_back({t.tick, 0, tempoEvent(t.bpm)});
    putTrack(file, conductor, end);

    for (Part& part : score.parts) {
        const auto ch = static_cast<std::uint8_t>(part.channel);
        std::vector<Event> events{
            {0, 0, meta(0x03, part.name)},
            {0, 0, {static_cast<std::uint8_t>(0xc0 | ch), static_cast<std::uint8_t>(part.program)}},
            {0,
             0,
             {static_cast<std::uint8_t>(0xb0 | ch), 7, static_cast<std::uint8_t>(part.volume)}},
            {0, 0, {static_cast<std::uint8_t>(0xb0 | ch), 10, static_cast<std::uint8_t>(part.pan)}},
            {0,
             0,
             {static_cast<std::uint8_t>(0xb0 | ch), 91, static_cast<std::uint8_t>(part.reverb)}}};
        // A note that would still sound when its key is struck again ends there,
        // so that no note-off cuts the newer note short.
        std::stable_sort(part.notes.begin(), part.notes.end(),
                         [](const Note& a, const Note& b) { return a.start < b.start; });
        std::map<int, Note*> sounding;
        for (Note& n : part.notes) {
            Note*& last = sounding[n.key];
            if (last && last->start + last->length > n.start) last->length = n.start - last->start;
            last = &n;
        }
        for (const Note& n : part.notes) {
            if (n.length <= 0) continue;
            const auto key = static_cast<std::uint8_t>(n.key);
            events.push_back({n.start,
                              2,
                              {static_cast<std::uint8_t>(0x90 | ch), key,
                               static_cast<std::uint8_t>(n.velocity)}});
            events.push_back(
                {n.start + n.length, 1, {static_cast<std::uint8_t>(0x80 | ch), key, 64}});
        }
        putTrack(file, std::move(events), end);
    }
    return file;
}

// --- Sounds -------------------------------------------------------------------

constexpr int kRate = 22050;
constexpr double kTau = 2 * std::numbers::pi;

// A short bright knock: a sine whose pitch falls fast, dying in a tenth of a second.
std::vector<double> hitSound() {
    std::vector<double> out(static_cast<std::size_t>(0.15 * kRate));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += kTau * (650 + 1100 * std::exp(-t / 0.018)) / kRate;
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / 0.032);
        out[i] = envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
    return out;
}

// A low buzz sliding down an octave: a square wave built from its odd harmonics
// below the Nyquist frequency, so that it does not alias into a hiss.
std::vector<double> booSound() {
    const double length = 0.5;
    std::vector<double> out(static_cast<std::size_t>(length * kRate));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = 200 * std::pow(0.5, t / length) * (1 + 0.02 * std::sin(kTau * 7 * t));
        phase += kTau * f / kRate;
        double square = 0;
        for (int k = 1; k * f < kRate / 2.2 && k < 16; k += 2)
            square += std::sin(k * phase) / k;
        const double envelope =
            std::min(1.0, t / 0.01) * (1 - 0.3 * t / length) * std::min(1.0, (length - t) / 0.12);
        out[i] = envelope * square;
    }
    return out;
}

// C5 E5 G5 rising to a held C6 with a little vibrato: a small brass-like fanfare.
std::vector<double> tadaSound() {
    const double length = 1.2;
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    std::vector<double> out(static_cast<std::size_t>(length * kRate), 0.0);
    for (int n = 0; n < 4; ++n) {
        const bool last = n == 3;
        const double start = 0.11 * n;
        double phase = 0;
        for (auto i = static_cast<std::size_t>(start * kRate); i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate - start;
            const double vibrato =
                last ? 1 + 0.006 * std::sin(kTau * 5.5 * t) * std::min(1.0, t / 0.3) : 1;
            phase += kTau * notes[n] * vibrato / kRate;
            const double envelope = std::min(1.0, t / 0.006) * std::exp(-t / (last ? 0.9 : 0.16));
            out[i] += envelope * (std::sin(phase) + 0.5 * std::sin(2 * phase) +
                                  0.25 * std::sin(3 * phase) + 0.12 * std::sin(4 * phase));
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= std::min(1.0, (length - static_cast<double>(i) / kRate) / 0.15);
    return out;
}

std::vector<std::uint8_t> writeWave(const std::vector<double>& samples) {
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? 0.85 * 32767 / peak : 0;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    const auto little = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    little(36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    little(16, 4);
    little(1, 2); // PCM
    little(1, 2); // mono
    little(kRate, 4);
    little(kRate * 2, 4);
    little(2, 2);
    little(16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    little(dataBytes, 4);
    for (double s : samples)
        little(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * gain))), 2);
    return out;
}

// --- Command line -------------------------------------------------------------

int fail(const QString& message) {
    std::fprintf(stderr, "mk_soundtool: %s\n", qPrintable(message));
    return 1;
}

// Written whole, so that a failed build leaves no half file that would look up to date.
int save(const QString& path, const std::vector<std::uint8_t>& bytes) {
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    const Status written = wholefile::write(path, data);
    if (!written) return fail(path + QStringLiteral(": ") + written.error().message);
    return 0;
}

int midi(const QString& scorePath, const QString& out) {
    QFile file(scorePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(scorePath + QStringLiteral(": ") + file.errorString());
    try {
        Score score = readScore(file.readAll().toStdString());
        return save(out, writeMidi(score));
    } catch (const ScoreError& e) {
        return fail(scorePath + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
}

int wav(const QString& name, const QString& out) {
    if (name == u"hit") return save(out, writeWave(hitSound()));
    if (name == u"boo") return save(out, writeWave(booSound()));
    if (name == u"tada") return save(out, writeWave(tadaSound()));
    return fail(QStringLiteral("no sound named ") + name);
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() == 3 && args[0] == u"midi") return midi(args[1], args[2]);
    if (args.size() == 3 && args[0] == u"wav") return wav(args[1], args[2]);
    std::fprintf(stderr, "usage: mk_soundtool midi SCORE OUT\n"
                         "       mk_soundtool wav hit|boo|tada OUT\n");
    return 2;
}
