# SPDX-License-Identifier: MIT
# The drawings drawn ahead: each SVG of res/art at the sizes the program asks
# for on screens of one and two device pixels per pixel, drawn by the build's
# render-icon with the program's own drawing routine, stored as bare pixels
# (NAME-WIDTHxHEIGHT-AARRGGBB.rgba, AARRGGBB the ground) and compiled into
# vek_ui as the resource "drawn_ahead" (prefix /drawn). The program draws an
# SVG itself only for other sizes (framework/resources.cpp).
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/render-icon ${CMAKE_BINARY_DIR}/tools/render-icon)

# How the build runs render-icon: offscreen, and without leak reports in a
# sanitized build (Qt's start-up allocations would count as leaks). On
# Windows the tool finds Qt's libraries only with their folder on PATH.
set(VEK_RUN_RENDER_ICON ${CMAKE_COMMAND} -E env)
if(WIN32)
  list(APPEND VEK_RUN_RENDER_ICON --modify "PATH=path_list_prepend:$<TARGET_FILE_DIR:Qt6::Core>")
endif()
list(APPEND VEK_RUN_RENDER_ICON QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
     $<TARGET_FILE:render-icon>)

set(VEK_DRAWN_DIR ${CMAKE_BINARY_DIR}/drawn_ahead)
file(MAKE_DIRECTORY ${VEK_DRAWN_DIR})
set(VEK_DRAWN_QRC_FILES)

# vek_draw_ahead(NAME GROUND SIZE...): res/art/NAME.svg on GROUND at each
# WIDTHxHEIGHT.
function(vek_draw_ahead name ground)
  set(svg ${CMAKE_SOURCE_DIR}/res/art/${name}.svg)
  foreach(size IN LISTS ARGN)
    set(file ${name}-${size}-${ground}.rgba)
    add_custom_command(OUTPUT ${VEK_DRAWN_DIR}/${file}
      COMMAND ${VEK_RUN_RENDER_ICON} --draw ${svg} ${VEK_DRAWN_DIR}/${file} ${size} ${ground}
      DEPENDS render-icon ${svg}
      COMMENT "Drawing ${file}")
    string(APPEND VEK_DRAWN_QRC_FILES "    <file>${file}</file>\n")
  endforeach()
  set(VEK_DRAWN_QRC_FILES "${VEK_DRAWN_QRC_FILES}" PARENT_SCOPE)
endfunction()

# The formula pictures at their own size, once and twice, on white.
vek_draw_ahead(picture_139_protection_distance ffffffff 375x75 750x150)
vek_draw_ahead(picture_140_green_formula ffffffff 253x85 506x170)
vek_draw_ahead(picture_175_barrier ffffffff 146x88 292x176)
# The icons at every size the program's icons hold, on transparent.
foreach(icon icon_128_vek icon_143_topmost_on icon_144_topmost_off)
  vek_draw_ahead(${icon} 00000000
    16x16 20x20 24x24 32x32 40x40 48x48 64x64 128x128 256x256)
endforeach()
# The pointing hand, and the menu images on their magenta ground.
vek_draw_ahead(cursor_135_hand 00000000 32x32)
vek_draw_ahead(toolbar_167 ffff00ff 32x16)

file(CONFIGURE OUTPUT ${VEK_DRAWN_DIR}/drawn_ahead.qrc CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
  <qresource prefix=\"/drawn\">
${VEK_DRAWN_QRC_FILES}  </qresource>
</RCC>
")
# rcc reads the drawings, so it runs after they are drawn. zlib rather than
# zstd: Qt itself uses zlib, so unpacking brings in no other library's code.
qt_add_resources(VEK_DRAWN_SOURCES ${VEK_DRAWN_DIR}/drawn_ahead.qrc OPTIONS --compress-algo zlib)
set_source_files_properties(${VEK_DRAWN_SOURCES} PROPERTIES SKIP_AUTOGEN ON)
