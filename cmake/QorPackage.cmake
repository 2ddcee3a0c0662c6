# The Debian package (cpack -G DEB, see scripts/package.sh). The shared
# libraries the executables link (Qt 6, zlib, the C++ runtime) become
# dependencies through dpkg-shlibdeps; what is only loaded at run time is
# named here: Qt's platform plugins and the fonts the window is laid out with.
set(CPACK_PACKAGE_NAME qor-alchemy)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QOR")
set(CPACK_PACKAGE_CONTACT "QOR Alchemy developers <qor-alchemy@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "potion configurator for the alchemy rules of a role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
  "QOR Alchemy computes the magnitude, duration and price of every ingredient effect\n"
  "from the player's alchemy skill and perks, and finds recipes of two or three\n"
  "ingredients from wanted effects, from chosen ingredients, or step by step.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation2, fontconfig")
include(CPack)
