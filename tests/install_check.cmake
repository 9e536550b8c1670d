# Installs the build into a fresh prefix and checks what a desktop needs: both programs, the desktop
# entry (valid, opening NES ROMs) and the icon in the hicolor theme.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(desktop_file "${PREFIX}/share/applications/tikaroo-editor.desktop")
foreach(path bin/tikaroo-editor bin/tikaroo-cli share/applications/tikaroo-editor.desktop
             share/icons/hicolor/scalable/apps/tikaroo-editor.svg)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()

file(STRINGS "${desktop_file}" mime_line REGEX "^MimeType=")
if(NOT mime_line MATCHES "=(.*[;])?application/x-nes-rom")
  message(FATAL_ERROR "the desktop entry does not open application/x-nes-rom")
endif()

find_program(validator desktop-file-validate REQUIRED)
execute_process(COMMAND "${validator}" "${desktop_file}" RESULT_VARIABLE valid OUTPUT_VARIABLE report
                ERROR_VARIABLE report)
if(NOT valid EQUAL 0 OR NOT report STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${report}")
endif()
