# SPDX-License-Identifier: MIT
# The documents a Debian system expects beside every program, made from the
# sources when the build is configured or built:
#
#   share/man/man1/vek.1.gz, vek-calc.1.gz, vek-start.1.gz
#                                     from docs/man/*.1.scd (scdoc)
#   share/doc/vek/copyright           LICENSE in Debian's machine-readable form
#   share/doc/vek/changelog.Debian.gz one entry per release of the AppStream data
#
# Debian wants them compressed with gzip -9n: no file name and no time stamp
# in the header, so that the same sources give the same bytes.

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
find_program(VEK_GZIP gzip REQUIRED)
find_program(VEK_SCDOC scdoc)

# --- man pages ---
set(VEK_MAN_PAGES)
if(VEK_SCDOC)
  foreach(page vek vek-calc vek-start)
    set(source ${CMAKE_SOURCE_DIR}/docs/man/${page}.1.scd)
    set(output ${CMAKE_BINARY_DIR}/install/man/${page}.1.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/install/man
      COMMAND sh -c "\"$0\" <\"$1\" | \"$2\" -9n >\"$3\"" ${VEK_SCDOC} ${source} ${VEK_GZIP} ${output}
      DEPENDS ${source}
      COMMENT "Man page ${page}(1)"
      VERBATIM)
    list(APPEND VEK_MAN_PAGES ${output})
  endforeach()
  add_custom_target(vek_man_pages ALL DEPENDS ${VEK_MAN_PAGES})
  install(FILES ${VEK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "scdoc not found: no man pages (scripts/deps.sh installs it)")
endif()

# --- copyright: the licence text of LICENSE under its copyright line ---
file(READ ${CMAKE_SOURCE_DIR}/LICENSE VEK_LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${VEK_LICENSE}")
set(VEK_COPYRIGHT_HOLDER "${CMAKE_MATCH_1}")
# Everything after the copyright line, each line indented by one space and
# an empty line written " ." as the format asks.
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" VEK_LICENSE_BODY "${VEK_LICENSE}")
string(STRIP "${VEK_LICENSE_BODY}" VEK_LICENSE_BODY)
string(REPLACE "\n\n" "\n.\n" VEK_LICENSE_BODY "${VEK_LICENSE_BODY}")
string(REPLACE "\n" "\n " VEK_LICENSE_BODY "${VEK_LICENSE_BODY}")
file(WRITE ${CMAKE_BINARY_DIR}/install/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: vek
Upstream-Contact: ${VEK_AUTHOR_NAME} <${VEK_AUTHOR_EMAIL}>
Source: ${VEK_HOMEPAGE}

Files: *
Copyright: ${VEK_COPYRIGHT_HOLDER}
License: Expat

License: Expat
 ${VEK_LICENSE_BODY}
")
install(FILES ${CMAKE_BINARY_DIR}/install/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- changelog.Debian: the releases listed in the AppStream data, newest first ---
file(STRINGS ${CMAKE_SOURCE_DIR}/data/io.github.vek.metainfo.xml.in VEK_RELEASES
  REGEX "<release version=\"[^\"]+\" date=\"[^\"]+\"")
set(VEK_CHANGELOG "")
foreach(release IN LISTS VEK_RELEASES)
  string(REGEX MATCH "version=\"([^\"]+)\" date=\"([^\"]+)\"" _ "${release}")
  set(release_version ${CMAKE_MATCH_1})
  # Debian's changelog wants the date as RFC 5322 gives it, weekday included.
  execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 00:00:00 UTC"
    OUTPUT_VARIABLE release_date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND VEK_CHANGELOG
"vek (${release_version}-1) unstable; urgency=medium

  * Release ${release_version}.

 -- ${VEK_AUTHOR_NAME} <${VEK_AUTHOR_EMAIL}>  ${release_date}

")
endforeach()
string(STRIP "${VEK_CHANGELOG}" VEK_CHANGELOG)
file(WRITE ${CMAKE_BINARY_DIR}/install/changelog.Debian "${VEK_CHANGELOG}\n")
set(VEK_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/install/changelog.Debian.gz)
add_custom_command(OUTPUT ${VEK_CHANGELOG_GZ}
  COMMAND sh -c "\"$0\" -9n <\"$1\" >\"$2\"" ${VEK_GZIP} ${CMAKE_BINARY_DIR}/install/changelog.Debian ${VEK_CHANGELOG_GZ}
  DEPENDS ${CMAKE_BINARY_DIR}/install/changelog.Debian
  COMMENT "changelog.Debian.gz"
  VERBATIM)
add_custom_target(vek_changelog ALL DEPENDS ${VEK_CHANGELOG_GZ})
install(FILES ${VEK_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DOCDIR})
