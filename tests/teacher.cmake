mk_gtest(mk_teacher_tests LABEL unit SOURCES FileToolTest.cpp LINKS mk_windows)
