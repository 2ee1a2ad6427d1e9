# Installs the build into a temporary prefix and checks that every file a user's system needs is
# there, that the installed programs run and find their files, and that the desktop entry and
# the MIME type are valid (when the desktop's checkers are installed; else says it skipped).
#   cmake -DBUILD_DIR=... -DGUI=ON|OFF [-DCONFIG=...] -P install_tree_test.cmake
set(prefix ${BUILD_DIR}/install-tree-test)
file(REMOVE_RECURSE ${prefix})
set(config_option)
if(CONFIG)
  set(config_option --config ${CONFIG})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_option}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(expected
  bin/kinloom-cli
  share/doc/kinloom/user-guide.md
  share/doc/kinloom/LICENSE
  share/doc/kinloom/copyright
  share/kinloom/web/php
  share/man/man1/kinloom-cli.1
  share/applications/kinloom.desktop
  share/mime/packages/kinloom.xml
  share/icons/hicolor/scalable/apps/kinloom.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kinloom.png)
endforeach()
if(GUI)
  list(APPEND expected bin/kinloom)
endif()
set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing from the install tree: ${missing}")
endif()
file(GLOB php_scripts ${prefix}/share/kinloom/web/php/*.php)
if(NOT php_scripts)
  message(FATAL_ERROR "no PHP scripts in share/kinloom/web/php")
endif()
file(READ ${prefix}/share/doc/kinloom/LICENSE licence)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3")
  message(FATAL_ERROR "share/doc/kinloom/LICENSE is not the GPL version 3")
endif()

# The installed command line program says its version, and uses the support files installed
# beside it rather than the source tree's.
execute_process(COMMAND ${prefix}/bin/kinloom-cli --version OUTPUT_VARIABLE version
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^kinloom-cli [0-9]+\\.[0-9]+")
  message(FATAL_ERROR "kinloom-cli --version said '${version}' (status ${status})")
endif()
string(FIND "${version}" "Support files: ${prefix}/share/kinloom\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the installed kinloom-cli does not use ${prefix}/share/kinloom:\n${version}")
endif()
file(READ ${prefix}/share/man/man1/kinloom-cli.1 man_page)
foreach(text ".TH KINLOOM-CLI 1" "\\-\\-home" "relationship FILE.ged ID1 ID2")
  string(FIND "${man_page}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page lacks '${text}'")
  endif()
endforeach()

find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND ${desktop_file_validate}
                          ${prefix}/share/applications/kinloom.desktop
                  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT status EQUAL 0 OR said MATCHES "error")
    message(FATAL_ERROR "desktop-file-validate: ${said}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed (desktop-file-utils): entry not checked")
endif()
file(READ ${prefix}/share/applications/kinloom.desktop entry)
foreach(line "Exec=kinloom %f" "MimeType=application/x-gedcom;" "Icon=kinloom")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks '${line}'")
  endif()
endforeach()

# The MIME type is read by the desktop's database as it would be on a user's system.
find_program(update_mime_database update-mime-database)
if(update_mime_database)
  execute_process(COMMAND ${update_mime_database} ${prefix}/share/mime RESULT_VARIABLE status
                  ERROR_VARIABLE said)
  file(READ ${prefix}/share/mime/globs2 globs)
  if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-gedcom:\\*\\.ged")
    message(FATAL_ERROR "update-mime-database did not take the GEDCOM type: ${said}")
  endif()
else()
  message(STATUS "update-mime-database is not installed (shared-mime-info): type not checked")
endif()
file(REMOVE_RECURSE ${prefix})
