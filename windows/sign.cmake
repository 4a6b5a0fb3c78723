# SPDX-License-Identifier: MIT
# Run by CPack after the programs are installed (and stripped) into its staging folder,
# before it packs them: signs each executable with osslsigncode when a certificate is
# supplied from outside the repository (MCT_SIGN_PKCS12, the .p12 file, and
# MCT_SIGN_PASSWORD_FILE, a file holding its password; MCT_SIGN_TIMESTAMP, a timestamp
# server, if one is reachable). Without them the packages are unsigned.
if(NOT DEFINED ENV{MCT_SIGN_PKCS12})
    return()
endif()
find_program(OSSLSIGNCODE osslsigncode REQUIRED)
set(timestamp)
if(DEFINED ENV{MCT_SIGN_TIMESTAMP})
    set(timestamp -t "$ENV{MCT_SIGN_TIMESTAMP}")
endif()
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${OSSLSIGNCODE} sign -pkcs12 "$ENV{MCT_SIGN_PKCS12}"
                -readpass "$ENV{MCT_SIGN_PASSWORD_FILE}"
                -n "Monte Carlo teaching programs" -i "https://mcteaching.org"
                ${timestamp}
                -in "${program}" -out "${program}.signed"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "signing ${program} failed")
    endif()
    file(RENAME "${program}.signed" "${program}")
endforeach()
