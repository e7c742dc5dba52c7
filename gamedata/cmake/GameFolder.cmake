# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that add one file of the game folder each; every file they make is appended to
# XUEHAI_GAME_FILES, which the target `game` depends on.

# Copies source to <game folder>/<relative>, again whenever the source changes.
function(xuehai_game_copy source relative)
    set(target "${XUEHAI_GAME_DIR}/${relative}")
    add_custom_command(OUTPUT "${target}"
        COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${target}"
        DEPENDS "${source}"
        COMMENT "Game folder: ${relative}"
        VERBATIM)
    set_property(GLOBAL APPEND PROPERTY XUEHAI_GAME_FILES "${target}")
endfunction()

# Builds or refreshes a data file with xuehai-bank. The file itself is no output of the
# build: it holds players' statistics, which neither a clean nor a rebuild may remove. A
# stamp beside the game's files marks when its source was last put in; the tool writes
# nothing when the file already holds what the source says.
function(xuehai_game_data source relative)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "TOOL_ARGS")
    string(MAKE_C_IDENTIFIER "${relative}" stamp_name)
    set(stamp "${XUEHAI_GAME_DIR}/.stamps/${stamp_name}.stamp")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${XUEHAI_GAME_DIR}/.stamps"
        COMMAND xuehai-bank ${arg_TOOL_ARGS} "${source}" "${XUEHAI_GAME_DIR}/${relative}"
        COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
        DEPENDS "${source}" xuehai-bank
        COMMENT "Game folder: ${relative}"
        VERBATIM)
    set_property(GLOBAL APPEND PROPERTY XUEHAI_GAME_FILES "${stamp}")

    # An installed game gets a file fresh from its source, free of anyone's play.
    set(fresh_args ${arg_TOOL_ARGS})
    list(REMOVE_ITEM fresh_args --replace)
    list(JOIN fresh_args "\" \"" fresh_args)
    install(CODE "
        set(fresh \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${XUEHAI_INSTALL_DATA_DIR}/${relative}\")
        file(REMOVE \"\${fresh}\" \"\${fresh}-wal\" \"\${fresh}-shm\")
        get_filename_component(folder \"\${fresh}\" DIRECTORY)
        file(MAKE_DIRECTORY \"\${folder}\")
        execute_process(COMMAND \"$<TARGET_FILE:xuehai-bank>\" \"${fresh_args}\" \"${source}\"
                                \"\${fresh}\" RESULT_VARIABLE status OUTPUT_QUIET)
        if(status)
            message(FATAL_ERROR \"xuehai-bank could not make \${fresh} from ${source}\")
        endif()")
endfunction()
