mk_gtest(mk_authoring_tests LABEL unit SOURCES EnglishLessonTest.cpp LINKS mk_windows)
