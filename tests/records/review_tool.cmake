execute_process(COMMAND ${TOOL} --search-only ${DIR}/review_game.txt
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${DIR}/review_game.expected expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "kelvoa-review (exit ${rc}, ${err}) printed:\n${out}\ninstead of:\n${expected}")
endif()

# The tenth line moves a chip from a square it does not stand on.
file(STRINGS ${DIR}/review_game.txt lines)
list(GET lines 9 bad)
string(REGEX REPLACE "^(turn [12] [01]+ [0-4]) - - -" "\\1 3 9 11" broken "${bad}")
list(REMOVE_AT lines 9)
list(INSERT lines 9 "${broken}")
list(JOIN lines "\n" text)
file(WRITE ${WORK}/damaged.txt "${text}\n")
execute_process(COMMAND ${TOOL} --search-only ${WORK}/damaged.txt
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "line 10 stopped the record" OR NOT out STREQUAL "")
  message(FATAL_ERROR "a damaged record gave exit ${rc}, stderr \"${err}\", stdout \"${out}\"")
endif()
