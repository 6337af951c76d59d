#include "JournaledDatabaseTest.h"
#include "publishing/WebUpload.h"

#include <gtest/gtest.h>

using namespace parvela;
using namespace parvela::publishing;

namespace {

using Texts = std::vector<std::string>;
const std::string kCall = " CALL GET_SYNCH_ID(@islemNo); ";
const std::string kReply = "SELECT @islemNo AS _reply";

class SynchNumberTest : public test::JournaledDatabaseTest {};

TEST_F(SynchNumberTest, EachCallDrawsTheNextNumber) {
    test::TestDatabase::exec("UPDATE subetransfer.islem_sayac SET son_no=6 WHERE id=1");
    EXPECT_EQ(nextSynchNumber(m_runner), 7);
    EXPECT_EQ(nextSynchNumber(m_runner), 8);
    EXPECT_EQ(m_journal.texts(), (Texts{kCall, kReply, kCall, kReply}));
    EXPECT_EQ(m_journal.entries().at(0).schema, "subetransfer");
    EXPECT_EQ(test::TestDatabase::scalar("SELECT son_no FROM subetransfer.islem_sayac"), "8");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(SynchNumberTest, AFailureIsShownUnderTheTag) {
    test::TestDatabase::exec("DROP PROCEDURE subetransfer.GET_SYNCH_ID");
    EXPECT_EQ(nextSynchNumber(m_runner), -1);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions().at(0), QStringLiteral("GET_SYNCH_ID"));
    test::TestDatabase::loadSchema();
}

TEST(SynchIdTest, CompanyAndNumberWrittenTogether) {
    EXPECT_EQ(synchIdOf(1203, 7), 12037u);
    EXPECT_EQ(synchIdOf(1203, 0), 12030u);
    EXPECT_EQ(synchIdOf(42, 999999), 42999999u);
    // Past 32 bits: the largest value rather than a wrapped, repeated one.
    EXPECT_EQ(synchIdOf(1203, 1000000), 4294967295u);
    // A failed draw (-1) leaves the company id alone.
    EXPECT_EQ(synchIdOf(1203, -1), 1203u);
}

} // namespace
