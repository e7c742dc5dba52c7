// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakeMovieControl.h"

#include "fakes/FakePlatform.h"

namespace xuehai::fakes {

FakeMovieControl::FakeMovieControl(FakePlatform& platform, QWidget* parent,
                                   const MovieSettings& settings)
    : QWidget(parent), platform_(platform), settings_(settings) {
    setObjectName(QString::fromStdString(settings.name));
}

void FakeMovieControl::SetMovie(const std::string& path) {
    Record("SetMovie(" + path + ")");
}

void FakeMovieControl::LoadMovie(int layer, const std::string& url) {
    Record("LoadMovie(" + std::to_string(layer) + ", " + url + ")");
}

void FakeMovieControl::SetVariable(const std::string& name, const std::string& value) {
    Record("SetVariable(" + name + ", " + value + ")");
    variables_[name] = value;
}

std::string FakeMovieControl::GetVariable(const std::string& name) {
    Record("GetVariable(" + name + ")");
    auto found = variables_.find(name);
    return found == variables_.end() ? std::string() : found->second;
}

void FakeMovieControl::TGotoFrame(const std::string& target, int frame) {
    Record("TGotoFrame(" + target + ", " + std::to_string(frame) + ")");
}

void FakeMovieControl::GotoFrame(int frame) {
    Record("GotoFrame(" + std::to_string(frame) + ")");
}

void FakeMovieControl::TPlay(const std::string& target) {
    Record("TPlay(" + target + ")");
}

void FakeMovieControl::Stop() {
    Record("Stop()");
}

void FakeMovieControl::TSetProperty(const std::string& target, int property,
                                    const std::string& value) {
    Record("TSetProperty(" + target + ", " + std::to_string(property) + ", " + value + ")");
}

void FakeMovieControl::Raise(const std::string& command, const std::string& args) {
    if (OnFSCommand) {
        RunGuarded(platform_, [&] { OnFSCommand(command, args); });
    }
}

void FakeMovieControl::Record(const std::string& call) {
    platform_.Record(settings_.name + "." + call);
}

}  // namespace xuehai::fakes
