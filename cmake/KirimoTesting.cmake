# GoogleTest: the system package natively, compiled from the Debian sources
# with the cross compiler for Windows.
if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(KirimoGTestMain ALIAS gmock_main)
  # Windows test programs run under Wine, in a prefix of this build folder.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${PROJECT_SOURCE_DIR}/scripts/wine-run ${CMAKE_BINARY_DIR}/wineprefix)
else()
  find_package(GTest REQUIRED)
  add_library(KirimoGTestMain INTERFACE)
  target_link_libraries(KirimoGTestMain INTERFACE GTest::gmock_main GTest::gmock GTest::gtest)
endif()

# Test data shipped in the source tree; Wine sees the same path through its Z: drive.
set(KIRIMO_TEST_DATA_DIR ${PROJECT_SOURCE_DIR}/tests/data)

# kirimo_scenario_tests(<driver> <test prefix> <folder> [INI <file>] [OPTIONS <text>])
# One test per <folder>/*.script: the driver program replays it on a fresh copy
# of <folder>/fixture (settings file INI, Kirimo.ini by default, and further
# driver OPTIONS); every expectation of the script must hold and the output
# must equal the .expected file beside it, where there is one.
function(kirimo_scenario_tests driver prefix folder)
  cmake_parse_arguments(S "" "INI;OPTIONS" "" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  if(NOT S_INI)
    set(S_INI Kirimo.ini)
  endif()
  file(GLOB scenarios CONFIGURE_DEPENDS ${folder}/*.script)
  foreach(scenario ${scenarios})
    get_filename_component(name ${scenario} NAME_WE)
    add_test(NAME ${prefix}_${name}
             COMMAND ${CMAKE_COMMAND}
                     -DPROGRAM=$<TARGET_FILE:${driver}>
                     "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                     -DSCRIPT=${scenario}
                     -DFIXTURE=${folder}/fixture
                     -DINI=${S_INI}
                     "-DOPTIONS=${S_OPTIONS}"
                     -DWORK=${CMAKE_CURRENT_BINARY_DIR}/scenarios/${name}
                     -P ${PROJECT_SOURCE_DIR}/tests/scenarios/run_scenario.cmake)
  endforeach()
endfunction()
