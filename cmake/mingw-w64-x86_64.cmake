# Cross compiler for 64-bit Windows: Debian's MinGW-w64 with POSIX threads
# (g++-mingw-w64-x86-64-posix). Used to build Qt for Windows; Qt's own
# qt.toolchain.cmake loads it again for the program (scripts/build-windows.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AKUENZA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AKUENZA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AKUENZA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${AKUENZA_MINGW_TRIPLE}-windres)

# Libraries and headers only from the MinGW sysroot (and the prefixes added
# by Qt's toolchain file), programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${AKUENZA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
