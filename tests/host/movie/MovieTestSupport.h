// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/movie/TShockwaveFlash.h"

namespace xuehai::test {

// A game folder of its own for each test, with movies the test writes into it, and controls
// whose commands and error boxes are recorded.
class MovieTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Writes a movie file (folders are made as needed) and returns its absolute path.
    std::string Write(const QString& relativePath, const QByteArray& qml);
    // A shown 800 × 600 control that records every command into commands_.
    std::unique_ptr<TShockwaveFlash> MakeControl(MovieSettings settings = {});

    // Runs queued commands and deferred deletions, as the event loop would.
    static void Settle();

    QTemporaryDir folder_;
    std::vector<std::pair<std::string, std::string>> commands_;
    std::vector<std::string> errors_;
};

// A movie whose root clip is 800 × 600 and holds body.
QByteArray MovieWith(const QByteArray& body);

}  // namespace xuehai::test
