# mk_lessonpack: packs the lesson texts and converts the catalogue to CP932.
add_executable(mk_lessonpack ${CMAKE_CURRENT_SOURCE_DIR}/LessonPackTool.cpp)
target_link_libraries(mk_lessonpack PRIVATE mk_core Qt6::Core)
