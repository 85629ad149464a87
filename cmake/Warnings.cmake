# Warnings are errors on every compiler the project builds with.
add_library(kv_warnings INTERFACE)
if(MSVC)
  target_compile_options(kv_warnings INTERFACE /W4 /WX /permissive- /utf-8)
  target_compile_definitions(kv_warnings INTERFACE _CRT_SECURE_NO_WARNINGS NOMINMAX)
else()
  target_compile_options(kv_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                                               -Wnon-virtual-dtor -Werror)
endif()
