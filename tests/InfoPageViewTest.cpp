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
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The progress page of the large lesson window on real widgets, and the
// results printed whole through the real printer into a PDF read back as text.
class InfoPageViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Marokey* window() { return p->mk.windows.get<Marokey>(u"Marokey"_qs); }
    FormView* view() { return host->viewOf(u"Marokey"_qs); }
    LineBox* box() { return view()->findChild<LineBox*>(u"T"_qs); }
    QLabel* page() { return view()->findChild<QLabel*>(u"WebBrowser1"_qs); }

    // Lesson 0 of this kind and text, with these scores newest first, shown.
    void load(int kind, const QString& text, std::initializer_list<int> newestFirst) {
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
        QVERIFY(page());
        box()->setFocus();
    }

    // Typed to the results: one line "ab" without a miss.
    void runToResults() {
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClicks(box(), u"ab"_qs);
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
    }

    static QString description(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }

    // The page shares no pixel with any other control that shows.
    void pageOverlapsNothing() {
        const QRect at = page()->geometry();
        QVERIFY(view()->rect().contains(at));
        for (QWidget* w : view()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w == page() || !w->isVisible() || w->objectName() == u"P") continue;
            QVERIFY2(!w->geometry().intersects(at), qPrintable(w->objectName()));
        }
    }

private slots:
    void pageShowsTheHistoryAndTheNewPointAfterARun() {
        load(1, u"ab\r\n"_qs, {40, 60});
        QVERIFY(page()->isVisible());
        pageOverlapsNothing();
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

    // Three copies from the real printer: one PDF, the summary three times
    // in the installed Mincho face at 24 points.
    void threeCopiesReadBackFromThePdf() {
        load(1, u"ab\r\n"_qs, {});
        runToResults();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"results.pdf"_qs);
        QtPrinter printer(pdf, 3);
        printer.print(window()->PrintText, u"ＭＳ 明朝"_qs, 24, *printer.askCopies());

        QProcess fonts;
        fonts.start(u"pdffonts"_qs, {pdf});
        QVERIFY(fonts.waitForFinished());
        QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput()).contains(u"IPAexMincho"_qs));

        QProcess text;
        text.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
        QVERIFY(text.waitForFinished());
        // Extracted CJK can come back as compatibility forms.
        const QString read = QString::fromUtf8(text.readAllStandardOutput())
                                 .normalized(QString::NormalizationForm_KC)
                                 .remove(QRegularExpression(u"\\s"_qs));
        const QString printed = window()
                                    ->PrintText.normalized(QString::NormalizationForm_KC)
                                    .remove(QRegularExpression(u"\\s"_qs));
        QVERIFY(!printed.isEmpty());
        QCOMPARE(read.count(printed), 3);
        QCOMPARE(read, printed + printed + printed);
    }

    void theLetterSizeIs24Points() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"size.pdf"_qs);
        QtPrinter printer(pdf);
        printer.print(u"得点"_qs, u"ＭＳ 明朝"_qs, 24, 1);
        QProcess boxes;
        boxes.start(u"pdftotext"_qs, {u"-bbox"_qs, pdf, u"-"_qs});
        QVERIFY(boxes.waitForFinished());
        const auto m =
            QRegularExpression(u"yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\""_qs)
                .match(QString::fromUtf8(boxes.readAllStandardOutput()));
        QVERIFY(m.hasMatch());
        const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
        QVERIFY2(height > 20 && height < 32, qPrintable(QString::number(height)));
    }

    void cancellingTheDialogPrintsNothing() {
        QTemporaryDir dir;
        QtPrinter printer;
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        QCOMPARE(printer.askCopies(), std::nullopt);
    }
};

QTEST_MAIN(InfoPageViewTest)
#include "InfoPageViewTest.moc"
