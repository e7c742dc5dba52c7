# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and the strict Qt flags every target of the game shares.
add_library(xuehai_flags INTERFACE)
target_compile_options(xuehai_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
target_compile_definitions(xuehai_flags INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER
    QT_NO_CAST_TO_ASCII)

if(XUEHAI_SANITIZE)
    target_compile_options(xuehai_flags INTERFACE -fsanitize=address,undefined
                           -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(xuehai_flags INTERFACE -fsanitize=address,undefined)
endif()

# The game folder the build lays out: program, movies, banks, music, saves.
set(XUEHAI_GAME_DIR ${CMAKE_BINARY_DIR}/game CACHE INTERNAL "")
