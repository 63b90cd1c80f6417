# frameplan.1, the manual page, made at build time from the program's own help with help2man
# (Debian package help2man). Without help2man, or when the programs are built for another
# system and cannot run here, there is no manual page and everything else builds as before.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(NOT HELP2MAN OR NOT GZIP OR CMAKE_CROSSCOMPILING)
    message(STATUS "No manual page: it needs help2man and gzip, and frameplan run here")
    return()
endif()

set(FRAMEPLAN_MANUAL_PAGE ${PROJECT_BINARY_DIR}/man/frameplan.1.gz)
add_custom_command(
    OUTPUT ${FRAMEPLAN_MANUAL_PAGE}
    COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DGZIP=${GZIP}
            -DFRAMEPLAN=$<TARGET_FILE:frameplan>
            -DEXTRA_SECTIONS=${PROJECT_SOURCE_DIR}/packaging/frameplan.h2m
            -DOUTPUT=${FRAMEPLAN_MANUAL_PAGE}
            -P ${CMAKE_CURRENT_LIST_DIR}/write_manual_page.cmake
    DEPENDS frameplan ${CMAKE_CURRENT_LIST_DIR}/write_manual_page.cmake
            ${PROJECT_SOURCE_DIR}/packaging/frameplan.h2m
    COMMENT "Writing the manual page frameplan.1 from frameplan's help"
    VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${FRAMEPLAN_MANUAL_PAGE})
