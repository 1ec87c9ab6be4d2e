# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer includes only itself and the layers below it, the layers below
# the windows include no Qt, and the windows' drawing and files (ui/grafica)
# no QtWidgets; every folder of sources is a layer, and clang-tidy checks
# the headers of every one. Each window is a room of ui/ of its own, which
# includes no other window's room. Fails naming every include and every
# folder that breaks it.
#   cmake -DROOT=<source folder> [-DQT_WIDGETS=<QtWidgets' include folder>]
#         -P tests/layers/check_includes.cmake
cmake_minimum_required(VERSION 3.25)
#
# The layers, each with what it may include. The player's script reader is a
# layer of its own, below the window it plays on.
# The rooms of ui/: what the windows share (grafica: drawing, reports and
# files with QtGui; comune: the widgets), a room for each window, and the
# coordinator (programma) that opens and connects them.
set(windows ui/calcolatore ui/dettagli ui/diagramma ui/foglio)
set(ui_rooms ui/grafica ui/comune ${windows} ui/programma)
set(layers calc dettagli percorso logic copione ${ui_rooms} replay app bench)
set(below calc dettagli percorso logic)
set(may_include_calc calc)
set(may_include_dettagli calc dettagli)
set(may_include_percorso calc dettagli percorso)
set(may_include_logic calc logic)
set(may_include_copione calc dettagli percorso logic copione)
set(may_include_ui/grafica calc dettagli percorso ui/grafica)
set(may_include_ui/comune ${below} ui/grafica ui/comune)
foreach(window ${windows})
  set(may_include_${window} ${below} ui/grafica ui/comune ${window})
endforeach()
set(may_include_ui/programma ${below} ${ui_rooms})
set(may_include_replay ${below} copione ${ui_rooms} replay)
set(may_include_app ${below} ${ui_rooms} app)
set(may_include_bench calc dettagli percorso logic bench)
set(without_qt calc dettagli percorso logic copione)
set(without_widgets ui/grafica)
# QtWidgets' headers, from its include folders (any of QT_WIDGETS's that is it).
foreach(folder ${QT_WIDGETS})
  if(folder MATCHES "/QtWidgets$")
    file(GLOB widgets_headers RELATIVE ${folder} ${folder}/Q*)
  endif()
endforeach()

# A folder's name is its layer's (a room's is ui/ and its own), except the
# script reader's files.
function(layer_of file result)
  if(file MATCHES "^replay/copione\\.")
    set(${result} copione PARENT_SCOPE)
  elseif(file MATCHES "^(ui/[a-z_]+)/")
    set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
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
  elseif(line MATCHES "#[ \t]*include[ \t]*\"(ui/[A-Za-z_]+)/")
    set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(line MATCHES "#[ \t]*include[ \t]*\"([A-Za-z_]+)/")
    set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)>" AND CMAKE_MATCH_1 IN_LIST widgets_headers)
    set(${result} qtwidgets PARENT_SCOPE)
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
    elseif(target STREQUAL qtwidgets AND layer IN_LIST without_widgets)
      message(SEND_ERROR "${file}: ${line}: no QtWidgets below the windows")
      math(EXPR broken "${broken} + 1")
    elseif(target MATCHES "^qt")
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
