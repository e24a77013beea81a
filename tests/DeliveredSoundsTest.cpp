#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const QString kData = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --- A reader of Standard MIDI Files, strict enough to reject what a player might not take.

struct MidiEvent {
    long tick = 0;
    int status = 0; // 0xff for meta events
    int meta = -1;
    std::vector<int> data;
};

struct Midi {
    int division = 0;
    std::vector<std::vector<MidiEvent>> tracks;
};

struct Reader {
    const QByteArray& bytes;
    qsizetype pos, end;

    int byte() {
        if (pos >= end) throw std::runtime_error("runs past the end of its chunk");
        return static_cast<std::uint8_t>(bytes[pos++]);
    }
    std::uint32_t big(int n) {
        std::uint32_t v = 0;
        while (n-- > 0)
            v = v << 8 | byte();
        return v;
    }
    std::uint32_t varLen() {
        std::uint32_t v = 0;
        for (int i = 0, b = 0x80; b & 0x80; ++i) {
            if (i == 4) throw std::runtime_error("variable-length number over 4 bytes");
            b = byte();
            v = v << 7 | (b & 0x7f);
        }
        return v;
    }
};

Midi parseMidi(const QByteArray& bytes) {
    Midi midi;
    Reader r{bytes, 0, bytes.size()};
    if (r.big(4) != 0x4d546864 || r.big(4) != 6) throw std::runtime_error("no MThd of 6 bytes");
    const std::uint32_t format = r.big(2), count = r.big(2);
    midi.division = static_cast<int>(r.big(2));
    if (format > 1 || midi.division <= 0 || midi.division & 0x8000)
        throw std::runtime_error("unexpected format or division");
    for (std::uint32_t t = 0; t < count; ++t) {
        if (r.big(4) != 0x4d54726b) throw std::runtime_error("missing MTrk");
        const qsizetype length = r.big(4);
        if (r.pos + length > r.end) throw std::runtime_error("track longer than the file");
        Reader tr{bytes, r.pos, r.pos + length};
        auto& events = midi.tracks.emplace_back();
        long tick = 0;
        int running = 0;
        while (tr.pos < tr.end) {
            if (!events.empty() && events.back().meta == 0x2f)
                throw std::runtime_error("events after end of track");
            MidiEvent& e = events.emplace_back();
            e.tick = tick += tr.varLen();
            e.status = tr.byte();
            if (e.status == 0xff) {
                e.meta = tr.byte();
                for (std::uint32_t n = tr.varLen(); n > 0; --n)
                    e.data.push_back(tr.byte());
                continue;
            }
            if (e.status >= 0xf0) throw std::runtime_error("unexpected system event");
            if (e.status & 0x80)
                running = e.status;
            else if (running)
                --tr.pos, e.status = running;
            else
                throw std::runtime_error("data byte without a status");
            e.data.push_back(tr.byte());
            if (e.status >> 4 != 0xc && e.status >> 4 != 0xd) e.data.push_back(tr.byte());
        }
        if (events.empty() || events.back().meta != 0x2f)
            throw std::runtime_error("track without end-of-track");
        r.pos += length;
    }
    if (r.pos != bytes.size()) throw std::runtime_error("bytes after the last track");
    return midi;
}

// Seconds from the start to `tick`, through the tempo map of all tracks.
double seconds(const Midi& midi, long tick) {
    std::map<long, double> tempo{{0, 500000}};
    for (const auto& track : midi.tracks)
        for (const MidiEvent& e : track)
            if (e.meta == 0x51 && e.data.size() == 3)
                tempo[e.tick] = e.data[0] << 16 | e.data[1] << 8 | e.data[2];
    double s = 0;
    long at = 0;
    double perQuarter = 500000;
    for (const auto& [t, us] : tempo) {
        if (t >= tick) break;
        s += (t - at) * perQuarter / midi.division / 1e6;
        at = t, perQuarter = us;
    }
    return s + (tick - at) * perQuarter / midi.division / 1e6;
}

long endTick(const Midi& midi) {
    long end = 0;
    for (const auto& track : midi.tracks)
        end = std::max(end, track.back().tick);
    return end;
}

struct Piece {
    const char* file;
    double shortest;
    double longest;
};

void PrintTo(const Piece& piece, std::ostream* out) {
    *out << piece.file;
}

class DeliveredMusic : public testing::TestWithParam<Piece> {};

TEST_P(DeliveredMusic, IsAWellFormedPieceOfTheIntendedLength) {
    const Piece piece = GetParam();
    Midi midi;
    ASSERT_NO_THROW(midi = parseMidi(readAll(kData + QString::fromLatin1(piece.file))));

    const double length = seconds(midi, endTick(midi));
    EXPECT_GE(length, piece.shortest);
    EXPECT_LE(length, piece.longest);
    EXPECT_LT(length, 90);

    bool tempoAtStart = false;
    std::map<int, int> notesByChannel;
    std::map<int, bool> programmed;
    std::array<int, 12> pitchClasses{};
    for (const auto& track : midi.tracks) {
        std::map<int, long> sounding; // channel * 128 + key -> since
        for (const MidiEvent& e : track) {
            tempoAtStart |= e.meta == 0x51 && e.tick == 0;
            const int kind = e.status >> 4, channel = e.status & 0x0f;
            if (kind == 0xc) programmed[channel] = true;
            if (kind != 0x8 && kind != 0x9) continue;
            const int id = channel * 128 + e.data[0];
            if (kind == 0x9 && e.data[1] > 0) {
                // A key struck again while it sounds would be cut by the first note's off.
                EXPECT_FALSE(sounding.count(id)) << piece.file << " tick " << e.tick;
                sounding[id] = e.tick;
                ++notesByChannel[channel];
                if (channel != 9) ++pitchClasses[e.data[0] % 12];
            } else {
                EXPECT_TRUE(sounding.erase(id)) << piece.file << " note-off without note-on";
            }
        }
        EXPECT_TRUE(sounding.empty()) << piece.file << ": notes left hanging";
    }
    EXPECT_TRUE(tempoAtStart);
    EXPECT_GT(notesByChannel[9], 20) << "drums";
    int tuned = 0;
    for (const auto& [channel, count] : notesByChannel)
        if (channel != 9 && count > 20) {
            ++tuned;
            EXPECT_TRUE(programmed[channel]) << "channel " << channel << " has no instrument";
        }
    EXPECT_GE(tuned, 3) << "melody, bass and chords";

    // Composed music keeps to a key: nearly all notes fit one major scale.
    int total = 0, best = 0;
    for (int tonic = 0; tonic < 12; ++tonic) {
        int inScale = 0;
        for (int step : {0, 2, 4, 5, 7, 9, 11})
            inScale += pitchClasses[(tonic + step) % 12];
        best = std::max(best, inScale);
        total += pitchClasses[tonic];
    }
    EXPECT_GE(best, total * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(Pieces, DeliveredMusic,
                         testing::Values(Piece{"MK_Start.mid", 30, 60},
                                         Piece{"MK_Menu.mid", 60, 85},
                                         Piece{"MK_Ending.mid", 50, 80}));

// --- Sounds

struct Wave {
    int rate = 0;
    std::vector<int> samples;
};

Wave parseWave(const QByteArray& b) {
    const auto u16 = [&](int at) {
        return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
    };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " ||
        b.mid(36, 4) != "data")
        throw std::runtime_error("not a plain RIFF WAVE file");
    if (u32(4) != b.size() - 8 || u32(16) != 16 || u16(20) != 1 || u16(22) != 1 || u16(34) != 16)
        throw std::runtime_error("not 16-bit PCM mono, or sizes wrong");
    Wave w;
    w.rate = u32(24);
    if ((w.rate != 22050 && w.rate != 44100) || u32(28) != w.rate * 2 || u16(32) != 2 ||
        u32(40) != b.size() - 44)
        throw std::runtime_error("rate or data size wrong");
    for (int at = 44; at + 1 < b.size(); at += 2)
        w.samples.push_back(static_cast<std::int16_t>(u16(at)));
    return w;
}

struct Sound {
    const char* file;
    double shortest;
    double longest;
};

void PrintTo(const Sound& sound, std::ostream* out) {
    *out << sound.file;
}

class DeliveredSound : public testing::TestWithParam<Sound> {};

TEST_P(DeliveredSound, IsAudiblePcmOfTheIntendedLengthWithoutAClickAtTheEnd) {
    const Sound sound = GetParam();
    Wave w;
    ASSERT_NO_THROW(w = parseWave(readAll(kData + QString::fromLatin1(sound.file))));
    const double length = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GE(length, sound.shortest);
    EXPECT_LE(length, sound.longest);
    int peak = 0;
    for (int s : w.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 16000);
    const auto tail = w.samples.end() - w.rate / 200;
    EXPECT_LT(std::abs(w.samples.back()), 300);
    EXPECT_TRUE(std::all_of(tail, w.samples.end(), [](int s) { return std::abs(s) < 2000; }));
}

INSTANTIATE_TEST_SUITE_P(Sounds, DeliveredSound,
                         testing::Values(Sound{"hit.wav", 0.1, 0.2}, Sound{"boo.wav", 0.4, 0.6},
                                         Sound{"tada.wav", 1.0, 1.4}));

// --- The tool itself

// Runs mk_soundtool; its exit code, or -1 if it crashed.
int runTool(const QStringList& args, QString* errors = nullptr) {
    QProcess p;
    p.start(QStringLiteral(MK_SOUNDTOOL), args);
    p.waitForFinished(20000);
    if (errors) *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

TEST(SoundTool, WritesTheScoreWithItsTempoAndRejectsABarThatDoesNotAddUp) {
    QTemporaryDir dir;
    const QString score = dir.filePath(QStringLiteral("score.txt"));
    const QString out = dir.filePath(QStringLiteral("out.mid"));
    const auto run = [&](const QByteArray& section, QString* errors = nullptr) {
        QFile f(score);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("tempo 120\nmeter 4/4\ntail 2\npart tune notes channel 1 program 1\n"
                "part beat drums channel 10\nsection A\n" +
                section + "end\nform A A\n");
        f.close();
        return runTool({QStringLiteral("midi"), score, out}, errors);
    };
    ASSERT_EQ(run("tune | c5/4 e5 g5 <c5e5g5>/4 | f#5/2. r/4 |\nbeat kick | x...x... | % |\n"), 0);
    Midi midi;
    ASSERT_NO_THROW(midi = parseMidi(readAll(out)));
    EXPECT_DOUBLE_EQ(seconds(midi, endTick(midi)), 9.0); // four bars at 120 and a two-beat tail

    // The second bar is an eighth short; the run fails and leaves the earlier file as it was.
    const QByteArray before = readAll(out);
    QString errors;
    EXPECT_NE(run("tune | c5/4 e5 g5 g5 | f5/2 r/8 r/4 |\n", &errors), 0);
    EXPECT_TRUE(errors.contains(u"line 7")) << errors.toStdString();
    EXPECT_EQ(readAll(out), before);
}

} // namespace
