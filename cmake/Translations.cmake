# The program's English catalogue. The texts in the sources are Estonian, what the program
# shows by default; the catalogue gives each of them in English and is built into <target>
# as the resource :/i18n/<name>.qm.
#
# kordal_translations(<target> TS <file.ts> FOLDERS <folder>...): the texts of every .cpp, .h
# and .ui file of the folders. `cmake --build build --target kordal_update_translations`
# brings the .ts file up to date with the sources (new texts are added unfinished, texts no
# longer used dropped). The build stops before <target> while a text of the sources has no
# finished translation in the .ts file: lupdate is run on a copy of it and lrelease's report
# of that copy must count no unfinished or untranslated text.
function(kordal_translations target)
    cmake_parse_arguments(arg "" "TS" "FOLDERS" ${ARGN})
    set(sources)
    set(includes)
    foreach(folder IN LISTS arg_FOLDERS)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
             ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.ui)
        list(APPEND sources ${found})
        list(APPEND includes ${CMAKE_SOURCE_DIR}/${folder})
    endforeach()
    list(SORT sources)
    cmake_path(ABSOLUTE_PATH arg_TS BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE ts)
    set(lupdate_options -no-obsolete -locations none)

    set(QT_GLOBAL_LUPDATE_TARGET kordal_update_translations)
    qt_add_translations(${target} TS_FILES ${ts} SOURCES ${sources} INCLUDE_DIRECTORIES
        ${includes} LUPDATE_OPTIONS ${lupdate_options} RESOURCE_PREFIX /i18n)

    # The check reads the same sources with the same options as the update.
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/catalogue-check/sources.lst)
    list(TRANSFORM includes PREPEND "-I")
    string(REPLACE ";" "\n" lines "${includes};${sources}")
    file(WRITE ${list_file} "${lines}\n")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/catalogue-check/checked.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                -DLRELEASE=$<TARGET_FILE:Qt6::lrelease> -DTS=${ts} -DLIST=${list_file}
                "-DOPTIONS=${lupdate_options}" -DSTAMP=${stamp}
                -P ${CMAKE_SOURCE_DIR}/cmake/CheckCatalogue.cmake
        DEPENDS ${sources} ${ts} ${CMAKE_SOURCE_DIR}/cmake/CheckCatalogue.cmake
        COMMENT "Checking that ${arg_TS} translates every text of the sources"
        VERBATIM)
    add_custom_target(${target}_catalogue_check DEPENDS ${stamp})
    add_dependencies(${target} ${target}_catalogue_check)
endfunction()
