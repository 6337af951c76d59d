#pragma once

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/BackgroundJobs.h"
#include "platform/ProgramMessenger.h"
#include "recipes/RecipeContext.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTreeWidget>

namespace parvela::test {

// Raw materials 101 Domates (10, kg), 102 Soğan (4, kg), 103 Yumurta (2, ad)
// in Group A 1 / B 11; the dish 500 Menemen (stored cost 99) with the line
// 101 × 0.5; the menu 600 Kahvaltı with the drinks 601 Çay (3, ad) and 602
// Kahve (5, ad) of Group A 2 / B 21.
class RecipeTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        addGroupA(1, "Hammaddeler");
        addGroupB(1, 11, "Sebzeler");
        addGroupA(2, "İçecekler");
        addGroupB(2, 21, "Sıcak İçecekler");
        addProduct({101, "Domates", 1, 11, 0, false, 10});
        addProduct({102, "Soğan", 1, 11, 0, false, 4});
        addProduct({103, "Yumurta", 1, 11, 0, false, 2});
        addProduct({500, "Menemen", 2, 0, 0, false, 99});
        addProduct({600, "Kahvaltı", 2, 0, 0, false, 0});
        addProduct({601, "Çay", 2, 21, 0, false, 3});
        addProduct({602, "Kahve", 2, 21, 0, false, 5});
        TestDatabase::exec("INSERT INTO stocks.units(name,type) VALUES('kg',4),('ad',1);"
                           "UPDATE stocks.stckdef SET unit='kg' WHERE stcode IN (101,102);"
                           "UPDATE stocks.stckdef SET unit='ad' WHERE stcode NOT IN (101,102);");
        addRecipeLine(500, 101, 0.5);
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_changed = 0;
    }

    // Reads the lists again, as the program starts, after rows were added.
    void reload() {
        app::loadSharedLists(m_catalog);
        m_journal.clear();
        m_changed = 0;
    }
    // A copy of the product as the newest catalogue holds it.
    stock::StockDefinition product(stock::StockCode code) const {
        if (const stock::StockDefinition* p = m_catalog.current()->find(code))
            return *p;
        throw std::runtime_error("no product " + std::to_string(code));
    }
    const recipes::RecipeLists& lists() const { return m_catalog.current()->recipes; }
    std::vector<std::string> issued() const { return m_journal.texts(); }
    static std::string rows(const std::string& select) {
        std::string all;
        for (const auto& row : TestDatabase::query(select)) {
            for (const auto& value : row)
                all += value + " ";
            all += "| ";
        }
        return all;
    }

    TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    db::StatementJournal m_journal;
    int m_changed = 0;
    int m_reread = 0;
    stock::CatalogueFeed::Subscription m_published =
        m_catalog.catalogue().subscribe([this](const stock::CatalogueRef&) { ++m_changed; });
    recipes::RecipeContext m_context{m_catalog.runner(), m_boxes, m_catalog.catalogue(),
                                     m_catalog.groups(), [this] {
                                         ++m_reread;
                                         m_catalog.readProducts();
                                     }};
};

// What the user does in a dialog, by the ids of its controls.
inline void click(QWidget& dialog, const char* id) {
    if (auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(id)))
        button->click();
    else
        ADD_FAILURE() << "no button " << id;
}

inline void type(QWidget& dialog, const char* id, const QString& text) {
    if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(id)))
        edit->setText(text);
    else
        ADD_FAILURE() << "no field " << id;
}

// Selects the row whose first column is `code`.
inline void pick(QWidget& dialog, const char* list, stock::StockCode code) {
    auto* view = dialog.findChild<QTreeWidget*>(QString::fromLatin1(list));
    ASSERT_NE(view, nullptr);
    const auto found = view->findItems(QString::number(code), Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << "no row " << code << " in " << list;
    view->setCurrentItem(found.front());
}

inline QStringList rowTexts(QWidget& dialog, const char* list) {
    QStringList texts;
    auto* view = dialog.findChild<QTreeWidget*>(QString::fromLatin1(list));
    for (int i = 0; view && i < view->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < view->columnCount(); ++c)
            cells << view->topLevelItem(i)->text(c);
        texts << cells.join(QLatin1Char('|'));
    }
    return texts;
}

} // namespace parvela::test
