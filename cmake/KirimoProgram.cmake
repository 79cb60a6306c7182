# kirimo_program(<name> SOURCES files... DEPS libs... DESCRIPTION text ICON_COLOR rrggbb)
#
# A Windows program: WIN32 subsystem with wWinMain, static runtime, and a
# resource file with the program's icon (drawn by scripts/draw-icon), its
# version information and its manifest (common controls 6, DPI awareness).
function(kirimo_program name)
  cmake_parse_arguments(P "" "DESCRIPTION;ICON_COLOR" "SOURCES;DEPS" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources)
  set(icon ${out}/${name}.ico)
  add_custom_command(OUTPUT ${icon}
    COMMAND python3 ${PROJECT_SOURCE_DIR}/scripts/draw-icon ${P_ICON_COLOR} ${icon}
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/draw-icon
    COMMENT "Drawing the icon of ${name}")

  set(PROGRAM_NAME ${name})
  set(PROGRAM_DESCRIPTION ${P_DESCRIPTION})
  set(PROGRAM_ICON ${icon})
  set(PROGRAM_MANIFEST ${out}/${name}.manifest)
  # The common controls the manifest asks for must be of the program's own
  # architecture: a 64-bit program handed the 32-bit ones cannot start.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(PROGRAM_ARCHITECTURE amd64)
  else()
    set(PROGRAM_ARCHITECTURE x86)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${PROGRAM_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${out}/${name}.rc @ONLY)
  set_source_files_properties(${out}/${name}.rc PROPERTIES OBJECT_DEPENDS "${icon};${PROGRAM_MANIFEST}")

  add_executable(${name} WIN32 ${P_SOURCES} ${out}/${name}.rc)
  kirimo_target_options(${name})
  target_link_options(${name} PRIVATE -municode -static)
  target_link_libraries(${name} PRIVATE ${P_DEPS})
  # `--target programs` builds every program and nothing else.
  if(NOT TARGET programs)
    add_custom_target(programs)
  endif()
  add_dependencies(programs ${name})
endfunction()
