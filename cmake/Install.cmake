# What `cmake --install` puts in place: the game, its launcher, icons, AppStream
# metainfo and man page, at the places a desktop looks for them.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Icons.cmake)

install(TARGETS quorbel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
