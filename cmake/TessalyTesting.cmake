# GoogleTest for both lanes. Natively the distribution's prebuilt library is
# used; for Windows it is built from the distribution's sources.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The sources are not ours: build them without -Werror.
  target_compile_options(gtest PRIVATE -Wno-error)
  target_compile_options(gtest_main PRIVATE -Wno-error)
  set(TQ_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  set(TQ_GTEST_MAIN GTest::gtest_main)
endif()

# tq_add_gtest(name SOURCES a.cc b.cc LIBS lib1 lib2)
# One test program run by CTest in both lanes (under Wine for Windows).
function(tq_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${TQ_GTEST_MAIN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
