// SPDX-License-Identifier: GPL-3.0-or-later
#include <QEventLoop>
#include <QTimer>

#include "MovieTestSupport.h"
#include "core/Errors.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

const QByteArray kRaiser = MovieWith(R"(
    function raise(list) {
        for (const command of list) Movie.fscommand(command, "arg of " + command)
        root.vars.after = "script went on"
    }
    onVariableSet: (name, value) => { if (name === "poke") Movie.fscommand("poked", value) }
)");

class MovieCommands : public MovieTest {
protected:
    void Raise(TShockwaveFlash& control, const QStringList& commands) {
        ASSERT_TRUE(QMetaObject::invokeMethod(control.Target("_level0"), "raise",
                                              Q_ARG(QVariant, QVariant(commands))));
    }
};

TEST_F(MovieCommands, ArriveInOrderAfterTheScriptReturned) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("s1.mod"), kRaiser));
    std::string seenByFirst;
    control->OnFSCommand = [&](const std::string& command, const std::string& args) {
        if (commands_.empty()) {
            seenByFirst = control->GetVariable("after");
        }
        commands_.emplace_back(command, args);
    };

    Raise(*control, {QStringLiteral("Request"), QStringLiteral("right"), QStringLiteral("exits")});
    EXPECT_TRUE(commands_.empty());
    Settle();

    EXPECT_EQ(commands_, (decltype(commands_){{"Request", "arg of Request"},
                                              {"right", "arg of right"},
                                              {"exits", "arg of exits"}}));
    EXPECT_EQ(seenByFirst, "script went on");
}

TEST_F(MovieCommands, WaitWhileAHandlerRunsAModalLoop) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("s1.mod"), kRaiser));
    std::vector<std::string> events;
    control->OnFSCommand = [&](const std::string& command, const std::string&) {
        events.push_back(command + " begins");
        if (command == "open") {
            // What a modal screen does: the movie keeps running and raising commands.
            control->SetVariable("poke", "1");
            QEventLoop modal;
            QTimer::singleShot(30, &modal, &QEventLoop::quit);
            modal.exec();
        }
        events.push_back(command + " ends");
    };

    Raise(*control, {QStringLiteral("open"), QStringLiteral("next")});
    Settle();

    EXPECT_EQ(events, (std::vector<std::string>{"open begins", "open ends", "next begins",
                                                "next ends", "poked begins", "poked ends"}));
}

TEST_F(MovieCommands, ErrorsInHandlersGoToTheErrorBoxAndDeliveryGoesOn) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("s1.mod"), kRaiser));
    control->OnFSCommand = [&](const std::string& command, const std::string& args) {
        if (command == "entermap") {
            throw ConversionError("'abc' is not an integer");
        }
        if (command == "odd") {
            throw 42;
        }
        commands_.emplace_back(command, args);
    };

    Raise(*control, {QStringLiteral("entermap"), QStringLiteral("odd"), QStringLiteral("exit")});
    Settle();

    ASSERT_EQ(errors_.size(), 2u);
    EXPECT_EQ(errors_[0], "'abc' is not an integer");
    EXPECT_NE(errors_[1].find("odd"), std::string::npos);
    EXPECT_EQ(commands_, (decltype(commands_){{"exit", "arg of exit"}}));
}

TEST_F(MovieCommands, AHandlerMayCloseItsControl) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("sd.mod"), kRaiser));
    int handled = 0;
    control->OnFSCommand = [&](const std::string& command, const std::string&) {
        ++handled;
        if (command == "fightUplevel") {
            control.reset();
            throw Error("closing");
        }
    };

    Raise(*control, {QStringLiteral("fightUplevel"), QStringLiteral("never")});
    Settle();

    EXPECT_EQ(handled, 1);
    EXPECT_EQ(errors_, (std::vector<std::string>{"closing"}));
}

}  // namespace
}  // namespace xuehai::test
