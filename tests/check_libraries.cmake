cmake_minimum_required(VERSION 3.25)
# Fails unless every shared library that BINARY needs is in the list ALLOWED.
# usage: cmake -DBINARY=path -DALLOWED="a;b" -P check_libraries.cmake
execute_process(COMMAND readelf -d ${BINARY} OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[([^]\n]+)\\]" lines "${dynamic}")
set(needed)
foreach(line IN LISTS lines)
  string(REGEX REPLACE ".*\\[(.+)\\]" "\\1" library "${line}")
  list(APPEND needed ${library})
  if(NOT library IN_LIST ALLOWED)
    message(FATAL_ERROR "${BINARY} needs ${library}; allowed: ${ALLOWED}")
  endif()
endforeach()
message(STATUS "${BINARY} needs: ${needed}")
