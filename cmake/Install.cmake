# Where `cmake --install` puts the program and its own files, and the Debian package made from them.
# The program finds data/, Schemas/ and help/ in share/velk beside its bin/ folder (see ProgramFolder).
set(VELK_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/velk)

install(TARGETS velk-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VELK_BUILD_GUI)
  install(TARGETS velk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VELK_SHARE_DIR}/data FILES_MATCHING PATTERN "*.dab")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Schemas/ DESTINATION ${VELK_SHARE_DIR}/Schemas)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${VELK_SHARE_DIR}/help)
install(FILES ${PROJECT_SOURCE_DIR}/web/site.css DESTINATION ${VELK_SHARE_DIR}/web)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/web/phone/ DESTINATION ${VELK_SHARE_DIR}/web/phone)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velk.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_BINARY_DIR}/src/cli/velk-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velk)
set(CPACK_PACKAGE_VENDOR "Velk")
set(CPACK_PACKAGE_CONTACT "Velk <velk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uitslagen voor de bridgeclub (duplicate bridge results)")
set(CPACK_PACKAGE_DESCRIPTION
  "Velk rekent de uitslagen van een bridgeclub: paren, groepen, zittingen en competities, "
  "met schema's, score-invoer, matchpunten en lijsten. Met velk-cli voor de opdrachtregel.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt 6 libraries and the C++ runtime from the binaries themselves; the print font by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
