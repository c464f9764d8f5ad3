# Cross build for 64-bit Windows with Debian's mingw-w64, posix thread model (the one with std::thread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SHOEWISE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SHOEWISE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SHOEWISE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SHOEWISE_MINGW}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${SHOEWISE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program and DLL built with it, Qt's included, checks its stack frames. The checks' runtime is
# linked into each one rather than shipped as one more DLL (libssp-0.dll), and not exported from it.
set(CMAKE_C_FLAGS_INIT -fstack-protector-strong)
set(CMAKE_CXX_FLAGS_INIT -fstack-protector-strong)
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--exclude-libs,libssp.a,-u,__stack_chk_fail,-Bstatic,-lssp,-Bdynamic")
endforeach()
