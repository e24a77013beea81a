mk_gtest(mk_engine_tests LABEL unit
    SOURCES
        EngineResultsTest.cpp EngineLessonFilesTest.cpp EngineLessonWindowTest.cpp
        EngineTenKeyRunTest.cpp EngineLineRunTest.cpp EngineGuidedRunTest.cpp EngineRomajiRunTest.cpp
        ProgressPageTest.cpp CompactWindowTest.cpp RomajiJudgeTest.cpp
    LINKS mk_windows)
# The guided runs use the key table the build delivers.
add_dependencies(mk_engine_tests mk_keyboard_data)
