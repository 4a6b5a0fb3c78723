# SPDX-License-Identifier: MIT
# One program of the project: its physics library (mct::<name>_physics, Qt Core only),
# its library of module and windows (mct::<name>, on the physics and mct::gui), the
# resources under :/<name>/, the executable from main.cpp and its installation.
#
#   mct_add_program(<name>
#       PHYSICS <sources>      pure computations, no widgets
#       SOURCES <sources>      module and windows
#       ASSETS  <files>        under assets/, compiled into the program)
function(mct_add_program name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PHYSICS;SOURCES;ASSETS")

    add_library(mct_${name}_physics STATIC ${arg_PHYSICS})
    add_library(mct::${name}_physics ALIAS mct_${name}_physics)
    target_link_libraries(mct_${name}_physics PUBLIC mct::core PRIVATE mct_warnings)

    add_library(mct_${name} STATIC ${arg_SOURCES})
    add_library(mct::${name} ALIAS mct_${name})
    target_link_libraries(mct_${name} PUBLIC mct::${name}_physics mct::gui PRIVATE mct_warnings)
    qt_add_resources(mct_${name} "${name}_assets"
        PREFIX "/${name}"
        BASE assets
        FILES ${arg_ASSETS})

    qt_add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE mct::${name} mct_warnings)
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
