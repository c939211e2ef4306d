# Shared build rules: warnings, sanitizers and GoogleTest registration.

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
endif()

option(KVO_SANITIZE "Build with AddressSanitizer and UBSan (native only)" OFF)
if(KVO_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# GoogleTest from Debian's source package, built with our compilers. It comes
# before our warnings: a directory takes the options set before it is added,
# and a newer compiler's warning in GoogleTest's own sources is not ours to fail on.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

add_compile_options(-Wall -Wextra -Wshadow -Werror)

# kvo_add_test(<name> SOURCES ... LIBS ... [PROPERTIES ...]): a GoogleTest program
# registered with CTest; PROPERTIES are added to each of its tests (e.g. a
# RESOURCE_LOCK for tests that share the machine). Windows programs run under
# Wine through the cross-compiling emulator.
function(kvo_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    # A test file is mostly GoogleTest's macros: -O1 compiles it a quarter
    # faster than -O3, and what it tests is built as shipped.
    target_compile_options(${name} PRIVATE $<$<CONFIG:Release>:-O1>)
    # The host's TestResult::FAIL() would collide with GoogleTest's FAIL macro.
    target_compile_definitions(${name} PRIVATE GTEST_DONT_DEFINE_FAIL=1)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
endfunction()
