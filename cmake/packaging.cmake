# Installation of the Linux program and its Debian package (cpack -G DEB in the build directory).
if(NOT TARGET tastolin OR WIN32)
  return()
endif()

include(GNUInstallDirs)
install(TARGETS tastolin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tastolin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/tastolin.png DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tastolin)
set(CPACK_PACKAGE_VENDOR "Tastolin")
set(CPACK_PACKAGE_CONTACT "Tastolin maintainers <maintainers@tastolin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "On-screen caliper measuring in real centimetres")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tastolin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Library dependencies come from the binary (Qt's X11 platform plugin ships with libqt6gui6); beside
# them the metric-compatible Arial that the readout and the scale are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
