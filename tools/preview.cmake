# Developer entry to the lesson window until the lesson menu exists; not installed.
add_executable(mk_lesson_preview ${CMAKE_CURRENT_SOURCE_DIR}/LessonPreview.cpp)
target_link_libraries(mk_lesson_preview PRIVATE mk_ui)
set_target_properties(mk_lesson_preview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MK_PROGRAM_DIR})
