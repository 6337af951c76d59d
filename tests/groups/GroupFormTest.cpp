#include "groups/GroupForm.h"

#include "groups/StockType.h"

#include <gtest/gtest.h>

using namespace parvela::groups;

TEST(StockTypeRadios, areTestedInTheDialogsOrder) {
    EXPECT_EQ(tickedType({}), kNoType);
    EXPECT_EQ(tickedType({kConsumable, kInvoiceItem}), kInvoiceItem);
    EXPECT_EQ(tickedType({kFixture, kExpense, kConsumable}), kExpense);
    EXPECT_EQ(tickedType({kFixture, kRawMaterial}), kRawMaterial);
    EXPECT_EQ(tickedType({42}), kNoType);
}

TEST(GroupNames, areCleanedAndBoundedAsProductNames) {
    EXPECT_EQ(cleanedGroupName(QStringLiteral("Et/Tavuk")), QStringLiteral("Et Tavuk"));
    EXPECT_EQ(cleanedGroupName(QStringLiteral("Kuzu'nun")), QStringLiteral("Kuzu'nun"));
    EXPECT_EQ(cleanedGroupName(QString(70, u'ş')).size(), kGroupNameChars);
}
