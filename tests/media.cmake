# The music and sounds the build delivers, and the SDL device that plays them.
# Its own main(): the device's timers need a QCoreApplication, and SDL's disk
# driver is chosen before anything plays, so the tests can hear what is played.
add_executable(mk_media_tests MediaTest.cpp DeliveredSoundsTest.cpp)
target_link_libraries(mk_media_tests PRIVATE
    mk_test_support mk_media Qt6::Test PkgConfig::SDL2_MIXER GTest::gtest)
target_compile_definitions(mk_media_tests PRIVATE MK_SOUNDTOOL="$<TARGET_FILE:mk_soundtool>")
add_dependencies(mk_media_tests mk_sounds mk_soundtool)
# Decodes the delivered renderings to check they are heard.
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(mk_media_tests PRIVATE PkgConfig::VORBISFILE)
mk_discover_gtests(mk_media_tests slow)
