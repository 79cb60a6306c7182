# Runs one scenario: a fresh copy of the fixture settings and dictionaries (the
# program writes its histories there) and the script through its driver, which
# fails on an "expect" line that the state does not meet (see README.md). A
# scenario with an .expected file beside it must print that file to the byte;
# one without has only its expectations.
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
string(REPLACE "\r\n" "\n" actual "${actual}")
file(WRITE ${WORK}/actual.txt "${actual}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${status}): ${errors}see ${WORK}/actual.txt")
endif()
if(NOT EXISTS ${expected_file})
  # A scenario checks something: its expectations, if not its whole output.
  file(STRINGS ${SCRIPT} expectations REGEX "^[ \t]*expect[ \t]")
  if(NOT expectations)
    message(FATAL_ERROR "${SCRIPT} has neither expectations nor an .expected file")
  endif()
  return()
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${expected_file}; see ${WORK}/actual.txt")
endif()
