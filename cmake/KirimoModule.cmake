# kirimo_target_options(<target>): what every target of ours compiles with.
# Every string literal in the code is CP932, as the programs' files are. (The
# standard <chrono> cannot be included under this charset: its "µs" has no
# CP932 form. <thread> and <condition_variable> bring the clocks and durations.)
#
# GCC 12, optimising, warns falsely (-Wrestrict) on plain string
# concatenation such as "\"" + name + "\"" (its own std::string code, inlined),
# so that warning is off for everything rather than dodged file by file.
function(kirimo_target_options target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932 -Wall -Wextra
                                           $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
  if(KIRIMO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# kirimo_module(<name> [DEPS libs...] [WIN32_LIBS libs...] [TEST_DEPS libs...])
#
# One folder is one static library: every .cpp of the folder, and on Windows
# every .cpp of its win32/ subfolder. The folder's *_test.cpp files (and on
# Windows those of win32/) form the test program <name>_tests, one CTest test.
function(kirimo_module name)
  cmake_parse_arguments(M "" "" "DEPS;WIN32_LIBS;TEST_DEPS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(WIN32)
    file(GLOB win_sources CONFIGURE_DEPENDS ${dir}/win32/*.cpp)
    file(GLOB win_tests CONFIGURE_DEPENDS ${dir}/win32/*_test.cpp)
    list(APPEND sources ${win_sources})
    list(APPEND tests ${win_tests})
  endif()
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")

  if(sources)
    add_library(${name} STATIC ${sources})
    kirimo_target_options(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${M_DEPS})
    if(WIN32 AND M_WIN32_LIBS)
      target_link_libraries(${name} PUBLIC ${M_WIN32_LIBS})
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()

  if(tests AND BUILD_TESTING)
    add_executable(${name}_tests ${tests})
    kirimo_target_options(${name}_tests)
    target_link_libraries(${name}_tests PRIVATE ${name} ${M_TEST_DEPS} KirimoGTestMain)
    target_compile_definitions(${name}_tests PRIVATE
        KIRIMO_TEST_DATA_DIR="${KIRIMO_TEST_DATA_DIR}"
        KIRIMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name}_tests)
  endif()
endfunction()
