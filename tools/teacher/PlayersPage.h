// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

class QLabel;
class QListWidget;

namespace xuehai::classroom {
class PlayerAdmin;
}

namespace xuehai::teacher {

// 玩家: rename a player, reset a player's progress or remove a player. Each asks first and
// copies every file it changes into the folder's 备份 folder (on a server, into the
// teacher's own 备份 folder; the status line names it).
class PlayersPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayersPage(QWidget* parent = nullptr);
    void SetGameFolder(const std::filesystem::path& folder);
    void Refresh();

    // Without asking: what the buttons run once the teacher said yes. False and a message
    // when it did not work.
    bool Rename(const QString& from, const QString& to);
    bool Reset(const QString& name);
    bool Remove(const QString& name);

    QListWidget& List() { return *list_; }

Q_SIGNALS:
    void PlayersChanged();

private:
    QString Selected() const;
    bool Run(const QString& done, const std::function<void(classroom::PlayerAdmin&)>& change);

    std::filesystem::path folder_;
    QListWidget* list_;
    QLabel* status_;
};

}  // namespace xuehai::teacher
