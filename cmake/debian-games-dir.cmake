# Run by CPack after it has installed the build into its staging folder: the Debian package
# has the game in /usr/games, as Debian's policy asks for games.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR CPACK_QUORBEL_INSTALL_BINDIR STREQUAL "games")
  return()
endif()
file(GLOB_RECURSE programs
  "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/${CPACK_QUORBEL_INSTALL_BINDIR}/quorbel")
foreach(program IN LISTS programs)
  get_filename_component(bindir ${program} DIRECTORY)
  get_filename_component(usr ${bindir} DIRECTORY)
  file(MAKE_DIRECTORY ${usr}/games)
  file(RENAME ${program} ${usr}/games/quorbel)
  file(REMOVE ${bindir})  # empty now
endforeach()
