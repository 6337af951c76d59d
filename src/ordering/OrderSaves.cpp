#include "ordering/OrderSaves.h"

#include "db/ListReader.h"
#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "platform/MessageBoxes.h"

namespace parvela::ordering {

namespace {

constexpr int kFirstUnplacedProduct = 1000000;

bool done(db::Outcome outcome) {
    return outcome != db::Outcome::Failed;
}

std::string insertText(const ProductScope& scope, const Numbered& entry) {
    const auto code = static_cast<long long>(entry.code);
    if (scope.gra)
        return db::sqlf("INSERT INTO stok_order(stcode,gra,index_sira) VALUES(%lld,%d,%d);", code,
                        *scope.gra, entry.index_sira);
    if (scope.grb)
        return db::sqlf("INSERT INTO stok_order(stcode,grb,index_sira) VALUES(%lld,%d,%d);", code,
                        *scope.grb, entry.index_sira);
    return db::sqlf("INSERT INTO stok_order(stcode,index_sira) VALUES(%lld,%d);", code,
                    entry.index_sira);
}

// Clears the scope before it is written again; the overall scope also asks
// whether every other scope goes with it.
bool clearScope(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                const ProductScope& scope, QObject* owner) {
    if (scope.gra || scope.grb) {
        const std::string text = scope.gra
                                     ? db::sqlf("DELETE FROM stok_order WHERE gra=%d;", *scope.gra)
                                     : db::sqlf("DELETE FROM stok_order WHERE grb=%d;", *scope.grb);
        return done(runner.execute(db::Operation("DELETE_URUN_SIRA"), db::schema::stocks, text));
    }
    const bool cleared =
        done(runner.execute(db::Operation("DELETE_URUN_SIRA_GR_A"), db::schema::stocks,
                            "DELETE FROM stok_order WHERE ( gra is NULL and grb is NULL );"));
    askDeleteAllOrders(runner, boxes, owner);
    return cleared;
}

} // namespace

void askDeleteAllOrders(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        QObject* owner) {
    platform::BoxRequest box;
    box.text = QStringLiteral("Tüm siralamalar silinecek. \nDevam etmek istiyor musunuz?");
    box.caption = QStringLiteral("DELETE_ALL_ORDER_INDEX");
    box.icon = platform::BoxIcon::Information;
    box.buttons = platform::BoxButtons::YesNoCancel;
    box.defaultAnswer = platform::BoxAnswer::No;
    box.owner = owner;
    if (boxes.show(box) != platform::BoxAnswer::Yes)
        return;
    (void)runner.execute(db::Operation("DELETE_ALL_ORDER_INDEX"), db::schema::stocks,
                         "TRUNCATE TABLE stok_order;");
}

bool saveMenuOrder(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                   const std::vector<OrderCell>& cells, QObject* owner) {
    const int last = OrderBoard::lastPlacedIndex(cells);
    if (last < 0)
        return false;
    std::vector<std::string> texts;
    for (const Numbered& entry : OrderBoard::numbered(cells, last + 10))
        texts.push_back(db::sqlf("UPDATE classb SET classb.index_sira=%d WHERE classb.bcode=%d;",
                                 entry.index_sira, static_cast<int>(entry.code)));
    if (!done(db::executeAll(runner, db::Operation("UPDATE_MENU_SIRA"), db::schema::groups, texts)))
        return false;
    boxes.tell(QStringLiteral("MENU_SIRASI kaydedildi."), QStringLiteral("UPDATE_MENU_SIRA"),
               platform::BoxIcon::None, owner);
    return true;
}

bool saveProductOrder(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const ProductScope& scope, const std::vector<OrderCell>& cells,
                      QObject* owner) {
    if (OrderBoard::lastPlacedIndex(cells) < 0 || (scope.gra && scope.grb))
        return false;
    std::vector<std::string> texts;
    for (const Numbered& entry : OrderBoard::numbered(cells, kFirstUnplacedProduct))
        texts.push_back(insertText(scope, entry));
    // The inserts still go after a failed clear: they are the order the user made.
    const bool cleared = clearScope(runner, boxes, scope, owner);
    if (!done(
            db::executeAll(runner, db::Operation("INSERT_URUN_SIRA"), db::schema::stocks, texts)) ||
        !cleared)
        return false;
    boxes.tell(QStringLiteral("ÜRÜN_SIRASI kaydedildi."), QStringLiteral("UPDATE_URUN_SIRA"),
               platform::BoxIcon::None, owner);
    return true;
}

int readScopeOrder(const db::StatementRunner& runner, const ProductScope& scope,
                   std::vector<StokOrderRow>& rows) {
    const std::string where = scope.gra   ? db::sqlf("gra=%d", *scope.gra)
                              : scope.grb ? db::sqlf("grb=%d", *scope.grb)
                                          : std::string("(gra is NULL AND grb is NULL)");
    return db::readList(runner, db::Operation("READ_STOK_ORDER"), db::schema::stocks,
                        "SELECT Id,stcode,gra,grb,index_sira FROM stok_order WHERE " + where + ";",
                        rows, [](const db::Row& row) {
                            StokOrderRow order;
                            order.Id = row.integer(1);
                            order.stcode = row.int64(2);
                            order.index_sira = row.integer(5);
                            return order;
                        });
}

} // namespace parvela::ordering
