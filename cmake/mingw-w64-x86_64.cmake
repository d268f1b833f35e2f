# Cross-compiles the Windows build with MinGW-w64 (posix threads, static runtime)
# and runs its test executables under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KEEL_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KEEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KEEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KEEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(KEEL_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(KEEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KEEL_WINE})
endif()
