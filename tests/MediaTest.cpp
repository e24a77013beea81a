#include "media/SdlMedia.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

// SDL's disk driver writes all that the mixer plays into this file, in real
// time; main() points SDL at it before anything plays.
QString diskFile;

qint64 written() {
    return QFileInfo(diskFile).size();
}

// The loudest sample written since `from` (16-bit stereo, as the device opens).
int loudestSince(qint64 from) {
    QFile file(diskFile);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from & ~qint64(3))) return -1;
    const QByteArray bytes = file.readAll();
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                 static_cast<std::uint8_t>(bytes[i + 1]) << 8);
        loudest = std::max(loudest, std::abs(int(s)));
    }
    return loudest;
}

std::unique_ptr<MediaDevice> device() {
    return SdlMediaFactory().create();
}

TEST(SdlDevice, LeavesTheSoundSystemAloneUntilTheFirstPlay) {
    if (SDL_WasInit(SDL_INIT_AUDIO)) GTEST_SKIP() << "an earlier test in this process played";
    auto d = device();
    d->open(kData + QStringLiteral("MK_Start.mid"));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    d->play();
    // A piece starts once the events of the moment, such as showing a window, are done.
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    QTest::qWait(50);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

// Plays `file` for a moment: is it heard, and is it quiet once closed?
void expectHeardUntilClosed(const QString& file) {
    auto d = device();
    d->open(kData + file);
    const qint64 before = written();
    d->play();
    QTest::qWait(700);
    EXPECT_GT(loudestSince(before), 1000) << file.toStdString();
    d->close();
    QTest::qWait(200); // what the driver had queued drains
    const qint64 closed = written();
    QTest::qWait(300);
    EXPECT_GT(written(), closed) << "the driver goes on writing";
    EXPECT_EQ(loudestSince(closed), 0) << file.toStdString();
}

TEST(SdlDevice, PlaysMidiMusicUntilClosed) {
    expectHeardUntilClosed(QStringLiteral("MK_Start.mid"));
}

TEST(SdlDevice, PlaysWaveSoundsUntilClosed) {
    expectHeardUntilClosed(QStringLiteral("tada.wav"));
}

TEST(SdlDevice, SoundPlaysOnceAtATimeAndPrevRewindsIt) {
    auto d = device();
    d->open(kData + QStringLiteral("tada.wav"));
    d->play();
    d->play(); // still playing: it plays on rather than starting over on a second channel
    EXPECT_EQ(Mix_Playing(-1), 1);
    d->prev();
    EXPECT_EQ(Mix_Playing(-1), 0);
    d->play();
    EXPECT_EQ(Mix_Playing(-1), 1);
    d.reset(); // destroying an open device closes it
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST(SdlDevice, ClosingADeviceLeavesAnotherDevicesMusicPlaying) {
    auto start = device(), menu = device(), idle = device();
    start->open(kData + QStringLiteral("MK_Start.mid"));
    start->play();
    menu->open(kData + QStringLiteral("MK_Menu.mid"));
    menu->play(); // takes the mixer's one music over
    idle->open(kData + QStringLiteral("MK_Ending.mid"));
    QTest::qWait(50);
    ASSERT_TRUE(Mix_PlayingMusic());

    start->prev();
    start->close();
    idle->close();
    EXPECT_TRUE(Mix_PlayingMusic());
    menu->close();
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST(SdlDevice, MissingFileIsSilentButReportsEverySecondWhileOpen) {
    QTemporaryDir dir;
    auto d = device();
    int reports = 0;
    d->onStatus = [&reports] { ++reports; };
    d->open(dir.filePath(QStringLiteral("nothing.mid")));
    d->play();
    d->prev();
    d->play();
    EXPECT_TRUE(d->isOpen());
    QTest::qWait(2500);
    EXPECT_EQ(reports, 2);
    d->close();
    EXPECT_FALSE(d->isOpen());
    QTest::qWait(1100);
    EXPECT_EQ(reports, 2);
}

// Runs in a process of its own, whose first play finds no audio driver.
TEST(SdlDeviceDeathTest, WithoutAnAudioDeviceStaysSilentAndKeepsReporting) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            qputenv("SDL_AUDIODRIVER", "no-such-driver");
            auto d = device();
            int reports = 0;
            d->onStatus = [&reports] { ++reports; };
            d->open(kData + QStringLiteral("MK_Start.mid"));
            d->play();
            QTest::qWait(1400);
            const bool ok = reports == 1 && d->isOpen() && !Mix_PlayingMusic();
            d->close();
            std::_Exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    diskFile = dir.filePath(QStringLiteral("audio.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(diskFile));
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
