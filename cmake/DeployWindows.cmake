# Install step of a Windows build (run by `cmake --install` and cpack): puts beside the programs the
# DLLs they load, found by walking the import tables of the programs and of every DLL and plugin they
# bring in (the target's objdump reads them on a Linux host, so a cross build deploys itself), the Qt plugins
# Qt loads by name at run time, Qt's own translations and a qt.conf that makes the folder Qt's prefix.
#
# Set by the install code of Packaging.cmake: DEPLOY_PROGRAMS, DEPLOY_PLUGINS (files, each with its
# plugin folder: "platforms/qwindows.dll"), DEPLOY_PLUGIN_ROOT, DEPLOY_DIRECTORIES (where DLLs are
# looked up: Qt's bin folder, the compiler's runtime), DEPLOY_TRANSLATIONS (Qt's qtbase_*.qm files),
# DEPLOY_OBJDUMP.
set(destination "${CMAKE_INSTALL_PREFIX}")

set(modules "")
foreach(plugin IN LISTS DEPLOY_PLUGINS)
    get_filename_component(folder "${plugin}" DIRECTORY)
    file(INSTALL "${DEPLOY_PLUGIN_ROOT}/${plugin}" DESTINATION "${destination}/${folder}")
    list(APPEND modules "${DEPLOY_PLUGIN_ROOT}/${plugin}")
endforeach()

if(NOT CMAKE_HOST_WIN32)
    # A cross build: the target's objdump reads the import tables.
    if(NOT DEPLOY_OBJDUMP)
        message(FATAL_ERROR "No objdump for the target: set CMAKE_OBJDUMP (x86_64-w64-mingw32-objdump)")
    endif()
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "windows+pe")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${DEPLOY_OBJDUMP}")
endif()
# The resolver looks a DLL up by its name in lower case, as Windows' file names do not tell case
# apart; a Linux file system does. So on a Linux host every DLL of the folders is first given a
# lower-case link in a folder of its own ("qt6core.dll" -> .../Qt6Core.dll), looked in first.
set(directories ${DEPLOY_DIRECTORIES})
if(NOT CMAKE_HOST_WIN32)
    string(RANDOM LENGTH 8 tag)
    set(lower_case "/tmp/dishline-deploy-${tag}")
    file(MAKE_DIRECTORY "${lower_case}")
    foreach(directory IN LISTS DEPLOY_DIRECTORIES)
        file(GLOB found "${directory}/*.dll")
        foreach(dll IN LISTS found)
            get_filename_component(name "${dll}" NAME)
            string(TOLOWER "${name}" name)
            if(NOT EXISTS "${lower_case}/${name}")
                file(CREATE_LINK "${dll}" "${lower_case}/${name}" SYMBOLIC)
            endif()
        endforeach()
    endforeach()
    list(PREPEND directories "${lower_case}")
endif()
# Windows' own DLLs are found on every Windows system: only those left unresolved are allowed to be.
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${DEPLOY_PROGRAMS}
    MODULES ${modules}
    DIRECTORIES ${directories}
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR system_dlls
    PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
)
foreach(dll IN LISTS system_dlls)
    string(TOLOWER "${dll}" name)
    if(name MATCHES "^(qt6|lib)")
        message(FATAL_ERROR "A DLL the programs need is not found: ${dll} (looked in ${DEPLOY_DIRECTORIES})")
    endif()
endforeach()
# Each DLL under its own name, from where the link points.
set(dlls "")
foreach(dll IN LISTS resolved)
    file(REAL_PATH "${dll}" real)
    list(APPEND dlls "${real}")
endforeach()
if(lower_case)
    file(REMOVE_RECURSE "${lower_case}")
endif()
list(REMOVE_DUPLICATES dlls)
list(SORT dlls)
file(INSTALL ${dlls} DESTINATION "${destination}")

file(INSTALL ${DEPLOY_TRANSLATIONS} DESTINATION "${destination}/translations")
# Qt takes its prefix from qt.conf beside the program: plugins/ and translations/ below this folder.
file(WRITE "${destination}/qt.conf" "[Paths]\r\nPrefix = .\r\nPlugins = .\r\n")
