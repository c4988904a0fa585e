# One place for what every subsystem's build shares: warnings, sources and tests.

# Strict warnings for our own code; consumers of our targets do not inherit them.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wno-unused-parameter
  $<$<BOOL:${WARNINGS_AS_ERRORS}>:-Werror>)

# The sources of the current folder (not its tests/ nor its bench/), in name order.
function(subsystem_sources out)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(SORT srcs)
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# A static, position-independent library of the current folder's sources.
# The toolbox and the verification core are compiled into each shared library that links them.
function(add_subsystem_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  subsystem_sources(srcs)
  if(NOT srcs)
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE project_warnings)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# One GoogleTest executable of the current folder's tests/*.cpp, registered with ctest.
# Tests run in their own folder under the build tree, so that they may write files there.
function(add_subsystem_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT srcs)
    return()
  endif()
  list(SORT srcs)
  add_executable(${name}_tests ${srcs})
  target_link_libraries(${name}_tests PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main project_warnings)
  # The tests' own sources run little code and take most of a debug build's time: unoptimised in
  # a debug build, they compile in about half the time; the code they test keeps its flags.
  target_compile_options(${name}_tests PRIVATE $<$<CONFIG:Debug>:-O0>)
  target_compile_definitions(${name}_tests PRIVATE
    TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests"
    PROJECT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}_testdata)
  file(MAKE_DIRECTORY ${workdir})
  gtest_discover_tests(${name}_tests WORKING_DIRECTORY ${workdir} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# One Google Benchmark executable per bench/*.cpp of the current folder (built, not run by the tests).
function(add_subsystem_benchmarks)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  if(NOT BUILD_BENCHMARKS)
    return()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/*.cpp)
  foreach(src ${srcs})
    get_filename_component(base ${src} NAME_WE)
    add_executable(${base} ${src})
    target_link_libraries(${base} PRIVATE ${ARG_LIBS} benchmark::benchmark project_warnings)
  endforeach()
endfunction()
