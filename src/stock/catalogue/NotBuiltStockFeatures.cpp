#include "stock/catalogue/NotBuiltStockFeatures.h"

#include "platform/NotBuiltYet.h"

#include <QWidget>

namespace parvela::stock {

void NotBuiltStockFeatures::tell(const char* caption, QWidget* owner) {
    platform::showNotBuiltYet(m_boxes, QString::fromUtf8(caption), owner);
}

void NotBuiltStockFeatures::openRecipe(const StockDefinition&, QWidget* owner) {
    tell("Ürün Reçetelendirme", owner);
}
void NotBuiltStockFeatures::openBundle(const StockDefinition&, QWidget* owner) {
    tell("Bundle/MENU Düzenlemesi", owner);
}
void NotBuiltStockFeatures::openOptions(const StockDefinition&, QWidget* owner) {
    tell("BAGLI ÜRÜNLER - OPSİYONLAR", owner);
}
void NotBuiltStockFeatures::changeQuantity(const recipes::RecipeLine&, QWidget* owner) {
    tell("RECETE URUN MIKTARI DEĞİŞTİR", owner);
}
void NotBuiltStockFeatures::showLinkedProducts(const recipes::RecipeLine&, QWidget* owner) {
    tell("BAGLI_URUNLER", owner);
}
void NotBuiltStockFeatures::insertBulkRecipes(const std::vector<StockCode>&, QWidget* owner) {
    tell("INSERT_RECETELER_KENDI", owner);
}
void NotBuiltStockFeatures::assignGroup(const std::vector<StockCode>&, QWidget* owner) {
    tell("STOGUN GRUBU", owner);
}
void NotBuiltStockFeatures::chooseGroup(EditedProduct&, QWidget* owner) {
    tell("STOGUN GRUBU", owner);
}
void NotBuiltStockFeatures::groupSettings(std::function<ListedCodes()>, QWidget* owner) {
    tell("Grup/Menü Ayarları", owner);
}
void NotBuiltStockFeatures::productOrder(const StockDefinition&, QWidget* owner) {
    tell("STOK_SIRALAMA", owner);
}
std::optional<std::string> NotBuiltStockFeatures::newBarcode(Barcode kind, QWidget* owner) {
    tell(kind == Barcode::National ? "869" : "BARCODE", owner);
    return std::nullopt;
}
void NotBuiltStockFeatures::printLabel(const StockDefinition&, QWidget* owner) {
    tell("BARKOD ETİKETİ", owner);
}
void NotBuiltStockFeatures::priceTimes(EditedProduct&, const QString&, QWidget* owner) {
    tell("ZAMAN ARALIGI", owner);
}
void NotBuiltStockFeatures::sizes(EditedProduct&, QWidget* owner) {
    tell("SMALL MEDIUM LARGE", owner);
}
void NotBuiltStockFeatures::region(EditedProduct&, QWidget* owner) {
    tell("BÖLGE SEÇ", owner);
}
void NotBuiltStockFeatures::notes(EditedProduct&, QWidget* owner) {
    tell("ÜRÜNE AİT NOT / ÖZELLİK", owner);
}
void NotBuiltStockFeatures::gameParameters(EditedProduct&, QWidget* owner) {
    tell("OYUN ÜRÜNÜ PARAMETRELERİ", owner);
}
void NotBuiltStockFeatures::choosePicture(EditedProduct&, QWidget* owner) {
    tell("Logo Seç", owner);
}
void NotBuiltStockFeatures::deletePicture(EditedProduct&, QWidget* owner) {
    tell("Resmi Sil", owner);
}

} // namespace parvela::stock
