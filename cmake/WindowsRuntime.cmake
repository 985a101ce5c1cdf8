# What the Windows program needs beside it to run: Qt's DLLs, the plugins Qt loads at run time (each in
# the folder named for its type, where Qt looks for it beside the program) and MinGW's runtime, which
# the Qt DLLs link too. The zip ships them unchanged; tests under Wine find them where they lie, in
# ZENTRIMO_WINDOWS_DLL_DIRS.
set(qtLibraries Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Svg)
set(qtPlugins Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin Qt6::QSvgPlugin Qt6::QSvgIconPlugin)

set(ZENTRIMO_WINDOWS_DLL_DIRS)
foreach(library IN LISTS qtLibraries)
    get_target_property(dll ${library} LOCATION)
    cmake_path(GET dll PARENT_PATH dllDir)
    list(APPEND ZENTRIMO_WINDOWS_DLL_DIRS "${dllDir}")
    install(FILES "${dll}" DESTINATION ${ZENTRIMO_PROGRAM_DIR})
endforeach()

foreach(plugin IN LISTS qtPlugins)
    get_target_property(dll ${plugin} LOCATION)
    get_target_property(type ${plugin} QT_PLUGIN_TYPE)
    install(FILES "${dll}" DESTINATION ${ZENTRIMO_PROGRAM_DIR}/${type})
endforeach()

foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
        message(FATAL_ERROR "The compiler does not know where MinGW's ${name} is")
    endif()
    cmake_path(NORMAL_PATH dll)
    cmake_path(GET dll PARENT_PATH dllDir)
    list(APPEND ZENTRIMO_WINDOWS_DLL_DIRS "${dllDir}")
    install(FILES "${dll}" DESTINATION ${ZENTRIMO_PROGRAM_DIR})
    # Its licence terms travel with it: the Debian package's copyright file.
    execute_process(COMMAND dpkg-query --search "${dll}" OUTPUT_VARIABLE owner COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ":.*" "" owner "${owner}")
    list(APPEND runtimePackages ${owner})
endforeach()
list(REMOVE_DUPLICATES ZENTRIMO_WINDOWS_DLL_DIRS)
list(REMOVE_DUPLICATES runtimePackages)
foreach(package IN LISTS runtimePackages)
    install(FILES /usr/share/doc/${package}/copyright DESTINATION ${ZENTRIMO_PROGRAM_DIR}/licenses
            RENAME ${package}.txt)
endforeach()

# Qt's licence: the LGPL 3, which is the GPL 3 with extra permissions, so both texts.
foreach(licence LGPL-3.0-only GPL-3.0-only)
    install(FILES "${QT6_INSTALL_PREFIX}/LICENSES/${licence}.txt" DESTINATION ${ZENTRIMO_PROGRAM_DIR}/licenses
            RENAME Qt-${licence}.txt)
endforeach()
