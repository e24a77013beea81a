#include "app/WindowTable.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

TEST(WindowTable, ListsEveryWindowOfThisBuildOnceUnderItsOwnNameAndRegistersThemAll) {
    TestProgram p;
    windowtable::addAll(p.mk.windows);
    QStringList names;
    for (const windowtable::Entry& e : windowtable::entries()) {
        names << e.name.toString();
        EXPECT_EQ(e.make(p.mk)->name(), names.last());
        EXPECT_TRUE(p.mk.windows.knows(names.last())) << names.last().toStdString();
    }
    EXPECT_EQ(names,
              (QStringList{u"StartUp"_qs, u"LogOn"_qs, u"IDPASS"_qs, u"SetUp"_qs, u"Num_Lock"_qs,
                           u"Menu"_qs, u"Marokey"_qs, u"MarokeySVGA"_qs, u"Ending"_qs,
                           u"AddLesson"_qs, u"EnglishLesson"_qs, u"FileTool"_qs, u"Renomix"_qs,
                           u"Refarence"_qs, u"MOGU1"_qs, u"MOGU2"_qs}));
}

TEST(WindowTable, RegistersOnlyTheNamedOne) {
    TestProgram p;
    EXPECT_TRUE(windowtable::add(p.mk.windows, u"Menu"));
    EXPECT_TRUE(p.mk.windows.knows(u"Menu"_qs));
    EXPECT_FALSE(p.mk.windows.knows(u"LogOn"_qs));
    EXPECT_FALSE(windowtable::add(p.mk.windows, u"NoSuchWindow"));
}
