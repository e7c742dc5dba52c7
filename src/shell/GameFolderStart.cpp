// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GameFolderStart.h"

#include "core/ProgramFolder.h"
#include "host/Platform.h"
#include "host/services/FailureLog.h"
#include "userfolder/GameFolderChoice.h"
#include "userfolder/GameFolderUpdate.h"

namespace xuehai {

bool OpenGameFolder(Platform& platform, const GameOptions& options) {
    try {
        const GameFolderPlace place = ChooseGameFolder(
            ProcessGameFolderInputs(ProgramFolder(), XUEHAI_INSTALLED_DATA, options.dataFolder));
        GameFolderUpdate update;
        if (!place.installedData.empty()) {
            update = BringGameFolderUpToDate(place.installedData, place.folder);
        }
        SetProgramFolder(place.folder);
        for (const std::string& problem : update.problems) {
            LogFailure(place.folder, "kept the earlier copy of " + problem);
        }
        return true;
    } catch (const std::exception& e) {
        platform.ShowError(e.what());
        return false;
    }
}

}  // namespace xuehai
