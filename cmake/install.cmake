# What `cmake --install` puts beside the programs, and the Debian package that `cpack -G DEB`
# makes of it all. Included from the top-level CMakeLists.txt after every target exists (it
# asks which hosts are built: targets tomaro and tomaro-tui); the programs install themselves
# (cli/, platform/qt/, platform/terminal/).
include(GNUInstallDirs)

set(TOMARO_APP_ID io.github.tomaro.Quillet)
set(TOMARO_ICON_SIZES 16 32 48)
set(_tomaro_resources ${PROJECT_SOURCE_DIR}/resources)

# The command-line programs built, each with its manual page.
set(_tomaro_man_programs tomaro-cli)
if(TARGET tomaro-tui)
    list(APPEND _tomaro_man_programs tomaro-tui)
endif()

# The metainfo and the manual pages name the version and its date, filled in from the project.
set(_tomaro_linux ${PROJECT_BINARY_DIR}/linux)
configure_file(${_tomaro_resources}/linux/${TOMARO_APP_ID}.metainfo.xml.in
               ${_tomaro_linux}/${TOMARO_APP_ID}.metainfo.xml @ONLY)
foreach(program IN LISTS _tomaro_man_programs)
    configure_file(${_tomaro_resources}/linux/${program}.1.in ${_tomaro_linux}/${program}.1 @ONLY)
endforeach()

# The desktop entry, the AppStream metainfo and the icons describe the window; a build
# without it does not pretend to offer one.
if(TARGET tomaro)
    install(FILES ${_tomaro_resources}/linux/${TOMARO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${_tomaro_linux}/${TOMARO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS TOMARO_ICON_SIZES)
        install(FILES ${_tomaro_resources}/icons/tomaro-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TOMARO_APP_ID}.png)
    endforeach()
    # Larger sizes (high-density screens, software centres) come from the drawing itself.
    install(FILES ${_tomaro_resources}/icons/tomaro.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TOMARO_APP_ID}.svg)
endif()

# Debian installs manual pages compressed; -n leaves the name and time out, so the package
# is the same from build to build.
find_program(TOMARO_GZIP gzip REQUIRED)
set(_tomaro_man_pages)
foreach(program IN LISTS _tomaro_man_programs)
    set(_page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(
        OUTPUT ${_page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${TOMARO_GZIP} -9n -c ${_tomaro_linux}/${program}.1 > ${_page}
        DEPENDS ${_tomaro_linux}/${program}.1
        COMMENT "Compressing the ${program} manual page"
        VERBATIM)
    list(APPEND _tomaro_man_pages ${_page})
endforeach()
add_custom_target(tomaro_man_page ALL DEPENDS ${_tomaro_man_pages})
install(FILES ${_tomaro_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tomaro
            RENAME copyright)
endif()

# The Debian package.
set(TOMARO_PACKAGE_MAINTAINER "The Tomaro developers <tomaro@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tomaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tomaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator that computes exactly with fractions")
# One paragraph, wrapped as a Debian description is read; its last sentence names the
# programs this build holds.
# (Each text is one quoted argument: a semicolon elsewhere would split it as a list.)
if(TARGET tomaro AND TARGET tomaro-tui)
    set(_tomaro_holds "holds the window, tomaro; tomaro-tui, the same calculator in a terminal;
and tomaro-cli, which plays keys on it from a script.")
elseif(TARGET tomaro)
    set(_tomaro_holds "holds the window, tomaro, and tomaro-cli, which plays keys on it from a
script.")
elseif(TARGET tomaro-tui)
    set(_tomaro_holds "holds tomaro-tui, the calculator in a terminal, and tomaro-cli, which plays
keys on it from a script.")
else()
    set(_tomaro_holds "holds tomaro-cli, which plays keys on the calculator from a script.")
endif()
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tomaro -Quillet- keeps every value as an exact fraction of two 64-bit"
    "integers. Fractions are keyed denominator first and decimals keep their"
    "trailing zeros; pressing = again shows a result as an integer, a fraction,"
    "a mixed number or an exact terminating or recurring decimal. The package"
    "${_tomaro_holds}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOMARO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what they load or read at run
# time is named here: Qt's platform plugins (xcb, offscreen) are only recommended by Qt's
# own packages, the dialog font is IPA P Gothic, and Qt's own texts in Japanese come from
# its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET tomaro)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")
endif()

include(CPack)
