# Warnings every core library is built with: the compiler as a reviewer.
# -Wno-restrict: GCC 12 reports std::string concatenations falsely (GCC bug 105329).
set(VELMORA_CORE_WARNINGS -Wall -Wextra -Wconversion -Wdouble-promotion -Wshadow $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)

# velmora_core_library(name SOURCES ... [DEPS ...]): a Qt-free library of src/core.
function(velmora_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src/core)
  target_compile_options(${name} PRIVATE ${VELMORA_CORE_WARNINGS})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# velmora_gui_library(name SOURCES ... [DEPS ...]): a Qt Widgets library of src/gui, held to the
# core's warnings (Qt's own headers come in as system headers and are not judged).
function(velmora_gui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VELMORA_CORE_WARNINGS})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# velmora_add_test(name SOURCES ... LIBS ... [GUI]): one GoogleTest program, one CTest entry.
# Tests find the generated data files through VELMORA_TEST_PROGRAM_DIR.
function(velmora_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src/core ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VELMORA_TEST_PROGRAM_DIR="${VELMORA_PROGRAM_DIR}"
    VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${name} velmora_data)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()

# velmora_add_areas(): every subfolder with a CMakeLists.txt of its own is part of the build.
macro(velmora_add_areas)
  file(GLOB velmora_areas LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT velmora_areas)
  foreach(area IN LISTS velmora_areas)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/CMakeLists.txt)
      add_subdirectory(${area})
    endif()
  endforeach()
endmacro()
