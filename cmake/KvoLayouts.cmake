# kvo_add_layout(<name> <kle-json>): the layout library <name>.kbl, a
# resource-only DLL made from a keyboard-layout-editor source by
# tools/kle2rc.py. It has no code and no entry point: the layout test only maps
# it as data, so nothing of the C runtime is linked in.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(KVO_KLE2RC ${CMAKE_CURRENT_LIST_DIR}/../tools/kle2rc.py)

function(kvo_add_layout name source)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    add_custom_command(OUTPUT ${rc}
        COMMAND Python3::Interpreter ${KVO_KLE2RC} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${rc}
        DEPENDS ${source} ${KVO_KLE2RC}
        COMMENT "Converting layout ${source}")
    add_library(${name} MODULE ${rc})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".kbl" LINKER_LANGUAGE C)
    target_link_options(${name} PRIVATE -nostdlib -s -Wl,-e,0)
endfunction()
