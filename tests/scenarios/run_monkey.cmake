# SPDX-License-Identifier: MIT
# Runs `monkey ACTIONS START` through vek-drive in a fresh WORK_DIR that holds
# a copy of the shipped catalogue (the add row writes to it). Passes when
# vek-drive ends normally and the monkey reports no failure; a crash, a
# sanitizer report or the watchdog's abort fails it with the replay printed.
#
#   cmake -DDRIVE=vek-drive -DDATA=data/data.ini -DWORK_DIR=dir -DACTIONS=5000 -DSTART=1 \
#         -P run_monkey.cmake

foreach(variable DRIVE DATA WORK_DIR ACTIONS START)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "run_monkey.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${DATA} DESTINATION ${WORK_DIR})
file(WRITE ${WORK_DIR}/monkey.vks "monkey ${ACTIONS} ${START}\n")

execute_process(
  COMMAND ${DRIVE} monkey.vks
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)

message("${output}")
if(NOT status STREQUAL "0" OR NOT output MATCHES "no failure")
  message("vek-drive wrote to standard error:\n${errors}")
  message(FATAL_ERROR "monkey ${ACTIONS} ${START}: exit status ${status}")
endif()
