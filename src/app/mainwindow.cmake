# Main window (gui); the help beside the program; the installation.
target_sources(verdan_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Verdan_Main.cpp)

set(verdan_help_source ${PROJECT_SOURCE_DIR}/docs/help)
file(GLOB verdan_help_files CONFIGURE_DEPENDS ${verdan_help_source}/*)
set(verdan_help_copies)
foreach(file ${verdan_help_files})
    get_filename_component(name ${file} NAME)
    set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/${name})
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${copy}
        DEPENDS ${file}
        VERBATIM)
    list(APPEND verdan_help_copies ${copy})
endforeach()
add_custom_target(verdan_help ALL DEPENDS ${verdan_help_copies})

# The program finds GLOBAL and help beside itself, so they are installed together.
include(GNUInstallDirs)
set(VERDAN_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/verdan)
install(DIRECTORY ${VERDAN_DATA_DIR}/ DESTINATION ${VERDAN_INSTALL_DIR}/GLOBAL)
install(DIRECTORY ${verdan_help_source}/ DESTINATION ${VERDAN_INSTALL_DIR}/help)
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
    file(CREATE_LINK ../${VERDAN_INSTALL_DIR}/verdan
        \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/verdan SYMBOLIC)")
install(FILES ${PROJECT_SOURCE_DIR}/dist/verdan.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/verdan.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The program target is made after the subsystems' sources: these wait for it.
function(verdan_install_program)
    # Whoever builds the program gets its help beside it.
    add_dependencies(verdan verdan_help)
    install(TARGETS verdan RUNTIME DESTINATION ${VERDAN_INSTALL_DIR})
endfunction()
cmake_language(DEFER CALL verdan_install_program)
