# Runs one play scenario: SCENARIO (a .play script) through CLI, and compares
# standard output with the .out file next to it. A first line "# args: ..."
# in the script gives extra arguments to `folivantab play`; "# exit: N" the
# expected exit status (default 0).
#
# Saved forms: "# in: FOLDER" runs the script in a scratch copy of FOLDER
# (relative to the script; SCRATCH holds the copies), and each
# "# saved: FILE EXPECTED" says that the script saved FILE there with the
# bytes of EXPECTED in FOLDER, and that FILE, loaded at design time and at
# run time and saved again, keeps those bytes.
get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
file(STRINGS ${SCENARIO} header LIMIT_COUNT 8)
set(args "")
set(expected_exit 0)
set(in "")
set(saved "")
foreach(line IN LISTS header)
  if(line MATCHES "^# args: (.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# exit: ([0-9]+)$")
    set(expected_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^# in: (.*)$")
    set(in ${dir}/${CMAKE_MATCH_1})
  elseif(line MATCHES "^# saved: (.*)$")
    list(APPEND saved "${CMAKE_MATCH_1}")
  endif()
endforeach()
set(workdir ${dir})
if(in)
  set(workdir ${SCRATCH}/${name})
  file(REMOVE_RECURSE ${workdir})
  file(COPY ${in}/ DESTINATION ${workdir})
endif()
execute_process(COMMAND ${CLI} play ${args} ${SCENARIO}
  WORKING_DIRECTORY ${workdir}
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

# The same arguments on a saved form, at design time or at run time.
function(resave file design)
  set(again_args "")
  set(skip FALSE)
  foreach(arg IN LISTS args)
    if(skip)
      set(skip FALSE)
    elseif(arg STREQUAL "--form")
      set(skip TRUE)
    elseif(NOT arg STREQUAL "--design")
      list(APPEND again_args ${arg})
    endif()
  endforeach()
  if(design)
    list(APPEND again_args --design)
  endif()
  file(WRITE ${workdir}/again.play "save \"again.frm\"\n")
  execute_process(COMMAND ${CLI} play ${again_args} --form ${file} again.play
    WORKING_DIRECTORY ${workdir} OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "saving ${file} again (design ${design}): exit status ${status}\n${errors}")
  endif()
endfunction()

function(expect_same actual expected what)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${actual} ${expected} RESULT_VARIABLE different)
  if(different)
    execute_process(COMMAND diff -u ${expected} ${actual} OUTPUT_VARIABLE d)
    message(FATAL_ERROR "${what} differs from ${expected}:\n${d}")
  endif()
endfunction()

foreach(pair IN LISTS saved)
  separate_arguments(pair UNIX_COMMAND "${pair}")
  list(GET pair 0 file)
  list(GET pair 1 expected)
  expect_same(${workdir}/${file} ${in}/${expected} "saved ${file}")
  foreach(design TRUE FALSE)
    resave(${file} ${design})
    expect_same(${workdir}/again.frm ${workdir}/${file} "${file} saved again (design ${design})")
  endforeach()
endforeach()
