# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder makes gavrosin_<version>_<arch>.deb from
# the install rules (cmake/Install.cmake) with the prefix /usr. Its library dependencies are
# computed by dpkg-shlibdeps (package dpkg-dev); it has no maintainer scripts: the menu, the MIME
# database and the icon caches are refreshed by the triggers of desktop-file-utils,
# shared-mime-info and the icon theme.

set(CPACK_PACKAGE_NAME gavrosin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gavrosin")
set(CPACK_PACKAGE_CONTACT "Gavrosin developers <gavrosin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese calendar astrology and flying-star geomancy")
set(CPACK_PACKAGE_DESCRIPTION
  "Gavrosin (Russian interface) computes the Chinese solar calendar of a moment: the 24 solar\n"
  "terms from the VSOP87D theory, the four pillars, the nine stars and the lunisolar date.\n"
  "It builds personal horoscopes and the flying-star chart of a dwelling with their\n"
  "interpretation reports. gavrosin-cli gives the same engines to scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not tell dpkg-shlibdeps: the help collection is an SQLite database the
# help engine opens through Qt's SQLite driver (a plugin), and the pictograms are drawn by the SVG
# image and icon plugins of libqt6svg6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
# The Russian buttons of the standard dialogs, and the fonts the windows and documents are laid
# out for (the pillars' Chinese characters among them).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core, fonts-noto-cjk")

include(CPack)
