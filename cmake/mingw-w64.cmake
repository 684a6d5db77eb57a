# SPDX-License-Identifier: MIT
# Cross-compiling the core for 64-bit Windows with Debian's MinGW-w64 (the
# posix threads variant, which std::thread and GoogleTest need):
#
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVEK_CORE_ONLY=ON
#
# The programs are linked statically, so that they run without the MinGW
# runtime DLLs beside them; tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VEK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VEK_MINGW_PREFIX}-windres)

# Libraries and headers come from the MinGW sysroot only, never from the
# host; the few header-only host libraries the build needs are brought in
# one by one (cmake/CrossHeaderOnly.cmake).
set(CMAKE_FIND_ROOT_PATH /usr/${VEK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest and the test discovery run the .exe files through Wine.
find_program(VEK_WINE NAMES wine wine64)
if(VEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VEK_WINE})
endif()
