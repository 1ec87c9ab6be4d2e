# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer includes only itself and the layers below it, and the layers
# below the window include no Qt; every folder of sources is a layer, and
# clang-tidy checks the headers of every one. Fails naming every include
# and every folder that breaks it.
#   cmake -DROOT=<source folder> -P tests/layers/check_includes.cmake
cmake_minimum_required(VERSION 3.25)
#
# The layers, each with what it may include. The player's script reader is a
# layer of its own, below the window it plays on.
set(layers calc dettagli percorso logic copione ui replay app bench)
set(may_include_calc calc)
set(may_include_dettagli calc dettagli)
set(may_include_percorso calc dettagli percorso)
set(may_include_logic calc logic)
set(may_include_copione calc dettagli logic copione)
set(may_include_ui calc dettagli percorso logic ui)
set(may_include_replay calc dettagli percorso logic copione ui replay)
set(may_include_app calc dettagli percorso logic ui app)
set(may_include_bench calc dettagli percorso logic bench)
set(without_qt calc dettagli percorso logic copione)

# A folder's name is its layer's, except the script reader's files.
function(layer_of file result)
  if(file MATCHES "^replay/copione\\.")
    set(${result} copione PARENT_SCOPE)
  else()
    string(REGEX REPLACE "/.*" "" folder "${file}")
    set(${result} ${folder} PARENT_SCOPE)
  endif()
endfunction()

# What an include names: a project header's layer, or qt.
function(included_layer line result)
  set(${result} "" PARENT_SCOPE)
  if(line MATCHES "#[ \t]*include[ \t]*\"replay/copione\\.h\"")
    set(${result} copione PARENT_SCOPE)
  elseif(line MATCHES "#[ \t]*include[ \t]*\"([A-Za-z_]+)/")
    set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(line MATCHES "#[ \t]*include[ \t]*<Q")
    set(${result} qt PARENT_SCOPE)
  endif()
endfunction()

# Every source of the project's own, outside the tests and the builds.
file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
list(FILTER files EXCLUDE REGEX "^(build[^/]*|tests|dist|\\.[^/]*)/")

set(broken 0)
set(folders tests)
foreach(file ${files})
  layer_of(${file} layer)
  string(REGEX REPLACE "/.*" "" folder "${file}")
  list(APPEND folders ${folder})
  if(NOT layer IN_LIST layers)
    message(SEND_ERROR "${file}: ${folder}/ is no layer: name it in tests/layers/check_includes.cmake")
    math(EXPR broken "${broken} + 1")
    continue()
  endif()
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    included_layer("${line}" target)
    if(target STREQUAL "")
      continue()
    elseif(target STREQUAL qt)
      if(layer IN_LIST without_qt)
        message(SEND_ERROR "${file}: ${line}: no Qt below the window")
        math(EXPR broken "${broken} + 1")
      endif()
    elseif(NOT target IN_LIST may_include_${layer})
      message(SEND_ERROR "${file}: ${line}: ${layer} may include only ${may_include_${layer}}")
      math(EXPR broken "${broken} + 1")
    endif()
  endforeach()
endforeach()
# clang-tidy's header filter names every folder of sources (scripts/check.sh
# reads its folders from there too).
list(REMOVE_DUPLICATES folders)
file(STRINGS ${ROOT}/.clang-tidy filter REGEX "^HeaderFilterRegex:")
foreach(folder ${folders})
  if(NOT filter MATCHES "[(|]${folder}[|)]")
    message(SEND_ERROR ".clang-tidy: HeaderFilterRegex does not name ${folder}/")
    math(EXPR broken "${broken} + 1")
  endif()
endforeach()

list(LENGTH files checked)
if(broken GREATER 0)
  message(FATAL_ERROR "${broken} includes or folders break the layers")
endif()
message(STATUS "${checked} files, every include within its layers")
