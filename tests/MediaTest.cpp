#include "media/RenderedMusic.h"
#include "media/SdlAudio.h"
#include "media/SdlMedia.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

// SDL's disk driver writes all the mixer plays into this file, in real time.
QString diskFile;
// The sound system every device of these tests shares, as the program's do.
std::shared_ptr<SdlAudio> sound;

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

// Returns once the sound system has done all that was posted before.
void settle() {
    std::promise<void> done;
    sound->post([&done] { done.set_value(); });
    done.get_future().wait();
}

std::unique_ptr<MediaDevice> device(const QString& path) {
    auto d = SdlMediaFactory(sound).create();
    d->open(path.contains(u'/') ? path : kData + path);
    return d;
}

// What the mixer plays now, once the posted work is done.
Mix_MusicType playingType() {
    settle();
    return Mix_PlayingMusic() ? Mix_GetMusicType(nullptr) : MUS_NONE;
}

void copyPiece(const QString& from, const QString& to) {
    ASSERT_TRUE(QFile::copy(kData + from, to)) << to.toStdString();
}

void setModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(when, QFileDevice::FileModificationTime));
}

TEST(SdlDevice, TheCallingThreadOnlyHandsTheWorkOn) {
    if (SDL_WasInit(SDL_INIT_AUDIO)) GTEST_SKIP() << "an earlier test in this process played";
    std::promise<void> release;
    sound->post([held = release.get_future().share()] { held.wait(); });
    auto d = device(u"MK_Start.mid"_qs);
    d->play();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "play() opened the sound system itself";
    release.set_value();
    EXPECT_EQ(playingType(), MUS_OGG);
}

// A delivered score's rendering plays in the tests around.
TEST(SdlDevice, PlaysTheRenderingUnlessItIsMissingOrOlderThanTheScore) {
    QTemporaryDir dir;
    const QString score = dir.filePath(u"piece.mid"_qs), rendered = dir.filePath(u"piece.ogg"_qs);
    const QDateTime now = QDateTime::currentDateTime();
    copyPiece(u"MK_Start.mid"_qs, score);
    setModified(score, now);
    EXPECT_EQ(playableFile(score), score) << "no rendering";
    copyPiece(u"MK_Start.ogg"_qs, rendered);
    setModified(rendered, now);
    EXPECT_EQ(playableFile(score), rendered) << "as new as the score";
    setModified(rendered, now.addMSecs(-1500));
    EXPECT_EQ(playableFile(score), rendered) << "a copy's times a moment apart";
    setModified(rendered, now.addSecs(-60));
    EXPECT_EQ(playableFile(score), score) << "older than the score";
    EXPECT_EQ(playableFile(dir.filePath(u"tada.wav"_qs)), dir.filePath(u"tada.wav"_qs));
    auto edited = device(score);
    edited->play();
    EXPECT_EQ(playingType(), MUS_MID);
}

TEST(SdlDevice, PlaysMusicAndSoundsAudiblyUntilClosed) {
    for (const QString& file : {u"MK_Start.mid"_qs, u"tada.wav"_qs}) {
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

TEST(SdlDevice, RestartRewindsThePieceItHoldsInsteadOfLoadingItAgain) {
    QTemporaryDir dir;
    const QString piece = dir.filePath(u"piece.ogg"_qs);
    copyPiece(u"MK_Start.ogg"_qs, piece);
    auto d = device(piece);
    d->play();
    ASSERT_EQ(playingType(), MUS_OGG);
    ASSERT_TRUE(QFile::remove(piece)); // a piece loaded again would now be silent
    d->prev();
    EXPECT_EQ(playingType(), MUS_NONE);
    const qint64 before = written();
    d->play();
    EXPECT_EQ(playingType(), MUS_OGG);
    QTest::qWait(700);
    EXPECT_GT(loudestSince(before), 1000);
}

TEST(SdlDevice, ClosingADeviceLeavesAnotherDevicesMusicPlaying) {
    auto start = device(u"MK_Start.mid"_qs);
    auto menu = device(u"MK_Menu.mid"_qs);
    start->play();
    menu->play(); // takes the mixer's one music over
    ASSERT_EQ(playingType(), MUS_OGG);
    start->close();
    EXPECT_EQ(playingType(), MUS_OGG);
    menu->close();
    EXPECT_EQ(playingType(), MUS_NONE);
}

TEST(SdlDevice, MissingFileIsSilentButReportsEverySecondWhileOpen) {
    auto d = device(u"nothing.mid"_qs);
    int reports = 0;
    d->onStatus = [&reports] { ++reports; };
    QTest::qWait(200); // what an earlier test left queued drains
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
    sound = std::make_shared<SdlAudio>();
    const int status = RUN_ALL_TESTS();
    sound.reset();
    return status;
}
