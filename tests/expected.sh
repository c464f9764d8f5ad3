# shellcheck shell=bash disable=SC2034  # every name here is read by the tests that source this file
# What the user must see, stated once for all the tests, whatever the build's own facts say, so that a
# wrong fact fails them: the shell tests source this file, and CMake hands each entry to the C++ tests
# as a definition of the same name with SHOEWISE_ before it.
EXPECTED_WINDOW_WIDTH=684
EXPECTED_WINDOW_HEIGHT=551
EXPECTED_PAGES=14
EXPECTED_FACE=IPAPGothic
EXPECTED_CHART_WIDTH=343
EXPECTED_CHART_HEIGHT=503
