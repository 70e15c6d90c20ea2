# Cross-compiles the Windows programs with MinGW-w64 from a Linux host.
# The -posix thread variant is required: the -win32 one has no std::mutex,
# which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QPAD_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${QPAD_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QPAD_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${QPAD_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QPAD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

