# The pixel cores: the code that works on pixels and numbers alone, without Windows. The launcher links
# them like any of its libraries, and the native build compiles the same files for Linux, where their
# tests run under AddressSanitizer and UndefinedBehaviorSanitizer. A new core is one more line below. The
# face model (face/) is the cores' own first library: every target linking the cores reads it too.
set(SKYREACH_PIXEL_CORE_SOURCES
    app/BrowserEmulation.cpp
    controls/BuiltInProgressSkin.cpp
    controls/ProgressGeometry.cpp
    ui/WebAddress.cpp)
# Their headers.
set(SKYREACH_PIXEL_CORE_INCLUDE_DIRS app controls ui)

# skyreach_add_pixel_cores(<target> <repository root>): the cores as one static library, with the face model.
function(skyreach_add_pixel_cores target root)
    if(NOT TARGET face_model)
        add_subdirectory(${root}/face ${CMAKE_BINARY_DIR}/face)
    endif()
    list(TRANSFORM SKYREACH_PIXEL_CORE_SOURCES PREPEND ${root}/ OUTPUT_VARIABLE sources)
    list(TRANSFORM SKYREACH_PIXEL_CORE_INCLUDE_DIRS PREPEND ${root}/ OUTPUT_VARIABLE include_dirs)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${include_dirs})
    target_link_libraries(${target} PUBLIC face_model)
endfunction()
