# The same commit builds into the same bytes wherever it is checked out and whenever it is built, so a
# publisher can rebuild what it signed and compare: paths of the source and build trees are written
# relative to them (the build tree's mapping comes last, so it wins where the build tree lies inside the
# sources), and the linker leaves the PE time stamp at zero, which also keeps the header's checksum fixed.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
add_link_options(-Wl,--no-insert-timestamp)
