# The -posix compilers: the win32-thread variant has no std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${TW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec.sh)
