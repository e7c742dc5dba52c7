// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "subjects/MapLayout.h"
#include "subjects/MapSubjects.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::subjects {

namespace {

using ::testing::HasSubstr;

constexpr const char* kList =
    "// SPDX-License-Identifier: GPL-3.0-or-later\n"
    ".pragma library\n\nvar list = [\n"
    "    {code: \"001\", name: \"语文\", region: 1, x: 180, y: 150},\n"
    "    {code: \"013\", name: \"天文\", region: 2, x: 920, y: 620},\n"
    "];\n";

MapWorld World(int width, int height) {
    MapWorld world;
    world.width = width;
    world.height = height;
    return world;
}

double Distance(const Site& s, const MapPlace& p) {
    return std::hypot(s.x - p.x, s.y - p.y);
}

TEST(MapSubjectsTest, AddsAfterTheLastSubjectAndReadsItBack) {
    const std::vector<MapPlace> before = ParseMapSubjects(kList);
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[1].name, "天文");
    EXPECT_EQ(before[1].region, 2);
    EXPECT_EQ(before[1].x, 920);

    const std::string text = WithMapSubject(kList, {"019", "书法", 3, 300, 820});
    const std::vector<MapPlace> after = ParseMapSubjects(text);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[2].code, "019");
    EXPECT_EQ(after[2].name, "书法");
    EXPECT_EQ(after[2].region, 3);
    EXPECT_EQ(after[2].y, 820);
    EXPECT_THAT(text, HasSubstr("{code: \"013\", name: \"天文\", region: 2, x: 920, y: 620},\n"
                                "    {code: \"019\", name: \"书法\", region: 3, x: 300, y: 820},\n"
                                "];\n"));
}

TEST(MapSubjectsTest, RefusesAListItCannotRead) {
    std::string damaged = kList;
    damaged.replace(damaged.find("region: 2,"), 10, "region: two,");
    EXPECT_THROW(ParseMapSubjects(damaged), SubjectRefusal);
    EXPECT_THROW(ParseMapSubjects("var subjects = {};\n"), SubjectRefusal);
    EXPECT_THROW(WithMapSubject("no list here", {"019", "书法", 1, 1, 1}), SubjectRefusal);
}

TEST(MapLayoutTest, ReadsTheWorldAndTheOtherPlacesFromTheMovie) {
    const MapWorld world = ReadMapWorld(
        "readonly property int worldWidth: 1240\n"
        "readonly property int worldHeight: 940\n"
        "{ \"kind\": \"test001\", \"code\": \"001\", \"name\": \"性格小测试\", \"region\": 1, "
        "\"x\": 290, \"y\": 250 },\n"
        "{ \"kind\": \"pig\", \"code\": \"\", \"name\": \"小猪快跑\", \"region\": 1, \"x\": 1060, "
        "\"y\": 110 }\n");
    EXPECT_EQ(world.width, 1240);
    EXPECT_EQ(world.height, 940);
    ASSERT_EQ(world.others.size(), 2u);
    EXPECT_EQ(world.others[1].name, "小猪快跑");
    EXPECT_EQ(world.others[1].x, 1060);
    EXPECT_THROW(ReadMapWorld("Clip { width: 620 }"), SubjectRefusal);
}

TEST(MapLayoutTest, RegionCloudsReachTheEdgeNearIt) {
    const MapWorld world = World(1240, 940);
    const std::vector<MapPlace> places{
        {"1", "a", 2, 920, 620}, {"2", "b", 2, 1100, 520}, {"3", "c", 1, 180, 150}};
    const std::optional<Area> area = RegionArea(places, 2, world);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->left, 800);
    EXPECT_EQ(area->top, 410);
    EXPECT_EQ(area->right, 1240);  // 1220 lies within 160 of the edge
    EXPECT_EQ(area->bottom, 720);
    EXPECT_FALSE(RegionArea(places, 3, world));
}

TEST(MapLayoutTest, SitesKeepClearOfPlacesAndOfOtherRegionsClouds) {
    MapWorld world = World(1240, 940);
    world.others = {{"", "pig", 1, 1060, 110}};
    const std::vector<MapPlace> subjects{
        {"001", "语文", 1, 300, 300}, {"013", "天文", 2, 950, 650}, {"016", "艺术", 3, 200, 820}};
    for (int region : {1, 2, 3}) {
        SCOPED_TRACE(region);
        const std::optional<Site> site = FindFreeSite(world, subjects, region);
        ASSERT_TRUE(site);
        std::vector<MapPlace> after = subjects;
        after.insert(after.end(), world.others.begin(), world.others.end());
        for (const MapPlace& p : after) {
            EXPECT_GE(Distance(*site, p), 140);
        }
        after.push_back({"019", "新", region, site->x, site->y});
        for (int clouded : {2, 3}) {
            const std::optional<Area> area = RegionArea(after, clouded, world);
            const Area near{area->left - 40, area->top - 40, area->right + 40, area->bottom + 40};
            for (const MapPlace& p : after) {
                if (p.region != clouded) {
                    EXPECT_FALSE(near.Contains(p.x, p.y)) << p.name << " near " << clouded;
                }
            }
        }
        EXPECT_GE(site->x, 100);
        EXPECT_LE(site->x, 1140);
        EXPECT_GE(site->y, 110);
        EXPECT_LE(site->y, 840);
    }
}

TEST(MapLayoutTest, AFullMapHasNoSite) {
    const MapWorld world = World(1240, 940);
    std::vector<MapPlace> subjects;
    for (int y = 60; y < 940; y += 130) {
        for (int x = 60; x < 1240; x += 130) {
            subjects.push_back({"", "", 1, x, y});
        }
    }
    EXPECT_FALSE(FindFreeSite(world, subjects, 1));
    // One place taken away leaves too small a hole; nine leave room in their middle.
    std::erase_if(subjects, [](const MapPlace& p) { return p.x == 580 && p.y == 450; });
    EXPECT_FALSE(FindFreeSite(world, subjects, 1));
    std::erase_if(subjects, [](const MapPlace& p) {
        return std::abs(p.x - 580) <= 130 && std::abs(p.y - 450) <= 130;
    });
    const std::optional<Site> site = FindFreeSite(world, subjects, 1);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->x, 580);
    EXPECT_EQ(site->y, 450);
}

}  // namespace

}  // namespace xuehai::subjects
