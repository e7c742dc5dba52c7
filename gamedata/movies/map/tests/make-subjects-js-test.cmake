# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the map's subject list generator on good and broken lists:
#   cmake -DSCRIPT=<make-subjects-js.cmake> -DWORK=<scratch folder> -P make-subjects-js-test.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SCRIPT OR NOT DEFINED WORK)
    message(FATAL_ERROR "usage: cmake -DSCRIPT=... -DWORK=... -P make-subjects-js-test.cmake")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(failures 0)
macro(fail text)
    message(SEND_ERROR "${case}: ${text}")
    math(EXPR failures "${failures} + 1")
endmacro()

function(generate csv out result_var error_var)
    file(WRITE "${WORK}/in.csv" "${csv}")
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DIN=${WORK}/in.csv" "-DOUT=${out}" -P "${SCRIPT}"
                    RESULT_VARIABLE result ERROR_VARIABLE error)
    # CMake wraps long messages to the terminal width; compare them as one line.
    string(REGEX REPLACE "[ \t\r\n]+" " " error "${error}")
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${error_var} "${error}" PARENT_SCOPE)
endfunction()

set(header "code,name,music,region,x,y\n")

set(case "Good list: every line becomes one entry with its code as text")
generate("${header}001,语文,calm,1,180,150\n016,艺术,calm,3,200,820\n" "${WORK}/Subjects.js" result error)
file(READ "${WORK}/Subjects.js" js)
if(NOT result EQUAL 0)
    fail("generator failed: ${error}")
elseif(NOT js MATCHES "\\.pragma library")
    fail("no .pragma library line")
elseif(NOT js MATCHES "\\{code: \"001\", name: \"语文\", region: 1, x: 180, y: 150\\}")
    fail("first subject missing or wrong:\n${js}")
elseif(NOT js MATCHES "\\{code: \"016\", name: \"艺术\", region: 3, x: 200, y: 820\\}")
    fail("second subject missing or wrong:\n${js}")
endif()

set(case "Windows line ends, blanks around fields and empty lines are tolerated")
generate("${header}\r\n 002 , 英语 ,bright, 1 ,420,120\r\n\r\n" "${WORK}/crlf.js" result error)
file(READ "${WORK}/crlf.js" js)
if(NOT result EQUAL 0)
    fail("generator failed: ${error}")
elseif(NOT js MATCHES "\\{code: \"002\", name: \"英语\", region: 1, x: 420, y: 120\\}")
    fail("entry not cleaned up:\n${js}")
endif()

set(case "An unchanged list leaves the output file alone")
file(TIMESTAMP "${WORK}/Subjects.js" before "%s")
execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 1.1)
generate("${header}001,语文,calm,1,180,150\n016,艺术,calm,3,200,820\n" "${WORK}/Subjects.js" result error)
file(TIMESTAMP "${WORK}/Subjects.js" after "%s")
if(NOT result EQUAL 0 OR NOT before STREQUAL after)
    fail("output rewritten (${before} -> ${after}) or generator failed: ${error}")
endif()

# Each broken list must stop the build, name the line and leave no output behind.
set(broken_lists
    "two lines with one code|${header}001,语文,calm,1,1,1\n001,英语,calm,1,2,2\n|:3: subject code 001 appears twice"
    "too few fields|${header}001,语文,calm,1,1\n|:2: expected 6 fields"
    "a region beyond the three|${header}001,语文,calm,4,1,1\n|:2: region '4' must be 1, 2 or 3"
    "a code that is not a number|${header}0a1,语文,calm,1,1,1\n|:2: subject code '0a1' is not a number"
    "a position that is not a number|${header}001,语文,calm,1,-5,1\n|:2: position '-5,1' is not two whole numbers"
    "a quote that would break the script|${header}001,语\"文,calm,1,1,1\n|:2: quotes, backslashes and semicolons"
    "a name left empty|${header}001,,calm,1,1,1\n|:2: subject 001 has no name"
    "only the header|${header}|no subjects listed")
foreach(entry IN LISTS broken_lists)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 case)
    list(GET parts 1 csv)
    list(GET parts 2 expected)
    set(out "${WORK}/broken.js")
    file(REMOVE "${out}")
    generate("${csv}" "${out}" result error)
    if(result EQUAL 0)
        fail("accepted")
    elseif(NOT error MATCHES "${expected}")
        fail("message does not say '${expected}':\n${error}")
    elseif(EXISTS "${out}")
        fail("left an output file")
    endif()
endforeach()

set(case "A missing list is reported by name")
execute_process(COMMAND "${CMAKE_COMMAND}" "-DIN=${WORK}/nowhere.csv" "-DOUT=${WORK}/x.js" -P "${SCRIPT}"
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(result EQUAL 0 OR NOT error MATCHES "nowhere.csv")
    fail("not reported: ${error}")
endif()

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} case(s) failed")
endif()
message(STATUS "make-subjects-js: all cases passed")
