# The window table, and the layer graph: who links whom, and what a logic
# layer can include.
mk_gtest(mk_window_table_tests LABEL unit SOURCES WindowTableTest.cpp LINKS mk_windows)

# One probe per logic layer: sources that try to include widgets with the
# layer's own include path. They are never part of a normal build.
set(mk_probe_sources Widget.cpp QualifiedWidget.cpp QualifiedGui.cpp)
set(mk_probes)
foreach(layer core media logon engine game authoring teacher windows)
    if(TARGET mk_${layer})
        list(TRANSFORM mk_probe_sources PREPEND layers/ OUTPUT_VARIABLE sources)
        add_library(mk_probe_${layer} OBJECT EXCLUDE_FROM_ALL ${sources})
        target_link_libraries(mk_probe_${layer} PRIVATE mk_${layer})
        list(APPEND mk_probes mk_probe_${layer})
    endif()
endforeach()

set(mk_layer_links_file ${CMAKE_CURRENT_BINARY_DIR}/LayerLinks.cmake)
set(mk_layer_links)
foreach(layer core media logon engine windows ui)
    string(APPEND mk_layer_links
           "set(links_${layer} \"$<TARGET_PROPERTY:mk_${layer},LINK_LIBRARIES>\")\n")
endforeach()
file(GENERATE OUTPUT ${mk_layer_links_file} CONTENT "${mk_layer_links}")

# Lists travel comma-separated: a test command keeps no semicolons.
list(JOIN mk_probes "," mk_probe_list)
list(JOIN mk_probe_sources "," mk_probe_source_list)
add_test(NAME LayerGraph
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DLINKS_FILE=${mk_layer_links_file}
            -DPROBES=${mk_probe_list} -DSOURCES=${mk_probe_source_list}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckLayers.cmake)
set_tests_properties(LayerGraph PROPERTIES LABELS slow)
