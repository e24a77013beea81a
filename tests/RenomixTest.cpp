#include "teacher/Renomix.h"

#include "core/FileCopy.h"
#include "support/FileBytes.h"
#include "support/LogOnFixture.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"
#include "teacher/BinaryDelete.h"
#include "teacher/Refarence.h"
#include "teacher/RenomixRename.h"
#include "teacher/RenomixSort.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using renomix::Order;
using renomix::SortEntry;

QStringList sorted(std::vector<SortEntry> entries, Order order) {
    renomix::heapSort(entries, order);
    QStringList paths;
    for (const SortEntry& e : entries)
        paths << e.path;
    return paths;
}

TEST(RenomixSort, EqualKeysEndWhereTheHeapLeavesThemNotWhereAStableSortWould) {
    EXPECT_EQ(sorted({{u"a"_qs, 1}, {u"b"_qs, 1}, {u"c"_qs, 1}}, Order::SmallestFirst),
              (QStringList{u"b"_qs, u"c"_qs, u"a"_qs}));
    EXPECT_EQ(
        sorted({{u"a"_qs, 2}, {u"b"_qs, 1}, {u"c"_qs, 2}, {u"d"_qs, 1}}, Order::SmallestFirst),
        (QStringList{u"b"_qs, u"d"_qs, u"c"_qs, u"a"_qs}));
    EXPECT_EQ(sorted({{u"a"_qs, 2}, {u"b"_qs, 2}, {u"c"_qs, 1}, {u"d"_qs, 2}}, Order::LargestFirst),
              (QStringList{u"b"_qs, u"a"_qs, u"d"_qs, u"c"_qs}));
    // Building takes the right one of two equal children.
    EXPECT_EQ(sorted({{u"a"_qs, 0}, {u"b"_qs, 5}, {u"c"_qs, 5}}, Order::SmallestFirst),
              (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
}

TEST(RenomixSort, OrdersDistinctKeysEitherWayAndLeavesOneOrNoEntryAlone) {
    std::vector<SortEntry> many;
    for (int i = 0; i < 50; ++i)
        many.push_back({QString::number(i), (i * 37) % 50});
    renomix::heapSort(many, Order::LargestFirst);
    for (size_t i = 0; i < many.size(); ++i)
        EXPECT_EQ(many[i].key, 49 - qint64(i));
    EXPECT_EQ(sorted({{u"x"_qs, 9}}, Order::SmallestFirst), QStringList{u"x"_qs});
    EXPECT_TRUE(sorted({}, Order::SmallestFirst).isEmpty());
}

// Three letters after a dot are kept, else the last four characters; n digits
// allow one file fewer than ten to the n.
TEST(RenomixRename, NewNamesAndTheirDigits) {
    EXPECT_EQ(renomix::newName(u"No"_qs, 1, 6, u"a.txt"_qs), u"No000001.txt"_qs);
    EXPECT_EQ(renomix::newName(u"No"_qs, 2, 6, u"c.jpeg"_qs), u"No000002.jpeg"_qs);
    EXPECT_EQ(renomix::newName(u"No"_qs, 1, 6, u"x.js"_qs), u"No000001.x.js"_qs);
    EXPECT_EQ(renomix::newName(u"P"_qs, 12, 1, u"README"_qs), u"P12.ADME"_qs);
    EXPECT_EQ(renomix::extensionOf(u"ab"_qs), u"ab"_qs);
    EXPECT_TRUE(renomix::fitsDigits(9, 1));
    EXPECT_FALSE(renomix::fitsDigits(10, 1));
    EXPECT_TRUE(renomix::fitsDigits(999999, 6));
    EXPECT_FALSE(renomix::fitsDigits(1000000, 6));
}

// Files of one folder, written by name.
struct Folder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const { putFile(path(name), bytes); }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

TEST(BinaryDelete, OfIdenticalFilesOnlyTheLastInOrderStays) {
    Folder f;
    const QByteArray same(5000, 'x');
    QByteArray other = same;
    other[4999] = 'y';
    // "2" has the same size but a different last byte.
    const QByteArray contents[] = {same, other, same, {}, {}, same, "lone"};
    for (int i = 0; i < 7; ++i)
        f.put(QString::number(i + 1), contents[i]);
    std::vector<binarydelete::Candidate> files;
    for (const QString& n : f.names())
        files.push_back({f.path(n), QFileInfo(f.path(n)).size()});
    int steps = 0;
    const binarydelete::Plan plan = binarydelete::duplicates(files, [&] { ++steps; });
    EXPECT_EQ(plan.remove, (QStringList{f.path(u"1"_qs), f.path(u"3"_qs), f.path(u"4"_qs)}));
    EXPECT_TRUE(plan.unreadable.isEmpty());
    EXPECT_EQ(steps, 4); // only the files of a shared non-zero size are read
}

struct RenomixWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    Renomix w{p.mk};
    Folder work;

    RenomixWindow() {
        w.Form_Load();
        w.Dir1.caption = QDir::cleanPath(work.dir.path());
        w.Dir1_Change();
    }
    void choose(int action) {
        w.Combo3.listIndex = action;
        w.Combo3_Click();
    }
    void start() {
        w.Dir1_Change();
        w.Command1_Click();
    }
    QString lastMessage() const { return p.messages.shown.value(p.messages.shown.size() - 1); }
};

TEST_F(RenomixWindow, RenumbersBySizeAsInTheExampleAndResetsItsChoices) {
    work.put(u"b.txt"_qs, QByteArray(300, 'b'));
    work.put(u"a.txt"_qs, QByteArray(100, 'a'));
    work.put(u"c.jpeg"_qs, QByteArray(200, 'c'));
    choose(Renomix::kFileSizeUp);
    EXPECT_EQ(w.Label4.caption, u"Change FileName"_qs);
    start();
    EXPECT_EQ(lastMessage(), u"正常終了しました"_qs);
    EXPECT_EQ(work.names(),
              (QStringList{u"No000001.txt"_qs, u"No000002.jpeg"_qs, u"No000003.txt"_qs}));
    EXPECT_EQ(fileBytes(work.path(u"No000003.txt"_qs)), QByteArray(300, 'b'));
    EXPECT_EQ(w.File1.items, work.names());
    EXPECT_EQ(w.Combo3.caption, u"No Select"_qs);
    EXPECT_EQ(w.action, Renomix::kFileNameUp);
    EXPECT_TRUE(w.Label4.caption.isEmpty());
}

TEST_F(RenomixWindow, NewestFirstByModificationTime) {
    const QDateTime base = QDateTime::currentDateTime().addDays(-1);
    for (const auto& [name, hours] :
         {std::pair{u"x.dat"_qs, 2}, {u"y.dat"_qs, 3}, {u"z.dat"_qs, 1}}) {
        work.put(name, name.toUtf8());
        QFile f(work.path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(base.addSecs(hours * 3600), QFileDevice::FileModificationTime);
    }
    w.Text1.caption = u"T"_qs;
    choose(Renomix::kDateTimeDown);
    start();
    EXPECT_EQ(fileBytes(work.path(u"T000001.dat"_qs)), "y.dat");
    EXPECT_EQ(fileBytes(work.path(u"T000003.dat"_qs)), "z.dat");
}

TEST_F(RenomixWindow, ChecksRefuseBeforeAnythingIsTouched) {
    w.Command1_Click();
    EXPECT_EQ(lastMessage(), u"ファイルが指定されていません"_qs);
    for (int i = 0; i < 10; ++i)
        work.put(u"f%1.txt"_qs.arg(i), "x");
    w.Combo2.listIndex = 0;
    w.Combo2_Click();
    start();
    EXPECT_EQ(lastMessage(), u"Figuresの値が小さすぎます"_qs);
    EXPECT_EQ(p.beep.count, 2);
    EXPECT_EQ(w.Combo2.listIndex, 5); // the reset brings back 6 digits
    w.Text1.caption.clear();
    start();
    EXPECT_EQ(lastMessage(), u"After ReNameが設定されていません"_qs);
    EXPECT_EQ(work.names().size(), 10);

    // Binary Delete needs neither header nor digits; nine files fit one digit.
    w.Text1.caption.clear();
    choose(Renomix::kBinaryDelete);
    start();
    EXPECT_EQ(work.names().size(), 1);
    work.put(u"g.txt"_qs, "y");
    w.Combo2.listIndex = 0;
    w.Combo2_Click();
    start();
    EXPECT_EQ(work.names(), (QStringList{u"No1.txt"_qs, u"No2.txt"_qs}));
}

TEST_F(RenomixWindow, ACollisionStopsBeforeAnyFileIsRenamed) {
    work.put(u"a.txt"_qs, "a");
    work.put(u"b.txt"_qs, "b");
    start();
    work.put(u"c.txt"_qs, "c");
    start(); // No000001.txt is taken by the first run
    EXPECT_EQ(p.messages.shown.mid(1), (QStringList{u"既に同名のファイルが存在しています"_qs,
                                                    u"正常終了できませんでした"_qs}));
    EXPECT_EQ(work.names(), (QStringList{u"No000001.txt"_qs, u"No000002.txt"_qs, u"c.txt"_qs}));
    EXPECT_EQ(fileBytes(work.path(u"No000001.txt"_qs)), "a");
    EXPECT_FALSE(w.failed);
}

TEST_F(RenomixWindow, ExtensionsAreRegisteredEditedAndOfferedAsPatterns) {
    EXPECT_EQ(w.Combo1.items, QStringList{u"*.*"_qs});
    w.Command3_Click();
    EXPECT_TRUE(w.EE.visible);
    EXPECT_FALSE(w.File1.visible);
    w.EE.caption = u"txt\r\njpeg\r\n"_qs;
    w.Command4_Click();
    EXPECT_EQ(w.Combo1.items, (QStringList{u"*.*"_qs, u"*.txt"_qs, u"*.jpeg"_qs}));
    EXPECT_FALSE(w.EE.visible);
    EXPECT_TRUE(w.Command1.visible);
    EXPECT_EQ(folder.read(u"Extension"_qs), "txt\r\njpeg\r\n");

    work.put(u"a.txt"_qs, "a");
    work.put(u"b.jpeg"_qs, "b");
    work.put(u"README"_qs, "r");
    w.Dir1_Change();
    EXPECT_EQ(w.File1.items, (QStringList{u"README"_qs, u"a.txt"_qs, u"b.jpeg"_qs}));
    w.Combo1.listIndex = 2;
    w.Combo1_Click();
    EXPECT_EQ(w.File1.items, QStringList{u"b.jpeg"_qs});

    Renomix again{p.mk};
    again.Form_Load();
    EXPECT_EQ(again.Combo1.items, w.Combo1.items);
    // A file that holds no extension goes.
    folder.write(u"Extension"_qs, "\r\n");
    again.Form_Load();
    EXPECT_EQ(again.Combo1.items, QStringList{u"*.*"_qs});
    EXPECT_FALSE(folder.exists(u"Extension"_qs));
}

TEST_F(RenomixWindow, CollectStaysChosenUntilTheReset) {
    choose(Renomix::kCollectFiles);
    choose(Renomix::kFileSizeUp);
    EXPECT_EQ(w.action, Renomix::kCollectFiles);
    EXPECT_EQ(w.Label2.caption, u"Now Folder Checking !"_qs);
}

struct LogOnToRenomix : LogOnFixture {};

TEST_F(LogOnToRenomix, TheUtilityButtonOpensTheWindowInFrontAndHelpOpensTheReference) {
    addWindows(windows, {Renomix::kName, Refarence::kName});
    LogOn* logon = logOn();
    ASSERT_TRUE(logon->S1.enabled);
    windows.dispatch([&] { logon->Click(logon->S1); });
    auto* w = windows.get<Renomix>(Renomix::kName.toString());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->modal);
    EXPECT_EQ(w->caption, u"RenomixMK"_qs);
    windows.dispatch([&] { w->Click(w->Help); });
    EXPECT_TRUE(windows.isVisible(Refarence::kName.toString()));
    EXPECT_EQ(windows.find(Refarence::kName.toString())->caption, u"RenomixMKの使い方"_qs);
    windows.dispatch([&] { w->Click(w->Fine); });
    EXPECT_FALSE(windows.isLoaded(Renomix::kName.toString()));
}

// Records what a person would see of the last bar each time the window lets paints run.
struct BarWatch final : WindowObserver {
    const Control* bar = nullptr;
    std::vector<int> seen;
    void windowLoaded(Window&) override {}
    void windowShown(Window&) override {}
    void windowHidden(Window&) override {}
    void windowUnloaded(Window&) override {}
    void eventsDone() override {}
    void programEnded(int) override {}
    void runPendingEvents() override { seen.push_back(bar->value); }
};

TEST_F(RenomixWindow, TheBarsMoveAndAreDrawnDuringTheRun) {
    for (int i = 0; i < 5; ++i)
        work.put(u"f%1.txt"_qs.arg(i), "x");
    BarWatch watch;
    watch.bar = &w.ProgressBar3;
    p.mk.windows.setObserver(&watch);
    start();
    p.mk.windows.setObserver(nullptr);
    EXPECT_NE(std::find(watch.seen.begin(), watch.seen.end(), 3), watch.seen.end());
    EXPECT_EQ(w.ProgressBar3.value, 0); // reset at the end
}

TEST(CopyFile, ReplacesTheTargetWholeAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    putFile(dir.filePath(u"from"_qs), "new bytes");
    putFile(dir.filePath(u"to"_qs), "old");
    EXPECT_TRUE(copyFile(dir.filePath(u"from"_qs), dir.filePath(u"to"_qs)).ok());
    EXPECT_EQ(fileBytes(dir.filePath(u"to"_qs)), "new bytes");
    EXPECT_FALSE(copyFile(dir.filePath(u"missing"_qs), dir.filePath(u"to"_qs)).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
