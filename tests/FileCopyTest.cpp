#include "core/FileCopy.h"

#include "support/FileBytes.h"
#include "support/ScriptedPorts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FileCopy : ::testing::Test {
    QTemporaryDir dir;
    QString from = dir.path() + u"/from/"_qs;
    QString to = dir.path() + u"/to/"_qs;
    ScriptedCopies copies;

    FileCopy() {
        QDir().mkpath(from);
        QDir().mkpath(to);
    }
    QStringList target() const { return QDir(to).entryList(QDir::Files | QDir::Hidden); }
    CopyOutcome copy(CopyFeedback& feedback) {
        return copyMatching(from, u"*.txt"_qs, to, feedback);
    }
    CopyOutcome copy() { return copy(copies); }
    // a.txt, b.txt and c.txt in both folders, the targets holding older text.
    void clashOnEveryFile() {
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
            putFile(from + QLatin1String(name), "new " + QByteArray(name));
            putFile(to + QLatin1String(name), "old");
        }
    }
};

TEST_F(FileCopy, CopiesEveryMatchingFileAndNothingElse) {
    putFile(from + u"one.txt"_qs, "1");
    putFile(from + u"二.txt"_qs, "2");
    putFile(from + u"pupil.mkd"_qs, "m");
    QDir().mkpath(from + u"folder.txt"_qs);
    putFile(dir.path() + u"/outside.txt"_qs, "secret");
    QFile::link(dir.path() + u"/outside.txt"_qs, from + u"link.txt"_qs);

    EXPECT_EQ(copy(), CopyOutcome::Copied);
    EXPECT_EQ(target(), (QStringList{u"one.txt"_qs, u"二.txt"_qs}));
    EXPECT_EQ(fileBytes(to + u"二.txt"_qs), "2");
    EXPECT_EQ(copies.totals, std::vector<int>{2});
    EXPECT_EQ(copies.ends, 1);
    EXPECT_TRUE(copies.asked.isEmpty());
}

TEST_F(FileCopy, EachAnswerToTheQuestionReplacesKeepsOrStopsAsItSays) {
    using enum ReplaceAnswer;
    const std::tuple<std::vector<ReplaceAnswer>, CopyOutcome, QByteArray> cases[] = {
        {{No, YesToAll}, CopyOutcome::Copied, "old|new b.txt|new c.txt"},
        {{Yes, NoToAll}, CopyOutcome::Copied, "new a.txt|old|old"}, // keeping is no failure
        {{Yes, Cancel}, CopyOutcome::Cancelled, "new a.txt|old|old"},
    };
    for (const auto& c : cases) {
        const auto& [answers, outcome, contents] = c;
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        clashOnEveryFile();
        ScriptedCopies feedback;
        for (const ReplaceAnswer answer : answers)
            feedback.answer(answer);
        EXPECT_EQ(copy(feedback), outcome);
        // The "to all" answers and Cancel leave the rest unasked.
        EXPECT_EQ(feedback.asked, (QStringList{u"a.txt"_qs, u"b.txt"_qs}));
        EXPECT_EQ(fileBytes(to + u"a.txt"_qs) + '|' + fileBytes(to + u"b.txt"_qs) + '|' +
                      fileBytes(to + u"c.txt"_qs),
                  contents);
        EXPECT_EQ(target().size(), 3);
        EXPECT_EQ(feedback.ends, 1);
    }
}

TEST_F(FileCopy, CancelInTheProgressDialogLeavesNoFileBehind) {
    putFile(from + u"a.txt"_qs, "a");
    putFile(from + u"b.txt"_qs, "b");
    copies.cancelAt = 1;
    EXPECT_EQ(copy(), CopyOutcome::Cancelled);
    EXPECT_EQ(target(), QStringList{u"a.txt"_qs});
    EXPECT_EQ(copies.ends, 1);
}

// Cancels while the given file is under way, at its second report.
struct CancelMidFile final : CopyFeedback {
    void begin(int) override {}
    bool progress(int, const QString&) override { return ++reports < 3; }
    ReplaceAnswer askReplace(const QString&) override { return ReplaceAnswer::Yes; }
    void end() override {}
    int reports = 0;
};

TEST_F(FileCopy, ALargeFileCancelledHalfWayLeavesTheOldFileWhole) {
    const QByteArray big(5 << 20, 'x');
    putFile(from + u"big.txt"_qs, big);
    putFile(to + u"big.txt"_qs, "old");
    UnattendedCopy quiet; // never replaces: nothing to do
    EXPECT_EQ(copy(quiet), CopyOutcome::Copied);
    CancelMidFile cancel;
    EXPECT_EQ(copy(cancel), CopyOutcome::Cancelled);
    EXPECT_EQ(fileBytes(to + u"big.txt"_qs), "old");
    EXPECT_EQ(target(), QStringList{u"big.txt"_qs});

    QFile::remove(to + u"big.txt"_qs);
    EXPECT_EQ(copy(), CopyOutcome::Copied);
    EXPECT_EQ(fileBytes(to + u"big.txt"_qs), big);
}

TEST_F(FileCopy, NeverWritesThroughALinkOutOfTheTarget) {
    putFile(from + u"a.txt"_qs, "a");
    putFile(dir.path() + u"/elsewhere.txt"_qs, "keep");
    QFile::link(dir.path() + u"/elsewhere.txt"_qs, to + u"a.txt"_qs);
    copies.answer(ReplaceAnswer::Yes);
    EXPECT_EQ(copy(), CopyOutcome::Failed);
    EXPECT_EQ(fileBytes(dir.path() + u"/elsewhere.txt"_qs), "keep");
}

} // namespace
