# Run as a script by the manual_page target: writes frameplan.1.gz from `frameplan --help`, with
# a section for each command made from `frameplan COMMAND --help`, so that the page says what the
# program says and no more.
#   -DHELP2MAN= -DGZIP= -DFRAMEPLAN= (the built program) -DEXTRA_SECTIONS= (an include file of
#   help2man's) -DOUTPUT= (the .1.gz to write)
cmake_minimum_required(VERSION 3.25)

get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(command_sections ${folder}/commands.h2m)
file(WRITE ${command_sections} "")

# help2man makes a whole page of each command's help; its synopsis, description and options
# become the command's section of the page.
foreach(command dump info export schedule)
    execute_process(
        COMMAND ${HELP2MAN} --no-info "--help-option=${command} --help" ${FRAMEPLAN}
        OUTPUT_VARIABLE page
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "help2man could not read frameplan ${command} --help")
    endif()
    string(FIND "${page}" ".SH SYNOPSIS\n" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "frameplan ${command} --help has no usage line")
    endif()
    string(SUBSTRING "${page}" ${start} -1 section)
    string(REPLACE ".SH SYNOPSIS\n" "" section "${section}")
    string(REPLACE ".SH DESCRIPTION\n" ".PP\n" section "${section}")
    string(REPLACE ".SH OPTIONS\n" ".SS \"Options:\"\n" section "${section}")
    # The exit status, the same for every command, is told once, at the top of the page.
    string(FIND "${section}" ".PP\nA listing that cannot be read" exit_status)
    if(NOT exit_status EQUAL -1)
        string(SUBSTRING "${section}" 0 ${exit_status} section)
    endif()
    string(TOUPPER ${command} title)
    file(APPEND ${command_sections} "[FRAMEPLAN ${title}]\n${section}\n")
endforeach()

get_filename_component(page_file ${OUTPUT} NAME_WLE)
set(page_path ${folder}/${page_file})
execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1
            "--name=draw floor plans of beams and floor loads from frame-analysis listings"
            --include=${command_sections} --include=${EXTRA_SECTIONS}
            --output=${page_path} ${FRAMEPLAN}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man could not write ${page_path}")
endif()
# As Debian keeps manual pages: the most compression, and no name or time in the gzip header.
execute_process(COMMAND ${GZIP} -9nf ${page_path} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${page_path}")
endif()
