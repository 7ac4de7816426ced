# No test reaches the session bus of whoever runs them, nor the keyring on
# it: each test sees none, unless it is given the tests' own (the keyring
# fixture of tests/keyring) through ENVIRONMENT_MODIFICATION.
set(MD_NO_SESSION_BUS "DBUS_SESSION_BUS_ADDRESS=set:unix:path=/nonexistent/marrowdale-no-session-bus")

# md_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [CASES_ALONE | RUNS_APART])
# One GoogleTest executable per group of related tests, run by ctest as one
# process on Qt's offscreen platform: starting a process per case cost more
# than most cases take. A failing run's output ends with "[  FAILED  ]"
# lines naming every failing case (ctest --output-on-failure shows it; a
# long output loses its middle, not that end). To run one case:
# tests/<name> --gtest_filter=Suite.Case.
# CASES_ALONE registers every case with ctest on its own instead, for a
# binary whose cases cannot share a process; RUNS_APART registers nothing,
# for a binary whose parts md_add_test_run and md_add_test_cases register
# apart.
function(md_add_test)
  cmake_parse_arguments(T "CASES_ALONE;RUNS_APART" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    MD_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    MD_SHARE_DIR="${MARROWDALE_SHARE_DIR}")
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_CASES_ALONE)
    md_add_test_cases(TARGET ${T_NAME})
  elseif(NOT T_RUNS_APART)
    md_add_test_run(NAME ${T_NAME} TARGET ${T_NAME})
  endif()
endfunction()

# md_add_test_cases(TARGET executable [FILTER gtest-filter])
# Every case of a GoogleTest executable the filter picks registered with
# ctest on its own, for cases that cannot share a process or that mostly
# wait (on a timer or a deadline) and so are quicker side by side.
# (gtest_discover_tests splits a property value at ";", so a test that
# needs more settings takes them as compile definitions.)
function(md_add_test_cases)
  cmake_parse_arguments(C "" "TARGET;FILTER" "" ${ARGN})
  set(filter)
  if(C_FILTER)
    set(filter TEST_FILTER ${C_FILTER})
  endif()
  gtest_discover_tests(${C_TARGET} ${filter}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
               ENVIRONMENT_MODIFICATION "${MD_NO_SESSION_BUS}")
endfunction()

# md_add_test_run(NAME ctest-name TARGET executable [FILTER gtest-filter])
# One ctest entry running the cases of a GoogleTest executable the filter
# picks (all of them without one), in one process.
function(md_add_test_run)
  cmake_parse_arguments(R "" "NAME;TARGET;FILTER" "" ${ARGN})
  set(filter)
  if(R_FILTER)
    set(filter --gtest_filter=${R_FILTER})
  endif()
  add_test(NAME ${R_NAME} COMMAND ${R_TARGET} ${filter})
  set_tests_properties(${R_NAME} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    ENVIRONMENT_MODIFICATION "${MD_NO_SESSION_BUS}")
endfunction()

# ctest reads this from the build folder: a failing binary's output kept
# whole up to 1 MiB, and beyond that its start and its end.
file(WRITE ${CMAKE_BINARY_DIR}/CTestCustom.cmake
  "set(CTEST_CUSTOM_MAXIMUM_FAILED_TEST_OUTPUT_SIZE 1048576)\n"
  "set(CTEST_CUSTOM_TEST_OUTPUT_TRUNCATION middle)\n")
