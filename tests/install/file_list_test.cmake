# Installs the build into a scratch prefix, as cpack does to make the package, and checks that the
# tree holds what an installed program needs: both programs, the sample units beside them, and on a
# freedesktop system a menu entry that validates, the icon in every size and the graph-file type.
#
# Variables: BUILD_DIR, CONFIG, PREFIX (emptied first), SOURCE_DIR, EXE_SUFFIX, DESKTOP_FILES.
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --config "${CONFIG}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${errors}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")

set(expected
    bin/tesmara${EXE_SUFFIX}
    bin/tesmara-export${EXE_SUFFIX}
    share/tesmara/Index.ini
)
# Every sample unit of the source tree, so that the catalogue's entries can be opened.
file(GLOB units RELATIVE "${SOURCE_DIR}/DATA" "${SOURCE_DIR}/DATA/*.lin")
list(LENGTH units unit_count)
if(unit_count EQUAL 0)
    fail("the source tree has no sample units in DATA/")
endif()
foreach(unit IN LISTS units)
    list(APPEND expected share/tesmara/DATA/${unit})
endforeach()

set(icon_sizes 16 24 32 48 64 128 256)
if(DESKTOP_FILES)
    list(APPEND expected
        share/applications/tesmara.desktop
        share/mime/packages/tesmara.xml
        share/icons/hicolor/scalable/apps/tesmara.svg)
    foreach(size IN LISTS icon_sizes)
        list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tesmara.png)
    endforeach()
endif()

foreach(file IN LISTS expected)
    if(NOT file IN_LIST installed)
        fail("not installed: ${file}")
    endif()
endforeach()

if(DESKTOP_FILES)
    set(desktop "${PREFIX}/share/applications/tesmara.desktop")
    set(mime "${PREFIX}/share/mime/packages/tesmara.xml")

    # An icon theme picks the picture by its folder; a picture of another size there looks blurred.
    foreach(size IN LISTS icon_sizes)
        set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tesmara.png")
        if(EXISTS "${png}")
            file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
            math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
            string(REGEX REPLACE "^0x" "" hex_size "${hex_size}")
            string(LENGTH "${hex_size}" digits)
            math(EXPR pad "8 - ${digits}")
            string(REPEAT "0" ${pad} zeros)
            if(NOT header STREQUAL "${zeros}${hex_size}${zeros}${hex_size}")
                fail("${size}x${size}/apps/tesmara.png is not ${size} by ${size} pixels (${header})")
            endif()
        endif()
    endforeach()

    if(EXISTS "${desktop}" AND EXISTS "${mime}")
        # The menu entry starts the installed program with its icon and offers it for the type that
        # the MIME file declares.
        file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
        file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
        file(READ "${desktop}" desktop_text)
        string(REGEX MATCH "\nMimeType=([^\n]*)" mime_line "${desktop_text}")
        set(offered_types "${CMAKE_MATCH_1}")  # a list: the key separates its types with ";"
        if(NOT exec_line MATCHES "^Exec=tesmara ")
            fail("the menu entry does not start tesmara: ${exec_line}")
        endif()
        if(NOT icon_line STREQUAL "Icon=tesmara")
            fail("the menu entry names another icon: ${icon_line}")
        endif()
        file(READ "${mime}" mime_text)
        if(NOT mime_text MATCHES "<mime-type type=\"([^\"]+)\"")
            fail("the MIME file declares no type")
        endif()
        set(graph_type "${CMAKE_MATCH_1}")
        if(NOT graph_type IN_LIST offered_types)
            fail("the menu entry is not offered for ${graph_type}: MimeType=${offered_types}")
        endif()

        find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
        if(DESKTOP_FILE_VALIDATE)
            execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
            if(NOT result EQUAL 0 OR NOT out STREQUAL "")
                fail("desktop-file-validate (${result}):\n${out}")
            endif()
        else()
            message(STATUS "desktop-file-validate not found; the menu entry was not validated")
        endif()

        # Built into a database as a desktop does, the type must own both extensions and carry its
        # Japanese name.
        find_program(UPDATE_MIME_DATABASE update-mime-database)
        if(UPDATE_MIME_DATABASE)
            execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${PREFIX}/share/mime"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
            if(NOT result EQUAL 0 OR out MATCHES "[Ee]rror|[Ww]arning")
                fail("update-mime-database (${result}):\n${out}")
            endif()
            file(READ "${PREFIX}/share/mime/globs2" globs)
            foreach(extension lin cai)
                if(NOT globs MATCHES ":${graph_type}:\\*\\.${extension}\n")
                    fail("the MIME database does not give *.${extension} to ${graph_type}")
                endif()
            endforeach()
            set(type_file "${PREFIX}/share/mime/${graph_type}.xml")
            if(NOT EXISTS "${type_file}")
                fail("the MIME database has no ${graph_type}.xml")
            else()
                file(READ "${type_file}" type_text)
                if(NOT type_text MATCHES "<comment xml:lang=\"ja\">グラフファイル</comment>")
                    fail("the type ${graph_type} has no Japanese comment")
                endif()
            endif()
        else()
            message(STATUS "update-mime-database not found; the MIME file was not checked")
        endif()
    endif()
endif()

if(failures)
    list(JOIN installed "\n    " listing)
    message(FATAL_ERROR "The installed tree is not complete:\n${failures}Installed:\n    ${listing}")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed, all expected ones among them")
