# kvo_delay_import(<target> <dll-base-name>): an interface target that links
# the system DLL <dll-base-name>.dll through a delay-import library, so the DLL
# (and everything it pulls in) is loaded at the first call into it rather than
# when the program starts. GNU ld has no /DELAYLOAD; dlltool builds the same
# thunks from the export list of mingw-w64's ordinary import library, and
# mingw-w64's runtime supplies the loader helper.
set(KVO_DELAY_IMPORT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/KvoMakeDelayLib.cmake)

function(kvo_delay_import target dll)
    find_library(KVO_IMPORT_LIB_${dll} NAMES ${dll} REQUIRED)
    find_program(KVO_MINGW_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm REQUIRED)
    find_program(KVO_MINGW_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)
    set(delaylib ${CMAKE_BINARY_DIR}/delayimp/lib${dll}_delayed.a)
    add_custom_command(
        OUTPUT ${delaylib}
        COMMAND ${CMAKE_COMMAND}
            -DNM=${KVO_MINGW_NM} -DDLLTOOL=${KVO_MINGW_DLLTOOL}
            -DIMPORT_LIB=${KVO_IMPORT_LIB_${dll}} -DDLL=${dll}.dll -DOUTPUT=${delaylib}
            -P ${KVO_DELAY_IMPORT_SCRIPT}
        DEPENDS ${KVO_IMPORT_LIB_${dll}} ${KVO_DELAY_IMPORT_SCRIPT}
        COMMENT "Delay-import library for ${dll}.dll"
        VERBATIM)
    add_custom_target(${target}_delaylib DEPENDS ${delaylib})
    add_library(${target} INTERFACE)
    add_dependencies(${target} ${target}_delaylib)
    target_link_libraries(${target} INTERFACE ${delaylib})
endfunction()
