# Helpers shared by the folders' CMakeLists.

# arvenlo_add_test(NAME SOURCES... [LIBS libs...])
# A GoogleTest program. Natively and under Wine (64-bit) its cases become
# CTest tests named "NAME.Suite.Case" (so `ctest -R NAME`, or a part of it
# such as "conformance", selects a program's cases); in the 32-bit Windows
# build it is only compiled and linked.
function(arvenlo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(ARVENLO_RUN_TESTS)
    # NO_PRETTY_VALUES: a case named by its parameter would otherwise carry
    # a dump of the parameter's bytes in its test name.
    gtest_discover_tests(${name}
      TEST_PREFIX "${name}."
      NO_PRETTY_VALUES
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES ${T_PROPERTIES})
  endif()
endfunction()
