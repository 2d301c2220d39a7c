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
# dpkg-shlibdeps finds every run-time dependency: the programs link the Qt
# libraries, and the platform plugins ship in libqt6gui6 itself. Naming them
# here as well would list each twice.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Windows under Wayland without falling back to X11.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

# What Debian asks of every package: the copyright in the machine-readable
# format, the changelog (this is a native package: changelog.gz), both under
# /usr/share/doc/quintarel.
set(QUINTAREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quintarel)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${QUINTAREL_DOC_DIR})
set(QUINTAREL_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${QUINTAREL_CHANGELOG}
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_CURRENT_LIST_DIR}/changelog
        ${QUINTAREL_CHANGELOG}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${QUINTAREL_CHANGELOG})
install(FILES ${QUINTAREL_CHANGELOG} DESTINATION ${QUINTAREL_DOC_DIR})

include(CPack)
