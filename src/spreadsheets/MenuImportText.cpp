#include "spreadsheets/MenuImportText.h"

#include "db/SqlFormat.h"
#include "db/TypedNumber.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/MessageBoxes.h"

namespace parvela::spreadsheets {

namespace {

QString price(double value) {
    return QString::fromStdString(db::sqlf("%.2f", value));
}

// The control pictures block holds a visible sign for each of U+0000-U+001F.
constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

QString productLine(const PlannedProduct& planned) {
    const stock::StockDefinition& product = planned.row.product;
    QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5")
                       .arg(planned.row.sheetRow)
                       .arg(product.stcode)
                       .arg(QString::fromStdString(product.barcode), price(product.sellp1),
                            shownName(product.stname));
    if (const QString warnings = warningsOf(planned); !warnings.isEmpty())
        line += QStringLiteral("\t(") + warnings + QLatin1Char(')');
    return line;
}

} // namespace

QString readStatusText(std::size_t rowCount) {
    return QStringLiteral("VcExcelSTOK.size() : %1 \n").arg(rowCount) +
           QStringLiteral("Reading Stok from excel file is finished");
}

QString shownName(const QString& name) {
    QString shown = name;
    for (QChar& c : shown)
        if (c.unicode() < 0x20)
            c = QChar(static_cast<char16_t>(kControlPictures + c.unicode()));
        else if (c.unicode() == 0x7F)
            c = QChar(kDeletePicture);
    return shown;
}

QString warningsOf(const PlannedProduct& planned) {
    QStringList warnings;
    if (planned.barcodeInCatalogue)
        warnings << QStringLiteral("barkod katalogda var");
    if (planned.barcodeRepeated)
        warnings << QStringLiteral("barkod tabloda tekrarlanıyor");
    const ImportRow& row = planned.row;
    if (!row.barcodeNotText.isEmpty())
        warnings << QStringLiteral("barkod yerine \"%1\" var, bakınız").arg(row.barcodeNotText);
    if (row.product.stname.isEmpty())
        warnings << QStringLiteral("adı boş");
    if (row.nameCut)
        warnings << QStringLiteral("adı 59 harfe kısalacak");
    if (row.nameHasControls)
        warnings << QStringLiteral("adında satır sonu ya da görünmeyen karakter var");
    if (row.priceMissing)
        warnings << QStringLiteral("fiyat okunamadı, 0 olacak");
    if (!row.priceNotNumber.isEmpty())
        warnings << QStringLiteral("fiyat yerine \"%1\" var, bakınız").arg(row.priceNotNumber);
    if (row.priceThousands)
        warnings << QStringLiteral("fiyattaki nokta binlik sayıldı, bakınız");
    if (row.priceNegative)
        warnings << QStringLiteral("fiyat eksi, bakınız");
    if (row.priceTooHigh)
        warnings << QStringLiteral("fiyat %1 TL sınırını aşıyor, eklenmeyecek")
                        .arg(db::shownPrice(kImportMaxPrice));
    return warnings.join(QStringLiteral(", "));
}

QString planTotalsText(const ImportPlan& plan) {
    QString text = QStringLiteral("%1 ürün eklenecek.").arg(plan.products.size());
    const std::pair<int, const char*> counts[] = {
        {plan.barcodesInCatalogue, "barkodu katalogda olan satır"},
        {plan.barcodesRepeated, "barkodu tabloda tekrarlanan satır"},
        {plan.namesEmpty, "adı boş satır"},
        {plan.namesCut, "adı kısalacak satır"},
        {plan.namesToCheck, "adına bakılacak satır"},
        {plan.pricesMissing, "fiyatı okunamayan satır"},
        {plan.pricesToCheck, "fiyatına bakılacak satır"},
        {plan.barcodesToCheck, "barkoduna bakılacak satır"},
    };
    for (const auto& [count, what] : counts)
        if (count > 0)
            text += QStringLiteral(" %1 %2.").arg(count).arg(QString::fromUtf8(what));
    return text;
}

QString previewText(const ImportPlan& plan) {
    QString text = QStringLiteral("Satır\tKod\tBarkod\tFiyat\tAd\n");
    for (const PlannedProduct& planned : plan.products)
        text += productLine(planned) + QLatin1Char('\n');
    return text + planTotalsText(plan) + QLatin1Char('\n');
}

QString markedQuestionText(int marked) {
    return QStringLiteral("Önizlemede işaretli %1 satır var (adı boş, fiyatı okunamayan ya da "
                          "bakılacak, barkodu katalogda olan...).\n\nİşaretli satırlar da "
                          "eklensin mi?")
        .arg(marked);
}

bool confirmMarked(const ImportPlan& plan, platform::MessageBoxes& boxes, QObject* owner) {
    if (plan.marked == 0)
        return true;
    return platform::askBeforeChange(boxes, markedQuestionText(plan.marked),
                                     QString::fromUtf8(kImportCaption), owner);
}

QString resultText(const ImportResult& result) {
    QString text = QStringLiteral("%1 ürün eklendi.").arg(result.inserted);
    if (result.cancelled)
        text += QStringLiteral("\nİçe aktarma iptal edildi: %1 satırın hiçbiri eklenmedi.")
                    .arg(result.notTried);
    else if (result.notTried > 0)
        text += QStringLiteral("\nİçe aktarma geri alındı, %1 satırın hiçbiri eklenmedi: %2")
                    .arg(result.notTried)
                    .arg(result.failure);
    if (result.codesMoved && result.inserted > 0)
        text += QStringLiteral("\nÖnizlemedeki kodların bir kısmı bu arada kullanıldı; ürünler "
                               "sıradaki boş kodlarla eklendi.");
    if (result.refused > 0)
        text += QStringLiteral("\n%1 satır eklenemedi:").arg(result.refused);
    for (qsizetype i = 0; i < result.reasons.size() && i < kReasonsShown; ++i)
        text += QStringLiteral("\n  ") + result.reasons.at(i);
    if (result.reasons.size() > kReasonsShown)
        text += QStringLiteral("\n  …");
    return text;
}

} // namespace parvela::spreadsheets
