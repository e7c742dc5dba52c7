# SPDX-License-Identifier: GPL-3.0-or-later
# Makes one subject's quiz movie from the template:
#   cmake -DIN=Quiz.qml.in -DOUT=Q001.mod -DCODE=001 -DNAME=语文 -P configure-quiz.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED IN OR NOT DEFINED OUT OR NOT DEFINED CODE OR NOT DEFINED NAME)
    message(FATAL_ERROR "usage: cmake -DIN=.. -DOUT=.. -DCODE=.. -DNAME=.. -P configure-quiz.cmake")
endif()
configure_file("${IN}" "${OUT}" @ONLY)
