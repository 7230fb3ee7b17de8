# The staged MIME definition compiled as a desktop compiles it: update-mime-database builds a
# scratch database from it alone, reporting XML it cannot parse and elements or attributes it
# does not know, and that database must map *.kordal to the type the desktop entry opens.
set(type application/x-kordal-section)
file(REMOVE_RECURSE ${OUT})
file(COPY ${STAGE}/share/mime/packages DESTINATION ${OUT})
execute_process(COMMAND update-mime-database -V ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "[Ee]rror")
    message(FATAL_ERROR "update-mime-database refused ${APP_ID}.xml:\n${out}")
endif()
file(STRINGS ${OUT}/globs2 globs REGEX ":${type}:\\*\\.kordal$")
if(NOT globs)
    message(FATAL_ERROR "the MIME database does not map *.kordal to ${type}")
endif()
file(READ ${STAGE}/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "\nMimeType=${type};\n")
    message(FATAL_ERROR "the desktop entry does not open ${type} alone")
endif()
