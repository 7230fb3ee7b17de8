# The design engine links the standard library and nothing else. kordal_engine_library()
# creates such a static library and, once the whole project is configured, fails the
# configuration if a Qt target, library or include path has reached it. A Qt #include in
# the engine fails to compile anyway, since no Qt include path is on these targets.
function(kordal_engine_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    kordal_layer_check(${name}) # no Qt module, no header of a higher layer
    # Deferred arguments are expanded when the call runs, so bake the name in now.
    cmake_language(EVAL CODE
        "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _kordal_check_engine [[${name}]])")
endfunction()

function(_kordal_check_engine name)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES INCLUDE_DIRECTORIES
                     INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS)
        get_target_property(values ${name} ${property})
        if(values AND "${values}" MATCHES "Qt|qt6|QT_")
            message(FATAL_ERROR "${name} must not use Qt (${property}: ${values})")
        endif()
    endforeach()
endfunction()
