#include "support/LessonFixture.h"

// In the delivered key table AZ30 is A, AZ47 B, AZ1 the 1 and ! key, AZ28 Enter, AZ54 the
// right Shift; F0, F3 and F7 are the left little finger, left forefinger and right little finger.
using GuidedRun = LessonFixture;

TEST_F(GuidedRun, TheFirstKindIsCaseBlindAndShownInFullWidth) {
    setLesson(1, {u"abc"_qs, u"1!"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::Off);
    EXPECT_EQ(m->L.caption, u"ＡＢＣ"_qs);
    EXPECT_EQ(guide(), u"AZ30r F0r"_qs); // capitals without Shift
    typeKeys(u"abcx"_qs);                // x where Enter is due is a miss
    EXPECT_EQ(m->H.caption, u"ＡＢＣ"_qs);
    EXPECT_EQ(guide(), u"AZ28r F7r"_qs);
    typeKeys(u"\r1"_qs);
    EXPECT_EQ(m->L.caption, u"１！"_qs);
    EXPECT_EQ(guide(), u"AZ1r AZ54b F0r F7b"_qs); // symbols with Shift
    typeKeys(u"!\r"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ(beep.count, 1);
}

TEST_F(GuidedRun, TheOtherKindIsCaseSensitiveAMissMovesNothingAndOtherCharactersGoUnguided) {
    setLesson(6, {u"AあＸb"_qs});
    Marokey* m = open();
    enter();
    const QString capitalA = u"AZ30r AZ54b F0r F7b"_qs;
    EXPECT_EQ(m->L.caption, u"AあＸb"_qs);
    EXPECT_EQ(guide(), capitalA);
    typeKeys(u"a"_qs);
    EXPECT_EQ(m->Miss.caption, u"1"_qs);
    EXPECT_EQ(m->H.caption, QString());
    EXPECT_EQ(guide(), capitalA);
    typeKeys(u"A"_qs);
    EXPECT_EQ(m->H.caption, u"A"_qs);
    EXPECT_EQ(guide(), QString()); // あ due: outside the key tables
    typeKeys(u"あ"_qs);
    EXPECT_EQ(guide(), QString()); // Ｘ due
    typeKeys(u"Ｘ"_qs);
    EXPECT_EQ(m->Miss.caption, u"1"_qs);
    EXPECT_EQ(guide(), u"AZ47r F3r"_qs);
    press(13); // Enter before the line is done is a wrong key too
    EXPECT_EQ(m->MissCount, 2);
}
