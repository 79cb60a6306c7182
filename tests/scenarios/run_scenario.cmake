# Runs one scenario: a fresh copy of the fixture settings and dictionaries (the
# program writes its histories there), the script through kirimo-script, and
# its output compared with the reviewed expected file beside the script.
file(REMOVE_RECURSE ${WORK})
file(COPY ${FIXTURE}/ DESTINATION ${WORK})
string(REGEX REPLACE "\\.script$" ".expected" expected_file ${SCRIPT})
execute_process(
  COMMAND ${EMULATOR} ${PROGRAM} --ini ${WORK}/Kirimo.ini ${SCRIPT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kirimo-script failed (${status}): ${errors}")
endif()
string(REPLACE "\r\n" "\n" actual "${actual}")
file(WRITE ${WORK}/actual.txt "${actual}")
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${expected_file}; see ${WORK}/actual.txt")
endif()
