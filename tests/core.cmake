mk_gtest(mk_core_tests
    SOURCES
        ItemTextTest.cpp TextFieldTest.cpp FoldersTest.cpp CatalogueTest.cpp
        LessonPackTest.cpp WindowRegistryTest.cpp MainTest.cpp
    LINKS mk_core)
