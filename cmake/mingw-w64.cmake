# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for std::thread and friends).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Libraries and packages come from the MinGW-w64 tree, and from any root the build adds (the windows
# preset's Qt for Windows).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows, for the program and its windows (the core needs none): a folder with Qt's MinGW-w64
# DLLs, headers and CMake packages. Its build tools (moc, rcc) come from this machine's own Qt.
set(ZENTRIMO_WINDOWS_QT "" CACHE PATH "Qt 6 for 64-bit Windows built with MinGW-w64")
if(ZENTRIMO_WINDOWS_QT)
    list(APPEND CMAKE_PREFIX_PATH "${ZENTRIMO_WINDOWS_QT}")
    list(APPEND CMAKE_FIND_ROOT_PATH "${ZENTRIMO_WINDOWS_QT}")
    set(QT_HOST_PATH /usr CACHE PATH "The prefix of this machine's own Qt, whose tools build for Windows too")
    # Debian keeps Qt's CMake packages in its multiarch folder, whichever that is here.
    file(GLOB hostQtInfo LIST_DIRECTORIES true "${QT_HOST_PATH}/lib/cmake/Qt6HostInfo"
         "${QT_HOST_PATH}/lib/*/cmake/Qt6HostInfo")
    if(hostQtInfo)
        list(GET hostQtInfo 0 hostQtInfo)
        cmake_path(GET hostQtInfo PARENT_PATH hostQtCMake)
        set(QT_HOST_PATH_CMAKE_DIR "${hostQtCMake}" CACHE PATH "This machine's Qt CMake packages")
    endif()
endif()
