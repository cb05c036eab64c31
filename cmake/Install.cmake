# What `cmake --install` puts in place: the game, its launcher, icons, AppStream
# metainfo, man page, copyright and changelog, at the places a desktop looks for them.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Icons.cmake)

# Who answers for the game: the package's maintainer and the changelog's signature. The
# metainfo and .reuse/dep5 name the same (the package test compares them).
set(QUORBEL_MAINTAINER "Quorbel Developers <quorbel@quorbel.org>")

# The program goes to bin/, which is on every distribution's PATH, so the launcher's bare
# Exec=quorbel finds it. Debian's policy puts games in games/ (on Debian's PATH too): the
# Debian package does (Packaging.cmake), and so does -DQUORBEL_INSTALL_BINDIR=games.
set(QUORBEL_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
  "Where the game's program is installed, relative to the prefix")
install(TARGETS quorbel RUNTIME DESTINATION ${QUORBEL_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/${QUORBEL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUORBEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${QUORBEL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS QUORBEL_ICON_SIZES)
  quorbel_icon_png(${size} png)
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Man pages go out compressed, as Debian's policy asks.
find_program(GZIP gzip REQUIRED)
set(QUORBEL_MAN_PAGE ${PROJECT_BINARY_DIR}/man/quorbel.6.gz)
add_custom_command(OUTPUT ${QUORBEL_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
  COMMAND sh -c "${GZIP} -9 -n -c \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/data/quorbel.6
    ${QUORBEL_MAN_PAGE}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/quorbel.6
  COMMENT "Compressing the man page"
  VERBATIM)
add_custom_target(quorbel_man_page ALL DEPENDS ${QUORBEL_MAN_PAGE})
install(FILES ${QUORBEL_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Copyright (Debian's machine-readable form, from .reuse/dep5 and LICENSES/) and the
# changelog (CHANGELOG.md in Debian's form, compressed), where Debian keeps them.
set(QUORBEL_DOC_DIR ${PROJECT_BINARY_DIR}/doc)
set(QUORBEL_COPYRIGHT ${QUORBEL_DOC_DIR}/copyright)
set(QUORBEL_CHANGELOG ${QUORBEL_DOC_DIR}/changelog.gz)
file(GLOB QUORBEL_LICENSE_TEXTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSES/*.txt)
add_custom_command(OUTPUT ${QUORBEL_COPYRIGHT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORBEL_DOC_DIR}
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/debian-copyright.sh ${PROJECT_SOURCE_DIR}/.reuse/dep5
    ${PROJECT_SOURCE_DIR}/LICENSES ${QUORBEL_COPYRIGHT}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian-copyright.sh ${PROJECT_SOURCE_DIR}/.reuse/dep5
    ${QUORBEL_LICENSE_TEXTS}
  COMMENT "Writing the copyright file"
  VERBATIM)
add_custom_command(OUTPUT ${QUORBEL_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORBEL_DOC_DIR}
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/debian-changelog.sh ${PROJECT_SOURCE_DIR}/CHANGELOG.md
    ${PROJECT_NAME} ${QUORBEL_MAINTAINER} ${QUORBEL_DOC_DIR}/changelog
  COMMAND ${GZIP} -9 -n -f ${QUORBEL_DOC_DIR}/changelog
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian-changelog.sh ${PROJECT_SOURCE_DIR}/CHANGELOG.md
  COMMENT "Writing the changelog"
  VERBATIM)
add_custom_target(quorbel_docs ALL DEPENDS ${QUORBEL_COPYRIGHT} ${QUORBEL_CHANGELOG})
install(FILES ${QUORBEL_COPYRIGHT} ${QUORBEL_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})
