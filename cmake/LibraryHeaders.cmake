# A library's headers are included as "folder/Header.h" through an include folder that holds that one
# folder alone: a target reaches only the headers of the libraries it links, not the whole source tree.
function(zentrimo_library_headers target)
    cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
    set(includeRoot "${CMAKE_BINARY_DIR}/include/${folder}")
    file(MAKE_DIRECTORY "${includeRoot}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${includeRoot}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${includeRoot}")
endfunction()
