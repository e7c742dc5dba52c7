// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreCommands.h"

#include "core/Errors.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::bench {

namespace {

std::string BankPath(const Scenario& scenario) {
    return scenario.gameFolder + scenario.banks[0];
}

}  // namespace

std::vector<std::string> Request(const Scenario& scenario) {
    TQADataBase bank(BankPath(scenario));
    return bank.PickQuestion();
}

void Right(const Scenario& scenario, TuserInfo& records, const std::string& questionId) {
    TQADataBase bank(BankPath(scenario));
    bank.RecordAnswer(scenario.answering, questionId, 1);
    records.AddScore(scenario.answering, 10);
    records.SetUserRight(records.GetUserRight() + 1);
}

double Rollover(const Scenario& scenario) {
    TQADataBase bank(BankPath(scenario));
    return bank.GetRate("Wancheng", scenario.player) * 100;
}

double ReportFill(const Scenario& scenario) {
    double total = 0;
    for (const std::string& bankPath : scenario.banks) {
        try {
            TQADataBase bank(scenario.gameFolder + bankPath);
            total += bank.GetRate("Wancheng", scenario.player);
        } catch (const Error&) {
        }
    }
    try {
        TuserInfo records(scenario.gameFolder + "Save\\UserInfo.dat");
        records.ActiveUser = scenario.player;
        const std::vector<std::string> data = records.GetUserData(scenario.player);
        total += static_cast<double>(data.size() + records.GetUserRight() + records.GetUserWrong());
    } catch (const Error&) {
    }
    return total;
}

}  // namespace xuehai::bench
