#include "core/MkMain.h"
#include "support/ScriptedPorts.h"
#include "ui/FolderWidgets.h"
#include "ui/FormView.h"
#include "ui/QtCopyFeedback.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QMap>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A drive list and a folder tree, as the filing tool's panels hold them.
class Folders final : public Window {
public:
    explicit Folders(MkMain& mk, const QString& root) : Window(mk, u"Folders"_qs) {
        geometry = {0, 0, 6000, 6000};
        Drive.items = QStringList{u"/"_qs, QDir::tempPath()};
        Drive.listIndex = 0;
        Dir.rootPath = root;
        Dir.caption = root + u"/a"_qs;
        add(Drive);
        add(Dir);
    }
    void Change(Control& c) override {
        events << c.name + u' ' + (&c == &Drive ? QString::number(c.listIndex) : c.caption);
    }
    void Click(Control& c) override { events << u"Click "_qs + c.name; }

    Control Drive = makeControl(ControlKind::DriveList, u"Drive"_qs, {}, {150, 150, 3000, 360});
    Control Dir = makeControl(ControlKind::FolderTree, u"Dir"_qs, {}, {150, 600, 3000, 4500});
    QStringList events;
};

QString pathOf(FolderTreeView* tree, const QModelIndex& index) {
    return static_cast<QFileSystemModel*>(tree->model())->filePath(index);
}

// Runs once the modal loop that is about to start is running.
template <class F> void whenShown(F f) {
    QMetaObject::invokeMethod(qApp, f, Qt::QueuedConnection);
}

QMessageBox* shownReplaceBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// The buttons' captions as a person reads them, left to right.
QStringList captionsInSight(QMessageBox* box) {
    QMap<int, QString> byPlace;
    for (QAbstractButton* b : box->buttons())
        byPlace.insert(b->mapToGlobal(QPoint()).x(), b->text());
    return byPlace.values();
}

} // namespace

class FilingViewTest : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    QString root;
    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Folders* window() { return p->mk.windows.get<Folders>(u"Folders"_qs); }
    template <class W> W* widget(const QString& name) {
        return host->viewOf(u"Folders"_qs)->findChild<W*>(name);
    }

private slots:
    void initTestCase() {
        root = QDir::cleanPath(temp.path());
        for (const char* folder : {"a", "b/inner"})
            QVERIFY(QDir(root).mkpath(QString::fromLatin1(folder)));
    }

    void init() {
        host.reset();
        p = std::make_unique<TestProgram>();
        p->mk.windows.add(u"Folders"_qs,
                          [this](MkMain& mk) { return std::make_unique<Folders>(mk, root); });
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(u"Folders"_qs);
    }

    void aDriveChoiceIsAChangeAndTheWindowsChoiceIsNot() {
        auto* drives = widget<DriveBox>(u"Drive"_qs);
        QVERIFY(drives->itemText(1).startsWith(QDir::tempPath()));
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(window()->events, QStringList{u"Drive 1"_qs});
        QCOMPARE(drives->accessibleDescription(), QDir::tempPath());
        window()->Drive.listIndex = 0;
        host->syncAll();
        QCOMPARE(drives->currentIndex(), 0);
        QCOMPARE(window()->events.size(), 1);
    }

    void theTreeOpensAtTheWindowsFolderAndReportsAPersonsPick() {
        auto* tree = widget<FolderTreeView>(u"Dir"_qs);
        QCOMPARE(pathOf(tree, tree->rootIndex()), root);
        QCOMPARE(pathOf(tree, tree->currentIndex()), root + u"/a"_qs);
        QCOMPARE(tree->accessibleDescription(), root + u"/a"_qs);
        QVERIFY(window()->events.isEmpty());

        const auto* model = static_cast<QFileSystemModel*>(tree->model());
        const QModelIndex b = model->index(root + u"/b"_qs);
        tree->scrollTo(b);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(b).center());
        QCOMPARE(window()->events, QStringList{u"Dir "_qs + root + u"/b"_qs});
        QCOMPARE(window()->Dir.caption, root + u"/b"_qs);
        QCOMPARE(tree->accessibleDescription(), root + u"/b"_qs);
    }

    // Folders arrive and are sorted after the tree is shown, moving the chosen one.
    void theTreeFollowsTheWindowQuietlyAndKeepsItsFolderInSightUntilTakenOver() {
        auto* tree = widget<FolderTreeView>(u"Dir"_qs);
        const QString inner = root + u"/b/inner"_qs;
        window()->Dir.caption = inner + u'/'; // a trailing separator names the same folder
        host->syncAll();
        QCOMPARE(pathOf(tree, tree->currentIndex()), inner);
        tree->resize(tree->width(), tree->sizeHintForRow(0) + 2); // room for one folder
        const auto inSight = [tree] {
            return tree->viewport()->rect().intersects(tree->visualRect(tree->currentIndex()));
        };
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        tree->scrollToTop();
        emit model->layoutChanged();
        QVERIFY(inSight());
        QTest::keyClick(tree, Qt::Key_Shift);
        tree->scrollToTop();
        emit model->layoutChanged();
        QVERIFY(!inSight());
        QVERIFY(window()->events.isEmpty());
    }

    void copyProgressShowsTheFileAndHearsCancelBetweenFiles() {
        int synced = 0;
        QtCopyFeedback copies([&synced] { ++synced; });
        copies.begin(3);
        QVERIFY(copies.progress(0, u"a.txt"_qs));
        QProgressDialog* dialog = copies.dialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->labelText(), u"複写しています：\na.txt\n1 / 3"_qs);
        QCOMPARE(dialog->accessibleDescription(), dialog->labelText());
        QCOMPARE(synced, 1);
        // The click waits in the queue: only a progress that hears it sees it.
        whenShown(
            [dialog] { QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton); });
        QVERIFY(!copies.progress(1, u"b.txt"_qs));
        QVERIFY(!copies.progress(2, u"c.txt"_qs));
        copies.end();
        QVERIFY(!copies.dialog());
    }

    void eachReplaceButtonGivesItsAnswer() {
        // In the order of the answers.
        const QStringList names{u"Yes"_qs, u"No"_qs, u"YesToAll"_qs, u"NoToAll"_qs, u"Cancel"_qs};
        QtCopyFeedback copies;
        QString seen;
        for (int answer = 0; answer < names.size(); ++answer) {
            whenShown([&seen, name = names[answer]] {
                QMessageBox* box = shownReplaceBox();
                seen = box->text() + u'|' + box->defaultButton()->text() + u'|' +
                       captionsInSight(box).join(u' ');
                QTest::mouseClick(box->findChild<QPushButton*>(name), Qt::LeftButton);
            });
            QCOMPARE(copies.askReplace(u"a.txt"_qs), ReplaceAnswer(answer));
        }
        QCOMPARE(seen, u"a.txt は既にあります。\n置き換えますか？|はい|"
                       u"はい いいえ すべてはい すべていいえ キャンセル"_qs);
        whenShown([] { QTest::keyClick(shownReplaceBox(), Qt::Key_Escape); });
        QCOMPARE(copies.askReplace(u"a.txt"_qs), ReplaceAnswer::Cancel);
    }
};

QTEST_MAIN(FilingViewTest)
#include "FilingViewTest.moc"
