# md_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable per group of related tests; every case is
# registered with ctest on its own and runs on Qt's offscreen platform.
# (gtest_discover_tests splits a property value at ";", so a test that needs
# more settings takes them as compile definitions rather than environment.)
function(md_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    MD_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    MD_SHARE_DIR="${MARROWDALE_SHARE_DIR}")
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
