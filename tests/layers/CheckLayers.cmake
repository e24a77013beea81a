# The layer graph as the build sees it; run as a test with cmake -P.
#   -DBUILD_DIR=<build folder> -DLINKS_FILE=<generated direct links>
#   -DPROBES=<probe targets, one per logic layer> -DSOURCES=<probe sources>
# (both comma-separated)
#
# 1. Each layer links only the layers under it that it may use.
# 2. A widget or GUI include in a logic layer does not compile, however spelt.

cmake_minimum_required(VERSION 3.25)
include(${LINKS_FILE})
string(REPLACE "," ";" PROBES "${PROBES}")
string(REPLACE "," ";" SOURCES "${SOURCES}")

function(expect_links_within layer)
    foreach(link ${links_${layer}})
        if(NOT link IN_LIST ARGN)
            message(SEND_ERROR "mk_${layer} links ${link}; it may link only: ${ARGN}")
        endif()
    endforeach()
endfunction()

expect_links_within(core mk_qt_core)
expect_links_within(media mk_core PkgConfig::SDL2_MIXER Threads::Threads)
expect_links_within(logon mk_core)
expect_links_within(engine mk_core)
expect_links_within(engine_compact mk_engine)
expect_links_within(windows mk_logon mk_engine mk_engine_compact mk_game mk_authoring mk_teacher)
expect_links_within(ui mk_core Qt6::Widgets Qt6::PrintSupport)

execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${PROBES} -- -k 0
    OUTPUT_VARIABLE out ERROR_VARIABLE out)
foreach(probe ${PROBES})
    foreach(source ${SOURCES})
        if(NOT out MATCHES "FAILED: [^\n]*/${probe}\\.dir/[^\n]*/${source}\\.o")
            message(SEND_ERROR "${source} compiled in ${probe}")
        endif()
    endforeach()
endforeach()
# Every failure must be a header that is not there, not some other mistake.
string(REGEX MATCHALL "error:[^\n]*" errors "${out}")
foreach(error ${errors})
    if(NOT error MATCHES "No such file or directory")
        message(SEND_ERROR "a probe failed for another reason: ${error}")
    endif()
endforeach()
