# Runs one play scenario: SCENARIO (a .play script) through CLI, and compares
# standard output with the .out file next to it. A first line "# args: ..."
# in the script gives extra arguments to `folivantab play`; "# exit: N" the
# expected exit status (default 0).
get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
file(STRINGS ${SCENARIO} header LIMIT_COUNT 3)
set(args "")
set(expected_exit 0)
foreach(line IN LISTS header)
  if(line MATCHES "^# args: (.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# exit: ([0-9]+)$")
    set(expected_exit ${CMAKE_MATCH_1})
  endif()
endforeach()
execute_process(COMMAND ${CLI} play ${args} ${SCENARIO}
  WORKING_DIRECTORY ${dir}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL expected_exit)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_exit}\n${errors}")
endif()
file(READ ${dir}/${name}.out expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${dir}/${name}.actual "${actual}")
  execute_process(COMMAND diff -u ${dir}/${name}.out ${dir}/${name}.actual OUTPUT_VARIABLE d)
  message(FATAL_ERROR "output differs from ${name}.out:\n${d}")
endif()
