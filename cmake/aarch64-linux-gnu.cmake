# Cross build for 64-bit ARM Linux, Debian's arm64, with Debian's cross compilers and the arm64 Qt
# installed beside the machine's own through multiarch (dpkg --add-architecture arm64). The target's
# headers and libraries sit in the machine's own root under their architecture's folders, so there is
# no separate system root: the library architecture alone points every search at them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(SHOEWISE_TRIPLET aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${SHOEWISE_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${SHOEWISE_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${SHOEWISE_TRIPLET})
# The machine's own pkg-config would hand out the machine's own libraries' folders.
set(PKG_CONFIG_EXECUTABLE ${SHOEWISE_TRIPLET}-pkg-config)
# Qt's build tools (moc, rcc, uic) are the machine's own: Debian's are Multi-Arch: foreign.
set(QT_HOST_PATH /usr)
# The build's own programs, its tests among them, run under qemu's user mode, given the root as the
# place of the arm64 loader and libraries. Named here rather than registered with the kernel's
# binfmt_misc, which would change how every process on the machine runs foreign programs.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${CMAKE_SYSTEM_PROCESSOR} -L /)
