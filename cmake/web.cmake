# The web build, compiled with Emscripten (emcmake; scripts/build-web.sh): the calculator in a
# web page on the libraries every host shares, and the number text's test, run under Node.
add_subdirectory(platform/web)

# GoogleTest from Debian's sources (package googletest), built with the same compiler.
set(TOMARO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${TOMARO_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${TOMARO_GOOGLETEST_SOURCE} "
                        "(Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest with the project")
set(BUILD_GMOCK OFF CACHE BOOL "Build GoogleMock")
add_subdirectory(${TOMARO_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")

# The same rows as on Linux: the digits every host must write alike.
enable_testing()
add_executable(number_text_test tests/display/number_text_test.cpp)
target_include_directories(number_text_test PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(number_text_test PRIVATE tomaro_display gtest gtest_main)
target_link_options(number_text_test PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0)
set_target_properties(number_text_test PROPERTIES SUFFIX .js)
add_test(NAME number_text_test COMMAND node $<TARGET_FILE:number_text_test>)
