# Runs one scenario: a fresh copy of the fixture settings and dictionaries (the
# program writes its histories there), the script through its driver, and
# its output compared with the reviewed expected file beside the script.
# INI names the settings file of the fixture (Kirimo.ini by default); OPTIONS
# are further options of the driver.
if(NOT DEFINED INI)
  set(INI Kirimo.ini)
endif()
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
file(REMOVE_RECURSE ${WORK})
file(COPY ${FIXTURE}/ DESTINATION ${WORK})
string(REGEX REPLACE "\\.script$" ".expected" expected_file ${SCRIPT})
execute_process(
  COMMAND ${EMULATOR} ${PROGRAM} --ini ${WORK}/${INI} ${options} ${SCRIPT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${status}): ${errors}")
endif()
string(REPLACE "\r\n" "\n" actual "${actual}")
file(WRITE ${WORK}/actual.txt "${actual}")
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${expected_file}; see ${WORK}/actual.txt")
endif()
