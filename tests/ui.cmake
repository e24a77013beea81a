# The window layer, driven through real widgets on the offscreen platform.
add_executable(mk_window_layer_tests WindowLayerTest.cpp)
target_link_libraries(mk_window_layer_tests PRIVATE mk_test_support mk_ui mk_windows Qt6::Test)
add_test(NAME WindowLayer COMMAND mk_window_layer_tests)
set_tests_properties(WindowLayer PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)

# The real program, launched as a user would start it.
add_test(NAME ProgramSmoke
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke/launch.sh $<TARGET_FILE:marokey>)
set_tests_properties(ProgramSmoke PROPERTIES TIMEOUT 120 LABELS slow)

# The lesson window on real widgets, its progress page and its results printed whole.
add_executable(mk_lesson_view_tests LessonWindowViewTest.cpp)
target_link_libraries(mk_lesson_view_tests PRIVATE mk_test_support mk_ui mk_windows Qt6::Test)
add_dependencies(mk_lesson_view_tests mk_delivered_data)
add_test(NAME LessonWindowView COMMAND mk_lesson_view_tests)
set_tests_properties(LessonWindowView PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)

# The lesson menu on real widgets.
add_executable(mk_menu_view_tests MenuViewTest.cpp)
target_link_libraries(mk_menu_view_tests PRIVATE mk_test_support mk_ui mk_logon Qt6::Test)
add_test(NAME MenuView COMMAND mk_menu_view_tests)
set_tests_properties(MenuView PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)

# Drive lists, folder trees and the copy dialog on real widgets.
add_executable(mk_filing_view_tests FilingViewTest.cpp)
target_link_libraries(mk_filing_view_tests PRIVATE mk_test_support mk_ui Qt6::Test)
add_test(NAME FilingView COMMAND mk_filing_view_tests)
set_tests_properties(FilingView PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)

# Pictures, their presses and the grass field on real widgets.
add_executable(mk_game_view_tests GameViewTest.cpp)
target_link_libraries(mk_game_view_tests PRIVATE mk_test_support mk_ui Qt6::Test)
add_test(NAME GameView COMMAND mk_game_view_tests)
set_tests_properties(GameView PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS unit)
