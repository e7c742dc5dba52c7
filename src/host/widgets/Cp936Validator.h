// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace xuehai {

// Name boxes hold at most a number of code page 936 bytes (a Chinese character counts two)
// and refuse characters the code page cannot store, so every name fits the player records
// and the list files the way the game counts it.
class Cp936Validator : public QValidator {
    Q_OBJECT

public:
    explicit Cp936Validator(int maxBytes, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    int maxBytes_;
};

}  // namespace xuehai
