// The byte formats of texts, one table-driven test each: the cases live in
// tests/db/data/<format>/<case>/ as input and expected bytes side by side.

#include "DataCases.h"
#include "db/CodePage1254.h"
#include "db/SqlLiteral.h"

#include <gtest/gtest.h>

using namespace parvela;

namespace {

QString utf8(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

TEST(FileFormats, codePage1254) {
    const auto cases = test::dataCases("db", "cp1254");
    ASSERT_GE(cases.size(), 5u);
    for (const test::DataCase& c : cases) {
        const QString input = utf8(c.bytes("input.txt"));
        const std::string expected = c.bytes("expected.bin");
        EXPECT_EQ(db::Cp1254::encodeLossy(input), expected) << c.name;
        if (c.has("lossy")) {
            EXPECT_FALSE(db::Cp1254::encode(input)) << c.name;
            continue;
        }
        EXPECT_EQ(db::Cp1254::encode(input).value_or("-"), expected) << c.name;
        EXPECT_EQ(db::Cp1254::decode(expected), input) << c.name;
    }
}

TEST(FileFormats, latin5Literal) {
    const auto cases = test::dataCases("db", "latin5-literal");
    ASSERT_GE(cases.size(), 4u);
    for (const test::DataCase& c : cases)
        EXPECT_EQ(db::latin5Literal(utf8(c.bytes("input.txt"))), c.bytes("expected.txt")) << c.name;
}
