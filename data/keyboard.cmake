# KEY_DEFINE.DAT from the keyboard table, and Admin.MK holding the unlocked
# administrator pair the program is delivered with.
set(MK_KEYBOARD_TABLE ${CMAKE_CURRENT_SOURCE_DIR}/keyboard/jis106.txt)
set(MK_ADMIN_ID quorvenda)
set(MK_ADMIN_PASSWORD gatewardenkey)

add_custom_command(
    OUTPUT ${MK_DATA_DIR}/KEY_DEFINE.DAT
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_DATA_DIR}
    COMMAND mk_datatool keydefine ${MK_KEYBOARD_TABLE} ${MK_DATA_DIR}/KEY_DEFINE.DAT
    DEPENDS mk_datatool ${MK_KEYBOARD_TABLE}
    COMMENT "Building MKData/KEY_DEFINE.DAT"
    VERBATIM)

add_custom_command(
    OUTPUT ${MK_DATA_DIR}/Admin.MK
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_DATA_DIR}
    COMMAND mk_datatool admin ${MK_ADMIN_ID} ${MK_ADMIN_PASSWORD} ${MK_DATA_DIR}/Admin.MK
    DEPENDS mk_datatool
    COMMENT "Building MKData/Admin.MK"
    VERBATIM)

add_custom_target(mk_keyboard_data
    DEPENDS ${MK_DATA_DIR}/KEY_DEFINE.DAT ${MK_DATA_DIR}/Admin.MK)
add_dependencies(mk_delivered_data mk_keyboard_data)
