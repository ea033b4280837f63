# Install rules of the programs and their documents, and a Debian package (cpack -G DEB, or the
# "package" target): stripped programs with their debug symbols in dishline-dbgsym, manual pages, the
# AppStream metainfo, the changelogs and the copyright.
include(GNUInstallDirs)
if(TARGET ndftool)
    install(TARGETS ndftool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
set(DISHLINE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dishline)
# The licence, under the name and in the place where Debian keeps a package's copyright.
# Manual pages from their scdoc sources (docs/man), where scdoc is installed.
if(NOT WIN32)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${DISHLINE_DOC_DIR} RENAME copyright)
    find_program(DISHLINE_SCDOC scdoc)
    find_program(DISHLINE_GZIP gzip)
    set(pages "")
    if(DISHLINE_SCDOC AND DISHLINE_GZIP)
        foreach(program dishline ndftool)
            set(source ${PROJECT_SOURCE_DIR}/docs/man/${program}.1.scd)
            set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
            add_custom_command(OUTPUT ${page}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                COMMAND ${CMAKE_COMMAND} -DSCDOC=${DISHLINE_SCDOC} -DGZIP=${DISHLINE_GZIP} -DSOURCE=${source}
                        -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/RenderManPage.cmake
                DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/RenderManPage.cmake
                COMMENT "Manual page ${program}(1)")
            list(APPEND pages ${page})
        endforeach()
        add_custom_target(man_pages ALL DEPENDS ${pages})
        install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        message(STATUS "scdoc or gzip not found: no manual pages (scripts/install-deps.sh scdoc)")
    endif()

    # The changelogs, compressed as Debian keeps them.
    foreach(log CHANGELOG.md resources/debian/changelog)
        get_filename_component(name ${log} NAME)
        set(compressed ${PROJECT_BINARY_DIR}/doc/${name}.gz)
        add_custom_command(OUTPUT ${compressed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
            COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${log} ${PROJECT_BINARY_DIR}/doc/${name}
            COMMAND ${DISHLINE_GZIP} -9nf ${PROJECT_BINARY_DIR}/doc/${name}
            DEPENDS ${PROJECT_SOURCE_DIR}/${log})
        list(APPEND changelogs ${compressed})
    endforeach()
    if(DISHLINE_GZIP)
        add_custom_target(changelogs ALL DEPENDS ${changelogs})
        install(FILES ${PROJECT_BINARY_DIR}/doc/CHANGELOG.md.gz DESTINATION ${DISHLINE_DOC_DIR} RENAME changelog.gz)
        install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${DISHLINE_DOC_DIR}
                RENAME changelog.Debian.gz)
    endif()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dishline)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dishline")
set(CPACK_PACKAGE_VENDOR "Dishline")
set(DISHLINE_PACKAGE_MAINTAINER "The Dishline developers <dishline@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package: name and mail address")
set(CPACK_PACKAGE_CONTACT "${DISHLINE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DISHLINE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for satellite receiver channel lists (NDF files)")
# The extended description, in lines under 80 characters; CPack puts the summary above it, a blank
# before each line and " ." for the empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dishline edits the channel database of a digital satellite receiver, the
NDF file: its antenna configurations, satellites, transponders, programs
and favorite groups. It sorts and reorders the channel list, fills a
satellite from a SATCODX listing, stamps a date or version into the file,
and exports the list as CSV, a web page or PDF. It speaks English and German.

The package also holds ndftool, a command-line companion that checks,
describes, dumps to JSON, builds, sorts, cleans, compares and exports NDF
files in scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The Debian package installs under /usr; the Windows ZIP is the installed folder itself.
if(NOT WIN32)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
# Both packages name their common source, which tells lintian that dishline-dbgsym's documentation
# link points to its own kin.
set(CPACK_DEBIAN_PACKAGE_SOURCE "dishline")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs are stripped in the package; their debug symbols go into dishline-dbgsym (a .ddeb), found
# by build ID. This needs a build with debug information: RelWithDebInfo, the default.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
if(NOT WIN32)
    set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/FinishDebianPackages.cmake)
endif()
# Loaded at run time, so the library scan cannot see them: the SVG icon plugin and the X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins")
# Qt's own translations give the standard buttons ("Ja", "Nein") in the user's language; the MIME
# database and the desktop entry cache make NDF files open with Dishline.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info, desktop-file-utils")

# On Windows the package is a portable ZIP of the installed folder: the programs, the Qt and compiler
# runtime DLLs they load, the Qt plugins (the Windows platform, offscreen and minimal ones for scripted
# runs, the Vista style), Qt's own translations, README and LICENSE, all in one folder. The DLLs are
# found by walking the import tables (DeployWindows.cmake), which works for a build made on Linux too,
# where Qt has no windeployqt.
if(WIN32)
    set(CPACK_GENERATOR "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "dishline-${PROJECT_VERSION}-windows-x64")
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME LICENSE.txt)
    set(programs "")
    foreach(program dishline ndftool)
        if(TARGET ${program})
            list(APPEND programs "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>")
        endif()
    endforeach()
    if(programs AND TARGET Qt6::Core)
        get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
        if(NOT qt_core)
            get_target_property(qt_core Qt6::Core IMPORTED_LOCATION)
        endif()
        get_filename_component(qt_bin "${qt_core}" DIRECTORY)
        get_filename_component(qt_prefix "${qt_bin}" DIRECTORY)
        set(plugins "")
        if(TARGET dishline)
            set(plugins platforms/qwindows.dll platforms/qoffscreen.dll platforms/qminimal.dll
                styles/qwindowsvistastyle.dll)
        endif()
        set(runtime_directories "${qt_bin}")
        if(MINGW)
            # The compiler's runtime DLLs: libstdc++, libgcc_s and winpthread.
            foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
                execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
                get_filename_component(runtime_directory "${runtime_path}" DIRECTORY)
                list(APPEND runtime_directories "${runtime_directory}")
            endforeach()
        endif()
        # Qt's own texts ("Ja", "Nein"): from Qt's translations folder, or the host's for a cross build.
        file(GLOB qt_translations "${qt_prefix}/translations/qtbase_*.qm")
        if(NOT qt_translations)
            file(GLOB qt_translations /usr/share/qt6/translations/qtbase_*.qm)
        endif()
        install(CODE "
            set(DEPLOY_PROGRAMS \"${programs}\")
            set(DEPLOY_PLUGINS \"${plugins}\")
            set(DEPLOY_PLUGIN_ROOT \"${qt_prefix}/plugins\")
            set(DEPLOY_DIRECTORIES \"${runtime_directories}\")
            set(DEPLOY_TRANSLATIONS \"${qt_translations}\")
            set(DEPLOY_OBJDUMP \"${CMAKE_OBJDUMP}\")
            include(\"${CMAKE_CURRENT_LIST_DIR}/DeployWindows.cmake\")")
    endif()
endif()
include(CPack)
