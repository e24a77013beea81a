mk_gtest(mk_game_tests LABEL unit SOURCES MoleGameTest.cpp MoleFlowTest.cpp LINKS mk_windows)
# The lesson that leads into the game uses the key table the build delivers.
add_dependencies(mk_game_tests mk_keyboard_data)
