# add_app_test(tst_name SOURCES a.cpp ... DEPENDS lib ...)
# Every test runs headless and finds the installation folder and its own test data.
function(add_app_test name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_DEPENDS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QVB_DIST_DIR=${QVB_DIST_DIR};QVB_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 300)
  if(TARGET qvb_databases)
    add_dependencies(${name} qvb_databases)
  endif()
endfunction()
