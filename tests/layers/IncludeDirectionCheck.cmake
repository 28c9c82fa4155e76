cmake_minimum_required(VERSION 3.25)
# Fails naming each file of ROOT's product folders that includes a folder above its own, or
# beside it, with the arrow it draws. Folders from the bottom up; one line holds the folders
# of one level, which include none of each other.
set(levels
  "base"
  "settings"
  "document"
  "audio"
  "player"
  "objects;brushes"
  "catalog"
  "shell")
set(level 0)
foreach(folders IN LISTS levels)
  foreach(folder IN LISTS folders)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

set(arrows 0)
foreach(folders IN LISTS levels)
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+).*" "\\1" included "${line}")
        string(REGEX REPLACE "/.*" "" target "${included}")
        if(NOT DEFINED level_of_${target} OR target STREQUAL folder)
          continue()
        endif()
        if(level_of_${target} LESS level_of_${folder})
          continue()
        endif()
        message("${source} -> ${included}: ${folder}/ includes ${target}/, which is not below it")
        math(EXPR arrows "${arrows} + 1")
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(arrows GREATER 0)
  message(FATAL_ERROR "${arrows} includes point up or sideways")
endif()
