# Each folder under src/ is one static library, and its dependents see its headers as
# "<folder>/Header.h" and nothing else: the include root a library publishes is a folder of the
# build tree that holds one link, to this folder. A header of a library one does not link is
# not on the path, so an include that points the wrong way fails to build.
#
#   ledgora_library(ledgora_data SOURCES ... PUBLIC what our headers need PRIVATE the rest)
function(ledgora_library name)
    cmake_parse_arguments(arg "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    add_library(${name} STATIC ${arg_SOURCES})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${arg_PUBLIC} PRIVATE ledgora_flags ${arg_PRIVATE})
    # Every text the module holds is Unicode on purpose: a byte string becomes text only
    # where the code says how (QStringLiteral, u""_s, fromUtf8), never by an implicit cast.
    # Concatenations build their text in one allocation (QStringBuilder).
    target_compile_definitions(${name} PRIVATE QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER)
endfunction()

# The logging categories of one library, declared here so the whole list is in the CMake files:
# a header and its definitions are generated beside the library's include root, so the header is
# "<folder>/Header.h" to the library and to what links it, like its other headers. Every
# category shows its warnings by default, since a warning is something a person should see
# without asking; its debug and info messages are turned on with QT_LOGGING_RULES, e.g.
# QT_LOGGING_RULES="ledgora.data=true".
#
#   ledgora_logging_categories(ledgora_data HEADER DataLog.h
#                              CATEGORIES lcData ledgora.data lcBackup ledgora.backup)
function(ledgora_logging_categories target)
    cmake_parse_arguments(arg "" "HEADER" "CATEGORIES" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/logging/${folder})
    get_filename_component(stem ${arg_HEADER} NAME_WE)
    set(declarations "")
    set(definitions "")
    list(LENGTH arg_CATEGORIES count)
    math(EXPR last "${count} - 1")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET arg_CATEGORIES ${i} identifier)
        list(GET arg_CATEGORIES ${j} category)
        string(APPEND declarations "Q_DECLARE_LOGGING_CATEGORY(${identifier})\n")
        string(APPEND definitions "Q_LOGGING_CATEGORY(${identifier}, \"${category}\", QtWarningMsg)\n")
        set_property(GLOBAL APPEND PROPERTY LEDGORA_LOGGING_CATEGORIES ${category})
    endforeach()
    file(GENERATE OUTPUT ${dir}/${arg_HEADER}
         CONTENT "#pragma once\n\n#include <QLoggingCategory>\n\n${declarations}")
    file(GENERATE OUTPUT ${dir}/${stem}.cpp
         CONTENT "#include \"${folder}/${arg_HEADER}\"\n\n${definitions}")
    target_sources(${target} PRIVATE ${dir}/${stem}.cpp)
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/logging)
endfunction()
