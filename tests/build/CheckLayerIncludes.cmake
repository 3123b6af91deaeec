# Checks that each layer includes only itself and the layers below it, and that the layers
# without windows include no Qt header. The include folders that the libraries export stop
# most such includes at compile time; this also catches the one they cannot: sheet/ and
# its Qt canvas in sheet/qt/ and printing in sheet/print/ share the folder name "sheet".
# The windows sit in feature folders below ui/; ui/ itself includes none of them, and only
# the main window's folder includes the others.
# Run: cmake -DSOURCE_DIR=<repository> -P CheckLayerIncludes.cmake
cmake_minimum_required(VERSION 3.25)

# layer folder | folders it may include | whether Qt headers are allowed
set(rules
  "core|core|no"
  "formats|formats core|no"
  "sheet|sheet core|no"
  "sheet/qt|sheet core|yes"
  "sheet/print|sheet core|yes"
  "cli|cli sheet formats core|yes"
  "ui|ui sheet formats core version|yes"
  "ui/main|ui sheet formats core version|yes"
  "ui/result|ui sheet formats core version|yes"
  "ui/deckchoice|ui sheet formats core version|yes"
  "ui/help|ui sheet formats core version|yes"
  "ui/files|ui sheet formats core version|yes"
  "app|ui sheet formats core version|yes"
)

set(faults "")
foreach(rule ${rules})
  string(REPLACE "|" ";" parts "${rule}")
  list(GET parts 0 layer)
  list(GET parts 1 allowed)
  list(GET parts 2 qt_allowed)
  string(REPLACE " " ";" allowed "${allowed}")
  file(GLOB files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      if(line MATCHES "\"([a-z_]+)/([^\"]*)\"")
        set(folder ${CMAKE_MATCH_1})
        set(rest ${CMAKE_MATCH_2})
        # sheet/qt/ is a layer of its own above sheet/, and sheet/print/ one above it that
        # only the desktop program uses (korvane-calc must not load Qt's print support).
        if(folder STREQUAL "sheet" AND rest MATCHES "^qt/"
           AND NOT layer MATCHES "^(sheet/qt|sheet/print|cli|ui|ui/.*|app)$")
          string(APPEND faults "  ${file}: ${line} (sheet/qt is above ${layer})\n")
        elseif(folder STREQUAL "sheet" AND rest MATCHES "^print/"
               AND NOT layer MATCHES "^(sheet/print|ui|ui/.*|app)$")
          string(APPEND faults "  ${file}: ${line} (sheet/print is not for ${layer})\n")
        # ui/ itself holds what every window shares: it includes no feature folder.
        elseif(layer STREQUAL "ui" AND folder STREQUAL "ui" AND rest MATCHES "/")
          string(APPEND faults "  ${file}: ${line} (ui/ shares only what every window uses)\n")
        # The main window opens the other windows; none of them includes it back.
        elseif(layer MATCHES "^ui/" AND NOT layer STREQUAL "ui/main" AND folder STREQUAL "ui"
               AND rest MATCHES "^main/")
          string(APPEND faults "  ${file}: ${line} (ui/main uses ${layer}, not the reverse)\n")
        elseif(NOT folder IN_LIST allowed)
          string(APPEND faults "  ${file}: ${line} (${folder} is not below ${layer})\n")
        endif()
      elseif(line MATCHES "<Q[A-Za-z]*>" AND qt_allowed STREQUAL "no")
        string(APPEND faults "  ${file}: ${line} (no Qt in ${layer})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that cross the layers:\n${faults}")
endif()
message(STATUS "Every layer includes only itself and the layers below it.")
