mk_gtest(mk_teacher_tests LABEL unit
    SOURCES FileToolTest.cpp HistoryTablesTest.cpp RenomixTest.cpp RenomixCollectTest.cpp
    LINKS mk_windows)
# The expected tables live beside the tests, never in the folder a test runs in.
target_compile_definitions(mk_teacher_tests PRIVATE
    MK_HISTORY_TABLE_DATA="${CMAKE_SOURCE_DIR}/tests/data/history-table")

# The file utility on real widgets.
add_executable(mk_renomix_view_tests RenomixViewTest.cpp)
target_link_libraries(mk_renomix_view_tests PRIVATE mk_test_support mk_ui mk_windows Qt6::Test)
add_test(NAME RenomixView COMMAND mk_renomix_view_tests)
set_tests_properties(RenomixView PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)
