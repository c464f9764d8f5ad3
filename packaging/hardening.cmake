# Debian's hardening for our own targets, the flags `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags` gives, set
# here rather than read from dpkg-buildflags so that every build has them, with or without dpkg-dev,
# and they do not bring along its -O2 and -g in place of the build type's own. Position-independent
# code needs nothing here: Debian's compiler makes PIE by default and Qt asks for -fPIC itself.
target_compile_options(shoewise_build_flags INTERFACE -fstack-protector-strong)
# The checked string functions work only when the compiler optimises.
target_compile_definitions(shoewise_build_flags INTERFACE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
# A fully read-only relocation table: relro, and bind every symbol at start so none is left writable.
target_link_options(shoewise_build_flags INTERFACE LINKER:-z,relro LINKER:-z,now)
