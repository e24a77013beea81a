#include "core/ItemText.h"

#include "core/Cp932.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QStringList allItems(const QString& text) {
    ItemReader r(text);
    QStringList items;
    while (auto item = r.next())
        items << *item;
    return items;
}

} // namespace

TEST(ItemReader, SplitsRecordsIntoItemsAsTheFilesWriteThem) {
    const std::pair<QString, QStringList> cases[] = {
        {u"a,b\r\nc\nd\re"_qs, {"a", "b", "c", "d", "e"}},
        {u"  a,\t b  ,c"_qs, {"a", "b", "c"}}, // leading blanks skipped
        {u"\"x, y\",\"\",z\r\n"_qs, {"x, y", "", "z"}},
        {u"\"a\"junk,b"_qs, {"a", "b"}},    // text after the closing quote is dropped
        {u"\"open, end"_qs, {"open, end"}}, // a quote that never closes runs to the end
        // A blank line is an empty item; a final line end adds none.
        {u"a\r\n\r\nb\r\n"_qs, {"a", "", "b"}},
        {u"a,\r\n"_qs, {"a", ""}},
        // A record spread over lines reads like one line.
        {u"\"t\",\"f\"\r\n\"2\",1\r\n1.5\r\n"_qs, {"t", "f", "2", "1", "1.5"}},
    };
    for (const auto& [text, items] : cases)
        EXPECT_EQ(allItems(text), items) << text.toStdString();
}

TEST(ItemReader, RawLinesFollowItemsAndOnlyBlankLinesAreNoMoreRecords) {
    ItemReader r(u"2,\"a\"\r\nline, with \"quotes\"\r\n\r\nlast"_qs);
    EXPECT_EQ(r.next(), u"2"_qs);
    EXPECT_EQ(r.next(), u"a"_qs);
    EXPECT_EQ(r.nextLine(), u"line, with \"quotes\""_qs);
    EXPECT_EQ(r.nextLine(), QString());
    EXPECT_EQ(r.nextLine(), u"last"_qs);
    EXPECT_FALSE(r.nextLine());
    ItemReader blank(u"x\r\n \r\n\r\n"_qs);
    blank.next();
    EXPECT_TRUE(blank.onlyBlankLinesLeft());
}

TEST(ItemReader, NumbersFitTheirFields) {
    EXPECT_EQ(toInt16(u" 32767 "_qs), 32767);
    EXPECT_FALSE(toInt16(u"32768"_qs));
    EXPECT_FALSE(toInt16(u""_qs));
    EXPECT_EQ(toByte(u"255"_qs), 255);
    EXPECT_FALSE(toByte(u"256"_qs));
    EXPECT_FALSE(toByte(u"-1"_qs));
    EXPECT_EQ(toSingle(u"2.2"_qs), 2.2f);
    EXPECT_FALSE(toSingle(u"abc"_qs));
    EXPECT_FALSE(toSingle(u"nan"_qs));
}

TEST(ItemWriter, WritesQuotedStringsBareNumbersAndCrLf) {
    ItemWriter w;
    w.text(u"日本語"_qs).number(qint64{3}).number(2.2f).endRecord().text(u"x"_qs).endRecord();
    EXPECT_EQ(w.toString(), u"\"日本語\",3,2.2\r\n\"x\"\r\n"_qs);
    EXPECT_EQ(w.toCp932(), QByteArray("\"\x93\xfa\x96\x7b\x8c\xea\",3,2.2\r\n\"x\"\r\n"));
}

TEST(ItemWriter, WritesNumbersAsPlainDecimalsThatReadBackTheSame) {
    for (const float value : {0.1f, 3.0f, 0.0001f, 1e10f, 3.4e38f, -2.5f}) {
        ItemWriter w;
        w.number(value);
        EXPECT_FALSE(w.toString().contains(u'e')) << w.toString().toStdString();
        EXPECT_EQ(toSingle(w.toString()), value) << w.toString().toStdString();
    }
}

TEST(ItemText, ReadsCp932Files) {
    QByteArray bytes = cp932::encode(u"\"ひらがな\",～\r\n"_qs);
    QBuffer buffer(&bytes);
    auto reader = openItemText(buffer);
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(reader.value().next(), u"ひらがな"_qs);
    EXPECT_EQ(reader.value().next(), u"～"_qs);
}
