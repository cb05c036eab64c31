# Debian's hardening, as dpkg-buildflags hands it to package builds: fortified libc
# calls, a strong stack protector, format checks, and relocations made read-only and
# bound at start-up (relro, bindnow); PIE is the compiler's default there. Linked into
# the program that is shipped and into the floor it is benchmarked against. Left out of
# Debug builds, as fortify needs the optimiser.
add_library(quorbel_hardening INTERFACE)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
        ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Optimisation and debug info are the build type's to choose, and paths stay as they are.
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
    if(kind STREQUAL "LDFLAGS")
      target_link_options(quorbel_hardening INTERFACE ${flags})
    else()
      target_compile_options(quorbel_hardening INTERFACE ${flags})
    endif()
  endforeach()
endif()
