# The music of the start-up, menu and ending windows and the mole game's
# sounds in MKData/, made by mk_soundtool. Naming the tool's target in DEPENDS
# remakes them whenever the tool changes.
set(MK_MUSIC_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/music)
set(MK_SOUND_FILES)

foreach(piece MK_Start MK_Menu MK_Ending)
    add_custom_command(OUTPUT ${MK_DATA_DIR}/${piece}.mid
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_DATA_DIR}
        COMMAND mk_soundtool midi ${MK_MUSIC_SOURCE_DIR}/${piece}.txt ${MK_DATA_DIR}/${piece}.mid
        DEPENDS mk_soundtool ${MK_MUSIC_SOURCE_DIR}/${piece}.txt
        COMMENT "Writing MKData/${piece}.mid"
        VERBATIM)
    list(APPEND MK_SOUND_FILES ${MK_DATA_DIR}/${piece}.mid)
endforeach()

foreach(sound hit boo tada)
    add_custom_command(OUTPUT ${MK_DATA_DIR}/${sound}.wav
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MK_DATA_DIR}
        COMMAND mk_soundtool wav ${sound} ${MK_DATA_DIR}/${sound}.wav
        DEPENDS mk_soundtool
        COMMENT "Synthesising MKData/${sound}.wav"
        VERBATIM)
    list(APPEND MK_SOUND_FILES ${MK_DATA_DIR}/${sound}.wav)
endforeach()

add_custom_target(mk_sounds DEPENDS ${MK_SOUND_FILES})
add_dependencies(mk_delivered_data mk_sounds)
