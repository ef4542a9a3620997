# Small helpers used for every target of the project, so that libraries, tests, fuzz
# targets and benchmarks are all built the same way.

# veltmar_library(<name>
#     SOURCES <files...>
#     [PUBLIC_LIBS <targets...>] [PRIVATE_LIBS <targets...>]
#     [PC_REQUIRES <pkg-config modules...>] [DESCRIPTION <text>])
#
# A shared library with hidden symbols by default: only what carries the library's export
# macro (<NAME>_EXPORT, defined in include/<name>/<name>_export.h) is visible. Public
# headers live in <dir>/include/<name>/ and install to include/<name>/; private sources and
# headers live in <dir>/src/. Installs the library, its headers and <name>.pc.
function(veltmar_library name)
    cmake_parse_arguments(ARG "" "DESCRIPTION" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS;PC_REQUIRES" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES})
    add_library(veltmar::${name} ALIAS ${name})
    target_include_directories(${name}
        PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
               $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
        PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    string(TOUPPER ${name} upper)
    target_compile_definitions(${name} PRIVATE ${upper}_BUILDING_LIBRARY)
    set_target_properties(${name} PROPERTIES
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    install(TARGETS ${name}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

    set(PC_NAME ${name})
    set(PC_DESCRIPTION "${ARG_DESCRIPTION}")
    string(REPLACE ";" " " PC_REQUIRES "${ARG_PC_REQUIRES}")
    file(RELATIVE_PATH PC_RELATIVE_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/library.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()

# veltmar_test(<name> SOURCES <files...> [LIBS <targets...>] [DATA_DIR <dir>] [INCLUDES <dirs...>])
#
# A GoogleTest executable registered with CTest test by test. DATA_DIR is handed to the
# code as the string macro VELTMAR_TEST_DATA_DIR. Widget tests run on Qt's offscreen platform.
function(veltmar_test name)
    if(NOT VELTMAR_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "DATA_DIR" "SOURCES;LIBS;INCLUDES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
    if(ARG_DATA_DIR)
        target_compile_definitions(${name} PRIVATE VELTMAR_TEST_DATA_DIR="${ARG_DATA_DIR}")
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# veltmar_fuzzer(<name> SOURCES <files...> CORPUS <dir> [LIBS <targets...>] [INCLUDES <dirs...>])
#
# A libFuzzer entry point (LLVMFuzzerTestOneInput). Every build gets <name>_replay, which
# runs the entry point over each file of the corpus, registered as the test <name>_corpus,
# so that CI replays the corpus under whatever sanitizers that build uses. With
# VELTMAR_FUZZ=ON (clang) the real fuzzer <name> is built as well.
function(veltmar_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS;INCLUDES" ${ARGN})
    add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tools/fuzz/ReplayMain.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
    target_include_directories(${name}_replay PRIVATE ${ARG_INCLUDES})
    if(VELTMAR_TESTS)
        add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
    endif()
    if(VELTMAR_FUZZ)
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS})
        target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        set_property(GLOBAL APPEND PROPERTY VELTMAR_FUZZERS "${name}|${ARG_CORPUS}")
    endif()
endfunction()

# veltmar_benchmark(<name> SOURCES <files...> [LIBS <targets...>] [INCLUDES <dirs...>] [DATA_DIR <dir>])
function(veltmar_benchmark name)
    if(NOT VELTMAR_BENCHMARKS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "DATA_DIR" "SOURCES;LIBS;INCLUDES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
    target_compile_definitions(${name} PRIVATE VELTMAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    if(ARG_DATA_DIR)
        target_compile_definitions(${name} PRIVATE VELTMAR_BENCH_DATA_DIR="${ARG_DATA_DIR}")
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin/bench)
endfunction()

# veltmar_umbrella_header(<name>)
#
# Writes <name>/<name>.h, which includes every public header of include/<name>/, the way
# <QtCore> includes Qt Core, and installs it beside them.
function(veltmar_umbrella_header name)
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/include/${name}
         ${CMAKE_CURRENT_SOURCE_DIR}/include/${name}/*.h)
    list(SORT headers)
    string(TOUPPER ${name} upper)
    set(text "// Generated by the build: includes every public header of the ${name} library.\n")
    string(APPEND text "#ifndef ${upper}_${upper}_H\n#define ${upper}_${upper}_H\n\n")
    foreach(header ${headers})
        string(APPEND text "#include <${name}/${header}>\n")
    endforeach()
    string(APPEND text "\n#endif  // ${upper}_${upper}_H\n")
    set(out ${CMAKE_CURRENT_BINARY_DIR}/include/${name}/${name}.h)
    file(GENERATE OUTPUT ${out} CONTENT "${text}")
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>)
    install(FILES ${out} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${name})
endfunction()
