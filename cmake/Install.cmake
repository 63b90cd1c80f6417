# `cmake --install` puts everything in its standard place under the chosen prefix: frameplan in
# bin; frameplan-gui, which only frameplan starts, in libexec/frameplan; the desktop's menu
# entry, icon and file type for analysis listings; the metainfo software centres read; the manual
# page; and a sample listing with the documentation.
set(FRAMEPLAN_APP_ID org.frameplan.FramePlan)
set(FRAMEPLAN_HOMEPAGE "https://frameplan.org/" CACHE STRING "The project's web page")
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
# Installing builds nothing: the tests, tools and benchmarks need not be built to install the
# programs, which are built first (cmake --build build --target frameplan frameplan-gui ...).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS frameplan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(DEFINED FRAMEPLAN_MANUAL_PAGE)
    install(FILES ${FRAMEPLAN_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The desktop's files all start the window.
if(TARGET frameplan-gui)
    install(TARGETS frameplan-gui RUNTIME DESTINATION ${FRAMEPLAN_GUI_INSTALL_DIR})
    install(FILES ${packaging}/${FRAMEPLAN_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${packaging}/${FRAMEPLAN_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${packaging}/${FRAMEPLAN_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${FRAMEPLAN_APP_ID}.xml)
    configure_file(${packaging}/${FRAMEPLAN_APP_ID}.metainfo.xml.in
                   ${PROJECT_BINARY_DIR}/packaging/${FRAMEPLAN_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${FRAMEPLAN_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The sample, for a first try of every command.
install(FILES ${PROJECT_SOURCE_DIR}/samples/office-block.anl
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
