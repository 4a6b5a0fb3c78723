# SPDX-License-Identifier: MIT
# One program of the project: its physics library (mct::<name>_physics, Qt Core only),
# its library of module and windows (mct::<name>, on the physics and mct::gui), the
# resources under :/<name>/, the executable from main.cpp, its icons and its
# installation.
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
    if(arg_ASSETS)
        qt_add_resources(mct_${name} "${name}_assets"
            PREFIX "/${name}"
            BASE assets
            FILES ${arg_ASSETS})
    endif()

    # The icons, drawn by the same code as the window icon: PNGs and SVG for a Linux
    # desktop's theme, an icon file for a Windows executable (by the host's iconrender
    # when cross-compiling).
    string(SUBSTRING ${name} 0 1 first)
    string(TOUPPER ${first} first)
    string(SUBSTRING ${name} 1 -1 rest)
    set(id "${MCT_APP_ID_PREFIX}.${first}${rest}")
    set(icons "${PROJECT_BINARY_DIR}/icons/${name}")
    set(pngs)
    foreach(size 16 22 24 32 48 64 128)
        list(APPEND pngs "${icons}/${size}x${size}/apps/${id}.png")
    endforeach()
    add_custom_command(
        OUTPUT "${icons}/256x256/apps/${id}.png" "${icons}/${id}.ico"
        BYPRODUCTS ${pngs} "${icons}/scalable/apps/${id}.svg"
        COMMAND ${MCT_ICONRENDER} ${name} "${icons}" "${id}"
        DEPENDS ${MCT_ICONRENDER}
        COMMENT "Rendering the ${name} icon")
    add_custom_target(${name}_icons ALL DEPENDS "${icons}/256x256/apps/${id}.png")

    # WIN32: a Windows program without a console window; no effect elsewhere.
    qt_add_executable(${name} WIN32 main.cpp)
    target_link_libraries(${name} PRIVATE mct::${name} mct_warnings)
    if(WIN32)
        set(MCT_RC_ICON "${icons}/${id}.ico")
        set(MCT_RC_NAME "${first}${rest}")
        configure_file(${PROJECT_SOURCE_DIR}/windows/program.rc.in ${name}.rc @ONLY)
        target_sources(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
        set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}.rc PROPERTIES
                                    OBJECT_DEPENDS "${icons}/${id}.ico")
    endif()
    add_dependencies(${name} ${name}_icons)
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
