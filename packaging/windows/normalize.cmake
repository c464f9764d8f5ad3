# Run by CPack after it packs (CPACK_POST_BUILD_SCRIPTS): each zip normalised by strip-nondeterminism,
# as CMakeLists.txt says, its times the release's (SOURCE_DATE_EPOCH) where one is given. Through its
# library, which debhelper brings: the strip-nondeterminism command is a package of its own.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "[.]zip$")
        execute_process(COMMAND perl -MFile::StripNondeterminism -e [[
            File::StripNondeterminism::init();
            $File::StripNondeterminism::canonical_time = $ENV{SOURCE_DATE_EPOCH};
            File::StripNondeterminism::get_normalizer_for_file($ARGV[0])->($ARGV[0]) or die "not normalised\n";
        ]] ${package} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
