// SPDX-License-Identifier: GPL-3.0-or-later
// The map movie's commands of the character tests.
#include <algorithm>
#include <cstdint>

#include "core/IntegerText.h"
#include "core/ListItem.h"
#include "store/LockedRecords.h"
#include "mainscreen/MainScreenGlobals.h"
#include "mainscreen/MapPaths.h"
#include "mainscreen/TForm1.h"
#include "store/CommandTransaction.h"
#include "store/GameRandom.h"

namespace xuehai {

void TForm1::Qmap(const std::string& test) {
    MainFlash_->TSetProperty("_level0", 7, "0");
    MainFlash_->LoadMovie(1, TestMoviePath(test));
    // The earlier test is over even when this one cannot be opened.
    IQ.reset();
    lastOptions_.clear();
    int types = 0;
    ExplainLockedRecords(
        "这个性格测试现在打不开：它的文件正被另一个程序占用。"
        "请关掉那个程序，然后再选一次这个测试。",
        [&] {
            CommandTransaction command;
            IQ = std::make_unique<TIQ>(TestDataPath(test));
            types = std::max(IQ->GetTypeCount(), 0);
        });
    Randomize();
    TestType = static_cast<int>(Random(static_cast<std::uint32_t>(types))) + 1;
    FlashBack_->GotoFrame(1);
}

// Before any test was opened there is no questionnaire to answer from.
void TForm1::QRequest() {
    if (!IQ) {
        return;
    }
    std::vector<std::string> item;
    ExplainLockedRecords(
        "性格测试的下一道题现在读不出来：测试的文件正被另一个程序占用。"
        "请关掉那个程序，然后重新选这个测试。",
        [&] {
            CommandTransaction command;
            item = IQ->LoadTestQuestions(TestType);
        });
    if (ListItem(item, 0) != "NULL") {
        MainFlash_->SetVariable("_level1.Qstn", ListItem(item, 0));
        MainFlash_->SetVariable("_level1.answ1", ListItem(item, 1));
        MainFlash_->SetVariable("_level1.rsa", ListItem(item, 2));
        MainFlash_->SetVariable("_level1.answ2", ListItem(item, 3));
        MainFlash_->SetVariable("_level1.rsb", ListItem(item, 4));
        MainFlash_->SetVariable("_level1.answ3", ListItem(item, 5));
        MainFlash_->SetVariable("_level1.rsc", ListItem(item, 6));
        MainFlash_->SetVariable("_level1.Init.complete", ListItem(item, 1));
        lastOptions_ = {item[1], item[3], item[5]};
        return;
    }
    const int total = StrToInt(MainFlash_->GetVariable("_level1.Score"));
    std::string judgement;
    ExplainLockedRecords(
        "性格测试的评价现在读不出来：测试的文件正被另一个程序占用。"
        "请关掉那个程序，然后重新选这个测试。",
        [&] {
            CommandTransaction command;
            judgement = IQ->GetResult(TestType, total);
        });
    MainFlash_->SetVariable("_level1.judge", judgement);
    MainFlash_->TSetProperty("_level1.Mcjudge", 7, "1");
}

// "A", "B", "C": the movie learns the text of the option the player chose.
void TForm1::ChooseOption(std::size_t option) {
    if (option < lastOptions_.size()) {
        MainFlash_->SetVariable("_level1.rs", lastOptions_[option]);
    }
}

}  // namespace xuehai
