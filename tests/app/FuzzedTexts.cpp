#include "FuzzedTexts.h"

#include "TestDatabase.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <type_traits>

namespace parvela::test {

namespace {

constexpr int kDefaultCases = 2000;
constexpr int kFaultsReported = 5;
constexpr qsizetype kLongestText = 10240;
constexpr qsizetype kLongestFolder = 60;
constexpr size_t kLongestShown = 300;

// Pieces that statements have stumbled on, as UTF-16.
const std::array<const char16_t*, 28> kPieces{
    u"'",      u"\"",     u"\\",     u"%",      u"_",        u";",          u"--",
    u"/*",     u"*/",     u"''",     u"\\'",    u"%s%d%n",   u"\u20AC",     u"\u2018",
    u"\u2019", u"\u201C", u"\u201D", u"ğüşıöç", u"ĞÜŞİÖÇ",   u"Kebap",      u" ",
    u"12,50",  u"DROP",   u"`",      u"@!#$^",  u"{|}[]*=?", u"\U0001F600", u"\U0001F355"};

// Byte sequences no UTF-8 decoder accepts.
const std::array<std::string_view, 6> kInvalidUtf8{"\xff",         "\xc3",         "\x80",
                                                   "\xed\xa0\x80", "\xf0\x9f\x98", "\xc0\xaf"};

QString controlCharacter(int pick, TextRoom room) {
    if (room == TextRoom::Sheet)
        return pick % 2 ? QStringLiteral("\t") : QStringLiteral("\n");
    // 1..31 and DEL; the folder names keep them too.
    return QString(QChar(pick % 33 == 32 ? 127 : 1 + pick % 31));
}

void appendHex(std::string& out, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(kDigits[(value >> shift) & 0xF]);
}

} // namespace

int TextGenerator::below(int limit) {
    return std::uniform_int_distribution<int>(0, limit - 1)(m_random);
}

QString TextGenerator::piece(TextRoom room) {
    const int pick = below(40);
    if (pick < static_cast<int>(kPieces.size()))
        return QString::fromUtf16(kPieces[static_cast<size_t>(pick)]);
    if (pick < 33)
        return controlCharacter(below(1000), room);
    if (pick < 35 && room == TextRoom::Typed)
        return QString(QChar(0));
    if (pick < 37 && room == TextRoom::Typed)
        return QString(QChar(static_cast<char16_t>(0xD800 + below(0x800)))); // lone surrogate
    return QString(QChar(u'a' + below(23))); // no 'x': "_x0041_" is a cell escape
}

QString TextGenerator::text(TextRoom room) {
    const int shape = below(100);
    QString out;
    if (shape < 2)
        return out;
    if (shape < 5 && room != TextRoom::Folder) {
        // Pairs end to end, after an odd start or not: limits fall inside some.
        out = QString(below(2), u'a');
        for (int n = 20 + below(50); n > 0; --n)
            out += QString::fromUtf16(kPieces[kPieces.size() - 1 - size_t(below(2))]);
        return out;
    }
    const qsizetype limit = room == TextRoom::Folder ? kLongestFolder
                            : shape < 90             ? 1 + below(12)
                            : shape < 96             ? 1 + below(120)
                                                     : 1 + below(kLongestText);
    // Long texts count characters, short ones pieces.
    for (qsizetype pieces = 0; out.size() < limit && (limit > 120 || pieces < limit); ++pieces) {
        QString next = piece(room);
        if (room == TextRoom::Folder)
            next.replace(u'/', u' ');
        if (out.size() + next.size() > kLongestText)
            break;
        out += next;
    }
    if (room == TextRoom::Folder) {
        out = out.left(kLongestFolder);
        if (out.size() > 0 && out.back().isHighSurrogate())
            out.chop(1);
        if (out.isEmpty() || out == u"." || out == u"..")
            out = QStringLiteral("kök");
        return out;
    }
    if (below(10) == 0)
        out += u'\\'; // a trailing backslash ends many literals early
    return out;
}

std::string TextGenerator::bytes() {
    std::string out = text().toStdString();
    const int inserts = below(3);
    for (int i = 0; i < inserts; ++i) {
        const std::string_view bad = kInvalidUtf8[static_cast<size_t>(below(6))];
        out.insert(static_cast<size_t>(below(static_cast<int>(out.size()) + 1)), bad);
    }
    if (below(8) == 0)
        out.push_back('\0');
    return out;
}

int fuzzCaseCount() {
    if (const char* value = std::getenv("PARVELA_FUZZ_CASES")) {
        const int count = std::atoi(value);
        if (count > 0)
            return count;
    }
    return kDefaultCases;
}

namespace {

// Printable ASCII as it is, any other unit as \\x.. (bytes) or \\u.... (UTF-16).
template <typename Units>
std::string shownUnits(const Units& units, const char* prefix, int digits) {
    std::string out = "\"";
    for (auto unit : units) {
        const auto u =
            static_cast<unsigned>(static_cast<std::make_unsigned_t<decltype(unit)>>(unit));
        if (u >= 0x20 && u < 0x7F && u != '\\') {
            out.push_back(static_cast<char>(u));
        } else {
            out += prefix;
            appendHex(out, u, digits);
        }
    }
    return out + "\"";
}

} // namespace

std::string shown(const QString& text) {
    return shownUnits(text.toStdU16String(), "\\u", 4);
}

std::string shownBytes(const std::string& bytes) {
    return shownUnits(bytes, "\\x", 2);
}

std::string hexLiteral(const std::string& bytes) {
    std::string out = "X'";
    for (const char byte : bytes)
        appendHex(out, static_cast<unsigned char>(byte), 2);
    return out + "'";
}

TableRows rowsOf(const std::string& table, const std::string& key, const std::string& value) {
    TableRows rows;
    for (std::vector<std::string>& row :
         TestDatabase::query("SELECT " + key + "," + value + ",t.* FROM " + table + " t"))
        rows.emplace(row.front(), std::move(row));
    return rows;
}

std::vector<std::string> changedKeys(const TableRows& before, const TableRows& after) {
    std::vector<std::string> changed;
    for (const auto& [key, row] : before) {
        const auto now = after.find(key);
        if (now == after.end() || now->second != row)
            changed.push_back(key);
    }
    for (const auto& [key, row] : after)
        if (!before.contains(key))
            changed.push_back(key);
    return changed;
}

Checksums suiteChecksums() {
    static const std::string statement = [] {
        std::string list;
        for (const auto& row : TestDatabase::query(
                 "SELECT TABLE_SCHEMA, TABLE_NAME FROM information_schema.TABLES WHERE "
                 "TABLE_SCHEMA IN ('stocks','groups','oturum','tabledot','company','barcode',"
                 "'imalatkazani','users','subetransfer') AND TABLE_TYPE = 'BASE TABLE' "
                 "ORDER BY 1, 2"))
            list += (list.empty() ? "`" : ",`") + row[0] + "`.`" + row[1] + "`";
        return "CHECKSUM TABLE " + list;
    }();
    Checksums sums;
    for (const auto& row : TestDatabase::query(statement))
        sums[row.at(0)] = row.at(1);
    return sums;
}

std::vector<std::string> movedTables(const Checksums& before, const Checksums& after,
                                     const std::vector<std::string>& excluded) {
    std::vector<std::string> moved;
    for (const auto& [table, sum] : after) {
        if (std::find(excluded.begin(), excluded.end(), table) != excluded.end())
            continue;
        const auto then = before.find(table);
        if (then == before.end() || then->second != sum)
            moved.push_back(table);
    }
    return moved;
}

void CaseTally::startCase(std::string input) {
    ++m_cases;
    if (input.size() > kLongestShown)
        input = input.substr(0, kLongestShown) + "... (" + std::to_string(input.size()) + ")";
    m_input = std::move(input);
}

void CaseTally::fault(const std::string& what) {
    if (m_caseOfLastFault != m_cases) {
        m_caseOfLastFault = m_cases;
        ++m_faultyCases;
    }
    if (m_faultyCases <= kFaultsReported)
        ADD_FAILURE() << m_operation << " case " << m_cases << ", input " << m_input << ": "
                      << what;
}

CaseTally::~CaseTally() {
    std::cout << "fuzz " << m_operation << ": " << m_cases << " cases, " << m_faultyCases
              << " faulty" << std::endl;
}

} // namespace parvela::test
