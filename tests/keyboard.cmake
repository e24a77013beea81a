mk_gtest(mk_keyboard_tests LABEL slow SOURCES KeyboardTableTest.cpp LINKS mk_keyboard_table)
# Checks the files the build delivers and runs the tool itself.
add_dependencies(mk_keyboard_tests mk_keyboard_data)
target_compile_definitions(mk_keyboard_tests PRIVATE MK_DATATOOL="$<TARGET_FILE:mk_datatool>")
