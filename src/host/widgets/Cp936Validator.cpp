// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/widgets/Cp936Validator.h"

#include "core/CodePage936.h"

namespace xuehai {

Cp936Validator::Cp936Validator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State Cp936Validator::validate(QString& input, int&) const {
    const std::string utf8 = input.toStdString();
    if (!FitsCp936(utf8)) {
        return Invalid;
    }
    return Cp936Length(utf8) <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
}

}  // namespace xuehai
