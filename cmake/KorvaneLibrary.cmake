# korvane_library(NAME DEPS...): a static library from every source file of the
# calling folder; headers are included as "<folder>/<Header>.h" from src/.
function(korvane_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()  # headers only, so far
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# korvane_tests(NAME DEPS...): one test executable from every *Test.cpp of the
# calling folder, its cases registered with ctest.
function(korvane_tests name)
  korvane_test_binary(${name} GTest::gtest_main ${ARGN})
endfunction()

# korvane_gui_tests(NAME DEPS...): as korvane_tests, with the GUI test main (offscreen platform,
# one QApplication) and the scripted user interface.
function(korvane_gui_tests name)
  korvane_test_binary(${name} korvane_gui_test_support ${ARGN})
endfunction()

function(korvane_test_binary name main)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARGN} korvane_test_support GTest::gmock ${main})
  target_compile_definitions(${name} PRIVATE KORVANE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
