# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the build folder of a configure preset of CMakePresets.json,
# relative to the source folder, following the presets it inherits:
#   cmake -DPRESET=release -P cmake/preset-dir.cmake   ->   build-release
cmake_minimum_required(VERSION 3.25)
file(READ ${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")

function(binary_dir name result)
  foreach(i RANGE ${last})
    string(JSON this GET "${presets}" configurePresets ${i} name)
    if(NOT this STREQUAL name)
      continue()
    endif()
    string(JSON folder ERROR_VARIABLE missing GET "${presets}" configurePresets ${i} binaryDir)
    if(NOT missing)
      string(REPLACE "\${sourceDir}/" "" folder "${folder}")
      string(REPLACE "\${presetName}" "${name}" folder "${folder}")
      set(${result} "${folder}" PARENT_SCOPE)
      return()
    endif()
    string(JSON parent ERROR_VARIABLE orphan GET "${presets}" configurePresets ${i} inherits)
    if(NOT orphan)
      binary_dir("${parent}" folder)
      set(${result} "${folder}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "no configure preset \"${name}\" with a binaryDir in CMakePresets.json")
endfunction()

binary_dir("${PRESET}" folder)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${folder}")
