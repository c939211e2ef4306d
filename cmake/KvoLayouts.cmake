# Layout libraries: resource-only DLLs named .kbl. They have no code and no
# entry point, since the layout test only maps them as data.

# kvo_add_resource_library(<name> <rc>): <name>.kbl from a resource script,
# through the resource compiler and the linker (for test libraries with
# oddities that kblmake refuses to write).
function(kvo_add_resource_library name rc)
    add_library(${name} MODULE ${rc})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".kbl" LINKER_LANGUAGE C)
    target_link_options(${name} PRIVATE -nostdlib -s -Wl,-e,0)
endfunction()

# kblmake for the machine that builds: the native build's own target, or in a
# cross build a native build of tools/kblmake alone, since the cross-built
# kblmake.exe cannot run here. A cross build may borrow a native build's
# kblmake instead (KVO_HOST_KBLMAKE), as tools/run-tests.sh does right after
# building it; whoever sets it keeps that program up to date.
set(KVO_HOST_KBLMAKE "" CACHE FILEPATH "kblmake already built for this machine; empty: build one")
function(kvo_host_kblmake out_program out_target)
    if(NOT CMAKE_CROSSCOMPILING)
        set(${out_program} $<TARGET_FILE:kblmake> PARENT_SCOPE)
        set(${out_target} kblmake PARENT_SCOPE)
        return()
    endif()
    if(KVO_HOST_KBLMAKE)
        set(${out_program} ${KVO_HOST_KBLMAKE} PARENT_SCOPE)
        set(${out_target} "" PARENT_SCOPE)
        return()
    endif()
    include(ExternalProject)
    set(dir ${CMAKE_BINARY_DIR}/kblmake-host)
    ExternalProject_Add(kblmake_host
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/kblmake
        BINARY_DIR ${dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
                   -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
        INSTALL_COMMAND ""
        # Its sources are this project's; let its own build decide what changed.
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${dir}/kblmake)
    set(${out_program} ${dir}/kblmake PARENT_SCOPE)
    set(${out_target} kblmake_host PARENT_SCOPE)
endfunction()

# kvo_add_layouts(<folder>): a library for every drawing <folder>/<Name>.json,
# written to <build>/layouts/<Name>.kbl by kblmake, with the pictures of its
# language files <Name>.<tag>.json. No list to keep: a new drawing is built
# once CMake sees it. Sets KVO_LAYOUT_FILES (the libraries) and KVO_KBLMAKE
# (the kblmake that wrote them) in the caller's scope; the target kvo_layouts
# builds them all, and a test checks them together.
function(kvo_add_layouts folder)
    kvo_host_kblmake(kblmake kblmake_target)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.json)
    set(drawings ${sources})
    list(FILTER drawings INCLUDE REGEX "/[^./]+\\.json$")
    set(libraries)
    foreach(drawing IN LISTS drawings)
        get_filename_component(name ${drawing} NAME_WE)
        set(languages ${sources})
        list(FILTER languages INCLUDE REGEX "/${name}\\.[^./]+\\.json$")
        set(library ${CMAKE_BINARY_DIR}/layouts/${name}.kbl)
        add_custom_command(OUTPUT ${library}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/layouts
            COMMAND ${kblmake} ${drawing} -o ${library}
            DEPENDS ${drawing} ${languages} ${kblmake} ${kblmake_target}
            COMMENT "kblmake ${name}.json"
            VERBATIM)
        list(APPEND libraries ${library})
    endforeach()
    add_custom_target(kvo_layouts ALL DEPENDS ${libraries})
    set(KVO_LAYOUT_FILES ${libraries} PARENT_SCOPE)
    set(KVO_KBLMAKE ${kblmake} PARENT_SCOPE)
    # The checks over the whole set: names that would collide in the list.
    add_test(NAME kblmake.checkShippedDrawings COMMAND ${kblmake} --check ${drawings})
endfunction()
