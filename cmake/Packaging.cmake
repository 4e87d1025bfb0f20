# The Debian package of the game (cpack -G DEB in the build directory): the program, its data,
# the menu entry and icon (installed by src/desktop), AppStream metadata, the manual page.
include(GNUInstallDirs)

set(KVELNOR_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# Debian wants manual pages compressed, and reproducibly (no name or time in the header).
find_program(KVELNOR_GZIP gzip REQUIRED)
set(KVELNOR_MAN_PAGE ${CMAKE_BINARY_DIR}/kvelnor.6.gz)
add_custom_command(
  OUTPUT ${KVELNOR_MAN_PAGE}
  COMMAND ${KVELNOR_GZIP} -9 -n -c ${KVELNOR_PACKAGING_DIR}/kvelnor.6 > ${KVELNOR_MAN_PAGE}
  DEPENDS ${KVELNOR_PACKAGING_DIR}/kvelnor.6
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(kvelnor-man-page ALL DEPENDS ${KVELNOR_MAN_PAGE})

install(FILES ${KVELNOR_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KVELNOR_PACKAGING_DIR}/cz.kvelnor.Kvelnor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KVELNOR_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvelnor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kvelnor")
set(CPACK_PACKAGE_CONTACT "Kvelnor developers <hra@kvelnor.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech point-and-click adventure in the village of Mlýnotrhy")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "An agent is sent to a Czech village to find an engineer who has vanished.
Two days of story told in timed cutscenes, an inventory of things to use,
examine and combine, a village map, a chase, and one checkpoint to continue
from. Played with the mouse, in Czech or in English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kvelnor_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The Qt libraries come from the program's own links (dpkg-shlibdeps); the window system
# plugins and Qt's Czech translation (the boxes' buttons) are loaded at run time and so are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
