# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which
# std::thread and Qt need). Used both for the static Qt and for Ulvane itself.
# Prefixes built for Windows (the static Qt, GoogleTest) are added to
# CMAKE_FIND_ROOT_PATH by the caller; nothing is taken from the Linux host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ULVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ULVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ULVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ULVANE_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ULVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the GCC runtime, libstdc++ and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Lets ctest and gtest_discover_tests run the cross-built tests.
find_program(ULVANE_WINE wine)
if(ULVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ULVANE_WINE})
endif()
