mk_gtest(mk_logon_tests
    SOURCES
        HistoryFileTest.cpp LogOnTest.cpp AdminLockTest.cpp LogOnProfileTest.cpp
    LINKS mk_logon)
