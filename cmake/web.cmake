# The web build, compiled with Emscripten (emcmake; scripts/build-web.sh): the calculator in a
# web page on the libraries every host shares, and the number text's test, run under Node.
add_subdirectory(platform/web)

include(${CMAKE_CURRENT_LIST_DIR}/googletest-sources.cmake)

# The same rows as on Linux: the digits every host must write alike.
enable_testing()
add_executable(number_text_test tests/display/number_text_test.cpp)
target_include_directories(number_text_test PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(number_text_test PRIVATE tomaro_display gtest gtest_main)
target_link_options(number_text_test PRIVATE -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0)
set_target_properties(number_text_test PROPERTIES SUFFIX .js)
add_test(NAME number_text_test COMMAND node $<TARGET_FILE:number_text_test>)
