# Packages: a .deb on Linux, a .zip on Windows.
set(CPACK_PACKAGE_NAME gbktools)
set(CPACK_PACKAGE_VENDOR "gbktools maintainers")
set(CPACK_PACKAGE_CONTACT "gbktools maintainers <maintainers@users.noreply.c-seed-b7318ce6.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "GBK console programs: cityrank and agestat")
set(CPACK_PACKAGE_DESCRIPTION
    "cityrank ranks five cities by name, population and culture level; agestat reports the mean\
 age and the youngest of five students. Both speak GBK (code page 936).")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
