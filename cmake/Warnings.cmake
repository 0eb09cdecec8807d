# Strict warnings for every target of ours; tavrilon_warnings is linked privately.
add_library(tavrilon_warnings INTERFACE)
target_compile_options(tavrilon_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
option(TAVRILON_WERROR "Treat warnings as errors" OFF)
if(TAVRILON_WERROR)
  target_compile_options(tavrilon_warnings INTERFACE -Werror)
endif()
