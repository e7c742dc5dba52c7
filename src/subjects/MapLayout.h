// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "subjects/MapSubjects.h"

namespace xuehai::subjects {

// The map movie's world: its size and the places it holds beside the subjects (the
// character tests and the pig race), read from the movie itself (map.mod).
struct MapWorld {
    int width = 0;
    int height = 0;
    std::vector<MapPlace> others;
};

// Throws SubjectRefusal when the movie does not say how big its world is.
MapWorld ReadMapWorld(std::string_view movieText);

// A rectangle of the world, edges included.
struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The clouds the map draws over a region until the player's class opens it: around the
// region's places, reaching the world's edge where the places come near it. None for an
// empty region.
std::optional<Area> RegionArea(const std::vector<MapPlace>& places, int region,
                               const MapWorld& world);

struct Site {
    int x = 0;
    int y = 0;
};

// Where a new place of the region can stand: clear of every place by as much as the map's
// places keep from each other, inside the world with room for its sign, clear of the clouds
// of the other regions, and with its own region's clouds clear of the places of the other
// regions. Of those, the site with the most room around it; none when the map is full.
std::optional<Site> FindFreeSite(const MapWorld& world, const std::vector<MapPlace>& subjects,
                                 int region);

}  // namespace xuehai::subjects
