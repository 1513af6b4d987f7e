# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers. The posix-thread variants
# are the ones that carry std::thread and std::mutex, which Qt and the program use.
#   -DTESMARA_WINDOWS_SDK=<folder>: Qt and ICU built for Windows (tools/windows/build-sdk.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER /usr/bin/x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/x86_64-w64-mingw32-windres)

# Test compilations read this file again and need the SDK's place too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESMARA_WINDOWS_SDK)

# Libraries, headers and packages come from the Windows side only (MinGW's own and the SDK);
# programs run during the build are the machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TESMARA_WINDOWS_SDK})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
