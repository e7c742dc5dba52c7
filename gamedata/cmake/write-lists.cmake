# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the battle screen's list files from the subject list:
#   cmake -DSUBJECTS=subjects.csv -DOUT=<game folder> -P write-lists.cmake
# AliginA.cfg holds the subject names, AliginB.cfg the bank codes, one subject per line in
# the same order, in code page 936 with LF line ends and a final LF (one line per subject,
# no empty line after the last).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/SubjectList.cmake)

if(NOT DEFINED SUBJECTS OR NOT DEFINED OUT)
    message(FATAL_ERROR "usage: cmake -DSUBJECTS=subjects.csv -DOUT=<folder> -P write-lists.cmake")
endif()
xuehai_read_subjects("${SUBJECTS}" subject)

string(REPLACE ";" "\n" names "${subject_NAMES}")
string(REPLACE ";" "\n" codes "${subject_CODES}")
file(WRITE "${OUT}/AliginA.cfg.utf8" "${names}\n")
file(WRITE "${OUT}/AliginB.cfg" "${codes}\n")

# glibc's iconv program is part of every Debian system; it refuses a name that code page
# 936 cannot hold instead of writing a question mark.
execute_process(COMMAND iconv -f UTF-8 -t CP936 "${OUT}/AliginA.cfg.utf8"
                OUTPUT_FILE "${OUT}/AliginA.cfg"
                RESULT_VARIABLE status
                ERROR_VARIABLE error)
file(REMOVE "${OUT}/AliginA.cfg.utf8")
if(NOT status EQUAL 0)
    file(REMOVE "${OUT}/AliginA.cfg")
    message(FATAL_ERROR "${SUBJECTS}: a subject name cannot be written in code page 936: ${error}")
endif()
