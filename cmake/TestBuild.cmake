# How the test programs are compiled: quickly, since they are compiled far more often than run.

# Compiles a test program's sources in batches (a unity build). Most of a test file's compile time
# goes to GoogleTest's templates, the same in every file: in two batches, one per core of a small
# machine, the test program builds in a quarter of the time. Files that include the Windows
# headers form a batch of their own, so that the macros of <windows.h> (MessageBox, min, ...)
# never meet the portable files. Names in a test file's anonymous namespace must differ from
# those of the other test files of its batch.
function(kv_batch_test_sources target)
  get_target_property(sources ${target} SOURCES)
  set(portable "")
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$")
      continue()
    endif()
    file(STRINGS "${source}" windows_includes
         REGEX "^#include [<\"](windows\\.h|framework/win32/|platform/win32/)")
    if(windows_includes)
      set_source_files_properties("${source}" PROPERTIES UNITY_GROUP windows)
    else()
      list(APPEND portable "${source}")
    endif()
  endforeach()
  list(LENGTH portable count)
  math(EXPR half "(${count} + 1) / 2")
  set(index 0)
  foreach(source IN LISTS portable)
    if(index LESS half)
      set_source_files_properties("${source}" PROPERTIES UNITY_GROUP first)
    else()
      set_source_files_properties("${source}" PROPERTIES UNITY_GROUP second)
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
endfunction()

# Test code runs once per test run: at -O1 it compiles in less than half the time the release
# flags take, while the libraries under test keep the release flags of the program.
function(kv_compile_test_code_quickly)
  if(NOT MSVC)
    foreach(target IN LISTS ARGN)
      target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-O1>)
    endforeach()
  endif()
endfunction()
