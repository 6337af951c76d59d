#include "ColdLoad.h"

#include "BaselineFetch.h"
#include "RecordingBoxes.h"
#include "Report.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/DbConnection.h"
#include "platform/LargeMemory.h"

#include <chrono>
#include <cppconn/exception.h>
#include <fstream>
#include <iostream>
#include <memory>

namespace parvela::bench {

LoadRun programLoadOnce(const platform::Settings& settings, bool emptyCatalogue) {
    // As the program's main does before anything else.
    platform::keepFreedMemoryForReuse();
    RecordingBoxes boxes;
    auto catalog = std::make_unique<app::CatalogData>(settings, boxes);
    const Clock::time_point start = Clock::now();
    app::loadSharedLists(*catalog);
    const double elapsed = millisecondsSince(start);
    if (!emptyCatalogue && (!boxes.empty() || catalog->current()->products.empty())) {
        std::cerr << "the load showed a box or read no products\n";
        return {};
    }
    // The process ends here; freeing the lists is not part of the load.
    static_cast<void>(catalog.release());
    return {elapsed, peakKilobytes()};
}

LoadRun baselineLoadOnce(const platform::Settings& settings,
                         const std::vector<db::IssuedStatement>& selects) {
    const db::DbConnection connection(settings);
    try {
        const Clock::time_point start = Clock::now();
        fetchAsText(connection, selects);
        return {millisecondsSince(start), peakKilobytes()};
    } catch (const sql::SQLException& e) {
        std::cerr << e.what() << "\n";
        return {};
    }
}

void writeSelects(const std::string& path, const std::vector<db::IssuedStatement>& selects) {
    std::ofstream out(path);
    for (const db::IssuedStatement& select : selects)
        out << select.schema << '\t' << select.text << '\n';
}

std::vector<db::IssuedStatement> readSelects(const std::string& path) {
    std::vector<db::IssuedStatement> selects;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            selects.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return selects;
}

} // namespace parvela::bench
