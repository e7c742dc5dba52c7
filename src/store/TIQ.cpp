// SPDX-License-Identifier: GPL-3.0-or-later
#include "TIQ.h"

#include <cstdint>

#include "Connection.h"
#include "ConnectionString.h"
#include "Query.h"

namespace xuehai {

TIQ::TIQ(const std::string& path)
    : connection_(std::make_unique<Connection>(MakeConnectionString(path))),
      items_(std::make_unique<Query>(*connection_)) {}

TIQ::~TIQ() = default;

int TIQ::GetTypeCount() {
    // A query of its own, so a questionnaire in progress on items_ is not disturbed.
    Query count(*connection_);
    QueryCloser closer(count);
    count.SetText("SELECT Count(*) AS QACount FROM CQType");
    count.Open();
    return count.Integer("QACount");
}

std::vector<std::string> TIQ::LoadTestQuestions(int testType) {
    std::vector<std::string> list;
    if (!ItemsOpen) {
        items_->SetText("SELECT * FROM CQCont WHERE CQTypeID = " + std::to_string(testType));
        items_->Open();
        ItemsOpen = true;
    } else {
        items_->Next();
    }
    if (items_->AtEnd()) {
        list.emplace_back("NULL");
        ItemsOpen = false;
        items_->Close();
        return list;
    }
    for (const char* column : {"CQCont", "CQA", "CQAScore", "CQB", "CQBScore", "CQC", "CQCScore"}) {
        list.push_back(items_->Text(column));
    }
    return list;
}

std::string TIQ::GetResult(int testType, int total) {
    Query ranges(*connection_);
    QueryCloser closer(ranges);
    ranges.SetText("SELECT * FROM CQScore WHERE CQTypeID = " + std::to_string(testType));
    ranges.Open();
    if (ranges.AtEnd()) {
        return "请回答完所有问题再看评价，谢谢！";
    }
    std::string result;
    const int rows = ranges.RowCount();
    for (int i = 0; i < rows; ++i) {
        // Both bounds are read before either is compared, so a missing one is found on
        // every row, not only on rows whose low bound the total reaches.
        const std::int32_t low = ranges.Integer("CQScoreLow");
        const std::int32_t high = ranges.Integer("CQScoreHigh");
        if (low <= total && total <= high) {
            result = ranges.Text("CQResult");
        }
        ranges.Next();
    }
    return result;
}

}  // namespace xuehai
