#include "core/MkMain.h"
#include "support/ScriptedPorts.h"
#include "ui/ControlWidgets.h"
#include "ui/FormView.h"
#include "ui/Pictures.h"
#include "ui/WindowHost.h"

#include <QPainter>
#include <QTest>

namespace {

Control makePicture(const QString& name, const QString& picture, Twips at) {
    Control c = makeControl(ControlKind::Picture, name, {}, at);
    c.picture = picture;
    c.accessibleName = u"もぐら "_qs + name;
    return c;
}

// A field of targets on grass, counting what reaches its handlers.
class Field final : public Window {
public:
    explicit Field(MkMain& mk) : Window(mk, u"Field"_qs) {
        caption = u"Field"_qs;
        geometry = {0, 0, 9000, 6000};
        backPicture = u"grass"_qs;
        for (Control* c : {&C, &G, &D, &Score})
            add(*c);
    }
    void Click(Control& c) override { clicks << c.name; }
    void Form_Click() override { ++groundPresses; }

    Control C = makePicture(u"C"_qs, u"mole"_qs, {1500, 1500, 1335, 1335});
    Control G = makePicture(u"G"_qs, u"goldmole"_qs, {4500, 1500, 1455, 1455});
    Control D = makePicture(u"D"_qs, u"decoy"_qs, {1500, 3750, 1335, 1335});
    Control Score = makeLabel(u"Score"_qs, u"0"_qs, {6750, 300, 1500, 450});
    QStringList clicks;
    int groundPresses = 0;
};

class Plain final : public Window {
public:
    explicit Plain(MkMain& mk) : Window(mk, u"Plain"_qs) { geometry = {0, 0, 3000, 3000}; }
};

QImage drawn(const QString& name, QSize size = {96, 96}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    pictures::paint(p, name, QRectF(QPointF(), QSizeF(size)));
    return image;
}

bool greenish(QRgb c) {
    return qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
}

} // namespace

class GameViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WindowHost> host;

    Field* field() { return p->mk.windows.get<Field>(u"Field"_qs); }
    FormView* view(const QString& name = u"Field"_qs) { return host->viewOf(name); }
    QWidget* widget(const QString& name) { return view()->widgetFor(name); }
    // A press as the platform delivers it: to whatever lies under that point.
    void pressAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(view()->windowHandle(), button, {}, at);
        QTest::mouseRelease(view()->windowHandle(), button, {}, at);
    }
    QPoint centreOf(const QString& name) { return widget(name)->geometry().center(); }

private slots:
    void init() {
        host.reset();
        p = std::make_unique<TestProgram>();
        p->mk.windows.add(u"Field"_qs, [](MkMain& mk) { return std::make_unique<Field>(mk); });
        p->mk.windows.add(u"Plain"_qs, [](MkMain& mk) { return std::make_unique<Plain>(mk); });
        host = std::make_unique<WindowHost>(p->mk.windows);
        p->mk.windows.Show(u"Field"_qs);
        QVERIFY(QTest::qWaitForWindowExposed(view()));
    }

    void picturesSitWhereTheirControlsSayAndAreNamed() {
        auto* mole = qobject_cast<PictureWidget*>(widget(u"C"_qs));
        QVERIFY(mole);
        QCOMPARE(mole->geometry(), QRect(100, 100, 89, 89));
        QCOMPARE(mole->picture, u"mole"_qs);
        QCOMPARE(mole->accessibleName(), u"もぐら C"_qs);
        QCOMPARE(widget(u"G"_qs)->size(), QSize(97, 97));
    }

    void aPressReachesTheShownPictureUnderItOnceOrElseTheGroundButNotALabel() {
        QTest::mousePress(view()->windowHandle(), Qt::LeftButton, {}, centreOf(u"G"_qs));
        QCOMPARE(field()->clicks, QStringList{u"G"_qs});
        QTest::mouseRelease(view()->windowHandle(), Qt::LeftButton, {}, centreOf(u"G"_qs));
        pressAt(centreOf(u"D"_qs));
        QCOMPARE(field()->clicks, (QStringList{u"G"_qs, u"D"_qs})); // the release was no click
        QCOMPARE(field()->groundPresses, 0);
        pressAt({20, 380});
        QCOMPARE(field()->groundPresses, 1);
        pressAt(centreOf(u"Score"_qs));
        pressAt({20, 380}, Qt::RightButton);
        QCOMPARE(field()->groundPresses, 1);
        // A hidden picture is no target any more: the pupil hit the ground.
        const QPoint where = centreOf(u"C"_qs);
        field()->C.visible = false;
        host->syncAll();
        pressAt(where);
        QCOMPARE(field()->groundPresses, 2);
        field()->C.visible = true;
        host->syncAll();
        pressAt(where);
        QCOMPARE(field()->clicks, (QStringList{u"G"_qs, u"D"_qs, u"C"_qs}));
    }

    void theThreeTargetsLookDifferentOnASeeThroughGround() {
        const QImage mole = drawn(u"mole"_qs), gold = drawn(u"goldmole"_qs),
                     decoy = drawn(u"decoy"_qs);
        QVERIFY(mole != gold && mole != decoy && gold != decoy);
        for (const QImage& image : {mole, gold, decoy}) {
            QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
            QCOMPARE(qAlpha(image.pixel(48, 60)), 255); // the face
        }
        // The golden one is golden, the decoy grey: told apart at a glance.
        const QRgb body = mole.pixel(48, 25), goldBody = gold.pixel(48, 30);
        QVERIFY(qRed(goldBody) > qRed(body) + 40 && qGreen(goldBody) > qGreen(body) + 40);
        QVERIFY(qYellow(decoy.pixel(30, 15))); // the hard hat
        QImage nothing(8, 8, QImage::Format_ARGB32_Premultiplied);
        nothing.fill(Qt::transparent);
        QPainter painter(&nothing);
        QVERIFY(!pictures::paint(painter, u"unknown"_qs, QRectF(0, 0, 8, 8)));
        painter.end();
        QCOMPARE(qAlpha(nothing.pixel(4, 4)), 0);
    }

    void grassLiesOnlyUnderAWindowThatAsksForIt() {
        QVERIFY(greenish(view()->grab().toImage().pixel(20, 380)));
        // The picture lets the grass show around the mole.
        QVERIFY(greenish(view()->grab().toImage().pixel(widget(u"C"_qs)->pos() + QPoint(1, 1))));
        p->mk.windows.Show(u"Plain"_qs);
        QVERIFY(!greenish(view(u"Plain"_qs)->grab().toImage().pixel(20, 20)));
    }

private:
    static bool qYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 170 && qBlue(c) < 80; }
};

QTEST_MAIN(GameViewTest)
#include "GameViewTest.moc"
