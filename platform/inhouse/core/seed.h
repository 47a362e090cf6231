#pragma once
// The demo company's seed: the SQL files of demo/seed, embedded in the program at build time (so
// the server needs no files beside it) and loaded once into a store that has not been seeded.
#include <span>
#include <string_view>

#include "platform/inhouse/core/store.h"

namespace inhouse {

struct seed_file {
    std::string_view name;        // e.g. "001_empresa.sql"
    std::string_view sql_utf8;
};

// demo/seed/*.sql in file-name order.
std::span<const seed_file> demo_seed();

// Runs the files in name order in one transaction and marks the store as seeded (store_info
// "seed"). A store already seeded is left alone: returns false. A failing file rolls everything
// back and throws com::failure naming the file.
bool load_seed(store& data, std::span<const seed_file> files);

}  // namespace inhouse
