# Writes docs/walkthrough.md from the step comments of tests/scenarios/walkthrough.kvs, or with
# -DCHECK=ON fails when the document differs from what the scenario says, so the two cannot drift.
#   cmake -P scripts/walkthrough_doc.cmake             (regenerate the document)
#   cmake -DCHECK=ON -P scripts/walkthrough_doc.cmake  (what ctest runs)
# In the scenario, "#= Czech heading | English heading" opens a section and every "#cs" step line
# is followed by its "#en" translation.
cmake_minimum_required(VERSION 3.22)

get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(scenario "${root}/tests/scenarios/walkthrough.kvs")
set(doc "${root}/docs/walkthrough.md")

file(READ "${scenario}" content)
# Only the step lines are taken, so brackets and quotes of the checks never reach a list.
string(REGEX MATCHALL "\n#(=|cs|en) [^\n]*" steps "\n${content}")

set(czech "")
set(english "")
set(number 0)
set(expect "cs-or-section")
foreach(raw IN LISTS steps)
  string(REGEX REPLACE "^\n#(=|cs|en) " "" text "${raw}")
  string(REGEX MATCH "^\n#(=|cs|en)" kind "${raw}")
  string(REGEX REPLACE "^\n#" "" kind "${kind}")
  if(kind STREQUAL "=")
    if(NOT expect STREQUAL "cs-or-section")
      message(FATAL_ERROR "walkthrough.kvs: a section starts before the last #cs line got its #en line")
    endif()
    string(REGEX MATCH "^([^|]+) \\| (.+)$" pair "${text}")
    if(NOT pair)
      message(FATAL_ERROR "walkthrough.kvs: a section needs 'Czech | English': ${text}")
    endif()
    string(APPEND czech "\n### ${CMAKE_MATCH_1}\n\n")
    string(APPEND english "\n### ${CMAKE_MATCH_2}\n\n")
  elseif(kind STREQUAL "cs")
    if(NOT expect STREQUAL "cs-or-section")
      message(FATAL_ERROR "walkthrough.kvs: two #cs lines in a row: ${text}")
    endif()
    math(EXPR number "${number} + 1")
    string(APPEND czech "${number}. ${text}\n")
    set(expect "en")
  else()
    if(NOT expect STREQUAL "en")
      message(FATAL_ERROR "walkthrough.kvs: an #en line without its #cs line: ${text}")
    endif()
    string(APPEND english "${number}. ${text}\n")
    set(expect "cs-or-section")
  endif()
endforeach()
if(NOT expect STREQUAL "cs-or-section")
  message(FATAL_ERROR "walkthrough.kvs: the last #cs line has no #en line")
endif()
if(number EQUAL 0)
  message(FATAL_ERROR "walkthrough.kvs: no steps found")
endif()

set(text "# Kvelnor: návod / walkthrough

<!-- Generated from tests/scenarios/walkthrough.kvs by scripts/walkthrough_doc.cmake; edit the scenario, not this file. -->

Každý krok tohoto návodu je zahrán a ověřen automatickým testem. Předmět vezmete do ruky kliknutím na jeho název v inventáři vlevo; kliknutím s ním na věc v obraze ho na ni použijete.

Every step of this walkthrough is played and checked by an automated test. You take an item into your hand by clicking its name in the inventory on the left; clicking a thing in the picture with it uses the item on that thing.

## Česky
${czech}
## English
${english}")

if(CHECK)
  file(READ "${doc}" current)
  if(NOT current STREQUAL text)
    message(FATAL_ERROR "docs/walkthrough.md does not match tests/scenarios/walkthrough.kvs; "
                        "regenerate it with: cmake -P scripts/walkthrough_doc.cmake")
  endif()
  message(STATUS "docs/walkthrough.md matches the scenario's ${number} steps")
else()
  file(WRITE "${doc}" "${text}")
  message(STATUS "wrote docs/walkthrough.md with ${number} steps")
endif()
