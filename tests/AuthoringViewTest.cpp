#include "authoring/EnglishLesson.h"
#include "core/MkMain.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/WindowHost.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The controls an authoring window is made of, with every event written down.
class Sheet final : public Window {
public:
    explicit Sheet(MkMain& mk) : Window(mk, u"Sheet"_qs) {
        geometry = {0, 0, 9000, 4500};
        Words.multiLine = Meanings.multiLine = true;
        Words.imeMode = ImeMode::Off;
        Meanings.imeMode = ImeMode::On;
        TB.items = QStringList{u"初級編"_qs, u"中級編"_qs, u"上級編"_qs};
        for (Control* c : {&Words, &Meanings, &TB, &Echo})
            add(*c);
    }
    void Change(Control& c) override {
        log << u"Change "_qs + c.name + u' ' +
                   (&c == &TB ? QString::number(c.listIndex) : c.caption);
    }
    void Click(Control& c) override { log << u"Click "_qs + c.name; }
    void KeyPress(Control& c, int& keyAscii) override {
        if (keyAscii == 13) log << u"Enter "_qs + c.name;
    }

    Control Words = makeTextBox(u"Words"_qs, u"英単語"_qs, {150, 150, 3000, 2000});
    Control Meanings = makeTextBox(u"Meanings"_qs, u"意　味"_qs, {3300, 150, 3000, 2000});
    Control TB =
        makeControl(ControlKind::ComboBox, u"TB"_qs, u"タブ選択"_qs, {150, 2400, 2400, 360});
    Control Echo = makeLabel(u"Echo"_qs, {}, {150, 3000, 3000, 300});
    QStringList log;
};

} // namespace

class AuthoringViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Sheet* sheet() { return p->mk.windows.get<Sheet>(u"Sheet"_qs); }
    template <class W> W* widget(const QString& name, const QString& window = u"Sheet"_qs) {
        return host->viewOf(window)->findChild<W*>(name);
    }

private slots:
    void init() {
        host.reset();
        folder = std::make_unique<ProgramFolder>();
        p = std::make_unique<TestProgram>(folder->root());
        p->mk.DefaultLessonFolder = folder->lessons();
        p->mk.windows.add(u"Sheet"_qs, [](MkMain& mk) { return std::make_unique<Sheet>(mk); });
        addWindows(p->mk.windows, {EnglishLesson::kName});
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(u"Sheet"_qs);
    }

    void linesTypedIntoAManyLineBoxReachTheControl() {
        auto* words = widget<TextArea>(u"Words"_qs);
        QTest::keyClicks(words, u"ab"_qs);
        QTest::keyClick(words, Qt::Key_Return);
        QTest::keyClicks(words, u"c"_qs);
        QCOMPARE(words->toPlainText(), u"ab\nc"_qs);
        QCOMPARE(sheet()->Words.caption, u"ab\r\nc"_qs);
        QCOMPARE(sheet()->log,
                 (QStringList{u"Change Words a"_qs, u"Change Words ab"_qs, u"Enter Words"_qs,
                              u"Change Words ab\r\n"_qs, u"Change Words ab\r\nc"_qs}));
        QCOMPARE(words->accessibleName(), u"英単語"_qs);
    }

    void theWindowsOwnChangesShowWithoutMovingTheCursor() {
        auto* words = widget<TextArea>(u"Words"_qs);
        QTest::keyClicks(words, u"dog"_qs);
        QTest::keyClick(words, Qt::Key_Left);
        sheet()->Echo.caption = u"dog"_qs; // another control changes
        host->syncAll();
        QCOMPARE(words->textCursor().position(), 2);
        sheet()->Words.caption = u"cat\r\nbird\r\n"_qs;
        sheet()->log.clear();
        host->syncAll();
        QCOMPARE(words->toPlainText(), u"cat\nbird\n"_qs);
        QVERIFY(sheet()->log.isEmpty()); // the window's own text is no edit
    }

    void eachBoxKeepsItsOwnInputMethodMode() {
        auto* words = widget<TextArea>(u"Words"_qs);
        auto* meanings = widget<TextArea>(u"Meanings"_qs);
        QVERIFY(!words->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!words->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(meanings->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(meanings->testAttribute(Qt::WA_InputMethodEnabled));
        sheet()->Words.imeMode = ImeMode::Hiragana;
        sheet()->Meanings.imeMode = ImeMode::Off;
        host->syncAll();
        QVERIFY(words->inputMethodQuery(Qt::ImEnabled).toBool());
        QVERIFY(!meanings->inputMethodQuery(Qt::ImEnabled).toBool());
    }

    void aDropDownShowsItsCaptionUntilAChoiceChangesThenClicks() {
        auto* tb = widget<QComboBox>(u"TB"_qs);
        QCOMPARE(tb->currentIndex(), -1);
        QCOMPARE(tb->placeholderText(), u"タブ選択"_qs);
        QCOMPARE(tb->accessibleName(), u"タブ選択"_qs);
        QTest::keyClick(tb, Qt::Key_Down);
        QTest::keyClick(tb, Qt::Key_Down);
        QCOMPARE(sheet()->TB.listIndex, 1);
        QCOMPARE(sheet()->log, (QStringList{u"Change TB 0"_qs, u"Click TB"_qs, u"Change TB 1"_qs,
                                            u"Click TB"_qs}));
        QCOMPARE(tb->accessibleDescription(), u"中級編"_qs);
        sheet()->TB.listIndex = -1; // the window clears the choice
        host->syncAll();
        QCOMPARE(tb->currentText(), QString());
        QCOMPARE(tb->currentIndex(), -1);
    }

    void theWordEditorsTextsFitTheirControls() {
        p->mk.windows.Show(u"EnglishLesson"_qs);
        FormView* view = host->viewOf(u"EnglishLesson"_qs);
        const QRect window = view->rect();
        QList<QWidget*> drawn = view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : drawn) {
            QVERIFY2(window.contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : drawn)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + u' ' + b->objectName()));
        }
        for (auto* label : view->findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                   Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName()));
        }
        auto* end = view->findChild<QPushButton*>(u"Command1"_qs);
        QVERIFY(end->fontMetrics().horizontalAdvance(end->text()) < end->width());
    }
};

QTEST_MAIN(AuthoringViewTest)
#include "AuthoringViewTest.moc"
