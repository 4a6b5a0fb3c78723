# SPDX-License-Identifier: MIT
# Runs the generator into a scratch file and compares it with the shipped table.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status OUTPUT_VARIABLE report)
message("${report}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "icru4gen failed with status ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SHIPPED}
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from the shipped ${SHIPPED}: regenerate it with "
                        "icru4gen (tools/README.md) or find what changed")
endif()
