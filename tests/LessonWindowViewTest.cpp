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
#include <QInputMethodEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The real lesson window on real widgets, on the delivered key table with a
// stand-in menu and game: keys and input-method commits reach the engine the
// way a pupil's typing does; the progress page shows beside them; the results
// print whole through the real printer into a PDF read back as text.
class LessonWindowViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Marokey* window() { return p->mk.windows.get<Marokey>(u"Marokey"_qs); }
    FormView* view() { return host->viewOf(u"Marokey"_qs); }
    LineBox* box() { return view()->findChild<LineBox*>(u"T"_qs); }
    QLabel* label(const QString& name) { return view()->findChild<QLabel*>(name); }

    // Lesson 0 of this kind and text, with these scores newest first, shown
    // with the keyboard in its input box.
    void load(int kind, const QString& text, std::initializer_list<int> newestFirst = {}) {
        host.reset();
        p.reset();
        folder = std::make_unique<ProgramFolder>();
        folder->writeText(u"MKLesson/lesson.txt"_qs, text);
        p = std::make_unique<TestProgram>(folder->root());
        MkMain& mk = p->mk;
        mk.DefaultLessonFolder = folder->lessons();
        mk.LessonFile[0] = u"lesson.txt"_qs;
        mk.LessonKind[0] = static_cast<quint8>(kind);
        int slot = 0;
        for (int score : newestFirst)
            mk.ScoreHistory(0, slot++) = static_cast<quint8>(score);
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

    static QString description(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }

    // A key pressed wherever the keyboard is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    }

    void commit(const QString& text) {
        QInputMethodEvent preedit(u"かな"_qs, {}), done;
        QCoreApplication::sendEvent(box(), &preedit);
        done.setCommitString(text);
        QCoreApplication::sendEvent(box(), &done);
    }

    QLabel* page() { return label(u"WebBrowser1"_qs); }

    // Typed to the results: one line "ab" without a miss.
    void runToResults() {
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClicks(box(), u"ab"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
    }

    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                         : QString();
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

    void aGuidedRunKeepsTheInputMethodOutAndIsReadUnderItsHeadingsToTheResults() {
        open(6, u"ab\r\n"_qs);
        QVERIFY(!box()->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!box()->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(label(u"AZ_30"_qs)->palette().color(QPalette::Window), QColor(Qt::red));
        QTest::keyClicks(box(), u"bab"_qs); // one miss
        QCOMPARE(label(u"H"_qs)->text(), u"ab"_qs);
        QLabel* miss = label(u"Miss"_qs);
        QCOMPARE(miss->accessibleName(), u"ミス"_qs);
        QCOMPARE(description(miss), u"1"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
        QLabel* results = label(u"P"_qs);
        QVERIFY(results->isVisible());
        QCOMPARE(results->accessibleName(), u"結果"_qs);
        QCOMPARE(description(results), results->text());
        QVERIFY(results->text().contains(u"Escを押すと終了します。"_qs));
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

    void pageShowsTheHistoryAndTheNewPointAfterARun() {
        load(1, u"ab\r\n"_qs, {40, 60});
        QVERIFY(page()->isVisible());
        // The page shares no pixel with any other control that shows.
        QVERIFY(view()->rect().contains(page()->geometry()));
        for (QWidget* w : view()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != page() && w->isVisible() && w->objectName() != u"P")
                QVERIFY2(!w->geometry().intersects(page()->geometry()),
                         qPrintable(w->objectName()));
        QVERIFY(page()->text().startsWith(u"あなたの記録（2回）\n▅▃\n"_qs));
        QVERIFY(page()->text().contains(u"最高得点 60　総経験値 100"_qs));
        QCOMPARE(page()->accessibleName(), u"あなたの記録"_qs);
        QCOMPARE(description(page()), page()->text());
        runToResults();
        QVERIFY(page()->isVisible());
        QVERIFY(page()->text().startsWith(u"あなたの記録（3回）\n▅▃"_qs)); // the new point is last
        QCOMPARE(description(page()), page()->text());
    }

    void aTenKeyRunHidesThePage() {
        load(4, u"12\r\n"_qs, {50});
        QVERIFY(!page()->isVisible());
        QVERIFY(!window()->WebBrowser1.visible);
    }

    // Three copies from the real printer: one PDF of three pages, the summary
    // three times in the installed Mincho face with letters of 24 points.
    void threeCopiesReadBackFromThePdf() {
        load(1, u"ab\r\n"_qs);
        runToResults();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"results.pdf"_qs);
        QtPrinter printer(pdf, 3);
        QCOMPARE(printer.askCopies(), std::optional<int>(3));
        printer.print(window()->PrintText, u"ＭＳ 明朝"_qs, 24, 3);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromLatin1(file.readAll()).count(QRegularExpression(u"/Type\\s*/Page\\b"_qs)),
            3);
        QVERIFY(run(u"pdffonts"_qs, {pdf}).contains(u"IPAexMincho"_qs));

        // Extracted CJK can come back as compatibility forms.
        const QString read = run(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs})
                                 .normalized(QString::NormalizationForm_KC)
                                 .remove(QRegularExpression(u"\\s"_qs));
        const QString printed = window()
                                    ->PrintText.normalized(QString::NormalizationForm_KC)
                                    .remove(QRegularExpression(u"\\s"_qs));
        QVERIFY(!printed.isEmpty());
        QCOMPARE(read, printed + printed + printed);

        const auto m =
            QRegularExpression(u"yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\""_qs)
                .match(run(u"pdftotext"_qs, {u"-bbox"_qs, pdf, u"-"_qs}));
        QVERIFY(m.hasMatch());
        const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
        QVERIFY2(height > 20 && height < 32, qPrintable(QString::number(height)));
    }

    void cancellingTheDialogPrintsNothing() {
        QtPrinter printer;
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        QCOMPARE(printer.askCopies(), std::nullopt);
    }
};

QTEST_MAIN(LessonWindowViewTest)
#include "LessonWindowViewTest.moc"
