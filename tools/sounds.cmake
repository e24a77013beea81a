# mk_soundtool: writes our own music (Standard MIDI Files from the scores in
# data/music/) and synthesises the game's sounds.
add_executable(mk_soundtool ${CMAKE_CURRENT_SOURCE_DIR}/SoundTool.cpp)
target_link_libraries(mk_soundtool PRIVATE mk_core Qt6::Core)
