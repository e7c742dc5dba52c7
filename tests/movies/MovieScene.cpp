// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieScene.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQuickItem>
#include <QTest>

#include "core/ProgramFolder.h"
#include "host/movie/Clip.h"

namespace xuehai::test {

namespace {

// Script errors in a movie only reach the log; a test fails on any of them.
std::vector<std::string>* movieWarnings = nullptr;

void RecordMovieWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && movieWarnings != nullptr &&
        message.contains(QStringLiteral(".qml:"))) {
        movieWarnings->push_back(message.toStdString());
    }
}

QQuickItem* FindItem(QQuickItem* item, const std::function<bool(QQuickItem*)>& wanted) {
    if (item == nullptr || wanted(item)) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = FindItem(child, wanted)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

QString MovieSource(const QString& relativePath) {
    return QStringLiteral(XUEHAI_MOVIE_SOURCES "/") + relativePath;
}

void MovieScene::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(QFile::link(MovieSource(QStringLiteral("Xuehai")),
                            folder_.filePath(QStringLiteral("Xuehai"))));
    SetProgramFolder(folder_.path().toStdString());
    movieWarnings = &warnings_;
    previousHandler_ = qInstallMessageHandler(RecordMovieWarning);
}

void MovieScene::TearDown() {
    control_.reset();
    qInstallMessageHandler(previousHandler_);
    movieWarnings = nullptr;
    EXPECT_TRUE(errors_.empty()) << errors_.front();
    EXPECT_TRUE(warnings_.empty()) << warnings_.front();
}

void MovieScene::Play(const QString& source, const QString& gameName) {
    const QString target = folder_.filePath(gameName);
    QDir().mkpath(QFileInfo(target).absolutePath());
    ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
    MovieSettings settings;
    settings.scaleMode = ScaleMode::ExactFit;
    control_ = std::make_unique<TShockwaveFlash>(
        settings, nullptr, [this](const std::string& message) { errors_.push_back(message); });
    control_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        commands_.emplace_back(command, args);
    };
    control_->resize(800, 600);
    control_->show();
    QApplication::setActiveWindow(control_.get());
    control_->setFocus();
    control_->SetMovie(gameName.toStdString());
    ASSERT_NE(control_->Target("_level0"), nullptr) << "the movie did not load";
    Settle();
}

QQuickItem* MovieScene::WithProperty(const char* name) const {
    return FindItem(control_->Target("_level0"),
                    [name](QQuickItem* item) { return item->property(name).isValid(); });
}

QVariant MovieScene::Property(const char* item, const char* name) const {
    QQuickItem* found = WithProperty(item);
    return found != nullptr ? found->property(name) : QVariant();
}

QQuickItem* MovieScene::TextShowing(const QString& text) const {
    return FindItem(control_->Target("_level0"), [&](QQuickItem* item) {
        return item->isVisible() && item->property("lineCount").isValid() &&
               item->property("text").toString() == text;
    });
}

void MovieScene::ClickButton(const QString& caption, const char* signal) {
    QQuickItem* button = FindItem(control_->Target("_level0"), [&](QQuickItem* item) {
        return item->isVisible() && item->property("text").toString() == caption &&
               item->metaObject()->indexOfSignal(signal) >= 0;
    });
    ASSERT_NE(button, nullptr) << "no button " << caption.toStdString();
    const QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
    QTest::mouseClick(control_.get(), Qt::LeftButton, {}, centre.toPoint());
    Settle();
}

void MovieScene::Press(Qt::Key key) {
    QTest::keyClick(control_.get(), key);
    Settle();
}

bool MovieScene::WaitFor(const std::function<bool()>& condition, int milliseconds) {
    return QTest::qWaitFor(condition, milliseconds);
}

void MovieScene::Settle(int milliseconds) {
    QTest::qWait(milliseconds);
}

bool MovieScene::Raised(const std::string& command) const {
    for (const auto& [raised, args] : commands_) {
        if (raised == command) {
            return true;
        }
    }
    return false;
}

}  // namespace xuehai::test
