# Every test_*.cpp in the including folder becomes one test program linked
# against the libraries in TEST_LIBS.
file(GLOB TEST_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
foreach(file ${TEST_FILES})
  get_filename_component(name ${file} NAME_WE)
  kelvoa_add_test(${name} SOURCES ${file} LIBS ${TEST_LIBS})
endforeach()
