# The Debian package, built by CPack from the installed files (`cpack -G DEB` in the build
# folder): frameplan_VERSION_ARCH.deb, with the dependencies dpkg-shlibdeps finds in the
# programs. It has no maintainer scripts: the desktop's menu, file types and icons are updated by
# the triggers of their own packages, so dpkg -r leaves nothing behind.
set(FRAMEPLAN_PACKAGE_MAINTAINER "FramePlan developers <developers@frameplan.org>"
    CACHE STRING "The Maintainer field of the Debian package")

# Debian's documentation folder holds the copyright and the changelog, compressed as its policy
# asks.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/changelog ${changelog}
    COMMAND gzip -9nf ${changelog}
    DEPENDS ${packaging}/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${packaging}/copyright ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# frameplan loads libxlsxwriter only to write a workbook, and minizip only to read it back, so
# dpkg-shlibdeps cannot see them: the packages that have the libraries are named here, found
# from the libraries the build uses.
set(loaded_packages)
foreach(library ${XLSXWRITER_LIBRARY} ${MINIZIP_LIBRARY})
    file(REAL_PATH ${library} library_file)
    execute_process(
        COMMAND dpkg-query --search ${library_file}
        OUTPUT_VARIABLE owner
        RESULT_VARIABLE status
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(status EQUAL 0 AND owner MATCHES "^([^:,]+)")
        list(APPEND loaded_packages ${CMAKE_MATCH_1})
    else()
        message(STATUS "No Debian package has ${library_file}: the package will not depend on it")
    endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME frameplan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "FramePlan developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "floor plans of beams and floor loads from frame-analysis listings")
# Lines of at most 80 characters, as Debian shows descriptions on 80-column terminals.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "FramePlan reads the text output listing of a frame-analysis run (an .ANL"
    "file) and draws the plan of each floor level: the beams along the grid"
    "lines, numbered; the slab panels closed by beams, with the floor loads"
    "acting on them and their spans; and the member loads on the beams."
    ""
    "The window steps through the levels; the frameplan command prints summaries"
    "and level totals, and exports plans to PNG, SVG, PDF and DXF and load"
    "schedules to XLSX and CSV.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${FRAMEPLAN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FRAMEPLAN_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(loaded_packages)
    list(JOIN loaded_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()
# Qt picks its Wayland platform plugin where the desktop runs on Wayland, and X11's without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
