#include "engine/Results.h"

#include <gtest/gtest.h>

using namespace results;

TEST(Results, CountScoreAndGrade) {
    EXPECT_EQ(tenMinuteCount(400, 1.0f, 300.5f), 798); // fractions dropped, not rounded
    // The delivered lessons use factors 2.4 and 1.2: their counts must come out exact.
    EXPECT_EQ(tenMinuteCount(960, 2.4f, 300.0f), 800);
    EXPECT_EQ(tenMinuteCount(480, 1.2f, 300.0f), 800);
    // Run times outside the counter and counts beyond it still give results.
    EXPECT_EQ(tenMinuteCount(50, 1.0f, -12.5f), 32767);
    EXPECT_EQ(tenMinuteCount(32767, 0.5f, 1.0f), 32767);
    EXPECT_EQ(score(800, 2), 64); // 100, 80, 64
    EXPECT_EQ(score(199, 0), 24);
    EXPECT_EQ(score(32767, 1), 100); // 4095, then 3276, capped
    const std::pair<qint16, const char16_t*> grades[] = {
        {199, u"合格圏外"}, {200, u"検定４級"},  {300, u"検定３級"},  {450, u"検定２級"},
        {700, u"検定１級"}, {1000, u"検定OVER"}, {1200, u"Perfect!"}, {1500, u"Oh! GOD!"}};
    for (auto [count, text] : grades)
        EXPECT_EQ(grade(count), QString::fromUtf16(text)) << count;
}

TEST(Results, ExperienceTexts) {
    EXPECT_EQ(experienceText(12, 345, 678, u"検定２級"_qs),
              u"12 の経験値を獲得し、総経験値は 345 になった！\r\n"
              u"　10分間入力数は 678 文字で、Level は 検定２級 だった！"_qs);
    EXPECT_EQ(experienceText(-7, 90, 150, u"合格圏外"_qs),
              u"7 の経験値を減らし、総経験値は 90 になった！\r\n"
              u"　10分入力数は 150 文字で、Level は 合格圏外 だった！"_qs);
    EXPECT_EQ(experienceText(0, 500, 800, u"検定１級"_qs),
              u" 経験値を獲得できず、経験値は 500 のままだ・・・\r\n"
              u"　10分入力数は 800 文字で、Level は 検定１級 だった！"_qs);
    EXPECT_EQ(compactExperienceText(0, 500, 800),
              u"経験値を獲得できなかった！\r経験値は500のままだ・・・\rM10  :  800"_qs);
}

TEST(Results, PanelAndPrintTexts) {
    const Summary s{u"ホーム１"_qs, 3,  2,    15,  u"山田花子"_qs, u"83.4"_qs,
                    u"2"_qs,        64, 1234, 800, u"検定１級"_qs, u"経験\r\n　10分"_qs};
    EXPECT_EQ(panelText(s),
              u"　ホーム１\r\n　3 年 2 組 15 番 山田花子 は  Lessonを終了した。\r\n\r\n"
              u"　経過時間は 83.4 秒で、ミスは 2 回あった！\r\n"
              u"　そして得点は 64 点だった！\r\n　経験\r\n　10分\r\n\r\n"
              u"　印刷する場合は Print を押してください。\r\n　Escを押すと終了します。"_qs);
    EXPECT_EQ(printText(s), u"\r\n\r\n\r\n\r\n　3 年 2 組 15 番 山田花子\r\n\r\n"
                            u"　タイトル　：　ホーム１\r\n\r\n　得　　点　：　64\r\n\r\n"
                            u"　総経験値　：　1234\r\n\r\n　ミ　　ス　：　2\r\n\r\n"
                            u"　10分入力　：　800\r\n\r\n　レ ベ ル　：　検定１級"_qs);
}
