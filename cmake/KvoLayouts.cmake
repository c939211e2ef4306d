# Layout libraries: resource-only DLLs named .kbl. They have no code and no
# entry point, since the layout test only maps them as data, so nothing of the
# C runtime is linked in.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(KVO_KLE2RC ${CMAKE_CURRENT_LIST_DIR}/../tools/kle2rc.py)

# kvo_add_resource_library(<name> <rc>): <name>.kbl from a resource script.
function(kvo_add_resource_library name rc)
    add_library(${name} MODULE ${rc})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".kbl" LINKER_LANGUAGE C)
    target_link_options(${name} PRIVATE -nostdlib -s -Wl,-e,0)
endfunction()

# kvo_add_layout(<name> <kle-json>): <name>.kbl from a keyboard-layout-editor
# source, converted by tools/kle2rc.py.
function(kvo_add_layout name source)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    add_custom_command(OUTPUT ${rc}
        COMMAND Python3::Interpreter ${KVO_KLE2RC} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${rc}
        DEPENDS ${source} ${KVO_KLE2RC}
        COMMENT "Converting layout ${source}")
    kvo_add_resource_library(${name} ${rc})
endfunction()
