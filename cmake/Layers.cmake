# The layers and what each may see.
#
# Logic layers (core, media, logon, engine, game, authoring, teacher, the
# window table) see QtCore only. Debian installs every Qt module under one
# include root, and Qt6::Core puts that root on the include path, so
# <QtWidgets/QWidget> would still be found from a logic layer. mk_qt_core is
# Qt6::Core with that root swapped for one that holds QtCore alone: there a
# widget include fails to compile, whichever way it is spelt.
function(mk_qt_core_only)
    get_target_property(core_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    list(FILTER core_dirs INCLUDE REGEX "/QtCore$")
    cmake_path(GET core_dirs PARENT_PATH qt_root)
    set(core_root ${CMAKE_BINARY_DIR}/qtcore-only)
    file(MAKE_DIRECTORY ${core_root})
    file(CREATE_LINK ${core_dirs} ${core_root}/QtCore SYMBOLIC)

    add_library(mk_qt_core INTERFACE)
    target_link_libraries(mk_qt_core INTERFACE $<LINK_ONLY:Qt6::Core>)
    foreach(qt_target Qt6::Core Qt6::Platform)
        foreach(kind COMPILE_DEFINITIONS COMPILE_OPTIONS COMPILE_FEATURES INCLUDE_DIRECTORIES)
            get_target_property(values ${qt_target} INTERFACE_${kind})
            if(values)
                list(REMOVE_ITEM values ${qt_root})
                set_property(TARGET mk_qt_core APPEND PROPERTY INTERFACE_${kind} ${values})
            endif()
        endforeach()
    endforeach()
    target_include_directories(mk_qt_core INTERFACE ${core_root})
    # System headers, as they are through Qt6::Core: their warnings are not ours.
    get_target_property(dirs mk_qt_core INTERFACE_INCLUDE_DIRECTORIES)
    set_property(TARGET mk_qt_core PROPERTY INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${dirs})
    # moc finds its Qt through this.
    set_property(TARGET mk_qt_core PROPERTY INTERFACE_QT_MAJOR_VERSION 6)
endfunction()

# mk_layer(name SOURCES ... LINKS ...): the static library mk_<name>. LINKS are
# the layers below it that it includes, and nothing else. A layer without
# sources yet has no library, so nothing can link an empty layer.
function(mk_layer name)
    cmake_parse_arguments(L "" "" "SOURCES;LINKS" ${ARGN})
    if(NOT L_SOURCES)
        return()
    endif()
    add_library(mk_${name} STATIC ${L_SOURCES})
    target_include_directories(mk_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(mk_${name} PUBLIC ${L_LINKS})
endfunction()
