# GoogleTest from Debian's sources (package googletest), built with the build's own compiler:
# for the cross builds (Windows, the web), which cannot link the host's GoogleTest.
set(TOMARO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${TOMARO_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${TOMARO_GOOGLETEST_SOURCE} "
                        "(Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest with the project")
set(BUILD_GMOCK OFF CACHE BOOL "Build GoogleMock")
add_subdirectory(${TOMARO_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest brings its own warning flags; ours would only add noise from its sources. Its
# targets are also known as GTest::gtest and GTest::gtest_main.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
