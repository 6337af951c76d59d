#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

// Generated texts for the statement paths, and what the server holds around
// them: the rows of one table by key and the checksums of all the others.
namespace parvela::test {

// What a text may hold, by where it goes.
enum class TextRoom {
    Typed,  // an edit control: anything a QString holds, lone surrogates too
    Sheet,  // a workbook cell: no NUL, surrogates or controls XML refuses
    Folder, // a folder name: no '/', NUL or surrogates, at most 60 characters
};

// Deterministic texts from a fixed seed, mixed from pieces that have broken
// statements before: quotes, backslashes, comment openers, control bytes,
// characters outside latin5 and outside three-byte UTF-8, and long texts.
class TextGenerator {
public:
    explicit TextGenerator(std::uint32_t seed)
        : m_random(seed) {}

    QString text(TextRoom room = TextRoom::Typed);
    // For byte fields: the UTF-8 of a text, with invalid sequences mixed in.
    std::string bytes();
    int below(int limit);

private:
    QString piece(TextRoom room);
    std::mt19937 m_random;
};

// The number of cases the suite runs: PARVELA_FUZZ_CASES, else 2000.
int fuzzCaseCount();

// A text as a message shows it: printable ASCII, the rest as \x.. or \u....
std::string shown(const QString& text);
std::string shownBytes(const std::string& bytes);
// X'..': bytes into a statement whatever they hold.
std::string hexLiteral(const std::string& bytes);

// Rows of a table by the text of their key column.
using TableRows = std::map<std::string, std::vector<std::string>>;
// `SELECT key, value, t.*`: column 1 of each row is `value`.
TableRows rowsOf(const std::string& table, const std::string& key, const std::string& value);
// Keys whose rows were added, removed or changed.
std::vector<std::string> changedKeys(const TableRows& before, const TableRows& after);

// CHECKSUM TABLE of every table of the suite's schemas.
using Checksums = std::map<std::string, std::string>;
Checksums suiteChecksums();
// Tables whose checksum moved, leaving out `excluded` ("schema.table").
std::vector<std::string> movedTables(const Checksums& before, const Checksums& after,
                                     const std::vector<std::string>& excluded);

// Tallies one operation's cases; the first faults are reported in full.
class CaseTally {
public:
    explicit CaseTally(std::string operation)
        : m_operation(std::move(operation)) {}
    ~CaseTally();
    CaseTally(const CaseTally&) = delete;
    CaseTally& operator=(const CaseTally&) = delete;

    void startCase(std::string input);
    // Records a fault of the current case.
    void fault(const std::string& what);
    void check(bool holds, const std::string& what) {
        if (!holds)
            fault(what);
    }
    int cases() const { return m_cases; }
    int faults() const { return m_faultyCases; }

private:
    std::string m_operation;
    std::string m_input;
    int m_cases = 0;
    int m_faultyCases = 0;
    int m_caseOfLastFault = 0;
};

} // namespace parvela::test
