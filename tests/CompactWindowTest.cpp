#include "logon/Menu.h"
#include "support/LessonFixture.h"

#include <algorithm>

namespace {

constexpr Twips kLineInput{600, 1920, 10815, 795};

// The compact window on a keypad lesson that, typed without a miss in a
// minute, counts 60 and scores 7.
struct CompactWindow : CompactFixture {
    CompactWindow() {
        setLesson(4, {u"12+3"_qs, u"40"_qs}, u"テンキー１"_qs);
        standIn(u"MOGU1"_qs);
    }
};

} // namespace

TEST_F(CompactWindow, ResultsAreOneMessageOfThreeLinesThenTheMenuAndEscDoesNothingAfter) {
    // The oldest stored score decides the gain: 0 gains 7, 9 loses 2, 7 gains nothing.
    const std::pair<int, QString> cases[] = {
        {0, u"7の経験値を獲得した！\r経験値は7になった！\rM10  :  60"_qs},
        {9, u"2の経験値を減らした！\r経験値は7になった！\rM10  :  60"_qs},
        {7, u"経験値を獲得できなかった！\r経験値は7のままだ・・・\rM10  :  60"_qs}};
    for (const auto& [oldest, experience] : cases) {
        SCOPED_TRACE(oldest);
        mk.ScoreHistory(0, 99) = static_cast<quint8>(oldest);
        mk.ScoreHistory(0, 0) = 0;
        reopen();
        messages.shown.clear();
        typeLesson();
        EXPECT_EQ(messages.shown.last(), u"テンキー１\rLessonを終了しました。\r\r"_qs + experience);
        EXPECT_TRUE(visible(u"Menu"_qs));
        EXPECT_EQ(mk.ScoreHistory(0, 0), 7);
        EXPECT_EQ(w()->K_K.caption, u"7"_qs);
        // The line labels are back in their place after the keypad run.
        for (const Control* c : {&w()->L, &w()->H})
            EXPECT_EQ(std::tuple(c->fontSize, c->geometry.left, c->geometry.width),
                      std::tuple(17.0, 600, 10815));
        mk.windows.Hide(u"Menu"_qs);
        release(27);
        EXPECT_FALSE(visible(u"Menu"_qs));
        EXPECT_EQ(w()->Phase, LessonWindow::Stopped); // never the results phase
    }
}

TEST_F(CompactWindow, RepeatModeGoesStraightBackToTheReadyStateEvenBesideTheGame) {
    for (int stored : {0, 93}) { // 93 + 7 reaches 100
        SCOPED_TRACE(stored);
        mk.ScoreHistory(0, 0) = 0;
        mk.ScoreHistory(0, 1) = static_cast<quint8>(stored);
        reopen();
        messages.shown.clear();
        mk.windows.dispatch([&] { w()->Repeat_Click(); });
        typeLesson();
        EXPECT_EQ(messages.shown.filter(u"Lessonを終了しました。"_qs).size(), 1);
        EXPECT_EQ(w()->Phase, LessonWindow::Ready);
        EXPECT_TRUE(visible(u"MarokeySVGA"_qs));
        EXPECT_FALSE(visible(u"Menu"_qs));
        EXPECT_EQ(std::tuple(w()->T.caption, w()->T.geometry, w()->Timer1.enabled),
                  std::tuple(QString(LessonWindow::kStartPrompt), kLineInput, true));
        EXPECT_EQ(visible(u"MOGU1"_qs), stored == 93);
        EXPECT_EQ(mk.GameFromRepeat, 0);
    }
    EXPECT_EQ(messages.shown.last(), u"経験値が　100　を超えた！\rここでマウスの練習をしよう！"_qs);
}

TEST_F(CompactWindow, TheKeypadReplacesTheKeyboardWhileTheHandStays) {
    setLesson(3, {u"あ"_qs});
    open();
    EXPECT_FALSE(w()->TK_Back.visible);
    EXPECT_FALSE(w()->TK_F.visible);
    const Twips hand = w()->F[4].geometry;
    const Alignment lineAlign = w()->L.alignment;
    setLesson(4, {u"12+3"_qs, u"40"_qs}, u"テンキー１"_qs);
    reopen();
    MarokeySVGA* m = w();
    enter();
    EXPECT_TRUE(m->TK_Back.visible);
    EXPECT_TRUE(m->TK_F.visible);
    EXPECT_EQ(m->TK_Back.backColor, colors::kLightGrey);
    // Drawn in order: the panel covers every key and lies under the keypad.
    const auto& drawn = m->controls();
    const auto at = [&](const Control& c) { return std::ranges::find(drawn, &c) - drawn.begin(); };
    EXPECT_LT(at(m->AZ[65]), at(m->TK_Back));
    EXPECT_LT(at(m->TK_Back), at(m->TK_F));
    EXPECT_EQ(std::pair(m->Tit.geometry.left, m->Tit.geometry.top), std::pair(600, 5640));
    EXPECT_EQ(std::pair(m->K_P.geometry.left, m->K_P.geometry.top), std::pair(600, 6000));
    for (const Control* c : {&m->Tit, &m->K_P})
        EXPECT_LE(c->geometry.left + c->geometry.width, m->TK_F.geometry.left)
            << c->name.toStdString();
    for (const Control* c : {&m->L, &m->H})
        EXPECT_EQ(std::tuple(c->fontSize, c->geometry.left, c->geometry.width),
                  std::tuple(36.0, 5880, 2895));
    EXPECT_EQ(m->L.alignment, lineAlign);
    EXPECT_EQ(m->F[4].geometry, hand);
    EXPECT_EQ(m->L.caption, u"12+3"_qs);
    // A second run in the same window does not move anything further.
    mk.windows.dispatch([&] { m->Repeat_Click(); });
    typeLesson();
    enter();
    EXPECT_EQ(m->F[4].geometry, hand);
    EXPECT_EQ(m->L.geometry.left, 5880);
}

TEST_F(CompactWindow, TheCompactCapsKeepTheirUsualNamesForScreenReaders) {
    MarokeySVGA* m = open();
    QStringList captions;
    for (const Control& c : m->AZ)
        if (c.accessibleName == u"Back Space" || c.accessibleName == u"半角／全角")
            captions << c.caption;
    EXPECT_EQ(captions, (QStringList{u"半角／　　　全角"_qs, u"Back spase"_qs}));
    EXPECT_EQ(m->TK[16].caption, u"Num  Lock"_qs);
    EXPECT_EQ(m->Lesson_Select.caption, u"Return"_qs);
}

TEST_F(CompactWindow, NothingThatShowsTextOverlapsAndAllFitsTheSmallScreenEvenInAMockTest) {
    // 800 x 600 pixels less a title bar and borders.
    const Twips screen{0, 0, 11880, 8490};
    const auto check = [&](const char* step) {
        SCOPED_TRACE(step);
        std::vector<const Control*> shown;
        for (const Control* c : w()->controls()) {
            if (!c->visible || !c->container.isEmpty() || c->kind == ControlKind::Timer) continue;
            const Twips g = c->geometry;
            EXPECT_TRUE(g.left >= 0 && g.top >= 0 && g.left + g.width <= screen.width &&
                        g.top + g.height <= screen.height)
                << c->name.toStdString() << c->index;
            const bool text =
                c->kind != ControlKind::Shape && c->kind != ControlKind::Frame &&
                !(c->kind == ControlKind::Label && c->caption.isEmpty() && c->name != u"TK_Back");
            if (text && c != &w()->H) shown.push_back(c); // the input box lies on the echo
        }
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j) {
                const Twips a = shown[i]->geometry, b = shown[j]->geometry;
                // Neighbouring caps share their borders.
                if (shown[i]->name == u"AZ" && shown[j]->name == u"AZ") continue;
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << shown[i]->name.toStdString() << shown[i]->index << " and "
                                   << shown[j]->name.toStdString() << shown[j]->index;
            }
    };
    setLesson(3, {u"あいうえお"_qs}, u"３級模擬試験Ａ"_qs);
    open();
    check("ready");
    enter();
    check("line run");
    // A mock test keeps the usual line sizes on this window, and the box stays put after it.
    EXPECT_EQ(std::pair(w()->L.fontSize, w()->T.geometry), std::pair(17.0, kLineInput));
    submit(u"あいうえお"_qs);
    EXPECT_EQ(std::pair(w()->L.fontSize, w()->T.geometry), std::pair(17.0, kLineInput));
    setLesson(1, {u"asdf"_qs});
    reopen();
    enter();
    check("guided run");
}

TEST(CompactMenu, SvgaOpensTheCompactWindowUntilXgaIsChosenAndActivationUnloadsIt) {
    TestProgram p;
    WindowRegistry& windows = p.mk.windows;
    addWindows(windows, {Menu::kName});
    addStandIns(windows, {u"Marokey", u"MarokeySVGA"});
    p.mk.LessonTitle[0] = u"ホーム１"_qs;
    p.mk.LessonKind[0] = 1;
    windows.Show(u"Menu"_qs);
    Menu* m = windows.get<Menu>(u"Menu"_qs);
    const auto choose = [&] {
        m->Lesson[0].listIndex = 0;
        p.messages.answer(MessageAnswer::Yes);
        windows.dispatch([&] { m->DblClick(m->Lesson[0]); });
        windows.Hide(u"Menu"_qs);
    };
    windows.dispatch([&] { m->Click(m->Option2); });
    for (int run = 0; run < 2; ++run) {
        choose();
        EXPECT_TRUE(windows.isVisible(u"MarokeySVGA"_qs));
        EXPECT_FALSE(windows.isLoaded(u"Marokey"_qs));
        windows.Show(u"Menu"_qs);
        EXPECT_FALSE(windows.isLoaded(u"MarokeySVGA"_qs));
    }
    windows.dispatch([&] { m->Click(m->Option1); });
    choose();
    EXPECT_TRUE(windows.isVisible(u"Marokey"_qs));
}
