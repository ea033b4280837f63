# Runs after "cpack -G DEB" (CPACK_POST_BUILD_SCRIPTS) and sets right what CPack leaves short of
# Debian's rules, as debhelper would have done:
# - the programs lose their .comment and .note sections, which dh_strip removes too;
# - dishline-dbgsym gets a md5sums file with the package's own paths (CPack writes its build paths
#   there) and its documentation folder as a link to dishline's, which holds the copyright.
# Each package is unpacked, changed, given fresh md5sums and packed again.
find_program(DPKG_DEB dpkg-deb REQUIRED)
find_program(OBJCOPY objcopy REQUIRED)

function(repack file kind)
    set(root "${CPACK_TOPLEVEL_DIRECTORY}/finish-${kind}")
    file(REMOVE_RECURSE "${root}")
    execute_process(COMMAND "${DPKG_DEB}" -R "${file}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
    if(kind STREQUAL "deb")
        file(GLOB programs "${root}/usr/bin/*")
        foreach(program IN LISTS programs)
            execute_process(COMMAND "${OBJCOPY}" --remove-section=.comment --remove-section=.note "${program}"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    else()
        # Debug files are data, not programs.
        file(GLOB_RECURSE debug_files "${root}/usr/lib/debug/*.debug")
        foreach(debug_file IN LISTS debug_files)
            file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        endforeach()
        file(MAKE_DIRECTORY "${root}/usr/share/doc")
        file(CREATE_LINK dishline "${root}/usr/share/doc/dishline-dbgsym" SYMBOLIC)
    endif()
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/usr/*")
    list(SORT files)
    set(sums "")
    foreach(path IN LISTS files)
        if(NOT IS_SYMLINK "${root}/${path}")
            file(MD5 "${root}/${path}" sum)
            string(APPEND sums "${sum}  ${path}\n")
        endif()
    endforeach()
    file(WRITE "${root}/DEBIAN/md5sums" "${sums}")
    execute_process(COMMAND "${DPKG_DEB}" --root-owner-group -Zxz -b "${root}" "${file}" OUTPUT_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${root}")
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.deb$")
        repack("${package}" deb)
        get_filename_component(folder "${package}" DIRECTORY)
        file(GLOB debug_packages "${folder}/*-dbgsym_*.ddeb")
        foreach(debug_package IN LISTS debug_packages)
            repack("${debug_package}" ddeb)
        endforeach()
    endif()
endforeach()
