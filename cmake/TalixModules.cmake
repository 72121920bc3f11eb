# One static library per source folder: every .cpp in the folder belongs to it, so adding a file
# needs no CMake change. Dependencies are listed once here and point one way.
function(talix_module name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
    if(sources)
        add_library(talix_${name} STATIC ${sources} ${headers})
        target_include_directories(talix_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
        target_link_libraries(talix_${name} PUBLIC ${ARG_DEPS} Threads::Threads)
    else()
        # A folder whose code is still to come: nothing to compile yet.
        add_library(talix_${name} INTERFACE)
        target_include_directories(talix_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
        target_link_libraries(talix_${name} INTERFACE ${ARG_DEPS} Threads::Threads)
    endif()
endfunction()

# Every test, fuzz and benchmark program links this: it turns the loopback guard on before main,
# whatever the environment it was started in.
add_library(talix_loopback_guard OBJECT ${PROJECT_SOURCE_DIR}/tests/guard/LoopbackGuard.cpp)
target_include_directories(talix_loopback_guard PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(talix_loopback_guard PUBLIC talix_base)

# Tests of one folder: tests/<name>/*_test.cpp need no QApplication and link gtest_main;
# tests/<name>/*_guitest.cpp run with a QApplication on the offscreen platform.
function(talix_tests name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${name})
    file(GLOB core CONFIGURE_DEPENDS ${dir}/*_test.cpp)
    file(GLOB gui CONFIGURE_DEPENDS ${dir}/*_guitest.cpp)
    file(GLOB support CONFIGURE_DEPENDS ${dir}/support/*.cpp)
    set(env
        "QT_QPA_PLATFORM=offscreen"
        "LC_ALL=C.UTF-8"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "TALIX_LOOPBACK_ONLY=1"
        "TALIX_NORMAL_PRIORITY=1"
        "TALIX_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
        "TALIX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    # gtest_discover_tests cannot pass a list of variables as ENVIRONMENT; running every test
    # program through `cmake -E env` sets them for discovery and for each test alike.
    set(launcher ${CMAKE_COMMAND} -E env ${env})
    if(core)
        add_executable(test_${name} ${core} ${support})
        target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} talix_loopback_guard talix_testsupport GTest::gtest_main GTest::gmock)
        set_target_properties(test_${name} PROPERTIES CROSSCOMPILING_EMULATOR "${launcher}")
        gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST)
    endif()
    if(gui)
        add_executable(test_${name}_gui ${gui} ${support})
        target_link_libraries(test_${name}_gui PRIVATE ${ARG_DEPS} talix_loopback_guard talix_testsupport talix_guitest_main GTest::gtest GTest::gmock)
        set_target_properties(test_${name}_gui PROPERTIES CROSSCOMPILING_EMULATOR "${launcher}")
        gtest_discover_tests(test_${name}_gui DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
