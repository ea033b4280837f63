# Install rules of the programs and a Debian package (cpack -G DEB, or the "package" target).
include(GNUInstallDirs)
if(TARGET ndftool)
    install(TARGETS ndftool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The licence, under the name and in the place where Debian keeps a package's copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dishline RENAME copyright)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dishline")
set(CPACK_PACKAGE_VENDOR "Dishline")
set(CPACK_PACKAGE_CONTACT "Dishline developers <dishline@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor of satellite receiver channel databases (NDF files)")
set(CPACK_PACKAGE_DESCRIPTION
    "dishline edits the antenna configurations, satellites, transponders, programs and favorite groups of an NDF file; ndftool checks, dumps, builds and batch-edits such files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: the SVG icon plugin and the X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, shared-mime-info, desktop-file-utils")
# Qt's own translations give the standard buttons ("Ja", "Nein") in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# On Windows the package is a ZIP of the installed folder, and the install step puts Qt's libraries and
# plugins beside the programs with windeployqt, from the Qt installation that built them.
if(WIN32)
    set(CPACK_GENERATOR "ZIP")
    set(deployed "")
    foreach(program dishline ndftool)
        if(TARGET ${program})
            string(APPEND deployed " \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}.exe\"")
        endif()
    endforeach()
    if(deployed)
        if(TARGET Qt6::windeployqt)
            set(windeployqt "$<TARGET_FILE:Qt6::windeployqt>")
        else()
            find_program(DISHLINE_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
            set(windeployqt "${DISHLINE_WINDEPLOYQT}")
        endif()
        install(CODE "execute_process(COMMAND \"${windeployqt}\" --no-translations${deployed} COMMAND_ERROR_IS_FATAL ANY)")
    endif()
endif()
include(CPack)
