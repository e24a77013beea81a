#include "core/MkMain.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "teacher/Renomix.h"
#include "ui/FormView.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The file utility on real widgets: its bars are drawn while an action runs,
// not only after it.
class RenomixViewTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;
    FormView* view() { return host->viewOf(u"Renomix"_qs); }
    template <class W> W* widget(const QString& name) { return view()->findChild<W*>(name); }

private slots:
    void init() {
        host.reset();
        folder = std::make_unique<ProgramFolder>();
        for (int i = 0; i < 20; ++i) {
            QFile f(folder->root() + u"f%1.txt"_qs.arg(i, 2, 10, QChar(u'0')));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(i + 1, 'x'));
        }
        p = std::make_unique<TestProgram>(folder->root());
        p->mk.windows.add(u"Renomix"_qs, [](MkMain& m) { return std::make_unique<Renomix>(m); });
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(u"Renomix"_qs);
    }

    void theBarsAreDrawnMidRunAndEmptyAfterwards() {
        auto* w = p->mk.windows.get<Renomix>(u"Renomix"_qs);
        w->Combo3.listIndex = Renomix::kFileSizeDown;
        p->mk.windows.dispatch([&] { w->Combo3_Click(); });
        QProgressBar* gather = widget<QProgressBar>(u"ProgressBar1"_qs);
        QVERIFY(gather);
        int seenMidRun = -1;
        QTimer::singleShot(0, [&] { seenMidRun = gather->value(); });
        QTest::mouseClick(widget<QPushButton>(u"Command1"_qs), Qt::LeftButton);
        QVERIFY(seenMidRun > 0);
        QCOMPARE(p->messages.shown, QStringList{u"正常終了しました"_qs});
        QCOMPARE(gather->value(), 0);
        QVERIFY(QFile::exists(folder->root() + u"No000001.txt"_qs));
    }

    void everyControlHasItsWidgetByName() {
        for (const Control* c : p->mk.windows.find(u"Renomix"_qs)->controls())
            QVERIFY2(view()->widgetFor(c->objectName()), qPrintable(c->objectName()));
    }
};

QTEST_MAIN(RenomixViewTest)
#include "RenomixViewTest.moc"
