# SPDX-License-Identifier: MIT
# Runs one scenario: vek-drive on SCRIPT in a fresh WORK_DIR that starts
# with the files of FILES (by default NAME.files beside the script), beside
# a second program NAME.sh when there is one; then compares its standard
# output (and the file pairs NAME.same names) with the .expected file beside
# the script, and its exit status with what that output implies: 1 when the
# output ends with an "error: line N: ..." line, 0 otherwise.
#
#   cmake -DDRIVE=path/to/vek-drive -DSCRIPT=x.vks -DWORK_DIR=dir [-DFILES=dir] -P run_scenario.cmake

foreach(variable DRIVE SCRIPT WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "run_scenario.cmake needs -D${variable}=...")
  endif()
endforeach()

get_filename_component(folder ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${folder}/${name}.expected)

# Options for vek-drive from a first line "# args: --time 09:05:07 ...".
file(READ ${SCRIPT} head LIMIT 1024)
set(options)
if(head MATCHES "^# args: ([^\r\n]*)")
  separate_arguments(options UNIX_COMMAND "${CMAKE_MATCH_1}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(NOT DEFINED FILES)
  set(FILES ${folder}/${name}.files)
endif()
if(IS_DIRECTORY ${FILES})
  file(COPY ${FILES}/ DESTINATION ${WORK_DIR})
endif()

# A NAME.sh beside the script is a second program working in the same
# directory while vek-drive runs (an editor saving over data.ini, say); the
# script waits for its steps with "await FILE".
set(second_program)
if(EXISTS ${folder}/${name}.sh)
  set(second_program COMMAND sh ${folder}/${name}.sh)
endif()

execute_process(
  ${second_program}
  COMMAND ${DRIVE} ${options} ${SCRIPT}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 100)

file(READ ${expected_file} expected)
set(expected_status 0)
if(expected MATCHES "(^|\n)error: line [0-9]+: [^\n]*\n?$")
  set(expected_status 1)
endif()

# NAME.same: lines "A B", files of the working directory that must end up equal.
if(EXISTS ${folder}/${name}.same)
  file(STRINGS ${folder}/${name}.same pairs)
  foreach(pair IN LISTS pairs)
    separate_arguments(pair)
    list(GET pair 0 first)
    list(GET pair 1 second)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${first} ${WORK_DIR}/${second}
                    RESULT_VARIABLE differ)
    if(differ)
      string(APPEND actual "files ${first} and ${second} differ\n")
    endif()
  endforeach()
endif()

if(actual STREQUAL expected AND status STREQUAL expected_status)
  return()
endif()

file(WRITE ${WORK_DIR}/actual.txt "${actual}")
find_program(DIFF diff)
if(DIFF)
  execute_process(COMMAND ${DIFF} -u ${expected_file} ${WORK_DIR}/actual.txt
                  OUTPUT_VARIABLE difference)
else()
  set(difference "expected:\n${expected}\nactual:\n${actual}")
endif()
message("${difference}")
message("vek-drive wrote to standard error:\n${errors}")
message(FATAL_ERROR "${name}: output or exit status (${status}, expected ${expected_status}) differs")
