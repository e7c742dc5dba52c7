// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/ClassOverview.h"

#include <algorithm>

#include "authoring/Csv.h"
#include "core/ReportFigures.h"

namespace xuehai::classroom {

namespace {

std::string Share(const std::optional<double>& share) {
    return share ? PercentText(WholePercent(*share)) : std::string("—");
}

// Columns on a terminal: a Chinese character takes two cells, as wide as two letters.
std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace

std::optional<double> PlayerRow::ShareRight() const {
    const std::int64_t answers = right + wrong;
    if (answers == 0) {
        return std::nullopt;
    }
    return static_cast<double>(right) / static_cast<double>(answers);
}

std::vector<std::string> OverviewHeader(const ClassOverview& overview) {
    std::vector<std::string> header = {"姓名", "头像", "积分", "等级", "答对", "答错", "正确率"};
    for (const Subject& subject : overview.subjects) {
        header.push_back(subject.name + "完成");
        header.push_back(subject.name + "正确率");
    }
    return header;
}

std::vector<std::vector<std::string>> OverviewCells(const ClassOverview& overview) {
    std::vector<std::vector<std::string>> cells;
    for (const PlayerRow& player : overview.players) {
        std::vector<std::string> row = {player.name,
                                        std::to_string(player.avatar),
                                        std::to_string(player.score),
                                        std::to_string(player.playerClass),
                                        std::to_string(player.right),
                                        std::to_string(player.wrong),
                                        Share(player.ShareRight())};
        for (const SubjectFigures& figures : player.subjects) {
            row.push_back(Share(figures.completion));
            row.push_back(Share(figures.shareRight));
        }
        cells.push_back(std::move(row));
    }
    return cells;
}

std::string OverviewText(const ClassOverview& overview) {
    std::vector<std::vector<std::string>> lines = OverviewCells(overview);
    lines.insert(lines.begin(), OverviewHeader(overview));
    std::vector<std::size_t> widths(lines.front().size(), 0);
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(line[i]));
        }
    }
    std::string text;
    for (const auto& line : lines) {
        std::string out;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::size_t pad = widths[i] - DisplayWidth(line[i]);
            // Names read from the left, figures line up on the right.
            out += i == 0 ? line[i] + std::string(pad, ' ') : std::string(pad, ' ') + line[i];
            out += i + 1 < line.size() ? "  " : "";
        }
        text += out + '\n';
    }
    return text;
}

std::string OverviewCsv(const ClassOverview& overview) {
    std::string text = "\xEF\xBB\xBF" + bank::CsvLine(OverviewHeader(overview));
    for (const auto& row : OverviewCells(overview)) {
        text += bank::CsvLine(row);
    }
    return text;
}

}  // namespace xuehai::classroom
