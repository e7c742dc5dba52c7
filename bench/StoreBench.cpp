// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "BenchData.h"
#include "StoreCommands.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/TuserInfo.h"

namespace xuehai::bench {
namespace {

constexpr double RatioLimit = 1.5;

// Runs command once per iteration and reports the median of the single runs, which a
// mean over thousands of iterations would hide behind a few slow flushes.
void Measure(benchmark::State& state, const Scenario& scenario,
             const std::function<void()>& command) {
    SetProgramFolder(scenario.folder);
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        command();
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
}

// Collects the medians while the console shows the usual table.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto median = run.counters.find("median_ms");
            if (median != run.counters.end()) {
                medians[run.benchmark_name()] = median->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

struct Command {
    std::string name;
    double smallBankMs;  // the slowest acceptable median on the 400-question bank
    double largeBankMs;  // and on the 20,000-question bank
};

bool PrintVerdicts(const std::vector<Scenario>& scenarios, const std::vector<Command>& commands,
                   const std::map<std::string, double>& medians) {
    bool allMet = true;
    std::printf(
        "\nWhole commands through the store against the same statements as bare SQLite "
        "calls (median of single runs)\n");
    std::printf("%-30s %-11s %10s %10s %7s  %-22s %s\n", "bank", "command", "store ms", "sqlite ms",
                "ratio", "target", "");
    for (const Scenario& scenario : scenarios) {
        for (const Command& command : commands) {
            const std::string key = scenario.label + "/" + command.name;
            const auto store = medians.find(key + "/store");
            const auto twin = medians.find(key + "/sqlite");
            if (store == medians.end() || twin == medians.end()) {
                continue;
            }
            const double limit =
                scenario.questions > 1000 ? command.largeBankMs : command.smallBankMs;
            const double ratio = store->second / twin->second;
            const bool met = store->second < limit && ratio <= RatioLimit;
            allMet = allMet && met;
            char target[32];
            std::snprintf(target, sizeof target, "< %g ms, ratio <= %.1f", limit, RatioLimit);
            std::printf("%-30s %-11s %10.3f %10.3f %7.2f  %-22s %s\n", scenario.label.c_str(),
                        command.name.c_str(), store->second, twin->second, ratio, target,
                        met ? "met" : "MISSED");
        }
    }
    return allMet;
}

}  // namespace
}  // namespace xuehai::bench

int main(int argc, char** argv) {
    using namespace xuehai::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "xuehai-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("temporary folder");
        return 1;
    }
    const std::filesystem::path root = pattern;
    std::printf("Building the game folders in %s ...\n", root.c_str());
    std::fflush(stdout);
    std::vector<Scenario> scenarios;
    scenarios.push_back(BuildScenario(root, "400 questions, 1000 players", 400, 1000, 100));
    scenarios.push_back(BuildScenario(root, "20000 questions, 5000 players", 20000, 5000, 100));

    const std::vector<Command> commands = {{"Request", 1.0, 3.0},
                                           {"Right", 1.0, 3.0},
                                           {"Rollover", 1.0, 3.0},
                                           {"ReportFill", 20.0, 20.0}};
    std::vector<std::unique_ptr<SqliteTwin>> twins;
    std::vector<std::unique_ptr<xuehai::TuserInfo>> records;
    for (const Scenario& scenario : scenarios) {
        twins.push_back(std::make_unique<SqliteTwin>(scenario));
        xuehai::SetProgramFolder(scenario.folder);
        records.push_back(
            std::make_unique<xuehai::TuserInfo>(scenario.gameFolder + "Save\\userinfo.dat"));
        records.back()->ActiveUser = scenario.answering;
    }
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const Scenario& s = scenarios[i];
        SqliteTwin& twin = *twins[i];
        xuehai::TuserInfo& user = *records[i];
        auto nextId = [&s, n = 0]() mutable { return std::to_string((n++ * 7919) % s.questions); };
        const std::vector<std::pair<std::string, std::function<void()>>> runs = {
            {"Request/store", [&s] { benchmark::DoNotOptimize(Request(s)); }},
            {"Request/sqlite", [&twin] { benchmark::DoNotOptimize(twin.Request()); }},
            {"Right/store", [&s, &user, nextId]() mutable { Right(s, user, nextId()); }},
            {"Right/sqlite", [&twin, nextId]() mutable { twin.Right(nextId()); }},
            {"Rollover/store", [&s] { benchmark::DoNotOptimize(Rollover(s)); }},
            {"Rollover/sqlite", [&twin] { benchmark::DoNotOptimize(twin.Rollover()); }},
            {"ReportFill/store", [&s] { benchmark::DoNotOptimize(ReportFill(s)); }},
            {"ReportFill/sqlite", [&twin] { benchmark::DoNotOptimize(twin.ReportFill()); }},
        };
        for (const auto& [name, command] : runs) {
            benchmark::RegisterBenchmark(
                (s.label + "/" + name).c_str(),
                [&s, command](benchmark::State& state) { Measure(state, s, command); })
                ->Unit(benchmark::kMicrosecond);
        }
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = PrintVerdicts(scenarios, commands, reporter.medians);

    records.clear();
    twins.clear();
    xuehai::ReleaseIdleConnections();
    std::filesystem::remove_all(root);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
