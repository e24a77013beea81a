#include "authoring/EnglishLesson.h"
#include "core/MkMain.h"
#include "logon/Num_Lock.h"
#include "logon/StartUp.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/QtMessagePort.h"
#include "ui/WindowHost.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class Panel final : public Window { // one of each control the layer must route
public:
    explicit Panel(MkMain& mk) : Window(mk, u"Panel"_qs) {
        caption = u"練習"_qs;
        geometry = {0, 0, 6000, 3000};
        T.accessibleName = u"入力"_qs;
        AZ.index = 1; // a member of a control array
        Words.multiLine = Meanings.multiLine = true;
        Words.imeMode = ImeMode::Off;
        Meanings.imeMode = ImeMode::On;
        TB.items = QStringList{u"初級編"_qs, u"中級編"_qs};
        for (Control* c : {&T, &L, &AZ, &OK, &Words, &Meanings, &TB})
            add(*c);
    }
    void KeyPress(Control&, int& keyAscii) override {
        presses.push_back(keyAscii);
        if (keyAscii == 'x') keyAscii = 0; // swallowed
        if (keyAscii == 13) L.caption = u"改行"_qs;
    }
    void KeyUp(Control&, int keyCode, int) override { releases.push_back(keyCode); }
    void Click(Control& c) override {
        if (&c == &OK) return mk.windows.Unload(name());
        events << u"Click "_qs + c.name;
    }
    void Change(Control& c) override {
        events << c.name + u' ' + (&c == &TB ? QString::number(c.listIndex) : c.caption);
    }

    Control T = makeControl(ControlKind::TextBox, u"T"_qs, {}, {150, 150, 3000, 375});
    Control L = makeControl(ControlKind::Label, u"L"_qs, u"あいうえお"_qs, {150, 750, 3000, 375});
    Control OK = makeControl(ControlKind::Button, u"OK"_qs, u"OK"_qs, {3300, 150, 1200, 450});
    Control AZ = makeControl(ControlKind::Label, u"AZ"_qs, {}, {900, 1500, 735, 735});
    Control Words = makeTextBox(u"Words"_qs, u"英単語"_qs, {4500, 150, 1350, 900});
    Control Meanings = makeTextBox(u"Meanings"_qs, u"意　味"_qs, {4500, 1200, 1350, 900});
    Control TB =
        makeControl(ControlKind::ComboBox, u"TB"_qs, u"タブ選択"_qs, {4500, 2250, 1350, 360});
    std::vector<int> presses, releases;
    QStringList events;
};

} // namespace

class WindowLayerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Panel* panel() { return p->mk.windows.get<Panel>(u"Panel"_qs); }
    FormView* view() { return host->viewOf(u"Panel"_qs); }
    template <class W> W* widget(const QString& name) { return view()->findChild<W*>(name); }

private slots:
    void init() {
        host.reset();
        p = std::make_unique<TestProgram>();
        p->mk.windows.add(u"Panel"_qs, [](MkMain& mk) { return std::make_unique<Panel>(mk); });
        addWindows(p->mk.windows, {StartUp::kName, EnglishLesson::kName, Num_Lock::kName});
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(u"Panel"_qs);
    }

    void drawsControlsAtFifteenTwipsAPixel() {
        QVERIFY(view()->isVisible());
        QCOMPARE(view()->windowTitle(), u"練習"_qs);
        QCOMPARE(view()->size(), QSize(400, 200));
        QCOMPARE(widget<QLabel>(u"AZ_1"_qs)->geometry(), QRect(60, 100, 49, 49));
        QCOMPARE(widget<QLabel>(u"L"_qs)->text(), u"あいうえお"_qs);
        QCOMPARE(widget<LineBox>(u"T"_qs)->accessibleName(), u"入力"_qs);
    }

    void labelsShowTextPlainlyAndAGuideWithItsTypedPartDimmed() {
        auto* label = widget<QLabel>(u"L"_qs);
        p->mk.windows.dispatch([&] { panel()->L.caption = u"<b>if a<b</b>"_qs; });
        QCOMPARE(label->textFormat(), Qt::PlainText); // a lesson line, not markup
        p->mk.windows.dispatch([&] {
            panel()->L.caption = u"k<ka"_qs;
            panel()->L.doneLength = 2;
        });
        QCOMPARE(label->textFormat(), Qt::RichText);
        QVERIFY(label->text().contains(u"color:#a8a8a8\">k&lt;</span>ka"_qs));
        QCOMPARE(label->accessibleName(), u"k<ka"_qs);
    }

    void keysReachTheHandlersAndViewsCatchUp() {
        auto* box = widget<LineBox>(u"T"_qs);
        QTest::keyClicks(box, u"axb"_qs);
        QCOMPARE(box->text(), u"ab"_qs);
        QCOMPARE(panel()->T.caption, u"ab"_qs);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(panel()->presses, (std::vector<int>{'a', 'x', 'b', 13}));
        QCOMPARE(widget<QLabel>(u"L"_qs)->text(), u"改行"_qs);
        QTest::keyClick(box, Qt::Key_Escape);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, u"a"_qs, true);
        QCoreApplication::sendEvent(box, &repeat); // an auto-repeated release is no release
        QCOMPARE(panel()->releases.back(), 27);
    }

    void eachBoxKeepsItsOwnInputMethodModeAndFollowsAChange() {
        auto* line = widget<LineBox>(u"T"_qs);
        auto* words = widget<TextArea>(u"Words"_qs);
        QVERIFY(line->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!words->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!words->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(widget<TextArea>(u"Meanings"_qs)->inputMethodQuery(Qt::ImEnabled).toBool());
        panel()->T.imeMode = ImeMode::Off;
        panel()->Words.imeMode = ImeMode::Hiragana;
        host->syncAll();
        QVERIFY(!line->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(words->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void linesTypedInAManyLineBoxReachItsControlAndSyncLeavesTheCursor() {
        auto* words = widget<TextArea>(u"Words"_qs);
        QTest::keyClicks(words, u"a"_qs);
        QTest::keyClick(words, Qt::Key_Return);
        QTest::keyClicks(words, u"b"_qs);
        QCOMPARE(panel()->presses, (std::vector<int>{'a', 13, 'b'}));
        QCOMPARE(panel()->events,
                 (QStringList{u"Words a"_qs, u"Words a\r\n"_qs, u"Words a\r\nb"_qs}));
        QTest::keyClick(words, Qt::Key_Left);
        panel()->Meanings.caption = u"x"_qs;
        host->syncAll();
        QCOMPARE(words->textCursor().position(), 2);
    }

    void aDropDownShowsItsCaptionUntilAChoiceChangesThenClicks() {
        auto* tb = widget<QComboBox>(u"TB"_qs);
        QCOMPARE(tb->currentIndex(), -1);
        QCOMPARE(tb->placeholderText(), u"タブ選択"_qs);
        QTest::keyClick(tb, Qt::Key_Down);
        QCOMPARE(panel()->events, (QStringList{u"TB 0"_qs, u"Click TB"_qs}));
        QCOMPARE(tb->accessibleDescription(), u"初級編"_qs);
    }

    void theWordEditorsTextsFitTheirLabels() {
        p->mk.windows.Show(u"EnglishLesson"_qs);
        for (auto* label : host->viewOf(u"EnglishLesson"_qs)->findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                   Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }

    void aHandlerUnloadingItsWindowRemovesTheView() {
        QTest::mouseClick(widget<QWidget>(u"OK"_qs), Qt::LeftButton);
        QVERIFY(!p->mk.windows.isLoaded(u"Panel"_qs) && !view());
    }

    // Before any case ends the program: a box opened after that would close at once.
    void messageBoxTextIsReadable() {
        QString name, description;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
            QVERIFY(box);
            auto* readable = QAccessible::queryAccessibleInterface(box);
            name = readable->text(QAccessible::Name);
            description = readable->text(QAccessible::Description);
            box->button(QMessageBox::Ok)->click();
        });
        QtMessagePort port;
        QCOMPARE(port.show(u"保存しました。\r\rよろしいですか？"_qs, MessageButtons::Ok),
                 MessageAnswer::Ok);
        QCOMPARE(name, u"Marokey"_qs);
        QCOMPARE(description, u"保存しました。\n\nよろしいですか？"_qs);
    }

    void closingTheLastWindowEndsTheProgram() {
        p->mk.windows.Show(u"StartUp"_qs);
        host->viewOf(u"StartUp"_qs)->close();
        QVERIFY(!p->mk.windows.ended()); // closing one of two only unloads it
        view()->close();
        QVERIFY(p->mk.windows.ended());
        QCOMPARE(p->mk.windows.exitStatus(), 0);
    }

    void numLockNoticeIsReadUnderItsHeading() {
        p->mk.windows.Show(u"Num_Lock"_qs);
        auto* notice = host->viewOf(u"Num_Lock"_qs)->findChild<QLabel*>(u"Label1"_qs);
        QCOMPARE(notice->accessibleName(), u"NumLock"_qs);
        QVERIFY(notice->accessibleDescription().startsWith(u"NumLockが押されました。"_qs));
    }

    void startUpWindowHasNoOverlappingLabels() {
        p->mk.windows.Show(u"StartUp"_qs);
        const auto labels = host->viewOf(u"StartUp"_qs)->findChildren<QLabel*>();
        QVERIFY(labels.size() >= 4);
        for (QLabel* a : labels)
            for (QLabel* b : labels)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + u' ' + b->objectName()));
    }
};

QTEST_MAIN(WindowLayerTest)
#include "WindowLayerTest.moc"
