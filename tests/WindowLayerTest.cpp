#include "core/MkMain.h"
#include "logon/StartUp.h"
#include "support/ScriptedPorts.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/WindowHost.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A window with one of each control the layer must route.
class Panel final : public Window {
public:
    explicit Panel(MkMain& mk) : Window(mk, QStringLiteral("Panel")) {
        caption = QStringLiteral("練習");
        geometry = {0, 0, 6000, 3000};
        T.kind = ControlKind::TextBox;
        T.name = QStringLiteral("T");
        T.accessibleName = QStringLiteral("入力");
        T.geometry = {150, 150, 3000, 375};
        L.name = QStringLiteral("L");
        L.caption = QStringLiteral("あいうえお");
        L.geometry = {150, 750, 3000, 375};
        for (int i = 0; i < 2; ++i) {
            AZ[i].kind = ControlKind::Label;
            AZ[i].name = QStringLiteral("AZ");
            AZ[i].index = i;
            AZ[i].geometry = {150 + 750 * i, 1500, 735, 735};
        }
        OK.kind = ControlKind::Button;
        OK.name = QStringLiteral("OK");
        OK.caption = QStringLiteral("OK");
        OK.geometry = {3300, 150, 1200, 450};
        add(T);
        add(L);
        addAll(AZ);
        add(OK);
    }
    void KeyPress(Control&, int& keyAscii) override {
        presses.push_back(keyAscii);
        if (keyAscii == 'x') keyAscii = 0; // swallowed
        if (keyAscii == 13) L.caption = QStringLiteral("改行");
    }
    void KeyUp(Control&, int keyCode, int) override { releases.push_back(keyCode); }
    void Click(Control& c) override {
        if (&c == &OK) {
            AZ[1].backColor = colors::kRed;
            mk.windows.Unload(name());
        }
    }

    Control T, L, OK;
    std::array<Control, 2> AZ;
    std::vector<int> presses, releases;
};

} // namespace

class WindowLayerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Panel* panel() { return p->mk.windows.get<Panel>(QStringLiteral("Panel")); }
    FormView* view() { return host->viewOf(QStringLiteral("Panel")); }
    template <class W> W* widget(const char* name) {
        return view()->findChild<W*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        p = std::make_unique<TestProgram>();
        p->mk.windows.add(QStringLiteral("Panel"),
                          [](MkMain& mk) { return std::make_unique<Panel>(mk); });
        p->mk.windows.add(QStringLiteral("StartUp"),
                          [](MkMain& mk) { return std::make_unique<StartUp>(mk); });
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(QStringLiteral("Panel"));
    }
    void cleanup() {
        host.reset();
        p.reset();
    }

    void drawsControlsAtFifteenTwipsAPixel() {
        QVERIFY(view()->isVisible());
        QCOMPARE(view()->windowTitle(), QStringLiteral("練習"));
        QCOMPARE(view()->size(), QSize(400, 200));
        auto* key = widget<QLabel>("AZ_1");
        QVERIFY(key);
        QCOMPARE(key->geometry(), QRect(60, 100, 49, 49));
        QCOMPARE(widget<QLabel>("L")->text(), QStringLiteral("あいうえお"));
        QCOMPARE(widget<LineBox>("T")->accessibleName(), QStringLiteral("入力"));
    }

    void keysReachTheHandlersAndViewsCatchUp() {
        auto* box = widget<LineBox>("T");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("axb"));
        QCOMPARE(box->text(), QStringLiteral("ab"));
        QCOMPARE(panel()->T.caption, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(panel()->presses, (std::vector<int>{'a', 'x', 'b', 13}));
        QCOMPARE(widget<QLabel>("L")->text(), QStringLiteral("改行"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(panel()->releases.back(), 27);
        // An auto-repeated release is not a release.
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
        QCoreApplication::sendEvent(box, &repeat);
        QCOMPARE(panel()->releases.back(), 27);
    }

    void inputMethodStaysOutWhenOff() {
        auto* box = widget<LineBox>("T");
        QVERIFY(box->inputMethodQuery(Qt::ImEnabled).toBool());
        panel()->T.imeMode = ImeMode::Off;
        host->syncAll();
        QVERIFY(!box->inputMethodQuery(Qt::ImEnabled).toBool());
    }

    void aHandlerUnloadingItsWindowRemovesTheView() {
        QTest::mouseClick(widget<QPushButton>("OK"), Qt::LeftButton);
        QVERIFY(!p->mk.windows.isLoaded(QStringLiteral("Panel")));
        QVERIFY(!host->viewOf(QStringLiteral("Panel")));
    }

    void closingTheLastWindowEndsTheProgram() {
        view()->close();
        QVERIFY(p->mk.windows.ended());
        QCOMPARE(p->mk.windows.exitStatus(), 0);
    }

    void closingOneOfTwoWindowsOnlyUnloadsIt() {
        p->mk.windows.Show(QStringLiteral("StartUp"));
        view()->close();
        QVERIFY(!p->mk.windows.ended());
        QVERIFY(p->mk.windows.isLoaded(QStringLiteral("StartUp")));
    }

    void startUpWindowShowsItsTitleVersionAndProducer() {
        p->mk.windows.Show(QStringLiteral("StartUp"));
        FormView* startUp = host->viewOf(QStringLiteral("StartUp"));
        QVERIFY(startUp && startUp->isVisible());
        QStringList texts;
        for (QLabel* label : startUp->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("2.1")));
        QVERIFY(texts.contains(QStringLiteral("Produced by")));
        // No two labels overlap.
        const auto labels = startUp->findChildren<QLabel*>();
        for (int i = 0; i < labels.size(); ++i)
            for (int j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i]->geometry().intersects(labels[j]->geometry()),
                         qPrintable(labels[i]->objectName() + u' ' + labels[j]->objectName()));
    }
};

QTEST_MAIN(WindowLayerTest)
#include "WindowLayerTest.moc"
