# Helpers that every tests/ folder uses, so test targets look alike.
#
#   tavrio_gtest(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2)
#     a GoogleTest executable, its cases registered one by one with CTest.
#   tavrio_qtest(NAME name SOURCES a.cpp LIBS lib1)
#     a Qt Test executable on the offscreen platform. TAVRIO_RUNTIME_DIR
#     names the generated runtime directory (pictures, sounds, sample lists);
#     each test makes its own working directory from it.
find_package(GTest QUIET)
include(GoogleTest OPTIONAL)

function(tavrio_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

function(tavrio_qtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVRIO_RUNTIME_DIR=${TAVRIO_RUNTIME_DIR}"
    TIMEOUT 300)
  if(TARGET tavrio_assets_generated)
    add_dependencies(${T_NAME} tavrio_assets_generated)
  endif()
endfunction()
