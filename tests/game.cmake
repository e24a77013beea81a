mk_gtest(mk_game_tests LABEL unit SOURCES MoleGameTest.cpp LINKS mk_windows)
