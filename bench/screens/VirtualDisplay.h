// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

namespace xuehai::bench {

// An X server of its own, with one screen of the given size, for as long as this object
// lives. The server picks a free display number.
class VirtualDisplay {
public:
    explicit VirtualDisplay(QSize size);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool Running() const { return !name_.isEmpty(); }
    // ":N", the value for DISPLAY.
    QString Name() const { return name_; }
    long ServerPid() const { return server_.processId(); }

private:
    QProcess server_;
    QString name_;
};

}  // namespace xuehai::bench
