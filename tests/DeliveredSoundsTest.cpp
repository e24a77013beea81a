#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>
#include <vorbis/vorbisfile.h>

namespace {

const QString kData = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

QByteArray readAll(const QString& path) {
    QFile file(path.contains(u'/') ? path : kData + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void need(const QString& file, bool ok) {
    if (!ok) throw std::runtime_error(file.toStdString() + " is not well formed");
}

// The seconds a Standard MIDI File lasts, by its ticks and tempo map; throws if ill-formed.
double midiSeconds(const QString& file) {
    const QByteArray b = readAll(file);
    qsizetype pos = 0;
    const auto num = [&](qsizetype n) { // the next n bytes as a big-endian number
        need(file, pos + n <= b.size());
        return b.mid((pos += n) - n, n).toHex().toUInt(nullptr, 16);
    };
    const auto varLen = [&] {
        quint32 v = 0, c = 0x80;
        for (int i = 0; c & 0x80; ++i)
            need(file, i < 4), c = num(1), v = v << 7 | (c & 0x7f);
        return v;
    };
    need(file, num(4) == 0x4d546864 && num(4) == 6 && num(2) <= 1); // MThd, format 0 or 1
    double tracks = num(2), division = num(2), last = 0, us = 0, at = 0, perQuarter = 500000;
    for (quint32 t = 0; t < tracks; ++t) {
        qsizetype tag = num(4), size = num(4), end = pos + size, tick = 0, running = 0, meta = 0;
        while (pos < end) {
            tick += varLen();
            const qsizetype status = num(1);
            meta = status == 0xff ? num(1) : 0;
            if (status != 0xff) running = status & 0x80 ? status : (--pos, running);
            need(file, status == 0xff || (running >= 0x80 && running < 0xf0));
            const quint32 data = num(status == 0xff ? varLen() : (running & 0xe0) == 0xc0 ? 1 : 2);
            if (meta == 0x51) // a change of tempo, which the first track holds
                need(file, t == 0), us += (tick - at) * perQuarter, at = tick, perQuarter = data;
        }
        need(file, tag == 0x4d54726b && pos == end && meta == 0x2f); // MTrk, end-of-track last
        last = std::max<double>(last, tick);
    }
    need(file, pos == b.size());
    return (us + (last - at) * perQuarter) / division / 1e6;
}

// The seconds a 16-bit mono PCM WAVE file lasts; throws if it is ill-formed or nearly silent.
double waveSeconds(const QString& file) {
    const QByteArray b = readAll(file).leftJustified(44, '\0'); // a shorter file fails below
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.data() + at); };
    const quint32 rate = u32(24), data = u32(40);
    // A 16-byte format: PCM, mono, the rate, bytes a second, 2 bytes a sample of 16 bits.
    need(file, b.startsWith("RIFF") && u32(4) == data + 36 && b.mid(8, 8) == "WAVEfmt " &&
                   u32(16) == 16 && u32(20) == 0x10001 && (rate == 22050 || rate == 44100) &&
                   u32(28) == rate * 2 && u32(32) == 0x100002 && b.mid(36, 4) == "data" &&
                   data + 44 == b.size());
    int peak = 0;
    for (qsizetype i = 44; i + 1 < b.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(b.data() + i))));
    need(file, peak > 16000);
    return data / 2.0 / rate;
}

struct Decoded {
    double seconds = 0;
    int peak = 0;
};

// Decodes a whole Ogg Vorbis file to 16-bit samples; throws if it does not decode.
Decoded decodeOgg(const QString& file) {
    OggVorbis_File vf;
    const QByteArray path = QFile::encodeName(kData + file);
    need(file, ov_fopen(path.constData(), &vf) == 0);
    Decoded d;
    char buffer[8192];
    int section = 0;
    long got = 0;
    while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0)
        for (long i = 0; i + 1 < got; i += 2)
            d.peak = std::max(d.peak, std::abs(int(qFromLittleEndian<qint16>(buffer + i))));
    d.seconds = ov_time_total(&vf, -1);
    ov_clear(&vf);
    need(file, got == 0);
    return d;
}

} // namespace

TEST(DeliveredSounds, EachIsWellFormedOfItsLengthAndEachScoreHasAnAudibleRenderingAsLong) {
    const std::tuple<QString, double, double> lengths[] = {
        {u"MK_Start.mid"_qs, 30, 60}, {u"MK_Menu.mid"_qs, 60, 85}, {u"MK_Ending.mid"_qs, 50, 80},
        {u"hit.wav"_qs, 0.1, 0.2},    {u"boo.wav"_qs, 0.4, 0.6},   {u"tada.wav"_qs, 1.0, 1.4}};
    for (const auto& [file, lo, hi] : lengths) {
        SCOPED_TRACE(file.toStdString());
        const bool score = file.endsWith(u".mid");
        const double seconds = score ? midiSeconds(file) : waveSeconds(file);
        EXPECT_TRUE(seconds >= lo && seconds <= hi) << seconds;
        if (!score) continue;
        const QString rendered = file.chopped(4) + u".ogg"_qs;
        EXPECT_GE(QFileInfo(kData + rendered).lastModified(),
                  QFileInfo(kData + file).lastModified())
            << "the rendering is older";
        const Decoded d = decodeOgg(rendered);
        // The renderer goes on until the last notes have died away.
        EXPECT_TRUE(d.seconds >= seconds - 0.5 && d.seconds <= seconds + 8) << d.seconds;
        EXPECT_GT(d.peak, 8000);
    }
}

TEST(SoundTool, WritesTheScoreAtItsTempoAndRefusesABarThatDoesNotAddUp) {
    QTemporaryDir dir;
    const QString score = dir.filePath(u"score.txt"_qs), out = dir.filePath(u"out.mid"_qs);
    const auto run = [&](const QByteArray& secondBar) {
        QFile f(score);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("tempo 120\nmeter 4/4\ntail 2\npart tune notes channel 1 program 1\nsection A\n");
        f.write("tune | c5/4 e5 g5 <c5e5g5>/4 | " + secondBar + " |\nend\nform A A\n");
        f.close();
        return QProcess::execute(QStringLiteral(MK_SOUNDTOOL), {u"midi"_qs, score, out});
    };
    EXPECT_TRUE(run("f#5/2. r/8") > 0 && !QFile::exists(out)); // an eighth short: refused
    ASSERT_EQ(run("f#5/2. r/4"), 0);
    EXPECT_DOUBLE_EQ(midiSeconds(out), 9.0); // four bars at 120 and a two-beat tail
}
