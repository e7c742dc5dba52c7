# SPDX-License-Identifier: GPL-3.0-or-later
# Where an installed game goes, after the Debian games layout: the game in games/, the
# tools in bin/, the read-only game data in share/games/xuehai/.
include(GNUInstallDirs)
set(XUEHAI_INSTALL_GAMES_DIR games CACHE STRING "Where the game program is installed")
set(XUEHAI_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATAROOTDIR}/games/xuehai CACHE STRING
    "Where the game's read-only data is installed")
