# The Windows package: a zip holding the one self-contained executable and the read-me.
install(TARGETS tastolin RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tastolin)
set(CPACK_PACKAGE_VENDOR Tastolin)
set(CPACK_PACKAGE_FILE_NAME tastolin-${PROJECT_VERSION}-win64)
include(CPack)
