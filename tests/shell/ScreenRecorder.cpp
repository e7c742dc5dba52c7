// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenRecorder.h"

namespace xuehai::testing {

namespace {

class RecordedDialog : public QDialog {
public:
    RecordedDialog(QWidget* owner, std::vector<ShownScreen>& shown)
        : QDialog(owner), shown_(shown) {}

    int exec() override {
        shown_.push_back(
            {parentWidget(), geometry(), windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
        return QDialog::Accepted;
    }

private:
    std::vector<ShownScreen>& shown_;
};

}  // namespace

ScreenFactory ScreenRecorder::Factory() {
    return [this](QWidget* owner) -> std::unique_ptr<QDialog> {
        return std::make_unique<RecordedDialog>(owner, shown_);
    };
}

}  // namespace xuehai::testing
