# Checks that includes go only downward between the layers of src/ (and app/), and that a subsystem
# includes another subsystem only through that subsystem's public header.
#   cmake -DROOT=<tree holding src/ and app/> -P check_layers.cmake
# Fails with a line for each include that breaks a rule.

cmake_minimum_required(VERSION 3.25)
get_filename_component(ROOT "${ROOT}" ABSOLUTE)

# Layers from the bottom up; folders on one line share a rank and may not include each other.
set(ranks
  "xbase"
  "text"
  "console platform"
  "schema"
  "frame"
  "pickers"
  "documents"
  "masters sales stock receivables purchasing returns memos exchange receivable-reports performance recaps"
  "site"
  "app")
set(subsystems masters sales stock receivables purchasing returns memos exchange receivable-reports performance recaps)

set(rank 0)
foreach(line IN LISTS ranks)
  string(REPLACE " " ";" folders "${line}")
  foreach(folder IN LISTS folders)
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^(src|app)/([^/]+)/" prefix "${source}")
  set(layer ${CMAKE_MATCH_2})
  if(CMAKE_MATCH_1 STREQUAL "app")
    set(layer app)
  endif()
  if(NOT DEFINED rank_${layer})
    list(APPEND faults "${source}: the folder ${layer} has no layer")
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"[^\"]+\"")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${include}")
    if(NOT header MATCHES "^([^/]+)/(.+)$")
      continue()
    endif()
    set(target ${CMAKE_MATCH_1})
    set(file ${CMAKE_MATCH_2})
    if(NOT DEFINED rank_${target} OR target STREQUAL layer)
      continue()
    endif()
    if(${rank_${target}} GREATER_EQUAL ${rank_${layer}})
      if(${rank_${target}} EQUAL ${rank_${layer}} AND target IN_LIST subsystems)
        string(REPLACE "-" "_" public "${target}.h")
        if(NOT file STREQUAL public)
          list(APPEND faults "${source}: includes ${header}, but another subsystem is reached only through ${target}/${public}")
        endif()
      else()
        list(APPEND faults "${source}: includes ${header}, which is not below ${layer}")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  foreach(fault IN LISTS faults)
    message(NOTICE "${fault}")
  endforeach()
  list(LENGTH faults count)
  message(FATAL_ERROR "${count} includes break the layers")
endif()
list(LENGTH sources count)
message(STATUS "Layers hold: ${count} files checked")
