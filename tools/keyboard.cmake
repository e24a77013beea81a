# mk_datatool builds KEY_DEFINE.DAT and Admin.MK; the table reader is a library
# of its own so that the tests can feed it tables directly.
add_library(mk_keyboard_table STATIC KeyboardTable.cpp)
target_link_libraries(mk_keyboard_table PUBLIC mk_core Qt6::Core)

add_executable(mk_datatool DataTool.cpp)
target_link_libraries(mk_datatool PRIVATE mk_keyboard_table)
