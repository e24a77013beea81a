#include "media/SdlMedia.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

// SDL's disk driver writes all the mixer plays into this file, in real time.
QString diskFile;

qint64 written() {
    return QFileInfo(diskFile).size();
}

// The loudest 16-bit sample written since `from`.
int loudestSince(qint64 from) {
    QFile file(diskFile);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from & ~qint64(3))) return -1;
    const QByteArray b = file.readAll();
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < b.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(qFromLittleEndian<qint16>(b.constData() + i))));
    return loudest;
}

std::unique_ptr<MediaDevice> device(const QString& file) {
    auto d = SdlMediaFactory().create();
    d->open(kData + file);
    return d;
}

TEST(SdlDevice, LeavesTheSoundSystemAloneUntilThePieceStarts) {
    if (SDL_WasInit(SDL_INIT_AUDIO)) GTEST_SKIP() << "an earlier test in this process played";
    auto d = device(QStringLiteral("MK_Start.mid"));
    d->play(); // the piece starts on the next turn of the event loop
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    QTest::qWait(50);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(SdlDevice, PlaysMusicAndSoundsAudiblyUntilClosed) {
    for (const QString& file : {QStringLiteral("MK_Start.mid"), QStringLiteral("tada.wav")}) {
        auto d = device(file);
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
}

TEST(SdlDevice, ClosingADeviceLeavesAnotherDevicesMusicPlaying) {
    auto start = device(QStringLiteral("MK_Start.mid"));
    auto menu = device(QStringLiteral("MK_Menu.mid"));
    start->play();
    menu->play(); // takes the mixer's one music over
    QTest::qWait(50);
    ASSERT_TRUE(Mix_PlayingMusic());
    start->close();
    EXPECT_TRUE(Mix_PlayingMusic());
    menu->close();
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST(SdlDevice, MissingFileIsSilentButReportsEverySecondWhileOpen) {
    auto d = device(QStringLiteral("nothing.mid"));
    int reports = 0;
    d->onStatus = [&reports] { ++reports; };
    const qint64 before = written();
    d->play();
    QTest::qWait(2500);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(loudestSince(before), 0);
    d->close();
    QTest::qWait(1100);
    EXPECT_EQ(reports, 2);
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
