// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// A two-player battle in a misty bamboo forest, loaded into level 0 by the battle screen.
Clip {
    id: root

    width: 800
    height: 585

    Arena {
        id: arena
        anchors.fill: parent
        host: root
        arenaName: "竹林擂台"
        onCommand: (name, args) => Movie.fscommand(name, args)

        BambooForest {
            anchors.fill: parent
        }
    }

    // The host sets this clip's "complete" last, once the whole question is in place.
    Clip {
        objectName: "Init"
        onVariableSet: name => {
            if (name === "complete")
                arena.showQuestion();
        }
    }

    Component.onCompleted: arena.begin()
}
