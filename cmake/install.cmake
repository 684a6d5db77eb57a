# SPDX-License-Identifier: MIT
# Installing vek like any desktop program, and its Debian package.
#
#   bin/vek, bin/vek-calc          the program and its command-line calculator
#   bin/vek-start                  what the menu entry runs (see data/vek-start.in)
#   share/vek/data.ini             the default unit catalogue, read-only
#   share/applications/io.github.vek.desktop
#   share/metainfo/io.github.vek.metainfo.xml
#   share/icons/hicolor/{16..256}/apps/vek.png, scalable/apps/vek.svg
#   share/man/man1/{vek,vek-calc,vek-start}.1.gz
#   share/doc/vek/copyright, changelog.Debian.gz
#   share/lintian/overrides/vek    the lintian tags that cannot be fixed, with reasons
#
# vek reads data.ini from its working directory and appends the user's units
# to it. A menu entry cannot name a per-user folder as working directory, so
# the entry runs vek-start, which starts vek in the user's own data folder with
# a copy of the shipped catalogue. Started from a terminal, vek still uses the
# data.ini of the directory it is started in.
#
# On Windows the catalogue stays beside the program, as it always has.

include(GNUInstallDirs)

set(VEK_HOMEPAGE "https://example.com/vek" CACHE STRING "Home page named by the package and the AppStream data")
set(VEK_SCREENSHOT_URL "${VEK_HOMEPAGE}/screenshot.png" CACHE STRING
  "Where software centres fetch the screenshot (docs/screenshot.png published)")

foreach(program vek vek-calc)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(WIN32 OR NOT TARGET vek)
  install(FILES ${CMAKE_SOURCE_DIR}/data/data.ini DESTINATION ${CMAKE_INSTALL_BINDIR})
  return()
endif()

# --- the desktop: catalogue, launcher, menu entry, software-centre data ---
install(FILES ${CMAKE_SOURCE_DIR}/data/data.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/vek)

# The launcher finds the catalogue relative to itself, like the programs
# (VEK_BIN_TO_DATA, see the top CMakeLists.txt).
configure_file(${CMAKE_SOURCE_DIR}/data/vek-start.in ${CMAKE_BINARY_DIR}/install/vek-start @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/vek-start DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/data/io.github.vek.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/data/io.github.vek.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/install/io.github.vek.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/io.github.vek.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# --- man pages, copyright and changelog; lintian's overrides, each with its reason ---
include(cmake/debian_docs.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/data/vek.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vek)

# --- the icon: the program's own SVG, and PNGs rendered from it at build time ---
set(VEK_ICON_SVG ${CMAKE_SOURCE_DIR}/res/art/icon_128_vek.svg)
set(VEK_ICON_SIZES 16 32 48 64 128 256)
set(VEK_ICON_DIR ${CMAKE_BINARY_DIR}/install/icons)
set(VEK_ICON_PNGS)
list(JOIN VEK_ICON_SIZES ", " VEK_ICON_SIZES_TEXT)
foreach(size IN LISTS VEK_ICON_SIZES)
  list(APPEND VEK_ICON_PNGS ${VEK_ICON_DIR}/${size}x${size}/apps/vek.png)
endforeach()
add_custom_command(OUTPUT ${VEK_ICON_PNGS}
  COMMAND ${VEK_RUN_RENDER_ICON} ${VEK_ICON_SVG} ${VEK_ICON_DIR} vek ${VEK_ICON_SIZES}
  DEPENDS render-icon ${VEK_ICON_SVG}
  COMMENT "Rendering the program icon at ${VEK_ICON_SIZES_TEXT} px")
add_custom_target(vek_icons ALL DEPENDS ${VEK_ICON_PNGS})
install(DIRECTORY ${VEK_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${VEK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME vek.svg)

# --- the Debian package: cpack -G DEB in the build directory ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${VEK_AUTHOR_NAME}")
set(CPACK_PACKAGE_CONTACT "${VEK_AUTHOR_NAME} <${VEK_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for environmental impact assessment reports")
# Debian shows the description in 80 columns: lines of at most 79 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "vek gathers in one small window the calculations that environmental
impact assessment reports need again and again: domestic sewage and refuse,
flue gas from oil or coal, the sanitary protection distance after
GB/T 13201-91, solvent evaporation (Mazak), odorous gas emission, decibel
arithmetic, indoor (Green) and workshop (Stueber) noise, Leq and Ldn, and a
unit converter whose catalogue the user can extend. The interface is in
Simplified Chinese. vek-calc works every calculator from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VEK_HOMEPAGE}")
# The Qt 6 run-time libraries vek links (the X11 platform plugin comes with
# libqt6gui6, the SVG icon engine with libqt6svg6), and a font with Chinese
# characters: the windows are drawn in 宋体 or its free stand-in AR PL UMing.
# The package test checks that every library the programs link is covered.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), fonts-arphic-uming | fonts-noto-cjk")
include(CPack)

# --- the test: install, package, unpack, look at every file, validate ---
# lintian and hardening-check judge the package as it is shipped: built for
# release with the hardening flags (not Debug, not the sanitizers).
if(VEK_HARDENED AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(VEK_PACKAGE_KIND release)
else()
  set(VEK_PACKAGE_KIND test-only)
endif()
add_test(NAME package.install_and_deb
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh
          ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${VEK_PACKAGE_KIND})
set_tests_properties(package.install_and_deb PROPERTIES
  LABELS package TIMEOUT 400 SKIP_RETURN_CODE 77)
