# `cpack -G DEB` (run in the build directory) makes a Debian package of what
# Install.cmake installs. Library dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quorbel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorbel Developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six-dice game for one player")
# Lines of the long description stay within 80 columns, as Debian's policy asks.
set(CPACK_PACKAGE_DESCRIPTION
  "Roll six dice up to five times a turn, hold the ones you like, and enter\n\
the throw in one of sixteen rows of the score sheet, from Aces to six of\n\
a kind.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/quorbel/quorbel)
set(CPACK_PACKAGE_CONTACT "${QUORBEL_MAINTAINER}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: Qt's platform plugins (only recommended by libqt6gui6) and
# the fonts whose metrics the fixed-size labels are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Wayland platform: without it the game needs an X server (Xwayland) to show up.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# Debian keeps games in /usr/games: the package moves the program there from wherever the
# build installs it.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian-games-dir.cmake)
set(CPACK_QUORBEL_INSTALL_BINDIR ${QUORBEL_INSTALL_BINDIR})

include(CPack)
