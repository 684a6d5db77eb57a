# SPDX-License-Identifier: MIT
# The records the windows copy are the records vek-calc prints: each
# vek-calc --record below must appear, line for line, in the output of the
# scenario records.vks (its .expected file), which holds the windows' records.
#
#   cmake -DCALC=path/to/vek-calc -DEXPECTED=records.expected -P records_match.cmake

foreach(variable CALC EXPECTED)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "records_match.cmake needs -D${variable}=...")
  endif()
endforeach()

file(READ ${EXPECTED} windows)
set(cases
  "flue-gas use=1000"
  "protection-distance area=1000 emission=5"
  "green-level lp1=80 area=20 distance=10"
  "db-sum level1=85 level2=85")
foreach(case IN LISTS cases)
  separate_arguments(arguments UNIX_COMMAND "${case}")
  execute_process(COMMAND ${CALC} ${arguments} --record
                  OUTPUT_VARIABLE record RESULT_VARIABLE status)
  string(FIND "${windows}" "${record}" at)
  if(NOT status EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "vek-calc ${case} --record (status ${status}) is not what the window "
                        "copies:\n${record}")
  endif()
endforeach()
