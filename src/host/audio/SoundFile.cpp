// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/audio/SoundFile.h"

#include <QMimeDatabase>
#include <algorithm>

#include "core/Errors.h"

namespace xuehai {

std::string QuotedMusicFile(const std::filesystem::path& file) {
    return "'" + file.string() + "'";
}

void RequireSoundContent(const std::filesystem::path& file) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromStdString(file.string()),
                                                           QMimeDatabase::MatchContent);
    QStringList kinds = type.allAncestors();
    kinds.prepend(type.name());
    if (std::any_of(kinds.cbegin(), kinds.cend(),
                    [](const QString& kind) { return kind.startsWith(u"audio/"); })) {
        return;
    }
    throw MediaError("The music file " + QuotedMusicFile(file) +
                     " holds no sound (its content is " + type.name().toStdString() + ")");
}

}  // namespace xuehai
