mk_gtest(mk_visit_tests LABEL unit
    SOURCES MenuTest.cpp EndingTest.cpp VisitFlowTest.cpp
    LINKS mk_windows)
add_dependencies(mk_visit_tests mk_delivered_data)

# A whole visit through the real program, typed and clicked on a virtual display.
add_test(NAME ProgramVisit COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke/visit.sh $<TARGET_FILE:marokey>)
set_tests_properties(ProgramVisit PROPERTIES TIMEOUT 360 LABELS slow)
