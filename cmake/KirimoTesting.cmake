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
