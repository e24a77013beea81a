#include "core/TextField.h"

#include "core/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsItsOwnFormsFoldsTypedLookAlikesAndFindsStrangers) {
    const QString text = u"～－￥①　あ漢\\"_qs;
    EXPECT_EQ(cp932::decode(cp932::encode(text)), text);
    EXPECT_TRUE(cp932::represents(text));
    EXPECT_FALSE(cp932::represents(u"😀"_qs));
    EXPECT_FALSE(cp932::represents(u"丂"_qs)); // not in the code page
    // As an input method on Linux types them, then as the code page decodes them.
    const QString typed = u"〜−‖¢£¬¦—"_qs;
    const QString stored = u"～－∥￠￡￢￤―"_qs;
    EXPECT_FALSE(cp932::represents(typed));
    EXPECT_EQ(cp932::foldLookAlikes(typed), stored);
    EXPECT_TRUE(cp932::represents(stored));
    EXPECT_EQ(cp932::encode(typed), cp932::encode(stored));
    EXPECT_EQ(cp932::decode(cp932::encode(typed)), stored);
    EXPECT_EQ(cp932::foldLookAlikes(u"abcあ～"_qs), u"abcあ～"_qs);
}

TEST(TextField, PadsWithHalfWidthSpacesAndReadsUpToTheFirstOne) {
    const QByteArray field = textfield::pack(u"taro"_qs);
    EXPECT_EQ(field, QByteArray("taro") + QByteArray(26, ' '));
    EXPECT_EQ(textfield::unpack(field), u"taro"_qs);
    EXPECT_EQ(textfield::unpack(textfield::pack(u"a b"_qs)), u"a"_qs);
    EXPECT_EQ(textfield::unpack(textfield::pack(u"山田　花子"_qs)), u"山田　花子"_qs);
    EXPECT_EQ(textfield::unpack(QByteArray(30, 'x')), QString(30, u'x'));
}

TEST(TextField, CutsAtWholeCharacters) {
    const QString fifteen(15, u'あ');
    EXPECT_EQ(textfield::unpack(textfield::pack(fifteen)), fifteen);
    EXPECT_TRUE(textfield::fits(fifteen));
    const QString cut = u"a"_qs + fifteen; // 31 bytes: the last kana must go whole
    const QByteArray field = textfield::pack(cut);
    EXPECT_EQ(field.size(), 30);
    EXPECT_EQ(field.back(), ' ');
    EXPECT_EQ(textfield::unpack(field), u"a"_qs + QString(14, u'あ'));
    EXPECT_FALSE(textfield::fits(cut));
    EXPECT_FALSE(textfield::fits(u"😀"_qs));
}
