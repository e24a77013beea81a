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

# Each piece rendered to Ogg Vorbis beside its score, so that the program plays
# it without loading the synthesizer and its soundfont. Made from the .mid, so
# always newer than it; the program plays a score whose rendering is older.
find_program(MK_FLUIDSYNTH fluidsynth REQUIRED)
find_program(MK_OGGENC oggenc REQUIRED)
set(MK_SOUNDFONT /usr/share/sounds/sf2/TimGM6mb.sf2)
foreach(piece MK_Start MK_Menu MK_Ending)
    set(rendered ${CMAKE_CURRENT_BINARY_DIR}/${piece}.wav)
    # Gain 1.2 is what SDL_mixer gives FluidSynth at full volume: as loud as the score played live.
    add_custom_command(OUTPUT ${MK_DATA_DIR}/${piece}.ogg
        COMMAND ${MK_FLUIDSYNTH} -n -i -q -r 44100 -g 1.2 -F ${rendered}
                ${MK_SOUNDFONT} ${MK_DATA_DIR}/${piece}.mid
        # Encoded beside and renamed, so a broken build leaves no half piece that looks done.
        COMMAND ${MK_OGGENC} --quiet -q 2 -o ${MK_DATA_DIR}/${piece}.ogg.part ${rendered}
        COMMAND ${CMAKE_COMMAND} -E rename ${MK_DATA_DIR}/${piece}.ogg.part
                ${MK_DATA_DIR}/${piece}.ogg
        COMMAND ${CMAKE_COMMAND} -E rm -f ${rendered}
        DEPENDS ${MK_DATA_DIR}/${piece}.mid
        COMMENT "Rendering MKData/${piece}.ogg"
        VERBATIM)
    list(APPEND MK_SOUND_FILES ${MK_DATA_DIR}/${piece}.ogg)
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
