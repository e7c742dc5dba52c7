# SPDX-License-Identifier: GPL-3.0-or-later
# The music is rendered at build time from the text scores in gamedata/music/: xuehai-music
# turns a score into one seamless loop, lame encodes it (scripts/render-music.sh). A render
# is cached by the content of score and renderer, so only an edited score costs time.
find_program(XUEHAI_LAME lame)
if(NOT XUEHAI_LAME)
    message(WARNING "lame is not installed (scripts/install-deps.sh installs it): the game "
                    "folder gets no music")
endif()

set(music_scores ${CMAKE_CURRENT_SOURCE_DIR}/music)
set(music_cache ${CMAKE_BINARY_DIR}/music-cache)

# Renders a score once into the build folder; answers the MP3's path in <out>.
function(xuehai_render_score score out)
    set(mp3 ${CMAKE_CURRENT_BINARY_DIR}/music/${score}.mp3)
    get_property(done GLOBAL PROPERTY XUEHAI_RENDERED_${score})
    if(NOT done)
        if(NOT EXISTS ${music_scores}/${score}.score)
            message(FATAL_ERROR "no score gamedata/music/${score}.score")
        endif()
        add_custom_command(OUTPUT ${mp3}
            COMMAND ${CMAKE_SOURCE_DIR}/scripts/render-music.sh $<TARGET_FILE:xuehai-music>
                    ${music_scores}/${score}.score ${mp3} ${music_cache}
            DEPENDS ${music_scores}/${score}.score xuehai-music
                    ${CMAKE_SOURCE_DIR}/scripts/render-music.sh
            COMMENT "Music: ${score}"
            VERBATIM)
        set_property(GLOBAL PROPERTY XUEHAI_RENDERED_${score} TRUE)
    endif()
    set(${out} ${mp3} PARENT_SCOPE)
endfunction()

# Puts the rendering of a score into the game folder at relative.
function(xuehai_game_music score relative)
    if(XUEHAI_LAME)
        xuehai_render_score(${score} mp3)
        xuehai_game_copy(${mp3} ${relative})
    endif()
endfunction()

xuehai_game_music(map map.mp3)
xuehai_game_music(battle Data/fight/1.mp3)
