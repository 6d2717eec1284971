# Plays STORY and requires its transcript to equal the expected one beside it and the
# runner to end with STATUS.
execute_process(COMMAND ${RUNNER} ${STORY} RESULT_VARIABLE status OUTPUT_VARIABLE transcript)
string(REGEX REPLACE "\\.scn$" ".expected" expected_file ${STORY})
file(READ ${expected_file} expected)
if(NOT transcript STREQUAL expected)
  string(REGEX REPLACE "\\.scn$" ".actual" actual_file ${STORY})
  file(WRITE ${actual_file} "${transcript}")
  message(FATAL_ERROR "Transcript differs from ${expected_file}; actual written to ${actual_file}")
endif()
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "The runner ended with ${status}, expected ${STATUS}")
endif()
