// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "Subjects.js" as Generated

// The subjects of the map, as the build generated them from the subject list. A plain
// type rather than a singleton, so that only the movie that makes one needs the list.
QtObject {
    readonly property var list: Generated.list

    function find(code) {
        for (let i = 0; i < list.length; ++i) {
            if (list[i].code === code)
                return list[i];
        }
        return null;
    }

    function name(code) {
        const subject = find(code);
        return subject ? subject.name : "";
    }
}
