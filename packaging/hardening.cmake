# Debian's hardening for our own targets: what dpkg-buildflags of the release built on gives with every
# hardening feature on, so that the flags a newer dpkg adds come along by themselves. What differs:
# - no -O or -g flags: the build type keeps its own;
# - no -ffile-prefix-map or -fdebug-prefix-map: they name the folder configure ran in, and the
#   project maps its own folders (CMakeLists.txt);
# - _FORTIFY_SOURCE only in optimised builds: glibc warns without optimisation, and warnings may be errors.
# dpkg-buildflags runs with nothing of the caller's environment but PATH: DEB_BUILD_OPTIONS, the
# DEB_*FLAGS_SET, _APPEND and the like, and a buildflags.conf under HOME would each change them unseen.
find_program(SHOEWISE_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT SHOEWISE_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags is not installed; it is in the package dpkg-dev, and gives the "
        "hardening flags every Linux build is compiled with")
endif()
set(buildflags_env "PATH=$ENV{PATH}" DEB_BUILD_MAINT_OPTIONS=hardening=+all)
# Each architecture has its own: a cross build names its target's.
if(CMAKE_CROSSCOMPILING)
    set(SHOEWISE_DEB_HOST_ARCH "" CACHE STRING "Debian architecture of a cross build's target, such as arm64")
    if(NOT SHOEWISE_DEB_HOST_ARCH)
        message(FATAL_ERROR "A cross build for Linux needs -DSHOEWISE_DEB_HOST_ARCH=<its Debian architecture> "
            "for that architecture's hardening flags")
    endif()
    list(APPEND buildflags_env DEB_HOST_ARCH=${SHOEWISE_DEB_HOST_ARCH})
endif()

set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
set(hardening "")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND env -i ${buildflags_env} ${SHOEWISE_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-([Og]|f(file|debug)-prefix-map=)")
    list(APPEND hardening ${flags})
    list(TRANSFORM flags REPLACE "^-[DU]_FORTIFY_SOURCE.*" "$<${optimised}:\\0>")
    if(kind STREQUAL LDFLAGS)
        target_link_options(shoewise_build_flags INTERFACE ${flags})
    else()
        target_compile_options(shoewise_build_flags INTERFACE ${flags})
    endif()
endforeach()
list(JOIN hardening " " hardening)
message(STATUS "Hardening flags from dpkg-buildflags: ${hardening}")
