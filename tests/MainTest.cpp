#include "core/Main.h"

#include "core/LessonPack.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace {

class Shown : public Window {
public:
    Shown(MkMain& mk, QStringList& shownWhen, ScriptedMessages& messages)
        : Window(mk, u"StartUp"_qs) {
        shownWhen << u"StartUp after %1 messages"_qs.arg(messages.shown.size());
    }
};

// A minimal program folder the test may change before the run.
struct Start {
    ProgramFolder folder;
    std::unique_ptr<TestProgram> p;
    QStringList events;

    Start() { folder.fillWithMinimalProgram(); }
    void run() {
        p = std::make_unique<TestProgram>(folder.root());
        p->mk.windows.add(u"StartUp"_qs, [this](MkMain& mk) {
            return std::make_unique<Shown>(mk, events, p->messages);
        });
        Main(p->mk);
    }
};

} // namespace

TEST(Main, AStartWithEverythingInPlaceShowsTheStartUpWindowSilently) {
    Start s;
    s.run();
    EXPECT_TRUE(s.p->messages.shown.isEmpty());
    EXPECT_TRUE(s.p->mk.windows.isVisible(u"StartUp"_qs));
    EXPECT_EQ(s.p->mk.LessonPackVersion, 2.2f);
    EXPECT_EQ(s.p->mk.LastLessonIndex, 0);
    EXPECT_EQ(s.p->mk.LessonTitle[0], u"ホームポジション"_qs);
}

TEST(Main, AMissingMarkerUnpacksBeforeTheStartUpWindow) {
    Start s;
    s.folder.remove(u"MKLesson/MKOK"_qs);
    s.folder.write(u"MKLesson/Lesson"_qs, writeLessonPack({{u"home.txt"_qs, {u"asdf"_qs}}}));
    s.run();
    ASSERT_EQ(s.p->messages.shown.size(), 1);
    EXPECT_TRUE(s.p->messages.shown[0].startsWith(u"Lesson生成処理が完了しました。"_qs));
    EXPECT_EQ(s.events, QStringList{u"StartUp after 1 messages"_qs});
    EXPECT_EQ(s.folder.read(u"MKLesson/home.txt"_qs), QByteArray("asdf\r\n"));
}

TEST(Main, DamagedFilesEndTheProgramBeforeTheStartUpWindow) {
    const QString lessonFile = u"MKLesson/Lesson_List.txt"_qs;
    const std::vector<std::pair<QString, QByteArray>> damage = {
        {u"MKData/Path.dat"_qs, "\"only one\""},
        {lessonFile, "\"cut\",\"short\""},
        {u"MKData/KEY_DEFINE.DAT"_qs, "short"},
    };
    for (const auto& [file, bytes] : damage) {
        Start s;
        s.folder.write(file, bytes);
        s.run();
        EXPECT_TRUE(s.p->mk.windows.ended());
        EXPECT_TRUE(s.events.isEmpty());
        ASSERT_FALSE(s.p->messages.shown.isEmpty());
        EXPECT_TRUE(s.p->messages.shown.last().endsWith(u"\rＭＫを強制終了します。"_qs));
    }
}

TEST(Main, CataloguesComeFromTheActiveLessonFolder) {
    Start s;
    s.folder.writeText(u"shared/lessons/Lesson_List.txt"_qs,
                       u"\"共有\",\"a.txt\",\"1\",2,1\r\n"_qs);
    s.folder.write(u"shared/lessons/Lesson_List.Add.txt"_qs, {});
    s.folder.write(u"shared/lessons/MKOK"_qs, "2.2\r\n");
    s.folder.writeText(u"MKData/Path.dat"_qs,
                       u"\"\"\r\n\"%1shared/lessons/\"\r\n"_qs.arg(s.folder.root()));
    s.run();
    EXPECT_TRUE(s.p->messages.shown.isEmpty());
    EXPECT_EQ(s.p->mk.LessonTitle[0], u"共有"_qs);
    EXPECT_EQ(s.p->mk.DefaultLessonFolder, s.folder.lessons());
}
