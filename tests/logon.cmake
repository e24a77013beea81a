mk_gtest(mk_logon_tests LABEL unit
    SOURCES
        HistoryFileTest.cpp HistoryWriteBackTest.cpp LogOnTest.cpp AdminLockTest.cpp
        LogOnProfileTest.cpp
    LINKS mk_windows)
