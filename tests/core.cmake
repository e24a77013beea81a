mk_gtest(mk_core_tests LABEL unit
    SOURCES
        ItemTextTest.cpp TextFieldTest.cpp FoldersTest.cpp CatalogueTest.cpp
        LessonPackTest.cpp LessonPackLinksTest.cpp WindowRegistryTest.cpp MainTest.cpp
        WholeFileTest.cpp FileNamesTest.cpp FileCopyTest.cpp
    LINKS mk_core)
