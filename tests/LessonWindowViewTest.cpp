#include "core/KeyTables.h"
#include "core/MkMain.h"
#include "engine/Marokey.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/QtPrinter.h"
#include "ui/WindowHost.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The real lesson window on real widgets: keys and input-method commits reach
// the engine the way a pupil's typing does.
class LessonWindowViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Marokey* window() { return p->mk.windows.get<Marokey>(u"Marokey"_qs); }
    FormView* view() { return host->viewOf(u"Marokey"_qs); }
    LineBox* box() { return view()->findChild<LineBox*>(u"T"_qs); }
    QLabel* label(const QString& name) { return view()->findChild<QLabel*>(name); }

    // Lesson 0 of this kind and text, on the delivered key table, shown.
    void load(int kind, const QString& text) {
        host.reset();
        p.reset();
        folder = std::make_unique<ProgramFolder>();
        folder->writeText(u"MKLesson/lesson.txt"_qs, text);
        p = std::make_unique<TestProgram>(folder->root());
        MkMain& mk = p->mk;
        mk.DefaultLessonFolder = folder->lessons();
        mk.LessonFile[0] = u"lesson.txt"_qs;
        mk.LessonKind[0] = static_cast<quint8>(kind);
        useDeliveredKeys(mk);
        addWindows(mk.windows, {Marokey::kName});
        addStandIns(mk.windows, {u"Menu", u"MOGU1"});
        host = std::make_unique<WindowHost>(mk.windows);
        mk.windows.Show(u"Marokey"_qs);
        QVERIFY(view());
        box()->setFocus();
    }
    // Shown and started.
    void open(int kind, const QString& text) {
        load(kind, text);
        QTest::keyClick(box(), Qt::Key_Return);
    }

    // A key pressed wherever the keyboard is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    }

    static QString description(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }

    void commit(const QString& text) {
        QInputMethodEvent preedit(u"かな"_qs, {}), done;
        QCoreApplication::sendEvent(box(), &preedit);
        done.setCommitString(text);
        QCoreApplication::sendEvent(box(), &done);
    }

private slots:
    void theStartPromptFitsItsBoxWhichStepsAsideForAGuidedRun() {
        load(1, u"asdf\r\n"_qs);
        QCOMPARE(box()->text(), QString(LessonWindow::kStartPrompt).replace(u'\r', u' '));
        QVERIFY(box()->fontMetrics().horizontalAdvance(box()->text()) <
                box()->contentsRect().width());
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Typing);
        QVERIFY(!box()->geometry().intersects(label(u"H"_qs)->geometry())); // the echo shows
        QVERIFY(!box()->geometry().intersects(label(u"L"_qs)->geometry()));
    }

    void hiraganaLineCommittedThroughTheInputMethodIsAccepted() {
        open(2, u"おはよう\r\nこんにちは\r\n"_qs);
        QCOMPARE(window()->Phase, LessonWindow::Typing);
        QCOMPARE(window()->T.imeMode, ImeMode::Hiragana);
        QVERIFY(box()->inputMethodQuery(Qt::ImEnabled).toBool());
        commit(u"おはよう"_qs);
        QCOMPARE(window()->T.caption, u"おはよう"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->CurrentLine, 2);
        QCOMPARE(window()->MissCount, 0);
        QCOMPARE(label(u"L"_qs)->text(), u"こんにちは"_qs);
        QCOMPARE(box()->text(), QString());
        commit(u"こんばんは"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->MissCount, 1);
        QCOMPARE(p->beep.count, 1);
    }

    void guidedRunsKeepTheInputMethodOut() {
        open(6, u"Ab\r\n"_qs);
        QCOMPARE(window()->T.imeMode, ImeMode::Off);
        QVERIFY(!box()->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!box()->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void guideFollowsRealKeysToTheResults() {
        open(1, u"ab\r\n"_qs);
        QCOMPARE(label(u"AZ_30"_qs)->palette().color(QPalette::Window), QColor(Qt::red));
        QTest::keyClicks(box(), u"ab"_qs);
        QCOMPARE(label(u"H"_qs)->text(), u"ＡＢ"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
        QVERIFY(label(u"P"_qs)->isVisible());
        QVERIFY(label(u"P"_qs)->text().contains(u"Escを押すと終了します。"_qs));
        QTest::keyClick(box(), Qt::Key_Escape);
        // A first run's experience crosses the first milestone: the game comes before the menu.
        QVERIFY(p->mk.windows.isVisible(u"MOGU1"_qs));
    }

    void tabAndStrayClicksLeaveTheKeyboardInTheInputBox() {
        open(1, u"ab\r\n"_qs);
        QCoreApplication::processEvents(); // the platform's activation of the window
        QVERIFY(view()->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), box());
        for (auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
            press(Qt::Key_Tab, modifier);
            QCOMPARE(QApplication::focusWidget(), box());
        }
        QTest::mouseClick(label(u"Credit"_qs), Qt::LeftButton);
        QTest::mouseClick(view()->findChild<QPushButton*>(u"Repeat"_qs), Qt::LeftButton);
        QCOMPARE(window()->RepeatOn, 1); // the mouse still works the buttons
        QCOMPARE(QApplication::focusWidget(), box());
        press(Qt::Key_A);
        press(Qt::Key_B);
        press(Qt::Key_Return);
        QCOMPARE(window()->MissCount, 0);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
        QCOMPARE(window()->RepeatOn, 1);
    }

    void countersAndResultsAreReadUnderTheirHeadings() {
        open(1, u"ab\r\n"_qs);
        QTest::keyClicks(box(), u"bab"_qs); // one miss
        QLabel* miss = label(u"Miss"_qs);
        QCOMPARE(miss->accessibleName(), u"ミス"_qs);
        QCOMPARE(description(miss), u"1"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QLabel* results = label(u"P"_qs);
        QCOMPARE(results->accessibleName(), u"結果"_qs);
        QCOMPARE(description(results), results->text());
        QVERIFY(results->text().contains(u"Escを押すと終了します。"_qs));
    }

    // Printing through the real printer path, into a PDF: one job, a page per copy.
    void threeCopiesPrintAsOneDocumentOfThreePages() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"results.pdf"_qs);
        QtPrinter printer(pdf, 3);
        QCOMPARE(printer.askCopies(), std::optional<int>(3));
        printer.print(u"\r\n\r\n\r\n\r\n　4 年 2 組 15 番 山田\r\n\r\n　得　　点　：　64"_qs,
                      u"ＭＳ 明朝"_qs, 24, 3);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromLatin1(file.readAll()).count(QRegularExpression(u"/Type\\s*/Page\\b"_qs)),
            3);
    }
};

QTEST_MAIN(LessonWindowViewTest)
#include "LessonWindowViewTest.moc"
