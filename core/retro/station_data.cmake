# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the station tables (data/stations.csv) into C++ constant data.
#
#   cmake -DINPUT=stations.csv -DOUTPUT=station_data.cpp -P station_data.cmake
#
# Every line is checked against the one shape the file may have: the planets
# in flag order, rows numbered from 0 without gaps, every station five
# numbers without leading zeros. Anything else stops the build, so the
# program can never carry a table that was silently misread. Row counts,
# order and calendar validity are then checked by the compiler (static_assert
# in the generated file).
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DINPUT=stations.csv -DOUTPUT=station_data.cpp -P station_data.cmake")
endif()

set(planets Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto)
# CMake keeps at most nine match groups: match the row, then each station.
set(row_regex "^([A-Za-z]+),([0-9]+),\"([0-9,]+)\",\"([0-9,]+)\"$")
set(n "(0|[1-9][0-9]*)")
set(station_regex "^${n},${n},${n},${n},${n},$")

file(STRINGS "${INPUT}" lines)
list(POP_FRONT lines header)
string(REGEX REPLACE "\r$" "" header "${header}")
if(NOT header STREQUAL "planet,row,retrograde,direct")
  message(FATAL_ERROR "${INPUT}: unexpected header '${header}'")
endif()

foreach(p IN LISTS planets)
  set(body_${p} "")
  set(count_${p} 0)
endforeach()

set(line_number 1)
set(planet_index 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  string(REGEX REPLACE "\r$" "" line "${line}")
  if(NOT line MATCHES "${row_regex}")
    message(FATAL_ERROR "${INPUT}:${line_number}: malformed row '${line}'")
  endif()
  set(p "${CMAKE_MATCH_1}")
  set(row "${CMAKE_MATCH_2}")
  set(texts "${CMAKE_MATCH_3}" "${CMAKE_MATCH_4}")
  set(fields "")
  foreach(text IN LISTS texts)
    if(NOT text MATCHES "${station_regex}")
      message(FATAL_ERROR "${INPUT}:${line_number}: malformed station '${text}'")
    endif()
    # The file writes month, day, year; a Station holds year, month, day.
    list(APPEND fields "{${CMAKE_MATCH_3}, ${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}}")
  endforeach()
  list(GET fields 0 r)
  list(GET fields 1 d)
  list(FIND planets "${p}" index)
  if(index LESS planet_index OR index EQUAL -1)
    message(FATAL_ERROR "${INPUT}:${line_number}: planet '${p}' out of order")
  endif()
  set(planet_index ${index})
  if(NOT row STREQUAL count_${p})
    message(FATAL_ERROR "${INPUT}:${line_number}: ${p} row ${row}, expected ${count_${p}}")
  endif()
  math(EXPR count_${p} "${count_${p}} + 1")
  string(APPEND body_${p} "    MakeStationPeriod(${r}, ${d}),\n")
endforeach()

set(out "// Generated at build time from retro/data/stations.csv by\n")
string(APPEND out "// retro/station_data.cmake. Edit the CSV file, not this one.\n")
string(APPEND out "#include \"core/retro/station_table.h\"\n\n")
string(APPEND out "namespace vellamor {\nnamespace {\n\n")
set(index 0)
set(entries "")
foreach(p IN LISTS planets)
  if(count_${p} EQUAL 0)
    message(FATAL_ERROR "${INPUT}: no rows for ${p}")
  endif()
  string(APPEND out "constexpr StationPeriod k${p}[] = {\n${body_${p}}};\n")
  string(APPEND out "static_assert(std::size(k${p}) == kStationRowCounts[${index}]);\n")
  string(APPEND out "static_assert(IsWellFormedStationTable(k${p}));\n\n")
  string(APPEND entries "        StationTable{Body::${p}, \"${p}\", k${p}},\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND out "}  // namespace\n\n")
string(APPEND out "const std::array<StationTable, kStationPlanets>& StationTables() {\n")
string(APPEND out "    static constexpr std::array<StationTable, kStationPlanets> tables{\n${entries}    };\n")
string(APPEND out "    return tables;\n}\n\n}  // namespace vellamor\n")

file(WRITE "${OUTPUT}" "${out}")
