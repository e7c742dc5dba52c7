# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the subject list (code,name,music,region,x,y) into the map's Subjects.js:
#   cmake -DIN=subjects.csv -DOUT=<folder>/Subjects.js -P make-subjects-js.cmake
# A broken line stops the build with its line number rather than leaving a hole in the map.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED IN OR NOT DEFINED OUT)
    message(FATAL_ERROR "usage: cmake -DIN=subjects.csv -DOUT=Subjects.js -P make-subjects-js.cmake")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/SubjectList.cmake)
xuehai_read_subjects("${IN}" subject)

set(entries "")
foreach(code name region x y IN ZIP_LISTS subject_CODES subject_NAMES subject_REGIONS
        subject_XS subject_YS)
    string(APPEND entries "    {code: \"${code}\", name: \"${name}\", region: ${region}, x: ${x}, y: ${y}},\n")
endforeach()

set(text "// SPDX-License-Identifier: GPL-3.0-or-later\n")
string(APPEND text "// Made by make-subjects-js.cmake from the subject list; edit the list, not this file.\n")
string(APPEND text ".pragma library\n\nvar list = [\n${entries}];\n")

# Writing only on change keeps a rebuild from touching the game folder needlessly.
set(scratch "${OUT}.new")
file(WRITE "${scratch}" "${text}")
file(COPY_FILE "${scratch}" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${scratch}")
