#include "support/LessonFixture.h"

#include <map>

namespace {

struct GuidedRun : LessonFixture {
    // Exactly these keys and fingers are marked; everything else is at rest.
    void expectMarked(std::map<int, quint32> keys, std::map<int, quint32> fingers) {
        for (int i = 0; i <= 65; ++i)
            EXPECT_EQ(w()->AZ[i].backColor, keys.count(i) ? keys[i] : colors::kLightGrey)
                << "key " << i;
        for (int n = 0; n <= 8; ++n)
            EXPECT_EQ(w()->F[n].backColor, fingers.count(n) ? fingers[n] : colors::kLightRed)
                << "finger " << n;
    }
    // The guide for a character where the delivered key table places it.
    void expectGuide(char c, bool withShift) {
        std::map<int, quint32> keys{{mk.KeyLabelIndex[c], colors::kRed}};
        std::map<int, quint32> fingers{{mk.KeyFinger[c], colors::kRed}};
        if (withShift) {
            ASSERT_TRUE(mk.KeyShift[c] == 1 || mk.KeyShift[c] == 2) << c;
            const bool right = mk.KeyShift[c] == 1;
            keys[right ? 54 : 42] = colors::kBlue;
            fingers[right ? 7 : 0] = colors::kBlue;
        }
        expectMarked(keys, fingers);
    }
    void expectEnterDue() { expectMarked({{28, colors::kRed}}, {{7, colors::kRed}}); }
};

} // namespace

TEST_F(GuidedRun, TheFirstKindIsCaseBlindAndShownInFullWidth) {
    setLesson(1, {u"abc"_qs, u"1!"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::Off);
    EXPECT_EQ(m->L.caption, u"ＡＢＣ"_qs);
    expectGuide('A', false); // its capitals are typed without Shift
    QStringList typed;
    for (const QString& key : {u"a"_qs, u"b"_qs, u"c"_qs}) {
        typeKeys(key);
        typed << m->H.caption;
    }
    EXPECT_EQ(typed, (QStringList{u"Ａ"_qs, u"ＡＢ"_qs, u"ＡＢＣ"_qs}));
    expectEnterDue();
    typeKeys(u"x"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::LineDone);
    enter();
    EXPECT_EQ(m->L.caption + m->H.caption + m->N_L.caption, u"１！0"_qs);
    typeKeys(u"1"_qs);
    expectGuide('!', true); // symbols keep their Shift
    typeKeys(u"!a"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::LastLineDone);
    expectEnterDue();
    EXPECT_EQ(beep.count, 2);
    enter();
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
}

TEST_F(GuidedRun, TheOtherKindIsCaseSensitiveAndAMissMovesNothing) {
    setLesson(6, {u"Ab"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->L.caption, u"Ab"_qs);
    expectGuide('A', true);
    typeKeys(u"a"_qs);
    EXPECT_EQ(m->Miss.caption, u"1"_qs);
    EXPECT_EQ(m->CharPos, 1);
    EXPECT_EQ(m->TypedText + m->H.caption, u""_qs);
    expectGuide('A', true);

    typeKeys(u"A"_qs);
    EXPECT_EQ(m->H.caption, u"A"_qs);
    expectGuide('b', false);
    press(13); // Enter before the line is done is a wrong key too
    EXPECT_EQ(m->MissCount, 2);
    EXPECT_EQ(m->CharPos, 2);
}

TEST_F(GuidedRun, CharactersOutsideTheKeyTablesAreTypedUnguided) {
    setLesson(6, {u"aあ"_qs, u"Ｘb"_qs});
    Marokey* m = open();
    enter();
    typeKeys(u"a"_qs);
    expectMarked({}, {});
    typeKeys(u"あ"_qs);
    enter();
    expectMarked({}, {});
    typeKeys(u"Ｘ"_qs);
    expectGuide('b', false);
    typeKeys(u"b"_qs);
    enter();
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ(m->MissCount, 0);
}
