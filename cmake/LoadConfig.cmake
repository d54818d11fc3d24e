# An executable's load configuration (app/LoadConfig.cpp) lies in a section of its own, ".lcfg". The GNU
# linker of Debian 12 (binutils 2.40) does not point the header's load-configuration entry at it, so a
# host tool does, after every link of the executable.
find_program(SKYREACH_HOST_CC NAMES cc gcc clang REQUIRED)
set(SKYREACH_SET_LOAD_CONFIG ${CMAKE_BINARY_DIR}/host-tools/set-load-config)
set(SKYREACH_SET_LOAD_CONFIG_SOURCE ${CMAKE_SOURCE_DIR}/tools/load-config/set-load-config.c)
add_custom_command(OUTPUT ${SKYREACH_SET_LOAD_CONFIG}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
                   COMMAND ${SKYREACH_HOST_CC} -O2 -Wall -Wextra -Werror -o ${SKYREACH_SET_LOAD_CONFIG}
                           ${SKYREACH_SET_LOAD_CONFIG_SOURCE}
                   DEPENDS ${SKYREACH_SET_LOAD_CONFIG_SOURCE}
                   COMMENT "Building the host tool set-load-config" VERBATIM)
add_custom_target(set_load_config_tool DEPENDS ${SKYREACH_SET_LOAD_CONFIG})

function(skyreach_set_load_config target)
    add_dependencies(${target} set_load_config_tool)
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${SKYREACH_SET_LOAD_CONFIG} $<TARGET_FILE:${target}>
                       VERBATIM)
endfunction()
