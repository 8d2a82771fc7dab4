# Each folder under src/ is one static library, and its dependents see its public headers as
# "<folder>/Header.h" and nothing else: the include root a library publishes is a folder of the
# build tree holding a link to each header it names public. A header of a library one does not
# link is not on the path, and neither is a library's private header, so an include that points
# the wrong way fails to build. The library's own sources include their private headers as
# "Header.h", beside them; a public header cannot lean on a private one.
#
#   ledgora_library(ledgora_data SOURCES ... HEADERS the public ones
#                   PUBLIC what our headers need PRIVATE the rest)
function(ledgora_library name)
    cmake_parse_arguments(arg "" "" "SOURCES;HEADERS;PUBLIC;PRIVATE" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
    set(published ${root}/${folder})
    # An earlier build linked the whole folder; a header no longer public leaves no link behind.
    if(IS_SYMLINK ${published})
        file(REMOVE ${published})
    endif()
    file(REMOVE_RECURSE ${published})
    file(MAKE_DIRECTORY ${published})
    foreach(header IN LISTS arg_HEADERS)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
            message(FATAL_ERROR "${name}: the public header ${header} is not in ${folder}")
        endif()
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${published}/${header} SYMBOLIC)
    endforeach()
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

# Fails the configuration when one of the given libraries reaches Qt Gui or Qt Widgets through
# what it links, directly or through another library: the ledger's domain, the statements, the
# reconciliation and the audit trail run without a screen (in --statement, --verify, the bench)
# and must stay so.
#
#   ledgora_require_without_screens(ledgora_domain ledgora_reconcile ...)
function(ledgora_require_without_screens)
    foreach(start IN LISTS ARGN)
        set(pending ${start})
        set(seen "")
        set(from_${start} ${start})
        while(pending)
            list(POP_FRONT pending target)
            if(target IN_LIST seen OR NOT TARGET ${target})
                continue()
            endif()
            list(APPEND seen ${target})
            if(target MATCHES "^Qt6::(Gui|Widgets|PrintSupport|OpenGL)$")
                message(FATAL_ERROR "${start} reaches ${target} through ${from_${target}}; "
                                    "it must build without Qt Gui and Qt Widgets")
            endif()
            get_target_property(type ${target} TYPE)
            set(links "")
            if(NOT type STREQUAL "INTERFACE_LIBRARY")
                get_target_property(own ${target} LINK_LIBRARIES)
                if(own)
                    list(APPEND links ${own})
                endif()
            endif()
            get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
            if(interface)
                list(APPEND links ${interface})
            endif()
            # Generator expressions wrap some names ($<LINK_ONLY:Qt6::Core>): take the names.
            string(REGEX MATCHALL "[A-Za-z0-9_]+(::[A-Za-z0-9_]+)?" names "${links}")
            foreach(next IN LISTS names)
                if(TARGET ${next} AND NOT next IN_LIST seen)
                    list(APPEND pending ${next})
                    if(NOT DEFINED from_${next})
                        set(from_${next} "${from_${target}} -> ${next}")
                    endif()
                endif()
            endforeach()
        endwhile()
    endforeach()
endfunction()
