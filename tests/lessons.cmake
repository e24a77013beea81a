mk_gtest(mk_lesson_tests LABEL slow
    SOURCES DeliveredLessonsTest.cpp LessonPackToolTest.cpp
    LINKS mk_core)
target_compile_definitions(mk_lesson_tests PRIVATE
    MK_LESSON_SOURCES="${CMAKE_SOURCE_DIR}/data/lessons"
    MK_LESSON_TOOL="$<TARGET_FILE:mk_lessonpack>")
# The tests read the lesson folder the build delivers.
add_dependencies(mk_lesson_tests mk_lessons)

# The delivered curriculum, read through the lesson window and the menu.
mk_gtest(mk_curriculum_tests LABEL unit
    SOURCES CurriculumTest.cpp
    LINKS mk_windows)
add_dependencies(mk_curriculum_tests mk_lessons mk_keyboard_data)
