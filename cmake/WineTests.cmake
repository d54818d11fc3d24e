# Every Windows test runs under Wine on a private virtual display with a private prefix in the
# build tree. One fixture starts the display on a free display number, prepares the prefix and keeps
# a single Wine server alive for the whole run, so each test process starts quickly and the prefix is
# never booted twice; the cleanup fixture ends them, failed tests or not.
set(SKYREACH_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Private Wine prefix of the tests")
set(SKYREACH_WINE_TOOLS ${CMAKE_SOURCE_DIR}/tools/wine)

set(SKYREACH_WINE_ENV
    "WINEPREFIX=${SKYREACH_WINEPREFIX}"
    "SKYREACH_SESSION_DIR=${CMAKE_BINARY_DIR}/wine-session"
    "SKYREACH_USE_DISPLAY=")

add_test(NAME wine_session_start COMMAND ${SKYREACH_WINE_TOOLS}/session.sh start)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${SKYREACH_WINE_ENV}"
                                                   TIMEOUT 600)
add_test(NAME wine_session_stop COMMAND ${SKYREACH_WINE_TOOLS}/session.sh stop)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${SKYREACH_WINE_ENV}")

# skyreach_add_wine_test(<test name> <target> [WINE_OUTPUT <file>] [args...]): runs a Windows executable
# target under Wine. With WINE_OUTPUT, Wine's output of the test and of the processes it starts goes to that
# file, whose path is the test's last argument. Tests of the session take turns (they share its display,
# pointer and foreground window); host tests may run beside them.
function(skyreach_add_wine_test name target)
    cmake_parse_arguments(ARG "" "WINE_OUTPUT" "" ${ARGN})
    if(ARG_WINE_OUTPUT)
        add_test(NAME ${name} COMMAND ${SKYREACH_WINE_TOOLS}/run.sh --wine-output ${ARG_WINE_OUTPUT}
                                      $<TARGET_FILE:${target}> ${ARG_UNPARSED_ARGUMENTS} ${ARG_WINE_OUTPUT})
    else()
        add_test(NAME ${name} COMMAND ${SKYREACH_WINE_TOOLS}/run.sh $<TARGET_FILE:${target}> ${ARGN})
    endif()
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${SKYREACH_WINE_ENV}"
                                            TIMEOUT 180 RESOURCE_LOCK wine_session)
endfunction()

# Google Test, built from Debian's source package with the cross compiler.
set(SKYREACH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${SKYREACH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)
target_compile_definitions(gtest PUBLIC GTEST_HAS_NOTIFICATION_=1)
target_compile_options(gtest PUBLIC -include ${CMAKE_SOURCE_DIR}/tests/support/GtestWin32Notification.h)

# skyreach_add_unit_test(<name> SOURCES ... LIBS ...): a Google Test executable run under Wine.
function(skyreach_add_unit_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest_main gtest)
    skyreach_add_wine_test(${name} ${name})
endfunction()
