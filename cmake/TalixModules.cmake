# One static library per source folder: every .cpp in the folder belongs to it, so adding a file
# needs no CMake change. Dependencies are listed once, point one way, and are exactly what the
# folder includes: a library sees only its own headers and those of the libraries it links, so an
# include of anything else fails to compile.
function(talix_include_root target folder)
    get_filename_component(name ${folder} NAME)
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# A folder may keep parts of itself in subfolders (SUBFOLDERS a b): they belong to its library.
function(talix_module name)
    cmake_parse_arguments(ARG "" "" "DEPS;SUBFOLDERS" ${ARGN})
    set(folders ${name})
    foreach(sub ${ARG_SUBFOLDERS})
        list(APPEND folders ${name}/${sub})
    endforeach()
    set(sources)
    set(headers)
    foreach(folder ${folders})
        file(GLOB found_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
        file(GLOB found_headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
        list(APPEND sources ${found_sources})
        list(APPEND headers ${found_headers})
    endforeach()
    if(NOT sources)
        message(FATAL_ERROR "src/${name} has no sources: no library for it")
    endif()
    add_library(talix_${name} STATIC ${sources} ${headers})
    talix_include_root(talix_${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name})
    target_link_libraries(talix_${name} PUBLIC ${ARG_DEPS})
endfunction()

# Every test, fuzz and benchmark program links this: it turns the loopback guard on before main,
# whatever the environment it was started in.
add_library(talix_loopback_guard OBJECT ${PROJECT_SOURCE_DIR}/tests/guard/LoopbackGuard.cpp)
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
