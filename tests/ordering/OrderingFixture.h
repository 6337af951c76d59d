#pragma once

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "db/StatementJournal.h"

namespace parvela::test {

// What an order save sends first: the turn two stations take one after the
// other.
inline const std::string kMenuOrderLock =
    "BEGIN NOT ATOMIC DECLARE EXIT HANDLER FOR 1205 SIGNAL SQLSTATE '45000' SET "
    "MESSAGE_TEXT='Siralama baska bir istasyonda kaydediliyor.'; SET STATEMENT "
    "innodb_lock_wait_timeout=20 FOR INSERT INTO parvela_journal.turns (name, taken) VALUES "
    "('menu_order', 1) ON DUPLICATE KEY UPDATE taken = taken + 1; END";
inline const std::string kProductOrderLock =
    "BEGIN NOT ATOMIC DECLARE EXIT HANDLER FOR 1205 SIGNAL SQLSTATE '45000' SET "
    "MESSAGE_TEXT='Siralama baska bir istasyonda kaydediliyor.'; SET STATEMENT "
    "innodb_lock_wait_timeout=20 FOR INSERT INTO parvela_journal.turns (name, taken) VALUES "
    "('stok_order', 1) ON DUPLICATE KEY UPDATE taken = taken + 1; END";

// Group A 1 holds B 11, 12 and 13 (products 101, 102 in 11, 103 in 12);
// Group A 2 holds B 21 (product 201). The catalog is read as at start-up.
class OrderingTestBase : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        addGroupA(1, "Yiyecekler");
        addGroupA(2, "İçecekler");
        addGroupB(1, 11, "Çorbalar");
        addGroupB(1, 12, "Tatlılar", 1);
        addGroupB(1, 13, "Izgaralar", 2);
        addGroupB(2, 21, "Sıcaklar", 3);
        addGroupB(2, 22, "Soğuklar", 4);
        addProduct({101, "Mercimek", 1, 11});
        addProduct({102, "Ezogelin", 1, 11});
        addProduct({103, "Sütlaç", 1, 12});
        addProduct({201, "Demli Çay", 2, 21});
        m_catalog.groups().readGroupA();
        m_catalog.groups().readGroupB();
        m_catalog.groups().resetScreenA();
        m_catalog.readProductSideLists();
        m_catalog.readProducts();
        m_catalog.runner().setJournal(&m_journal);
    }
    std::vector<std::string> issued() const { return m_journal.texts(); }

    TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    db::StatementJournal m_journal;
};

} // namespace parvela::test
