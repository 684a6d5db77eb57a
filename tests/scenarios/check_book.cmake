# SPDX-License-Identifier: MIT
# The book scenario, then what it wrote: vek-calc book on the project file
# it saved gives the same HTML and Markdown as the program (apart from the
# date line), the plain text leaves out the page that never computed, and
# the PDFs of both (vek-calc's drawn without a display) are A4 with the
# Chinese text of every record (poppler-utils).
#
#   cmake -DDRIVE=... -DCALC=... -DSCRIPT=book.vks -DWORK_DIR=dir -P check_book.cmake

include(${CMAKE_CURRENT_LIST_DIR}/run_scenario.cmake)

function(without_date file out)
  file(READ ${file} text)
  string(REGEX REPLACE "日期：[0-9-]+" "日期：" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(format html markdown)
  set(book ${WORK_DIR}/book.html)
  if(format STREQUAL markdown)
    set(book ${WORK_DIR}/book.md)
  endif()
  execute_process(COMMAND ${CALC} book 工程.vek --format=${format} --output calc.${format}
                  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "vek-calc book --format=${format} exited with ${status}")
  endif()
  without_date(${book} program)
  without_date(${WORK_DIR}/calc.${format} calc)
  if(NOT program STREQUAL calc)
    message(FATAL_ERROR "the ${format} books of vek and vek-calc differ: ${book}, calc.${format}")
  endif()
endforeach()

file(READ ${WORK_DIR}/book.txt text)
string(REGEX MATCHALL "计算过程：[^\n]*" found "${text}")
string(REPLACE ";" " " found "${found}")
if(NOT found STREQUAL "计算过程：生活污水和垃圾 计算过程：燃煤(油)废气 计算过程：格林公式噪声预测 计算过程：Lp1计算 计算过程：等效连续A声级Leq 计算过程：恶臭气体散发速率")
  message(FATAL_ERROR "book.txt holds the records ${found}")
endif()

# vek-calc draws its PDF on Qt's offscreen platform by itself, and standard
# error stays free of Qt's notes (and, under the sanitizers, of the list of
# the leak suppressions used).
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY
                        --unset=WAYLAND_DISPLAY "LSAN_OPTIONS=$ENV{LSAN_OPTIONS}:print_suppressions=0"
                        ${CALC} book 工程.vek --format=pdf --output calc.pdf
                WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT EXISTS ${WORK_DIR}/calc.pdf)
  message(FATAL_ERROR "vek-calc book --format=pdf exited with ${status}: ${errors}")
endif()

find_program(PDFINFO pdfinfo)
find_program(PDFTOTEXT pdftotext)
if(NOT PDFINFO OR NOT PDFTOTEXT)
  message(STATUS "pdfinfo or pdftotext (poppler-utils) missing: the PDFs are not read back")
  return()
endif()
foreach(pdf_file book.pdf calc.pdf)
  execute_process(COMMAND ${PDFINFO} ${pdf_file} WORKING_DIRECTORY ${WORK_DIR} OUTPUT_VARIABLE info)
  if(NOT info MATCHES "Page size: +595(\\.[0-9]+)? x 842(\\.[0-9]+)? pts \\(A4\\)")
    message(FATAL_ERROR "${pdf_file} is not A4:\n${info}")
  endif()
  execute_process(COMMAND ${PDFTOTEXT} ${pdf_file} - WORKING_DIRECTORY ${WORK_DIR}
                  OUTPUT_VARIABLE pdf)
  string(REGEX MATCHALL "计算过程：[^\n]*" found_pdf "${pdf}")
  string(REPLACE ";" " " found_pdf "${found_pdf}")
  if(NOT found_pdf STREQUAL found)
    message(FATAL_ERROR "${pdf_file} holds the records ${found_pdf}")
  endif()
  if(NOT pdf MATCHES "年用量" OR pdf MATCHES "有机溶剂")
    message(FATAL_ERROR "${pdf_file} does not hold the text of its records:\n${pdf}")
  endif()
endforeach()
