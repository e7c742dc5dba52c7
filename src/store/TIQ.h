// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace xuehai {

class Connection;
class Query;

// One character test ("data\q\q001\q.dat"): its questionnaire types, their items one at a
// time, and the evaluation of a total.
class TIQ {
public:
    explicit TIQ(const std::string& path);
    ~TIQ();
    TIQ(const TIQ&) = delete;
    TIQ& operator=(const TIQ&) = delete;

    int GetTypeCount();
    // Seven texts (item, A, points A, B, points B, C, points C), or the single text "NULL"
    // after the last item; the next call then starts over.
    std::vector<std::string> LoadTestQuestions(int testType);
    std::string GetResult(int testType, int total);

private:
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<Query> items_;
    bool ItemsOpen = false;
};

}  // namespace xuehai
