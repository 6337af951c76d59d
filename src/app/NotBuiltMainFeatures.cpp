#include "app/NotBuiltMainFeatures.h"

#include "platform/NotBuiltYet.h"

#include <QWidget>

namespace parvela::app {

void NotBuiltMainFeatures::tell(const char* caption, QWidget* owner) {
    platform::showNotBuiltYet(m_boxes, QString::fromUtf8(caption), owner);
}

QWidget* NotBuiltMainFeatures::openMenuOrdering(QWidget* owner) {
    tell("Menu Sıralaması", owner);
    return nullptr;
}
QWidget* NotBuiltMainFeatures::openProductOrdering(QWidget* owner) {
    tell("Ürün Sıralaması", owner);
    return nullptr;
}
void NotBuiltMainFeatures::defineScales(QWidget* owner) {
    tell("Teraziler", owner);
}
void NotBuiltMainFeatures::sendToScales(QWidget* owner) {
    tell("Teraziye Gönder", owner);
}
void NotBuiltMainFeatures::sendToBranches(QWidget* owner) {
    tell("Şubelere Gönder", owner);
}
void NotBuiltMainFeatures::writeDigitalMenu(QWidget* owner) {
    tell("HTML Dijital Menü", owner);
}
void NotBuiltMainFeatures::writeAndUploadMenu(QWidget* owner) {
    tell("Menüyü Oluştur", owner);
}
void NotBuiltMainFeatures::writeWeighedPriceList(const std::vector<stock::StockDefinition>&,
                                                 QWidget* owner) {
    tell("DışaVer Tartılan", owner);
}
void NotBuiltMainFeatures::importDeliveryMenu(QWidget* owner) {
    tell("YemekSepeti Menü", owner);
}

void NotBuiltMainFeatures::showHistory(QWidget* owner) {
    tell("Yayın Geçmişi", owner);
}

} // namespace parvela::app
