# Runs a fuzz target briefly as a campaign would: from a folder of its own,
# with the corpus named relative to it and a private temporary folder. Then
# checks that the corpus took inputs (so the working folder stayed put) and
# that the target left nothing behind, in the temporary folder or beside the
# corpus.
#   cmake -DTARGET=<fuzzer> -DSEEDS=<folder> -DFOLDER=<scratch> -P run_in_folder.cmake
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER}/corpus ${FOLDER}/tmp)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${FOLDER}/tmp ${TARGET} -runs=300 corpus ${SEEDS}
  WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TARGET} failed:\n${log}")
endif()
file(GLOB kept ${FOLDER}/corpus/*)
if(NOT kept)
  message(FATAL_ERROR "nothing reached the corpus folder named relative to the working folder")
endif()
file(GLOB_RECURSE left ${FOLDER}/tmp/*)
file(GLOB beside LIST_DIRECTORIES true ${FOLDER}/*)
list(REMOVE_ITEM beside ${FOLDER}/corpus ${FOLDER}/tmp)
if(left OR beside)
  message(FATAL_ERROR "left behind: ${left} ${beside}")
endif()
file(REMOVE_RECURSE ${FOLDER})
