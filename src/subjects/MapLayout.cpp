// SPDX-License-Identifier: GPL-3.0-or-later
#include "subjects/MapLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <regex>
#include <string>

#include "subjects/SubjectRefusal.h"

namespace xuehai::subjects {

namespace {

// The places of the map keep at least this far apart (the closest ones stand 134 apart).
constexpr double kClearance = 140;
// A place's landmark and sign reach this far from its centre.
constexpr int kMarginX = 100;
constexpr int kMarginTop = 110;
constexpr int kMarginBottom = 100;
constexpr int kStep = 10;
// A place's sign keeps this far from the clouds of another region (the map's own places
// keep 50).
constexpr int kCloudGap = 40;

int Number(std::string_view text, const std::regex& pattern) {
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_search(text.begin(), text.end(), m, pattern)) {
        return 0;
    }
    return std::stoi(m[1].str());
}

bool Covers(const std::vector<MapPlace>& places, const MapWorld& world) {
    for (int region : {2, 3}) {
        const std::optional<Area> area = RegionArea(places, region, world);
        if (!area) {
            continue;
        }
        const Area near{area->left - kCloudGap, area->top - kCloudGap, area->right + kCloudGap,
                        area->bottom + kCloudGap};
        for (const MapPlace& p : places) {
            if (p.region != region && near.Contains(p.x, p.y)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

MapWorld ReadMapWorld(std::string_view movieText) {
    static const std::regex width(R"(worldWidth:\s*([0-9]{1,5}))");
    static const std::regex height(R"(worldHeight:\s*([0-9]{1,5}))");
    static const std::regex place(
        R"re("kind":\s*"([a-z0-9]+)",\s*"code":\s*"([0-9]*)",\s*"name":\s*"([^"]*)",\s*"region":\s*([1-9]),\s*"x":\s*([0-9]{1,5}),\s*"y":\s*([0-9]{1,5}))re");
    MapWorld world;
    world.width = Number(movieText, width);
    world.height = Number(movieText, height);
    if (world.width <= 2 * kMarginX || world.height <= kMarginTop + kMarginBottom) {
        throw SubjectRefusal("地图电影（map.mod）看不懂：找不到地图的大小。");
    }
    using Iterator = std::regex_iterator<std::string_view::const_iterator>;
    for (Iterator it(movieText.begin(), movieText.end(), place), end; it != end; ++it) {
        const auto& m = *it;
        world.others.push_back(
            {m[2], m[3], std::stoi(m[4].str()), std::stoi(m[5].str()), std::stoi(m[6].str())});
    }
    return world;
}

std::optional<Area> RegionArea(const std::vector<MapPlace>& places, int region,
                               const MapWorld& world) {
    std::optional<Area> area;
    for (const MapPlace& p : places) {
        if (p.region != region) {
            continue;
        }
        if (!area) {
            area = Area{p.x, p.y, p.x, p.y};
        }
        area->left = std::min(area->left, p.x);
        area->top = std::min(area->top, p.y);
        area->right = std::max(area->right, p.x);
        area->bottom = std::max(area->bottom, p.y);
    }
    if (!area) {
        return area;
    }
    // The margins and the reach to the edge are those of the map movie's regionArea().
    area->left -= 120;
    area->top -= 110;
    area->right += 120;
    area->bottom += 100;
    area->left = area->left < 160 ? 0 : area->left;
    area->top = area->top < 160 ? 0 : area->top;
    area->right = area->right > world.width - 160 ? world.width : area->right;
    area->bottom = area->bottom > world.height - 160 ? world.height : area->bottom;
    return area;
}

std::optional<Site> FindFreeSite(const MapWorld& world, const std::vector<MapPlace>& subjects,
                                 int region) {
    std::vector<MapPlace> places = subjects;
    places.insert(places.end(), world.others.begin(), world.others.end());
    std::optional<Site> best;
    double bestRoom = 0;
    for (int y = kMarginTop; y <= world.height - kMarginBottom; y += kStep) {
        for (int x = kMarginX; x <= world.width - kMarginX; x += kStep) {
            double room = std::numeric_limits<double>::infinity();
            for (const MapPlace& p : places) {
                room = std::min(room, std::hypot(x - p.x, y - p.y));
            }
            if (room < kClearance || (best && room <= bestRoom)) {
                continue;
            }
            std::vector<MapPlace> after = places;
            after.push_back({"", "", region, x, y});
            if (!Covers(after, world)) {
                best = Site{x, y};
                bestRoom = room;
            }
        }
    }
    return best;
}

}  // namespace xuehai::subjects
