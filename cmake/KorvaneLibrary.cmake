# Each library sees only its own headers and those of the libraries it links, still included as
# "<folder>/<Header>.h": its include root is a folder of the build tree holding one link, named
# after the source folder, to that folder; the roots pass on to the users of the library.
function(korvane_include_root target folder)
  get_filename_component(layer ${folder} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${folder} ${root}/${layer} SYMBOLIC)
  set(korvane_root ${root} PARENT_SCOPE)
endfunction()

# korvane_library(NAME DEPS...): a static library from every source file of the calling folder;
# its headers are included as "<folder>/<Header>.h" by it and by what links it.
function(korvane_library name)
  korvane_include_root(${name} ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${korvane_root})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()  # headers only, so far
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${korvane_root})
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
