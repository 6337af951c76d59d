#include "app/CatalogData.h"

#include "DatabaseTest.h"
#include "TestSettings.h"

using namespace parvela;
using test::TestDatabase;

namespace {

class CatalogDataTest : public test::DatabaseTest {
protected:
    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
};

} // namespace

TEST_F(CatalogDataTest, readsCompanyOwnBranchAndBranches) {
    TestDatabase::exec(
        "INSERT INTO company.maininfo(compname,compfolder,mustID) VALUES('Lezzet "
        "Sofrası','lezzet',1203);"
        "INSERT INTO company.subeler(firmacode,subekod,subead,ipno,active,sube_folder) VALUES"
        "(1203,1,'Kadıköy Şubesi','10.0.0.5',0,'kadikoy'),"
        "(1203,2,'Beşiktaş Şubesi','10.0.0.6',1,'besiktas');");
    EXPECT_EQ(m_catalog.readCompany(), 0);
    EXPECT_EQ(m_catalog.readOwnBranch(), 0);
    EXPECT_EQ(m_catalog.readBranches(), 2);
    const records::Company& company = m_catalog.company();
    EXPECT_EQ(company.name, QStringLiteral("Lezzet Sofrası"));
    EXPECT_EQ(company.folder, "lezzet");
    EXPECT_EQ(company.id, 1203);
    EXPECT_EQ(company.ownBranchCode, 2);
    EXPECT_EQ(company.ownBranchIp, "10.0.0.6");
    EXPECT_EQ(company.ownBranchFolder, "besiktas");
    ASSERT_EQ(company.branches.size(), 2u);
    EXPECT_EQ(company.branches[1].name, QStringLiteral("Beşiktaş Şubesi"));
    EXPECT_EQ(company.branches[1].firmCode, 1203);
    EXPECT_TRUE(company.branches[1].active);
    EXPECT_FALSE(company.branches[0].active);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CatalogDataTest, emptyBranchTableLeavesEverythingEmpty) {
    EXPECT_EQ(m_catalog.readOwnBranch(), 0);
    EXPECT_EQ(m_catalog.readBranches(), 0);
    EXPECT_EQ(m_catalog.company().ownBranchCode, 0);
    EXPECT_TRUE(m_catalog.company().ownBranchIp.empty());
    EXPECT_TRUE(m_catalog.company().branches.empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CatalogDataTest, rereadReplacesTheBranchList) {
    TestDatabase::exec("INSERT INTO company.subeler(firmacode,subekod,subead,ipno,active) "
                       "VALUES(1,1,'A','1.1.1.1',1);");
    EXPECT_EQ(m_catalog.readBranches(), 1);
    EXPECT_EQ(m_catalog.readBranches(), 1);
}

TEST_F(CatalogDataTest, failuresAreReportedUnderTheirTags) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    app::CatalogData catalog(unreachable, m_boxes);
    EXPECT_EQ(catalog.readCompany(), -1);
    EXPECT_EQ(catalog.readOwnBranch(), -1);
    EXPECT_EQ(catalog.readBranches(), -1);
    EXPECT_EQ(m_boxes.captions(),
              QStringList({QStringLiteral("READ_COMPANY"), QStringLiteral("READ_SUBE_INFO"),
                           QStringLiteral("READ_SUBELER")}));
    EXPECT_FALSE(m_boxes.shown()[0].topmost);
    EXPECT_TRUE(m_boxes.shown()[1].topmost);
}
