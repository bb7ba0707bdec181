# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The -posix compilers: Qt and the game
# use std::thread and friends, which the -win32 flavour lacks, and the runtime DLLs shipped beside
# the program must come from the same flavour.
#   LUMORA_QT_MINGW  the prefix of a Qt built for MinGW (tools/windows/build-qt); searched for packages
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
if(LUMORA_QT_MINGW)
  list(APPEND CMAKE_FIND_ROOT_PATH "${LUMORA_QT_MINGW}")
  list(APPEND CMAKE_PREFIX_PATH "${LUMORA_QT_MINGW}")
endif()
# Try-compiles run this file again and see only the variables named here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LUMORA_QT_MINGW)

# Programs (moc, rcc, uic, windres) come from the host; libraries, headers and packages only
# from the Windows side, so that the host's Qt is never linked by mistake.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
