# Run by makensis (NSIS.template.in): the uninstall section's commands for the files and folders staged
# in DIR, sorted, written to OUT. CPack's own lists follow the order the file system lists them in,
# which differs between file systems, and so would the installer's bytes.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${DIR}" "${DIR}/*")
set(files "")
set(folders "")
foreach(entry IN LISTS entries)
    string(REPLACE / \\ name "${entry}")
    if(IS_DIRECTORY "${DIR}/${entry}")
        string(PREPEND folders "  RMDir \"$INSTDIR\\${name}\"\n")  # the deepest first
    else()
        string(APPEND files "  Delete \"$INSTDIR\\${name}\"\n")
    endif()
endforeach()
file(WRITE "${OUT}" "${files}${folders}")
