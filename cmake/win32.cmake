# The Windows build, cross-compiled with mingw-w64 (toolchains cmake/mingw-i686.cmake and
# cmake/mingw-x86_64.cmake): the Win32 window on the libraries the Linux window shares, and
# its GoogleTest program, which runs under Wine.
enable_language(RC)

# tomaro.exe and win32_dialog_test.exe land at the top of the build folder.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

# The programs need nothing but the system DLLs: libstdc++, libgcc and winpthread go inside.
add_link_options(-static)

# The manifest names the processor architecture of the program it is built into.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TOMARO_MANIFEST_ARCH amd64)
else()
    set(TOMARO_MANIFEST_ARCH X86)
endif()
set(_tomaro_rc_source_dir ${PROJECT_SOURCE_DIR}/resources/win32)
set(_tomaro_rc_binary_dir ${PROJECT_BINARY_DIR}/resources/win32)
configure_file(${_tomaro_rc_source_dir}/tomaro.manifest.in ${_tomaro_rc_binary_dir}/tomaro.manifest
               @ONLY)

# Add to a program's sources: templates 100 and 102, menu 103, string 101, icon 128, the
# version resource and the manifest. The script names tomaro.ico and tomaro.manifest without
# a folder, and includes the generated resources/version.hpp; windres finds them on its
# include path.
set(TOMARO_WIN32_RESOURCES ${_tomaro_rc_source_dir}/tomaro.rc)
string(APPEND CMAKE_RC_FLAGS
       " -I${_tomaro_rc_binary_dir} -I${_tomaro_rc_source_dir} -I${PROJECT_BINARY_DIR}/generated")

include(${CMAKE_CURRENT_LIST_DIR}/googletest-sources.cmake)

enable_testing()

# The Win32 platform layer (tomaro.exe) and its test program, where they exist.
foreach(_dir platform/win32 tests/platform/win32)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${_dir}/CMakeLists.txt)
        add_subdirectory(${_dir})
        # windres reads the icon and the manifest itself: rebuild the resources when they change.
        set_source_files_properties(
            ${TOMARO_WIN32_RESOURCES} DIRECTORY ${PROJECT_SOURCE_DIR}/${_dir}
            PROPERTIES OBJECT_DEPENDS
                       "${_tomaro_rc_source_dir}/tomaro.ico;${_tomaro_rc_binary_dir}/tomaro.manifest;${PROJECT_BINARY_DIR}/generated/resources/version.hpp")
    endif()
endforeach()

# The number text's test, as on Linux and in the web build: the digits every host must write
# alike. Its checker needs a 128-bit integer, which the 32-bit compiler lacks; the tests under
# Wine run the 64-bit build.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_executable(number_text_test ${PROJECT_SOURCE_DIR}/tests/display/number_text_test.cpp)
    target_include_directories(number_text_test PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(number_text_test PRIVATE tomaro_display gtest gtest_main)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/package-windows.cmake)  # cpack: installer and archive
