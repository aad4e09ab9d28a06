# Helpers that keep each library's CMakeLists short.

# ky_library(NAME [DEPS lib...] [SYSLIBS lib...])
# A DLL built from every .cpp (and .rc) in the calling folder and its area
# folders; NAME_BUILD is defined while building it so its export macro
# switches to dllexport.
function(ky_library name)
  cmake_parse_arguments(K "" "" "DEPS;SYSLIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  add_library(${name} SHARED ${srcs})
  set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
  target_compile_definitions(${name} PRIVATE ${name}_BUILD)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${K_DEPS} ${K_SYSLIBS})
  ky_suite_binary(${name})
endfunction()

# Records a target built from src/ as one of the suite's own binaries (the
# import-table check requires each of them).
function(ky_suite_binary name)
  string(FIND "${CMAKE_CURRENT_SOURCE_DIR}/" "${PROJECT_SOURCE_DIR}/src/" at)
  if(at EQUAL 0)
    set_property(GLOBAL APPEND PROPERTY KY_SUITE_BINARIES ${name})
  endif()
endfunction()

# ky_test_program(NAME LABEL label [DIRS dir...] [DEPS lib...])
# One test program from every *_test.cpp in the given folders (default: the
# calling folder's area folders), registered as one ctest test run under Wine.
function(ky_test_program name)
  cmake_parse_arguments(K "" "LABEL" "DIRS;DEPS;EXTRA" ${ARGN})
  if(NOT K_DIRS)
    set(K_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(srcs)
  foreach(d ${K_DIRS})
    file(GLOB_RECURSE s CONFIGURE_DEPENDS ${d}/*_test.cpp)
    list(APPEND srcs ${s})
  endforeach()
  add_executable(${name} ${srcs} ${K_EXTRA})
  target_link_libraries(${name} PRIVATE ${K_DEPS} gmock_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                             ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    KY_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${KY_BIN_DIR})
  set_tests_properties(${name} PROPERTIES LABELS "${K_LABEL}"
                       ENVIRONMENT "${KY_TEST_ENV}" TIMEOUT 300)
endfunction()

# ky_program(NAME [CONSOLE|WIN32] [SOURCES ...] [DEPS ...])
function(ky_program name)
  cmake_parse_arguments(K "WIN32" "" "SOURCES;DEPS" ${ARGN})
  if(K_WIN32)
    add_executable(${name} WIN32 ${K_SOURCES})
  else()
    add_executable(${name} ${K_SOURCES})
  endif()
  target_link_libraries(${name} PRIVATE ${K_DEPS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  ky_suite_binary(${name})
endfunction()

# ky_exports_def(TARGET DEF): the module-definition file that names a DLL's
# exports. It maps each undecorated name to the 32-bit build's stdcall name
# ("DllCanUnloadNow@0"); the 64-bit build has no such decoration, so it links
# a copy with the "@N" suffixes taken off.
function(ky_exports_def target def)
  if(KY_WIN64)
    get_filename_component(def_name ${def} NAME)
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/${target}-${def_name})
    file(READ ${def} text)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
    file(WRITE ${plain}.tmp "${text}")
    file(COPY_FILE ${plain}.tmp ${plain} ONLY_IF_DIFFERENT)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    set(def ${plain})
  endif()
  target_sources(${target} PRIVATE ${def})
endfunction()

# What a module linked with the compiler's runtime statically adds in the
# 32-bit build: the system functions newer than Windows 95 and NT 4 that the
# thread library calls, found at run time (KY_LATE_THREAD_IMPORTS), and for a
# DLL its unwind tables registered with its own unwinder. The 64-bit build is
# never shipped: its thread library imports what it calls, and its unwinder
# reads the image's own tables.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KY_LATE_THREAD_IMPORTS)
  set(KY_STATIC_RUNTIME_SOURCES)
else()
  set(KY_LATE_THREAD_IMPORTS ${PROJECT_SOURCE_DIR}/src/StaticRuntime/RunTimeImports.cpp)
  set(KY_STATIC_RUNTIME_SOURCES ${KY_LATE_THREAD_IMPORTS}
                                ${PROJECT_SOURCE_DIR}/src/StaticRuntime/OwnUnwindTables.cpp)
endif()
