# Shared helpers for the targets of every folder.

# zumeo_library(<name> SOURCES ... LIBS ...): the static library of one source
# folder. A folder without sources yet gives an interface library, so its
# users link already.
function(zumeo_library name)
  cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
  if(L_SOURCES)
    add_library(${name} STATIC ${L_SOURCES})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()

# Archived classes register themselves by name when their file is linked; a
# file may name a class that no code of the program refers to, so every
# program that reads the own files links the entity and markup libraries
# whole.
function(zumeo_link_archived_classes target)
  set_property(TARGET ${target} PROPERTY LINK_LIBRARY_OVERRIDE_zumeo_entities WHOLE_ARCHIVE)
  set_property(TARGET ${target} PROPERTY LINK_LIBRARY_OVERRIDE_zumeo_markups WHOLE_ARCHIVE)
endfunction()

# Precompiled Qt headers: a source file that includes QPainter costs seconds
# to compile otherwise.
# A precompiled header is built per build folder, so the compiler cache never
# matches it from another checkout: ZUMEO_PCH=OFF lets parallel checkouts share
# one cache.
function(zumeo_use_pch target)
  if(NOT ZUMEO_PCH)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE <QtCore/QtCore> <QtGui/QPainter> <QtGui/QImage>
                            <vector> <string> <memory>)
endfunction()

# zumeo_test(<name> SOURCES ... LIBS ... [GUI]): a GoogleTest program that
# ctest runs whole: one process per test case would start Qt and the
# sanitizers thousands of times over, several times the work of the tests.
function(zumeo_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE zumeo_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE zumeo_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE ZUMEO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 1200)
endfunction()
