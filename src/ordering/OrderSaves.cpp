#include "ordering/OrderSaves.h"

#include "db/ChangeJournal.h"
#include "db/ListReader.h"
#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "db/Transaction.h"
#include "platform/MessageBoxes.h"

namespace parvela::ordering {

namespace {

constexpr int kFirstUnplacedProduct = 1000000;

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

const db::Operation kProductOrder("UPDATE_URUN_SIRA");
const db::Operation kMenuOrder("UPDATE_MENU_SIRA");
const db::Operation kDeleteAll("DELETE_ALL_ORDER_INDEX");

// Clears the scope before it is written again; `everything` takes every
// other scope's rows too. DELETE, not TRUNCATE: it stays in the change.
void clearScope(const db::StatementRunner& runner, const ProductScope& scope, bool everything) {
    if (scope.gra || scope.grb) {
        const std::string text = scope.gra
                                     ? db::sqlf("DELETE FROM stok_order WHERE gra=%d;", *scope.gra)
                                     : db::sqlf("DELETE FROM stok_order WHERE grb=%d;", *scope.grb);
        (void)runner.execute(db::Operation("DELETE_URUN_SIRA"), db::schema::stocks, text);
        return;
    }
    (void)runner.execute(db::Operation("DELETE_URUN_SIRA_GR_A"), db::schema::stocks,
                         "DELETE FROM stok_order WHERE ( gra is NULL and grb is NULL );");
    if (everything)
        (void)runner.execute(kDeleteAll, db::schema::stocks, "DELETE FROM stok_order;");
}

bool confirmDeleteAll(platform::MessageBoxes& boxes, QObject* owner) {
    platform::BoxRequest box;
    box.text = QStringLiteral("Tüm siralamalar silinecek. \nDevam etmek istiyor musunuz?");
    box.caption =
        QString::fromLatin1(kDeleteAll.tag.data(), static_cast<qsizetype>(kDeleteAll.tag.size()));
    box.icon = platform::BoxIcon::Information;
    box.buttons = platform::BoxButtons::YesNoCancel;
    box.defaultAnswer = platform::BoxAnswer::No;
    box.owner = owner;
    return boxes.show(box) == platform::BoxAnswer::Yes;
}

std::vector<std::string> codesOf(const std::vector<Numbered>& entries) {
    std::vector<std::string> codes;
    codes.reserve(entries.size());
    for (const Numbered& entry : entries)
        codes.push_back(std::to_string(static_cast<long long>(entry.code)));
    return codes;
}

} // namespace

void lockOrders(const db::StatementRunner& runner, const db::Operation& op, OrderLock which) {
    const char* turn = which == OrderLock::Menus ? "menu_order" : "stok_order";
    (void)runner.execute(op, db::schema::stocks,
                         db::takeTurnText(turn, kOrderLockWaitSeconds,
                                          "Siralama baska bir istasyonda kaydediliyor."));
}

void askDeleteAllOrders(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        QObject* owner) {
    if (!confirmDeleteAll(boxes, owner))
        return;
    (void)runner.execute(kDeleteAll, db::schema::stocks, "TRUNCATE TABLE stok_order;");
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
    {
        db::Transaction change(runner, kMenuOrder);
        lockOrders(runner, kMenuOrder, OrderLock::Menus);
        (void)db::executeAll(runner, kMenuOrder, db::schema::groups, texts);
        if (change.commit() != db::Outcome::Completed)
            return false;
    }
    boxes.tell(QStringLiteral("MENU_SIRASI kaydedildi."), QStringLiteral("UPDATE_MENU_SIRA"),
               platform::BoxIcon::None, owner);
    return true;
}

bool saveProductOrder(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const ProductScope& scope, const std::vector<OrderCell>& cells,
                      QObject* owner) {
    if (OrderBoard::lastPlacedIndex(cells) < 0 || (scope.gra && scope.grb))
        return false;
    const std::vector<Numbered> entries = OrderBoard::numbered(cells, kFirstUnplacedProduct);
    std::vector<std::string> texts;
    for (const Numbered& entry : entries)
        texts.push_back(insertText(scope, entry));
    // Asked before the change: its rows stay locked while it runs.
    const bool everything = !scope.gra && !scope.grb && confirmDeleteAll(boxes, owner);
    {
        db::Transaction change(runner, kProductOrder);
        change.journalAs("Ürün Sıralaması");
        lockOrders(runner, kProductOrder, OrderLock::Products);
        change.keep(db::schema::stocks, "stok_order", "stcode", codesOf(entries));
        clearScope(runner, scope, everything);
        (void)db::executeAll(runner, db::Operation("INSERT_URUN_SIRA"), db::schema::stocks, texts);
        if (change.commit() != db::Outcome::Completed)
            return false;
    }
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
