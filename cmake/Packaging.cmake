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
include(CPack)
