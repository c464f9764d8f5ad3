# Run at install time. Copies beside the program every DLL that it and its plugins load and that is
# not part of Windows, following each DLL's own imports, from where Qt and the compiler keep them; then
# strips every program and library installed. What is copied follows from the binaries themselves, so
# no list of names can drift from them. Set by the install rule:
#   ROOTS     the installed program and plugins, relative to the install prefix
#   QT_BIN    the folder of Qt's DLLs
#   COMPILER  the C++ compiler, which knows where its runtime DLLs are
#   OBJDUMP, STRIP
cmake_policy(VERSION 3.25)
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(queue)
foreach(root IN LISTS ROOTS)
    list(APPEND queue "${prefix}/${root}")
endforeach()
set(seen)
set(installed ${queue})
while(queue)
    list(POP_FRONT queue binary)
    # In the C locale: objdump's translations name the imports otherwise ("Nom DLL" in French).
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: " "" name "${import}")
        string(TOLOWER "${name}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        set(found "${QT_BIN}/${name}")
        if(NOT EXISTS "${found}")
            execute_process(COMMAND ${COMPILER} -print-file-name=${name} OUTPUT_VARIABLE found
                OUTPUT_STRIP_TRAILING_WHITESPACE)
        endif()
        if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
            continue()  # Windows' own, such as KERNEL32.dll
        endif()
        file(COPY "${found}" DESTINATION "${prefix}")
        list(APPEND queue "${prefix}/${name}")
        list(APPEND installed "${prefix}/${name}")
    endforeach()
endwhile()
if(NOT "${prefix}/Qt6Core.dll" IN_LIST installed)
    message(FATAL_ERROR "no Qt6Core.dll among the DLLs found for ${ROOTS}: ${installed}")
endif()
foreach(binary IN LISTS installed)
    execute_process(COMMAND ${STRIP} --strip-unneeded ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
