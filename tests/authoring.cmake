mk_gtest(mk_authoring_tests LABEL unit SOURCES AddLessonTest.cpp EnglishLessonTest.cpp LINKS mk_windows)
