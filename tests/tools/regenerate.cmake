# SPDX-License-Identifier: MIT
# Runs the generator into a scratch directory and compares what it writes with the
# shipped files: the same names, and each the same byte for byte.
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${GENERATOR} ${OUTPUT_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE report)
message("${report}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "materialgen failed with status ${status}")
endif()
file(GLOB written RELATIVE ${OUTPUT_DIR} ${OUTPUT_DIR}/*.dat)
file(GLOB shipped RELATIVE ${SHIPPED_DIR} ${SHIPPED_DIR}/*.dat)
list(SORT written)
list(SORT shipped)
if(NOT written STREQUAL shipped)
    message(FATAL_ERROR "materialgen writes ${written}, but data/ ships ${shipped}")
endif()
foreach(name IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name}
                            ${SHIPPED_DIR}/${name}
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${OUTPUT_DIR}/${name} differs from the shipped "
                            "${SHIPPED_DIR}/${name}: regenerate it with materialgen "
                            "(tools/README.md) or find what changed")
    endif()
endforeach()
