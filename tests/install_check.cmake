# Installs the build into a fresh prefix, as `cmake --install` does for a person or a package,
# and starts the installed program headless: it must answer --version with the project's
# version and load the component installed with it, not the copy in the build tree.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DBINDIR=... -DCOMPONENT_DIR=...
#         -DDATADIR=... -DAPP_ID=... -P install_check.cmake
foreach(var BUILD_DIR PREFIX VERSION BINDIR COMPONENT_DIR DATADIR APP_ID)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "install_check: ${var} is not given")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
unset(ENV{DESTDIR})
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}${err}")
endif()

# Only the program and its component are installed: no test, no bench, no static library.
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
set(expected
    "${BINDIR}/ledgora"
    "${COMPONENT_DIR}/libledgora.so"
    "${DATADIR}/applications/${APP_ID}.desktop"
    "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg"
    "${DATADIR}/metainfo/${APP_ID}.metainfo.xml"
    "${DATADIR}/doc/ledgora/copyright")
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed "${installed}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

file(READ "${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop" entry)
foreach(line "Exec=ledgora" "Icon=${APP_ID}" "Categories=Office;Finance;")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks the line ${line}")
    endif()
endforeach()
file(READ "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo does not name the release ${VERSION}")
endif()
file(READ "${PREFIX}/${DATADIR}/doc/ledgora/copyright" copyright)
foreach(text "<project_license>GPL-3.0-or-later</project_license>" "License: GPL-3.0-or-later")
    string(FIND "${metainfo}${copyright}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the licence is not declared as ${text}")
    endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
set(program "${PREFIX}/${BINDIR}/ledgora")
execute_process(COMMAND "${program}" --version RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Ledgora ${VERSION}\n")
    message(FATAL_ERROR "ledgora --version gave (${rc}) '${out}' '${err}'")
endif()

execute_process(COMMAND "${program}" --check RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
file(REAL_PATH "${PREFIX}/${COMPONENT_DIR}/libledgora.so" component)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "ledgora: componente ${component}\n")
    message(FATAL_ERROR "ledgora --check should load ${component}, gave (${rc}) '${out}' '${err}'")
endif()

file(REMOVE_RECURSE "${PREFIX}")
