# The Windows release of this build's architecture: an installer made with NSIS and a
# portable ZIP archive, both holding tomaro.exe and the licence. `cpack` in the build folder
# writes tomaro-VERSION-win64-setup.exe and tomaro-VERSION-win64.zip (win32 for the i686
# build); scripts/package-windows.sh builds and packs both architectures. Included from
# cmake/win32.cmake.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The publisher and copyright shown for the installer and in "Apps and features" are the
# program's own, as its version resource gives them.
function(_tomaro_version_string name out)
    file(STRINGS ${PROJECT_SOURCE_DIR}/resources/win32/tomaro.rc _line ENCODING UTF-8
         REGEX "VALUE \"${name}\", \"[^\"]*\"")
    string(REGEX REPLACE ".*VALUE \"${name}\", \"([^\"]*)\".*" "\\1" _value "${_line}")
    if(_value STREQUAL "")
        message(FATAL_ERROR "resources/win32/tomaro.rc gives no ${name}")
    endif()
    set(${out} "${_value}" PARENT_SCOPE)
endfunction()
_tomaro_version_string(CompanyName CPACK_PACKAGE_VENDOR)
_tomaro_version_string(LegalCopyright CPACK_NSIS_TOMARO_COPYRIGHT)

# The installer runs as a program of the architecture it installs: a 64-bit setup writes
# the 64-bit registry and Program Files, and a 32-bit one runs everywhere.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
    set(CPACK_NSIS_TOMARO_TARGET amd64-unicode)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
else()
    set(CPACK_SYSTEM_NAME win32)
    set(CPACK_NSIS_TOMARO_TARGET x86-unicode)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME tomaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tomaro-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tomaro)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tomaro)
set(CPACK_NSIS_DISPLAY_NAME "Tomaro -Quillet-")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/win32/tomaro.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_STRIP_FILES OFF)  # the program is packed as it was built and checked
# The installer script (cmake/nsis/NSIS.template.in) and the names of the two packages.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/nsis/package-names.cmake)
include(CPack)
