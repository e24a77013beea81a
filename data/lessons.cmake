# The delivered lessons in MKLesson/: the pack "Lesson" of every lesson text,
# the catalogue "Lesson_List.txt" and an empty "Lesson_List.Add.txt" for the
# lessons teachers add. The program unpacks the pack itself at its first start,
# so neither the single lesson files nor the marker "MKOK" are delivered.
set(MK_LESSON_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/lessons)
file(GLOB MK_LESSON_TEXTS CONFIGURE_DEPENDS ${MK_LESSON_SOURCE_DIR}/*.txt)
list(FILTER MK_LESSON_TEXTS EXCLUDE REGEX "/Lesson_List[^/]*\\.txt$")
file(MAKE_DIRECTORY ${MK_LESSON_DIR})

# A marker left by a program run in the build folder would keep the new pack
# from being unpacked, so it goes whenever the pack changes.
add_custom_command(OUTPUT ${MK_LESSON_DIR}/Lesson
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_LESSON_DIR}
    COMMAND mk_lessonpack pack ${MK_LESSON_DIR}/Lesson ${MK_LESSON_TEXTS}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${MK_LESSON_DIR}/MKOK
    DEPENDS mk_lessonpack ${MK_LESSON_TEXTS}
    COMMENT "Packing the lessons"
    VERBATIM)

add_custom_command(OUTPUT ${MK_LESSON_DIR}/Lesson_List.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_LESSON_DIR}
    COMMAND mk_lessonpack text ${MK_LESSON_SOURCE_DIR}/Lesson_List.txt
            ${MK_LESSON_DIR}/Lesson_List.txt
    DEPENDS mk_lessonpack ${MK_LESSON_SOURCE_DIR}/Lesson_List.txt
    COMMENT "Converting the lesson catalogue"
    VERBATIM)

# Made once: lessons a teacher adds in a build folder's program survive rebuilds.
add_custom_command(OUTPUT ${MK_LESSON_DIR}/Lesson_List.Add.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_LESSON_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${MK_LESSON_DIR}/Lesson_List.Add.txt
    VERBATIM)

add_custom_target(mk_lessons
    DEPENDS ${MK_LESSON_DIR}/Lesson ${MK_LESSON_DIR}/Lesson_List.txt
            ${MK_LESSON_DIR}/Lesson_List.Add.txt)
add_dependencies(mk_delivered_data mk_lessons)
