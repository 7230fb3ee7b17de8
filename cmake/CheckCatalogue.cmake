# Run by kordal_translations (Translations.cmake) with -P: fails while TS lacks a finished
# translation of a text of the sources in LIST. lupdate (with OPTIONS, as the update target
# runs it) merges the sources' texts into a copy of TS; lrelease then reports that copy as
#   Generated N translation(s) (F finished and U unfinished)
#   Ignored I untranslated source text(s)
# and both U and I must be 0. STAMP is written when they are.
cmake_path(GET STAMP PARENT_PATH work)
cmake_path(GET TS FILENAME name)
set(copy ${work}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${LIST} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
execute_process(COMMAND ${LRELEASE} ${copy} -qm ${work}/check.qm
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status EQUAL 0 OR NOT report MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
    message(FATAL_ERROR "lrelease failed or said what it did in words unknown here:\n${report}")
endif()
set(unfinished ${CMAKE_MATCH_3})
set(ignored 0)
if(report MATCHES "Ignored ([0-9]+) untranslated source text")
    set(ignored ${CMAKE_MATCH_1})
endif()
if(unfinished GREATER 0 OR ignored GREATER 0)
    # The texts themselves, for the message: each source followed by an unfinished translation.
    file(READ ${copy} catalogue)
    string(REPLACE ";" "," catalogue "${catalogue}") # no list separators in the texts
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\""
           texts "${catalogue}")
    list(TRANSFORM texts REPLACE "^<source>([^<]*)</source>.*" "  \\1\n")
    string(JOIN "" texts ${texts})
    message(FATAL_ERROR "${TS}: ${unfinished} unfinished and ${ignored} untranslated text(s) "
            "of the sources:\n${texts}Bring the catalogue up to date with `cmake --build "
            "<build> --target kordal_update_translations` and translate these texts.")
endif()
file(TOUCH ${STAMP})
