#include "teacher/FileTool.h"

#include "core/Cp932.h"
#include "logon/HistoryFile.h"
#include "support/FileBytes.h"
#include "support/FormChecks.h"
#include "support/LogOnFixture.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString kAddFile = u"Lesson_List.Add.txt"_qs;
const QByteArray kThreeLessons = cp932::encode(u"\"Ａ\",\"a.txt\",1,1,1\r\n"
                                               "\"Quiz\",\"q.txt\",\"q_ans.txt\",5,2\r\n"
                                               "\"C \",\"c.txt\",\"2\",6,1.5\r\n"_qs);

// Runs body with files limited to one byte, as on a full drive (root ignores permissions).
template <class F> void onAFullDrive(F body) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit cap{1, old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &cap);
    body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
}

struct FileToolWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;
    FileTool* w = nullptr;
    const QString shared = folder.root() + u"Shared"_qs; // a folder tree's path: no separator
    const QString addFile = shared + u'/' + kAddFile;

    FileToolWindow() {
        p.mk.DefaultDataFolder = folder.data();
        p.mk.DefaultLessonFolder = folder.lessons();
        p.mk.DataFolder = folder.root() + u"Active/Data/"_qs;
        p.mk.LessonFolder = folder.root() + u"Active/Lesson/"_qs;
        for (const QString& f :
             {p.mk.DataFolder, p.mk.LessonFolder, shared, folder.data(), folder.lessons()})
            QDir().mkpath(f);
        addWindows(windows, {FileTool::kName});
        windows.Show(FileTool::kName.toString());
        w = windows.get<FileTool>(FileTool::kName.toString());
    }

    void click(Control& c) {
        windows.dispatch([&] { w->Click(c); });
    }
    void change(Control& c) {
        windows.dispatch([&] { w->Change(c); });
    }
    void choose(int operation) {
        w->FS.listIndex = operation;
        change(w->FS);
        click(w->FS);
    }
    void pickFolder(Control& tree, const QString& path) {
        tree.caption = path;
        change(tree);
    }
    void pickEntry(int i) {
        w->List1.listIndex = i;
        click(w->List1);
    }
    void go(std::initializer_list<MessageAnswer> answers = {}) {
        for (MessageAnswer a : answers)
            p.messages.answer(a);
        click(w->Go);
    }
    QString lastMessage() const { return p.messages.shown.value(p.messages.shown.size() - 1); }
    static QStringList filesIn(const QString& path) {
        return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // The three lessons and their files in the shared folder, listed for deleting.
    void listThreeLessons() {
        putFile(addFile, kThreeLessons);
        for (const char* name : {"a.txt", "q.txt", "q_ans.txt", "c.txt"})
            putFile(inShared(QLatin1String(name)), "text");
        choose(FileTool::kDeleteLesson);
        pickFolder(w->Dir1, shared);
    }
    QString inShared(const QString& name) const { return shared + u'/' + name; }
    static QByteArray history(const QString& name, quint8 grade, quint8 classNo, quint8 pupil) {
        HistoryRecord r;
        r.name = name;
        r.grade = grade;
        r.classNo = classNo;
        r.pupilNo = pupil;
        return writeHistory(r);
    }
};

TEST_F(FileToolWindow, OpensWithOnlyTheOperationChoiceAndTheFolderLabels) {
    EXPECT_EQ(w->caption, u"FileTool"_qs);
    EXPECT_EQ(w->Title.caption, u"Marokey Filing Tools"_qs);
    EXPECT_EQ(w->FS.caption, u"ファイリング処理を選択してください"_qs);
    EXPECT_EQ(shownNames(*w), (QStringList{u"Title"_qs, u"FS"_qs, u"ENDFT"_qs, u"Label1"_qs,
                                           u"LF"_qs, u"Label3"_qs, u"AF"_qs}));
    const QString program = QDir::cleanPath(folder.root());
    EXPECT_EQ(w->Dir1.caption + u'|' + w->Dir2.caption, program + u'|' + program);
    EXPECT_EQ(w->Drv_Dir1.caption, QDir::toNativeSeparators(program));
    ASSERT_GE(w->Drive1.listIndex, 0);
    EXPECT_EQ(w->Dir1.rootPath, w->Drive1.items.at(w->Drive1.listIndex));
    EXPECT_TRUE(program.startsWith(w->Dir1.rootPath));
}

TEST_F(FileToolWindow, EachOperationSetsItsFoldersCaptionsAndSecondArea) {
    struct Row {
        QString local, active, dl1, dl2;
        bool panel2;
    };
    const QString lessons = p.mk.LessonFolder, data = p.mk.DataFolder;
    const std::vector<Row> rows{
        {folder.lessons(), lessons, u"複写元フォルダ"_qs, u"複写先フォルダ"_qs, true},
        {folder.lessons(), lessons, u"Lessonフォルダ"_qs, u"削除するLessonを選択"_qs, false},
        {folder.lessons(), lessons, u"アクティブフォルダ"_qs, {}, false},
        {folder.data(), data, u"複写元フォルダ"_qs, u"複写先フォルダ"_qs, true},
        {folder.data(), data, u"個人履歴フォルダ"_qs, u"削除する個人履歴ファイルを選択"_qs, false},
        {folder.data(), data, u"アクティブフォルダ"_qs, {}, false},
    };
    for (int op = 0; op < 6; ++op) {
        SCOPED_TRACE(op);
        choose(op);
        const Row& r = rows[size_t(op)];
        EXPECT_EQ(w->LF.caption + w->AF.caption, r.local + r.active);
        EXPECT_EQ(w->DL1.caption + u'|' + w->DL2.caption, r.dl1 + u'|' + r.dl2);
        EXPECT_TRUE(w->Go.visible && w->Dir1.visible && w->D1A.visible);
        EXPECT_EQ(w->Dir2.visible, r.panel2);
        EXPECT_EQ(w->D2L.visible, r.panel2);
        EXPECT_FALSE(w->List1.visible); // the program folder holds no list
        expectNothingOverlaps(*w);
        // The folder buttons follow the operation's kind.
        click(w->D1A);
        EXPECT_EQ(w->Dir1.caption, QDir::cleanPath(r.active));
        EXPECT_EQ(w->Drv_Dir1.caption, QDir::cleanPath(r.active));
        click(w->D1L);
        EXPECT_EQ(w->Dir1.caption, QDir::cleanPath(r.local));
    }
}

TEST_F(FileToolWindow, EachCopyTakesOnlyItsKindOfFileAfterAskingAndReportsTheOutcome) {
    choose(FileTool::kCopyLessons);
    click(w->D1L);
    click(w->D2L);
    go();
    EXPECT_EQ(lastMessage(), u"複写元と複写先が同じフォルダです。\r複写することはできません。"_qs);

    putFile(folder.lessons() + u"mine.txt"_qs, "mine");
    putFile(folder.lessons() + kAddFile, "\"t\",\"mine.txt\",\"1\",1,1\r\n");
    putFile(folder.lessons() + u"note.doc"_qs, "no");
    click(w->D2A);
    EXPECT_EQ(w->Drv_Dir2.caption, QDir::cleanPath(p.mk.LessonFolder));
    go({MessageAnswer::No});
    EXPECT_EQ(lastMessage(), folder.lessons() + u"のLessonファイルを\r"_qs + p.mk.LessonFolder +
                                 u"に複写しますか？"_qs);
    EXPECT_TRUE(filesIn(p.mk.LessonFolder).isEmpty());

    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), u"ファイルの複写に成功しました。"_qs);
    EXPECT_EQ(filesIn(p.mk.LessonFolder), (QStringList{kAddFile, u"mine.txt"_qs}));

    p.copies.answer(ReplaceAnswer::Cancel);
    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), u"ファイルの複写に失敗しました。"_qs);

    p.messages.shown.clear();
    putFile(folder.data() + u"taro.mkd"_qs, "h");
    putFile(folder.data() + u"Path.dat"_qs, "p");
    choose(FileTool::kCopyHistories);
    click(w->D1L);
    pickFolder(w->Dir2, shared);
    go({MessageAnswer::Yes});
    EXPECT_EQ(p.messages.shown.first(),
              folder.data() + u"の個人履歴ファイルを\r"_qs + inShared(u"に複写しますか？"_qs));
    EXPECT_EQ(filesIn(shared), QStringList{u"taro.mkd"_qs});
}

TEST_F(FileToolWindow, ListsAddedLessonsAndDeletesTheMiddleOneWithItsAnswerFile) {
    listThreeLessons();
    expectNothingOverlaps(*w);
    EXPECT_EQ(w->List1.items, (QStringList{u"Ａ"_qs, u"Quiz"_qs, u"C "_qs}));
    EXPECT_TRUE(w->List1.visible && w->DL2.visible && w->Drv_Dir2.visible);
    EXPECT_FALSE(w->Dir2.visible);
    EXPECT_TRUE(w->Drv_Dir2.caption.isEmpty());

    pickEntry(1);
    EXPECT_EQ(w->Drv_Dir2.caption, u"Quiz"_qs);
    go({MessageAnswer::No});
    EXPECT_EQ(lastMessage(), inShared(u"のQuizLessonを削除しますか？"_qs));
    EXPECT_EQ(fileBytes(addFile), kThreeLessons);

    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), u"Lesson削除が正常に終了しました。"_qs);
    // The bare order number comes back quoted; the rest is written as read.
    EXPECT_EQ(fileBytes(addFile), cp932::encode(u"\"Ａ\",\"a.txt\",\"1\",1,1\r\n"
                                                u"\"C \",\"c.txt\",\"2\",6,1.5\r\n"_qs));
    EXPECT_EQ(filesIn(shared), (QStringList{kAddFile, u"a.txt"_qs, u"c.txt"_qs}));
    EXPECT_EQ(w->List1.items, (QStringList{u"Ａ"_qs, u"C "_qs}));
    EXPECT_TRUE(w->Drv_Dir2.caption.isEmpty());
}

TEST_F(FileToolWindow, DeletingTheFirstThenTheOnlyLessonLeavesAnEmptyList) {
    listThreeLessons();
    putFile(inShared(u"2"_qs), "not a lesson"); // an order number is never a file name
    pickEntry(0);
    go({MessageAnswer::Yes});
    EXPECT_EQ(fileBytes(addFile), "\"Quiz\",\"q.txt\",\"q_ans.txt\",5,2\r\n"
                                  "\"C \",\"c.txt\",\"2\",6,1.5\r\n");
    EXPECT_FALSE(QFile::exists(inShared(u"a.txt"_qs)));

    putFile(addFile, "\"C \",\"c.txt\",\"2\",6,1.5\r\n");
    pickFolder(w->Dir1, shared);
    pickEntry(0);
    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), u"Lesson削除が正常に終了しました。"_qs);
    EXPECT_EQ(fileBytes(addFile), QByteArray());
    EXPECT_FALSE(QFile::exists(inShared(u"c.txt"_qs)));
    EXPECT_EQ(fileBytes(inShared(u"2"_qs)), "not a lesson");
    EXPECT_FALSE(w->List1.visible);
    EXPECT_TRUE(w->Drv_Dir2.caption.isEmpty());
}

TEST_F(FileToolWindow, ADeleteOfNothingAsksNothingAndOfAFileAlreadyGoneReloadsTheList) {
    listThreeLessons();
    w->Drv_Dir2.caption = u"typed"_qs; // text without a chosen entry
    go();
    EXPECT_EQ(p.messages.shown, QStringList{u"削除するLessonが指定されていません。"_qs});
    EXPECT_EQ(fileBytes(addFile), kThreeLessons);

    QFile::remove(inShared(u"a.txt"_qs));
    pickEntry(0);
    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), inShared(u"a.txt\rは既にありません。"_qs));
    EXPECT_EQ(w->List1.items, (QStringList{u"Quiz"_qs, u"C "_qs}));

    choose(FileTool::kDeleteHistory);
    go();
    EXPECT_EQ(lastMessage(), u"削除する個人履歴ファイルが指定されていません。"_qs);
}

TEST_F(FileToolWindow, AFailedRewriteOfTheAddFileKeepsItAndTheLesson) {
    listThreeLessons();
    pickEntry(2);
    p.messages.answer(MessageAnswer::Yes);
    onAFullDrive([&] { click(w->Go); });
    EXPECT_TRUE(lastMessage().startsWith(addFile + u"\rを書き込めませんでした。"_qs))
        << lastMessage().toStdString();
    EXPECT_EQ(fileBytes(addFile), kThreeLessons);
    EXPECT_TRUE(QFile::exists(inShared(u"c.txt"_qs)));
    EXPECT_TRUE(windows.isLoaded(FileTool::kName.toString()));
}

TEST_F(FileToolWindow, ListsHistoryFilesWithClassAndTheStoredName) {
    putFile(inShared(u"taro.mkd"_qs), history(u"山田"_qs, 3, 2, 15));
    putFile(inShared(u"ann.mkd"_qs), history(u"Ann Lee"_qs, 1, 10, 200));
    putFile(inShared(u"short.mkd"_qs), "tiny");
    putFile(inShared(u"notes.txt"_qs), "x");
    choose(FileTool::kDeleteHistory);
    pickFolder(w->Dir1, shared);
    EXPECT_EQ(w->List1.items, (QStringList{u"ann.mkd 1年 10組 200番 Ann Lee"_qs + QString(23, u' '),
                                           u"short.mkd 0年 0組 0番 "_qs + QString(30, u' '),
                                           u"taro.mkd 3年 2組 15番 山田"_qs + QString(26, u' ')}));

    pickEntry(2);
    go({MessageAnswer::Yes});
    EXPECT_EQ(p.messages.shown,
              (QStringList{inShared(u"のtaro.mkd個人履歴ファイルを削除しますか？"_qs),
                           u"個人履歴ファイル削除が正常に終了しました。"_qs}));
    EXPECT_FALSE(QFile::exists(inShared(u"taro.mkd"_qs)));
    EXPECT_EQ(w->List1.items.size(), 2);

    QFile::remove(inShared(u"ann.mkd"_qs));
    pickEntry(0);
    go({MessageAnswer::Yes});
    EXPECT_EQ(lastMessage(), inShared(u"ann.mkd\rは既にありません。"_qs));
    EXPECT_EQ(w->List1.items.size(), 1);
}

TEST_F(FileToolWindow, ListsTheFirst1001LessonsButKeepsTheRestWhenOneIsDeleted) {
    QByteArray many;
    for (int i = 0; i < 1003; ++i)
        many += "\"L" + QByteArray::number(i) + "\",\"0301000\",\"1\",4,1\r\n";
    putFile(addFile, many);
    choose(FileTool::kDeleteLesson);
    pickFolder(w->Dir1, shared);
    EXPECT_EQ(w->List1.items.size(), 1001);
    EXPECT_EQ(p.messages.shown,
              QStringList{u"Lessonが多すぎるため、最初の1001件だけを表示します。"_qs});
    pickEntry(0);
    go({MessageAnswer::Yes});
    // A number lesson has no file to delete; the records beyond the list stay.
    EXPECT_EQ(p.messages.shown.at(2), u"Lesson削除が正常に終了しました。"_qs);
    EXPECT_EQ(fileBytes(addFile), many.mid(many.indexOf('\n') + 1));
}

TEST_F(FileToolWindow, ChangingTheLessonFolderCopiesOnRequestAndRewritesPathDat) {
    putFile(p.mk.LessonFolder + u"Lesson_List.txt"_qs, "x");
    choose(FileTool::kMoveLessons);
    pickFolder(w->Dir1, shared);
    go({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(p.messages.shown,
              (QStringList{u"Lessonファイルのアクティブフォルダを変更します。\r"_qs + shared +
                               u"/\rでよろしいですか？"_qs,
                           u"既存のLessonファイルを新しいアクティブフォルダに複写しますか？"_qs,
                           u"ファイルの複写に成功しました。"_qs,
                           u"Lessonフォルダの変更が正常に終了しました。"_qs}));
    EXPECT_EQ(filesIn(shared), QStringList{u"Lesson_List.txt"_qs});
    EXPECT_EQ(p.mk.LessonFolder, shared + u'/');
    EXPECT_EQ(w->AF.caption, shared + u'/');
    EXPECT_EQ(
        fileBytes(folder.data() + u"Path.dat"_qs),
        QFile::encodeName(u"\""_qs + p.mk.DataFolder + u"\"\r\n\""_qs + shared + u"/\"\r\n"_qs));
}

TEST_F(FileToolWindow, ChangingTheHistoryFolderWithoutTheCopyStillRewritesPathDat) {
    putFile(p.mk.DataFolder + u"taro.mkd"_qs, "h");
    const QString lessons = p.mk.LessonFolder;
    choose(FileTool::kMoveHistories);
    pickFolder(w->Dir1, shared);
    go({MessageAnswer::Yes, MessageAnswer::No});
    EXPECT_EQ(p.messages.shown.at(1),
              u"既存の個人履歴ファイルを新しいアクティブフォルダに複写しますか？"_qs);
    EXPECT_EQ(lastMessage(), u"アクティブフォルダの変更が正常に終了しました。"_qs);
    EXPECT_TRUE(filesIn(shared).isEmpty());
    EXPECT_EQ(p.mk.DataFolder, shared + u'/');
    EXPECT_EQ(fileBytes(folder.data() + u"Path.dat"_qs),
              QFile::encodeName(u"\""_qs + shared + u"/\"\r\n\""_qs + lessons + u"\"\r\n"_qs));
}

TEST_F(FileToolWindow, APathDatThatCannotBeWrittenStaysWholeAndTheFolderStays) {
    const QByteArray old = "\"\"\r\n\"\"\r\n";
    putFile(folder.data() + u"Path.dat"_qs, old);
    const QString before = p.mk.LessonFolder;
    choose(FileTool::kMoveLessons);
    pickFolder(w->Dir1, shared);
    p.messages.answer(MessageAnswer::Yes);
    p.messages.answer(MessageAnswer::No);
    onAFullDrive([&] { click(w->Go); });
    EXPECT_TRUE(lastMessage().startsWith(folder.data() + u"Path.dat\rを書き込めませんでした。"_qs));
    EXPECT_EQ(fileBytes(folder.data() + u"Path.dat"_qs), old);
    EXPECT_EQ(p.mk.LessonFolder, before);
    EXPECT_EQ(w->AF.caption, before);
}

TEST_F(FileToolWindow, AnUnreadableDriveBeepsAndReturnsBothPanelsToTheProgramFolder) {
    choose(FileTool::kCopyLessons);
    pickFolder(w->Dir1, shared);
    pickFolder(w->Dir2, shared);
    w->Drive2.items << u"/no-such-volume"_qs;
    w->Drive2.listIndex = int(w->Drive2.items.size()) - 1;
    change(w->Drive2);
    EXPECT_EQ(p.beep.count, 1);
    EXPECT_EQ(p.messages.shown, QStringList{u"ドライブが正常な状態ではありません。"_qs});
    const QString program = QDir::cleanPath(folder.root());
    EXPECT_EQ(w->Dir1.caption + u'|' + w->Dir2.caption, program + u'|' + program);
    EXPECT_EQ(w->Drv_Dir2.caption, program);
}

struct LogOnToFileTool : LogOnFixture {};

TEST_F(LogOnToFileTool, TheFilingButtonOpensTheToolInFrontOfTheLogOnWindow) {
    addWindows(windows, {FileTool::kName});
    LogOn* w = logOn();
    EXPECT_TRUE(w->FS.enabled);
    windows.dispatch([&] { w->Click(w->FS); });
    EXPECT_TRUE(windows.isVisible(FileTool::kName.toString()));
    EXPECT_TRUE(windows.find(FileTool::kName.toString())->modal);
    EXPECT_TRUE(windows.isLoaded(u"LogOn"_qs));
}

} // namespace
