#include "core/WindowRegistry.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace {

// Records the order of its events in a log shared by all windows of a test.
class Probe : public Window {
public:
    Probe(MkMain& mk, const QString& name, QStringList& log) : Window(mk, name), log(log) {
        button.name = u"Go"_qs;
        add(button);
    }
    void Form_Load() override {
        log << name() + u".load"_qs;
        if (onLoad) onLoad(*this);
    }
    void Form_Activate() override { log << name() + u".activate"_qs; }
    void Form_Unload() override { log << name() + u".unload"_qs; }
    void Click(Control&) override {
        if (onClick) onClick(*this);
        // Touches its own state after unloading itself, as handlers may.
        clicks += 1;
        log << name() + u".clicked"_qs;
    }

    QStringList& log;
    Control button;
    int counter = 0;
    int clicks = 0;
    std::function<void(Probe&)> onLoad;
    std::function<void(Probe&)> onClick;
};

struct Registry : ::testing::Test {
    TestProgram p;
    QStringList log;
    WindowRegistry& windows = p.mk.windows;
    std::function<void(Probe&)> nextLoad;

    Registry() {
        for (const QString& name : {u"A"_qs, u"B"_qs})
            windows.add(name, [this, name](MkMain& mk) {
                auto w = std::make_unique<Probe>(mk, name, log);
                w->onLoad = nextLoad;
                return w;
            });
    }
    Probe* probe(const QString& name) { return windows.get<Probe>(name); }
};

} // namespace

TEST_F(Registry, ShowLoadsFirstHideKeepsStateAndUnloadDestroysIt) {
    windows.Load(u"A"_qs);
    EXPECT_TRUE(windows.isLoaded(u"A"_qs));
    EXPECT_FALSE(windows.isVisible(u"A"_qs)) << "Load alone shows nothing";
    windows.Show(u"A"_qs);
    windows.Show(u"B"_qs);
    EXPECT_TRUE(windows.isVisible(u"A"_qs));
    EXPECT_EQ(log, (QStringList{"A.load", "A.activate", "B.load", "B.activate"}));
    probe(u"A"_qs)->counter = 7;
    windows.Hide(u"A"_qs);
    EXPECT_FALSE(windows.isVisible(u"A"_qs));
    windows.Show(u"A"_qs);
    EXPECT_EQ(probe(u"A"_qs)->counter, 7);
    windows.Unload(u"A"_qs);
    EXPECT_FALSE(windows.isLoaded(u"A"_qs));
    windows.Show(u"A"_qs);
    EXPECT_EQ(probe(u"A"_qs)->counter, 0);
    EXPECT_EQ(log.count(u"A.load"_qs), 2);
    EXPECT_EQ(log.count(u"A.unload"_qs), 1);
}

TEST_F(Registry, AHandlerMayUnloadItsOwnWindowAndCarryOn) {
    windows.Show(u"A"_qs);
    Probe* a = probe(u"A"_qs);
    a->onClick = [this](Probe&) { windows.Unload(u"A"_qs); };
    windows.dispatch([&] { a->Click(a->button); });
    EXPECT_FALSE(windows.isLoaded(u"A"_qs));
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{"A.unload", "A.clicked"}));
}

TEST_F(Registry, ALoadHandlerThatUnloadsItsWindowOrEndsTheProgramStopsTheShow) {
    nextLoad = [this](Probe& w) { windows.Unload(w.name()); };
    windows.Show(u"A"_qs);
    EXPECT_FALSE(windows.isLoaded(u"A"_qs));
    EXPECT_EQ(log, (QStringList{"A.load", "A.unload"}));
    nextLoad = [this](Probe&) { windows.End(1); };
    windows.Show(u"B"_qs);
    EXPECT_TRUE(windows.ended());
    EXPECT_EQ(log.mid(2), QStringList{"B.load"});
}

TEST_F(Registry, EndRemovesEveryWindowWithoutUnloadHandlers) {
    windows.Show(u"A"_qs);
    windows.Load(u"B"_qs);
    Probe* a = probe(u"A"_qs);
    a->onClick = [this](Probe&) { windows.End(3); };
    windows.dispatch([&] { a->Click(a->button); });
    EXPECT_TRUE(windows.ended());
    EXPECT_EQ(windows.exitStatus(), 3);
    EXPECT_TRUE(windows.loadedNames().empty());
    EXPECT_EQ(log.count(u"A.unload"_qs) + log.count(u"B.unload"_qs), 0);
    // Nothing loads or speaks once the program has ended.
    windows.Show(u"A"_qs);
    EXPECT_FALSE(windows.isLoaded(u"A"_qs));
    p.mk.ShowMessageText(u"late"_qs);
    EXPECT_TRUE(p.messages.shown.isEmpty());
}

TEST_F(Registry, ShowMessageModesAndAnswers) {
    p.messages.answer(MessageAnswer::No);
    p.messages.answer(MessageAnswer::Yes);
    p.mk.MessageText = u"一行目\r二行目"_qs;
    EXPECT_EQ(p.mk.ShowMessage(0), MessageAnswer::Ok);
    EXPECT_EQ(p.mk.ShowMessage(1), MessageAnswer::No);
    EXPECT_EQ(p.mk.ShowMessage(4), MessageAnswer::Yes);
    EXPECT_EQ(p.messages.buttons,
              (std::vector<MessageButtons>{MessageButtons::Ok, MessageButtons::YesNo,
                                           MessageButtons::YesNo}));
    EXPECT_EQ(p.messages.shown[0], u"一行目\r二行目"_qs);
}
