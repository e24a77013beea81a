#include "engine/RomajiJudge.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// Types the keys; returns the index of the first refused key, or -1 when all were taken.
int typeKeys(RomajiJudge& judge, const QString& keys) {
    for (int i = 0; i < keys.size(); ++i)
        if (!judge.press(keys[i])) return i;
    return -1;
}

// "か=ka/ca く=ku/cu/qu": each kana with every spelling, the one the guide shows first.
const char16_t* const kKanaTable[] = {
    u"あ=a い=i/yi う=u/wu/whu え=e お=o",
    u"か=ka/ca き=ki く=ku/cu/qu け=ke こ=ko/co が=ga ぎ=gi ぐ=gu げ=ge ご=go",
    u"さ=sa し=shi/si/ci す=su せ=se/ce そ=so ざ=za じ=ji/zi ず=zu ぜ=ze ぞ=zo",
    u"た=ta ち=chi/ti つ=tsu/tu て=te と=to だ=da ぢ=di づ=du で=de ど=do",
    u"な=na に=ni ぬ=nu ね=ne の=no は=ha ひ=hi ふ=fu/hu へ=he ほ=ho",
    u"ば=ba び=bi ぶ=bu べ=be ぼ=bo ぱ=pa ぴ=pi ぷ=pu ぺ=pe ぽ=po",
    u"ま=ma み=mi む=mu め=me も=mo や=ya ゆ=yu よ=yo ら=ra り=ri る=ru れ=re ろ=ro",
    u"わ=wa ゐ=wyi ゑ=wye を=wo ん=nn/n'/xn ゔ=vu ー=- 、=, 。=.",
    u"ぁ=xa/la ぃ=xi/li ぅ=xu/lu ぇ=xe/le ぉ=xo/lo ゃ=xya/lya ゅ=xyu/lyu ょ=xyo/lyo",
    u"ゎ=xwa/lwa ゕ=xka/lka ゖ=xke/lke っ=xtu/ltu/xtsu/ltsu",
    u"きゃ=kya/kixya/kilya きゅ=kyu きょ=kyo ぎゃ=gya ぎゅ=gyu ぎょ=gyo",
    u"しゃ=sha/sya/sixya しゅ=shu/syu しょ=sho/syo じゃ=ja/jya/zya じゅ=ju/jyu/zyu じょ=jo/jyo/zyo",
    u"ちゃ=cha/tya/cya ちゅ=chu/tyu/cyu ちょ=cho/tyo/cyo ぢゃ=dya ぢゅ=dyu ぢょ=dyo",
    u"にゃ=nya にゅ=nyu にょ=nyo ひゃ=hya ひゅ=hyu ひょ=hyo びゃ=bya びゅ=byu びょ=byo",
    u"ぴゃ=pya ぴゅ=pyu ぴょ=pyo みゃ=mya みゅ=myu みょ=myo りゃ=rya りゅ=ryu りょ=ryo",
    u"ふぁ=fa ふぃ=fi ふぇ=fe ふぉ=fo ふゅ=fyu ゔぁ=va ゔぃ=vi ゔぇ=ve ゔぉ=vo",
    u"てぃ=thi でぃ=dhi とぅ=twu どぅ=dwu うぃ=wi/whi うぇ=we/whe いぇ=ye くぁ=kwa/qa",
    u"つぁ=tsa しぇ=she/sye じぇ=je/jye/zye ちぇ=che/tye/cye",
    u"っか=kka/cca/xtuka っし=sshi/ssi/ltsushi っち=cchi/tchi/tti っぱ=ppa",
    u"っきゃ=kkya/kkixya/xtukya っじゃ=jja/zzya",
};

TEST(RomajiJudge, EveryKanaInEverySpellingWithTheFirstAsGuide) {
    for (const char16_t* group : kKanaTable) {
        for (const QString& item : QString::fromUtf16(group).split(u' ')) {
            const QString kana = item.section(u'=', 0, 0);
            const QStringList spellings = item.section(u'=', 1).split(u'/');
            EXPECT_EQ(RomajiJudge(kana).remaining(), spellings.front()) << qPrintable(kana);
            for (const QString& keys : spellings) {
                RomajiJudge judge(kana);
                EXPECT_EQ(typeKeys(judge, keys), -1) << qPrintable(item) << " " << qPrintable(keys);
                EXPECT_TRUE(judge.finished()) << qPrintable(keys);
                EXPECT_EQ(judge.kanaDone(), kana.size()) << qPrintable(keys);
            }
        }
    }
}

struct Typing {
    const char16_t* line;
    const char16_t* keys;
    int refusedAt; // first key refused, -1 when all are taken
    int kanaDone;  // after every key
};

TEST(RomajiJudge, TrickyLines) {
    const Typing cases[] = {
        {u"んな", u"nnna", -1, 2},      {u"んな", u"n'na", -1, 2},     {u"んな", u"xnna", -1, 2},
        {u"んな", u"nna", 2, 1},        {u"んや", u"nya", 1, 0},       {u"んい", u"ni", 1, 0},
        {u"んか", u"nka", -1, 2},       {u"んか", u"nnka", -1, 2},     {u"ん", u"n", -1, 0},
        {u"かん", u"kan", -1, 1},       {u"かん", u"kann", -1, 2},     {u"かん", u"kan'", -1, 2},
        {u"かん", u"kaxn", -1, 2},      {u"っち", u"cti", 1, 0},       {u"っな", u"nna", 0, 0},
        {u"っあ", u"xtua", -1, 2},      {u"っ", u"xtsu", -1, 1},       {u"きゃ", u"KYA", -1, 2},
        {u"しゃ", u"shixya", -1, 2},    {u"し", u"sa", 1, 0},          {u"かった", u"katta", -1, 3},
        {u"かった", u"kaltuta", -1, 3}, {u"ーー、。", u"--,.", -1, 4}, {u"ＡかＢ", u"aKab", -1, 3},
        {u"x★y", u"X★Y", -1, 3},        {u"　１", u" 1", -1, 2},       {u"ちぇ", u"tixe", -1, 2},
    };
    for (const Typing& c : cases) {
        RomajiJudge judge(QString::fromUtf16(c.line));
        const QString keys = QString::fromUtf16(c.keys);
        EXPECT_EQ(typeKeys(judge, keys), c.refusedAt) << qPrintable(keys);
        if (c.refusedAt >= 0) typeKeys(judge, keys.mid(c.refusedAt + 1)); // pupil carries on
        EXPECT_EQ(judge.kanaDone(), c.kanaDone) << qPrintable(keys);
    }
}

TEST(RomajiJudge, AWrongKeyChangesNothing) {
    const std::tuple<const char16_t*, const char16_t*, char> cases[] = {
        {u"しゃ", u"s", 'k'}, {u"かん", u"kan", 'k'}, {u"んか", u"n", 'a'}, // ん stays open
        {u"っち", u"c", 't'}, {u"んな", u"nn", 'a'},  {u"きゃ", u"ky", 'i'},
        {u"あ", u"a", 'a'}, // after the end of the line
    };
    for (auto [line, keys, wrong] : cases) {
        RomajiJudge judge(QString::fromUtf16(line));
        typeKeys(judge, QString::fromUtf16(keys));
        const QString before[] = {judge.typed(), judge.remaining(),
                                  QString::number(judge.kanaDone())};
        EXPECT_FALSE(judge.press(QChar(wrong))) << qPrintable(before[0]);
        const QString after[] = {judge.typed(), judge.remaining(),
                                 QString::number(judge.kanaDone())};
        EXPECT_TRUE(std::equal(before, before + 3, after)) << qPrintable(before[0]);
    }
}

// The guide after each key, following the spelling the pupil has switched to.
TEST(RomajiJudge, GuideFollowsThePupilKeyByKey) {
    const std::tuple<const char16_t*, const char16_t*, const char16_t*> cases[] = {
        {u"しんぶん", u"sinbunn", u"shinbunn hinbunn nbunn bunn unn nn n "},
        {u"ちょっと", u"tyotto", u"chotto yotto otto tto to o "},
        {u"ちょっと", u"chixyoxtuto", u"chotto hotto otto xyotto yotto otto tto tuto uto to o "},
        {u"ほん", u"hon", u"honn onn nn n"},
        {u"ち", u"ti", u"chi i "},
        {u"んあ", u"n'a", u"nna na a "},
        {u"ふぃるむ", u"hulirumu", u"firumu uxirumu xirumu irumu rumu umu mu u "},
    };
    for (auto [line, keys, guides] : cases) {
        RomajiJudge judge(QString::fromUtf16(line));
        QStringList seen{judge.remaining()};
        for (QChar key : QString::fromUtf16(keys)) {
            EXPECT_TRUE(judge.press(key)) << qPrintable(judge.typed());
            seen << judge.remaining();
            EXPECT_EQ(judge.nextKey(), seen.back().isEmpty() ? QChar() : seen.back().front());
        }
        EXPECT_EQ(seen.join(u' '), QString::fromUtf16(guides));
    }
}

TEST(RomajiJudge, ASentenceTypedTwoWays) {
    const QString line = u"きょう、しんぶんをよんでから、らーめんをたべにいっちゃった。"_qs;
    for (const QString& keys : {u"kyou,shinbunwoyondekara,ra-mennwotabeniicchatta."_qs,
                                u"kilyou,sinnbun'woyonndekara,ra-mexnwotabeniittyaltuta."_qs}) {
        RomajiJudge judge(line);
        EXPECT_EQ(typeKeys(judge, keys), -1) << qPrintable(judge.typed());
        EXPECT_TRUE(judge.finished());
        EXPECT_EQ(judge.typed(), keys);
        EXPECT_EQ(judge.kanaDone(), line.size());
        EXPECT_EQ(judge.nextKey(), QChar());
    }
}

} // namespace
