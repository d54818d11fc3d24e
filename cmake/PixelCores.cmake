# The pixel cores: the code that works on pixels and numbers alone, without Windows. The launcher links
# them like any of its libraries, and the native build compiles the same files for Linux, where their
# tests run under AddressSanitizer and UndefinedBehaviorSanitizer. A new core is one more line below.
set(SKYREACH_PIXEL_CORE_SOURCES
    app/BrowserEmulation.cpp
    controls/BuiltInProgressSkin.cpp
    controls/FaceChoice.cpp
    controls/ProgressGeometry.cpp
    ui/WebAddress.cpp
    ui/skin/SkinKeyRuns.cpp)
# Their headers, and the windows-free headers they and the host tools read (the UI table data, the
# resource ids).
set(SKYREACH_PIXEL_CORE_INCLUDE_DIRS app controls res ui ui/skin)

# skyreach_add_pixel_cores(<target> <repository root>): the cores as one static library.
function(skyreach_add_pixel_cores target root)
    list(TRANSFORM SKYREACH_PIXEL_CORE_SOURCES PREPEND ${root}/ OUTPUT_VARIABLE sources)
    list(TRANSFORM SKYREACH_PIXEL_CORE_INCLUDE_DIRS PREPEND ${root}/ OUTPUT_VARIABLE include_dirs)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${include_dirs})
endfunction()
