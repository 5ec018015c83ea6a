# The Windows executables' icon (made from the SVG at build time) and version information.
#   kelvara_windows_resources(<target> <description>)
find_program(KELVARA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(KELVARA_ICOTOOL icotool REQUIRED)
set(KELVARA_VENDOR Kelvara)
set(KELVARA_ICON ${CMAKE_BINARY_DIR}/packaging/kelvara.ico)
set(svg ${PROJECT_SOURCE_DIR}/packaging/pl.kelvara.Kelvara.svg)
set(pngs)
foreach(size 16 24 32 48 64 256)
  set(png ${CMAKE_BINARY_DIR}/packaging/icon-${size}.png)
  add_custom_command(OUTPUT ${png}
                     COMMAND ${KELVARA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
                     DEPENDS ${svg})
  list(APPEND pngs ${png})
endforeach()
add_custom_command(OUTPUT ${KELVARA_ICON}
                   COMMAND ${KELVARA_ICOTOOL} -c -o ${KELVARA_ICON} ${pngs}
                   DEPENDS ${pngs})
add_custom_target(kelvara_icon DEPENDS ${KELVARA_ICON})

function(kelvara_windows_resources target description)
  set(KELVARA_RC_NAME ${target})
  set(KELVARA_RC_FILE ${target}.exe)
  set(KELVARA_RC_DESCRIPTION ${description})
  set(KELVARA_RC_ICON ${KELVARA_ICON})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${KELVARA_ICON})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} kelvara_icon)
endfunction()
