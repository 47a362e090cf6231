#include "platform/inhouse/core/seed.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/com/failure.h"

namespace inhouse {

bool load_seed(store& data, std::span<const seed_file> files) {
    if (!data.info("seed").empty()) return false;
    std::vector<seed_file> ordered(files.begin(), files.end());
    std::sort(ordered.begin(), ordered.end(), [](const seed_file& a, const seed_file& b) { return a.name < b.name; });
    data.write([&] {
        for (const auto& f : ordered) {
            try {
                data.db().exec(f.sql_utf8);
            } catch (const com::failure& e) {
                com::fail("Erro nos dados iniciais (" + std::string(f.name) + "): " + e.text, e.hr);
            }
        }
        data.set_info("seed", ordered.empty() ? std::string("-") : std::string(ordered.back().name));
    });
    return true;
}

}  // namespace inhouse
