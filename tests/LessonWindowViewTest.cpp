#include "core/KeyTables.h"
#include "core/MkMain.h"
#include "engine/Marokey.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/QtPrinter.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

class MenuStandIn final : public Window {
public:
    explicit MenuStandIn(MkMain& mk) : Window(mk, QStringLiteral("Menu")) {}
};

} // namespace

// The real lesson window on real widgets: keys and input-method commits reach
// the engine the way a pupil's typing does.
class LessonWindowViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Marokey* window() { return p->mk.windows.get<Marokey>(QStringLiteral("Marokey")); }
    FormView* view() { return host->viewOf(QStringLiteral("Marokey")); }
    LineBox* box() { return view()->findChild<LineBox*>(QStringLiteral("T")); }

    void open(int kind, const QString& text) {
        folder = std::make_unique<ProgramFolder>();
        folder->writeText(QStringLiteral("MKLesson/lesson.txt"), text);
        p = std::make_unique<TestProgram>(folder->root());
        MkMain& mk = p->mk;
        mk.DefaultLessonFolder = folder->lessons();
        mk.LessonTitle[0] = QStringLiteral("あいさつ");
        mk.LessonFile[0] = QStringLiteral("lesson.txt");
        mk.LessonFile2[0] = QStringLiteral("1");
        mk.LessonKind[0] = static_cast<quint8>(kind);
        mk.LessonFactor[0] = 1.0f;
        const auto keys = readKeyDefine(QStringLiteral(MK_PROGRAM_DIR "/MKData/KEY_DEFINE.DAT"));
        QVERIFY(keys.ok());
        mk.KeyLabelIndex = keys.value().labelIndex;
        mk.KeyFinger = keys.value().finger;
        mk.KeyShift = keys.value().shift;
        mk.windows.add(QStringLiteral("Marokey"),
                       [](MkMain& m) { return std::make_unique<Marokey>(m); });
        mk.windows.add(QStringLiteral("Menu"),
                       [](MkMain& m) { return std::make_unique<MenuStandIn>(m); });
        host = std::make_unique<WindowHost>(mk.windows);
        mk.windows.Show(QStringLiteral("Marokey"));
        QVERIFY(view());
        box()->setFocus();
    }

    void commit(const QString& text) {
        QInputMethodEvent preedit(QStringLiteral("かな"), {});
        QCoreApplication::sendEvent(box(), &preedit);
        QInputMethodEvent done;
        done.setCommitString(text);
        QCoreApplication::sendEvent(box(), &done);
    }

private slots:
    void cleanup() {
        host.reset();
        p.reset();
        folder.reset();
    }

    void hiraganaLineCommittedThroughTheInputMethodIsAccepted() {
        open(2, QStringLiteral("おはよう\r\nこんにちは\r\n"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Typing);
        QCOMPARE(window()->T.imeMode, ImeMode::Hiragana);
        QVERIFY(box()->inputMethodQuery(Qt::ImEnabled).toBool());
        commit(QStringLiteral("おはよう"));
        QCOMPARE(window()->T.caption, QStringLiteral("おはよう"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->CurrentLine, 2);
        QCOMPARE(window()->MissCount, 0);
        QCOMPARE(view()->findChild<QLabel*>(QStringLiteral("L"))->text(),
                 QStringLiteral("こんにちは"));
        QCOMPARE(box()->text(), QString());
        commit(QStringLiteral("こんばんは"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->MissCount, 1);
        QCOMPARE(p->beep.count, 1);
    }

    void guidedRunsKeepTheInputMethodOut() {
        open(6, QStringLiteral("Ab\r\n"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->T.imeMode, ImeMode::Off);
        QVERIFY(!box()->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!box()->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void guideFollowsRealKeysToTheResults() {
        open(1, QStringLiteral("ab\r\n"));
        QTest::keyClick(box(), Qt::Key_Return);
        auto* a = view()->findChild<QLabel*>(QStringLiteral("AZ_30"));
        QCOMPARE(a->palette().color(QPalette::Window), QColor(Qt::red));
        QTest::keyClicks(box(), QStringLiteral("ab"));
        QCOMPARE(view()->findChild<QLabel*>(QStringLiteral("H"))->text(), QStringLiteral("ＡＢ"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(window()->Phase, LessonWindow::Shown);
        auto* panel = view()->findChild<QLabel*>(QStringLiteral("P"));
        QVERIFY(panel->isVisible());
        QVERIFY(panel->text().contains(QStringLiteral("Escを押すと終了します。")));
        QTest::keyClick(box(), Qt::Key_Escape);
        QVERIFY(p->mk.windows.isVisible(QStringLiteral("Menu")));
    }
};

// Printing through the real printer path, into a PDF: one job, a page per copy.
class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void threeCopiesMakeOneDocumentOfThreePages() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
        QtPrinter printer(pdf, 3);
        const auto copies = printer.askCopies();
        QCOMPARE(copies, std::optional<int>(3));
        printer.print(
            QStringLiteral("\r\n\r\n\r\n\r\n　4 年 2 組 15 番 山田\r\n\r\n　得　　点　：　64"),
            QStringLiteral("ＭＳ 明朝"), 24, *copies);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                     bytes.count("/Type /Page/") + bytes.count("/Type /Page "),
                 3);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LessonWindowViewTest view;
    PrintTest print;
    return QTest::qExec(&view, argc, argv) | QTest::qExec(&print, argc, argv);
}
#include "LessonWindowViewTest.moc"
