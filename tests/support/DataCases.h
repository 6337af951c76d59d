#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace parvela::test {

// One case of a file format: a folder holding the input and the expected
// bytes side by side (tests/<area>/data/<format>/<case>/).
struct DataCase {
    std::string name;
    std::filesystem::path folder;

    bool has(const char* file) const;
    // The file's bytes exactly; an empty string when it is missing.
    std::string bytes(const char* file) const;
};

// Every case of the format, in name order; none when the folder is missing.
std::vector<DataCase> dataCases(const std::string& area, const std::string& format);

} // namespace parvela::test
