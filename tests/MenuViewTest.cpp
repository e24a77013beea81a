#include "core/MkMain.h"
#include "logon/Menu.h"
#include "support/ScriptedPorts.h"
#include "ui/FormView.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

// The lesson menu on real widgets: whatever the pupil clicks on the tabs, the
// list of the shown tab keeps the keyboard.
class MenuViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    FormView* view() { return host->viewOf(u"Menu"_qs); }
    QListWidget* list(int tab) {
        return view()->findChild<QListWidget*>(u"Lesson_"_qs + QString::number(tab));
    }
    QTabBar* tabs() { return view()->findChild<QTabBar*>(u"SSTab1"_qs); }
    void clickTab(int tab) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(tab).center());
    }

private slots:
    void init() {
        host.reset();
        p = std::make_unique<TestProgram>();
        MkMain& mk = p->mk;
        mk.windows.add(u"Menu"_qs, [](MkMain& m) { return std::make_unique<Menu>(m); });
        mk.LessonTitle[0] = u"ホーム"_qs;
        mk.LessonKind[0] = 1;
        mk.LastLessonIndex = 0;
        host = std::make_unique<WindowHost>(mk.windows);
        mk.windows.Show(u"Menu"_qs);
        QCoreApplication::processEvents(); // the platform's activation of the window
        QVERIFY(view()->isActiveWindow());
    }

    void clicksOnTheShownTabAndTabKeysLeaveTheKeyboardInItsList() {
        QCOMPARE(QApplication::focusWidget(), list(0));
        QTest::keyClick(list(0), Qt::Key_Down); // selects the first lesson
        clickTab(0);
        QCOMPARE(QApplication::focusWidget(), list(0));
        tabs()->setFocus(); // reached with the keyboard, then clicked
        clickTab(0);
        QCOMPARE(QApplication::focusWidget(), list(0));
        QTest::keyClick(list(0), Qt::Key_Tab);
        QTest::keyClick(list(0), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), list(0));
        p->messages.answer(MessageAnswer::No);
        QTest::keyClick(list(0), Qt::Key_A);
        QCOMPARE(p->messages.shown,
                 QStringList{u"ホーム\r\rLessonを行います。よろしいですか？"_qs});
    }
};

QTEST_MAIN(MenuViewTest)
#include "MenuViewTest.moc"
