# Runs kelvara-cli on one file of reference cases and requires every printed line to equal the
# line expected for it.
#   cmake -DCLI=... -DCASES_DIR=... -DNAME=2-pipe-heatloss -P ReferenceCases.cmake
if(NOT IS_DIRECTORY "${CASES_DIR}")
  message(FATAL_ERROR "The reference cases are missing: no folder ${CASES_DIR}. They sit in "
                      "../shared/reference-cases beside the project folder; check them out there.")
endif()
foreach(file "${CASES_DIR}/${NAME}.tsv" "${CASES_DIR}/${NAME}.expected" "${CASES_DIR}/data/Kelvara.ini")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "The reference cases are incomplete: ${file} is missing.")
  endif()
endforeach()

string(REGEX MATCH "^[0-9]+" type "${NAME}")
execute_process(
  COMMAND "${CLI}" --data-dir "${CASES_DIR}/data" ${type}
  INPUT_FILE "${CASES_DIR}/${NAME}.tsv"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE exitCode)
file(READ "${CASES_DIR}/${NAME}.expected" expected)

# Lines as lists; a ";" inside a line would split it, so it is replaced first.
foreach(text actual expected)
  string(REPLACE ";" "<semicolon>" ${text} "${${text}}")
  string(REGEX REPLACE "\n$" "" ${text} "${${text}}")
  string(REPLACE "\n" ";" ${text}Lines "${${text}}")
endforeach()
list(LENGTH actualLines actualCount)
list(LENGTH expectedLines expectedCount)

set(differences 0)
set(report "")
math(EXPR last "${expectedCount} - 1")
foreach(i RANGE ${last})
  list(GET expectedLines ${i} want)
  if(i LESS actualCount)
    list(GET actualLines ${i} got)
  else()
    set(got "<no line>")
  endif()
  if(NOT got STREQUAL want)
    math(EXPR differences "${differences} + 1")
    math(EXPR case "${i} + 1")
    string(APPEND report "case ${case}:\n  expected: ${want}\n  printed:  ${got}\n")
  endif()
endforeach()
if(NOT actualCount EQUAL expectedCount)
  string(APPEND report "printed ${actualCount} lines for ${expectedCount} cases\n")
  set(differences 1)
endif()
if(NOT exitCode EQUAL 0 OR NOT errors STREQUAL "")
  string(APPEND report "exit code ${exitCode}, standard error:\n${errors}\n")
  set(differences 1)
endif()
if(differences)
  message(FATAL_ERROR "${NAME}: the batch tool differs from the reference results\n${report}")
endif()
message(STATUS "${NAME}: ${expectedCount} cases identical")
