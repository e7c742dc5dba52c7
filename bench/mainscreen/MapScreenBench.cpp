// SPDX-License-Identifier: GPL-3.0-or-later
// "Request", "right" and "exits" through the map screen on recording movie controls, over a
// copy of the demo game folder so that the answers it records never reach a player's data.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "fakes/FakeMovieControl.h"
#include "fakes/FakePlatform.h"
#include "mainscreen/TForm1.h"
#include "store/Connection.h"
#include "store/TuserInfo.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kPlayer = "基准";

void RunCommand(benchmark::State& state, const std::string& command) {
    xuehai::fakes::FakePlatform platform;
    xuehai::TForm1 screen(platform, {}, nullptr);
    auto& map = *platform.Movie("MainFlash");
    map.Preset("_level0.mod", "001");
    map.Preset("_level0.QAID", "0");
    map.Preset("_level0.name", kPlayer);
    for (auto _ : state) {
        platform.ClearLog();
        map.Raise(command);
    }
    if (!platform.Lines("ShowError").empty()) {
        state.SkipWithError(platform.Lines("ShowError").front().c_str());
    }
}

void BM_Request(benchmark::State& state) {
    RunCommand(state, "Request");
}
void BM_Right(benchmark::State& state) {
    RunCommand(state, "right");
}
void BM_Exits(benchmark::State& state) {
    RunCommand(state, "exits");
}

BENCHMARK(BM_Request)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Right)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Exits)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The player records and the first subject of the demo folder, in a folder of their own.
fs::path CopyDemoFolder() {
    std::string pattern = (fs::temp_directory_path() / "xuehai-bench-map-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    const fs::path folder = pattern;
    const fs::path demo = XUEHAI_GAME_DIR;
    fs::create_directories(folder / "Save");
    fs::create_directories(folder / "Data");
    fs::copy_file(demo / "Save/userinfo.dat", folder / "Save/userinfo.dat");
    fs::copy(demo / "Data/Qut001", folder / "Data/Qut001", fs::copy_options::recursive);
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const fs::path folder = CopyDemoFolder();
    xuehai::SetProgramFolder(folder);
    xuehai::TuserInfo(xuehai::ProgramFolder() + "Save\\userinfo.dat").AddUser(kPlayer, 1);
    xuehai::CurrentUserName = kPlayer;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xuehai::ReleaseIdleConnections();
    fs::remove_all(folder);
    return 0;
}
