mk_gtest(mk_core_tests LABEL unit
    SOURCES
        ItemTextTest.cpp TextFieldTest.cpp FoldersTest.cpp CatalogueTest.cpp
        LessonPackTest.cpp WindowRegistryTest.cpp MainTest.cpp
    LINKS mk_core)
