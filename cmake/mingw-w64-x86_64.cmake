# Cross-builds for 64-bit Windows with Debian's MinGW-w64 in its posix-thread
# variant (Qt needs std::thread). Qt for MinGW is found in VTE_QT_MINGW, a
# prefix that scripts/build-windows unpacks or builds; the tools that run
# during the build (moc, rcc, uic) come from the host's own Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR /usr/bin/x86_64-w64-mingw32-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/x86_64-w64-mingw32-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Empty while Qt itself is being built with this file.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VTE_QT_MINGW)
if(VTE_QT_MINGW)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${VTE_QT_MINGW})
  list(PREPEND CMAKE_PREFIX_PATH ${VTE_QT_MINGW})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
