# Which tests this machine can run. A group of tests whose tools are missing is left out
# with one message naming them; with QUORBEL_REQUIRE_TEST_TOOLS (the presets, CI) the
# configure stops there instead, so that nothing is skipped unseen.
#
#   quorbel_tests_can_run(<result variable> <tests> [PROGRAMS name...] [PACKAGES name...]
#                         [PYTHON module...])
#
# PROGRAMS are looked for on PATH (and in /usr/libexec), PACKAGES with find_package and
# PYTHON modules with Debian's python3. The result is TRUE where all are there.
function(quorbel_tests_can_run result tests)
  cmake_parse_arguments(need "" "" "PROGRAMS;PACKAGES;PYTHON" ${ARGN})
  set(missing)
  foreach(program IN LISTS need_PROGRAMS)
    string(MAKE_C_IDENTIFIER "QUORBEL_TOOL_${program}" var)
    find_program(${var} ${program} PATHS /usr/libexec)
    if(NOT ${var})
      list(APPEND missing ${program})
    endif()
  endforeach()
  foreach(package IN LISTS need_PACKAGES)
    if(NOT ${package}_FOUND)
      find_package(${package} QUIET)
    endif()
    if(NOT ${package}_FOUND)
      list(APPEND missing "${package} (CMake package)")
    endif()
  endforeach()
  foreach(module IN LISTS need_PYTHON)
    execute_process(COMMAND /usr/bin/python3 -c "import ${module}"
      RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
      list(APPEND missing "python3 module ${module}")
    endif()
  endforeach()
  if(NOT missing)
    set(${result} TRUE PARENT_SCOPE)
    return()
  endif()
  list(JOIN missing ", " missing)
  if(QUORBEL_REQUIRE_TEST_TOOLS)
    message(FATAL_ERROR
      "Quorbel: ${tests} need ${missing} (scripts/install-deps.sh --test installs them)")
  endif()
  message(NOTICE "Quorbel: leaving out ${tests}: no ${missing}")
  set(${result} FALSE PARENT_SCOPE)
endfunction()

# quorbel_add_test(<name> [PROGRAMS tool...] [LABEL label] [TIMEOUT s] COMMAND command...):
# a test, added where its tools are found.
function(quorbel_add_test name)
  cmake_parse_arguments(arg "" "LABEL;TIMEOUT" "PROGRAMS;COMMAND" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  quorbel_tests_can_run(found ${name} PROGRAMS ${arg_PROGRAMS})
  if(NOT found)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS "${arg_LABEL}" TIMEOUT ${arg_TIMEOUT})
endfunction()
