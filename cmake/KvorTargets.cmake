# Every source folder is one library made of the .cpp files in it, so adding a
# file never means editing a shared list. A folder with no sources yet makes an
# INTERFACE library, so that targets may already depend on it.
function(kvor_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# The recorded traffic that the tests and benchmarks read.
set(KVOR_DATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)

# One GoogleTest program per test folder; every *_test.cpp in it is a part of it.
# QT: the program gets a main that makes a QApplication on the offscreen platform.
function(kvor_test_program name dir)
  cmake_parse_arguments(ARG "QT" "" "DEPS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    KVOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KVOR_DATA_DIR="${KVOR_DATA_DIR}"
    KVOR_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} kvor_qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  endif()
  include(GoogleTest)
  # The discovery script flattens list values (CMake 3.25), so the labels go
  # as one comma-joined label; ctest -L matches it as a regular expression.
  string(REPLACE ";" "," labels "${ARG_LABELS}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS "${labels}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;KVOR_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
               TIMEOUT 120)
endfunction()
