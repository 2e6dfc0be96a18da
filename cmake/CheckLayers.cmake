# Fails when a source includes a header of a layer above its own.
#
#   cmake -DROOT=<source dir> -DSTAMP=<file> -P CheckLayers.cmake
#
# The layers, from the bottom. A file under src/<layer>/ (or tests/<layer>/)
# may include "<other>/..." only when <other> stands at or below <layer>;
# apps/ sit above them all.
set(layers base platform package lang graphics ui script engine uninstall wizard core)

set(faults "")
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^(src|tests)/([a-z_]+)/" _ "${source}")
  list(FIND layers "${CMAKE_MATCH_2}" own)
  if(own LESS 0)
    continue()  # not in a layer (tests/fuzz, tests/apps, tests/wine)
  endif()
  file(STRINGS "${ROOT}/${source}" includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "^#include \"([a-z_]+)/" _ "${line}")
    list(FIND layers "${CMAKE_MATCH_1}" other)
    if(other GREATER own)
      string(APPEND faults "  ${source}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "includes that run upward (the layers, from the bottom: ${layers}):\n${faults}")
endif()
file(TOUCH "${STAMP}")
