# `make package` (cpack -G DEB): a Debian package of the installed tree under
# /usr, depending on Debian's Qt 6 runtime packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintarel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quintarel developers")
set(CPACK_PACKAGE_CONTACT "The Quintarel developers <quintarel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "lists the objects of Navision object files with their licence rights")
set(CPACK_PACKAGE_DESCRIPTION
    "Quintarel opens a Navision object file (.fob) or backup file (.fbk), reads
the index at its start and lists every object in it with the rights the
active licence grants. It sorts, hides system objects, exports the list as
text and shows the licence's information. quintarel-cli lists a file on
machines without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUINTAREL_HOMEPAGE})
# Named as well as found by dpkg-shlibdeps: the SVG icon engine and the
# platform plugins are loaded at run time, so no linker dependency shows them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Windows under Wayland without falling back to X11.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
