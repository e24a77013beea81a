mk_gtest(mk_teacher_tests LABEL unit
    SOURCES FileToolTest.cpp HistoryTablesTest.cpp RenomixTest.cpp RenomixCollectTest.cpp
    LINKS mk_windows)
# The expected tables live beside the tests, never in the folder a test runs in.
target_compile_definitions(mk_teacher_tests PRIVATE
    MK_HISTORY_TABLE_DATA="${CMAKE_SOURCE_DIR}/tests/data/history-table")
