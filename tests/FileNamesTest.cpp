#include "core/FileNames.h"

#include <gtest/gtest.h>

using filenames::Problem;

TEST(FileNames, EachKindOfUnusableNameIsToldApart) {
    const std::pair<QString, Problem> cases[] = {
        {u""_qs, Problem::Empty},
        {u"a/b"_qs, Problem::ForbiddenCharacter},
        {u"a\\b"_qs, Problem::ForbiddenCharacter},
        {u"a\"b"_qs, Problem::ForbiddenCharacter},
        {u"a:b"_qs, Problem::ForbiddenCharacter},
        {u"a\nb"_qs, Problem::ForbiddenCharacter},
        {u"a\u007Fb"_qs, Problem::ForbiddenCharacter},
        {u" a"_qs, Problem::EdgeSpaceOrDot},
        {u"a."_qs, Problem::EdgeSpaceOrDot},
        {u".."_qs, Problem::EdgeSpaceOrDot},
        {u"con"_qs, Problem::ReservedName},
        {u"NUL.txt"_qs, Problem::ReservedName},
        {u"Com9 .a.b"_qs, Problem::ReservedName},
        {u"CONOUT$"_qs, Problem::ReservedName},
        {u"😀"_qs, Problem::OutsideCodePage},
        {u"a\u00A5b"_qs, Problem::OutsideCodePage}, // no round trip: it would become a backslash
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(filenames::problem(name), expected) << name.toStdString();
}

TEST(FileNames, OrdinaryNamesPassIncludingOnesThatOnlyLookReserved) {
    for (const QString& name : {u"taro"_qs, u"日本の四季"_qs, u"CONSOLE"_qs, u"COM10"_qs, u"LPT"_qs,
                                u"a b.c"_qs, u"（全角：記号）"_qs})
        EXPECT_EQ(filenames::problem(name), std::nullopt) << name.toStdString();
}

TEST(FileNames, TheSuffixAndTheWritersTemporaryMarkCountAgainstTheLength) {
    const QString suffix = u".MKL.txt"_qs;
    const int room = filenames::kMaxNameBytes - filenames::kWriterMarkBytes - suffix.size();
    EXPECT_EQ(filenames::problem(QString(room, u'a'), suffix), std::nullopt);
    EXPECT_EQ(filenames::problem(QString(room + 1, u'a'), suffix), Problem::TooLong);
    // Three bytes each in UTF-8.
    EXPECT_EQ(filenames::problem(QString(room / 3, u'漢'), suffix), std::nullopt);
    EXPECT_EQ(filenames::problem(QString(room / 3 + 1, u'漢'), suffix), Problem::TooLong);
}
