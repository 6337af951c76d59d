#include "spreadsheets/DeliverySheet.h"

#include "platform/AtomicFile.h"
#include "platform/CLocaleScope.h"
#include "stock/catalogue/StockListReaders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <unordered_map>
#include <xlsxwriter.h>

namespace parvela::spreadsheets {

namespace {

constexpr const char* kColumns[] = {
    "pSw0Ef91d_Timestamp",
    "vA9jF0fj_Ticket",
    "Title_tr_TR",
    "Image_URL",
    "Variation_title_tr_TR",
    "Price",
    "Remote_Code",
    "IsBundle",
    "Partner",
};
constexpr lxw_col_t kPriceColumn = 5;

// Control characters have no place in the sheet's XML; a reader would refuse
// the whole file for one of them. A text that looks like a cell escape
// ("_x0041_") would read as the character it names: its underscore is
// escaped, as spreadsheet programs do.
std::string cellBytes(const QString& text) {
    static const QRegularExpression looksEscaped(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    QString clean = text;
    clean.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    return clean.replace(looksEscaped, QStringLiteral("_x005F_\\1")).toStdString();
}

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

lxw_error writeRow(lxw_worksheet* sheet, lxw_row_t at, const DeliveryRow& row) {
    const QString* texts[] = {&row.timestamp,  &row.ticket,         &row.title,
                              &row.imageUrl,   &row.variationTitle, nullptr,
                              &row.remoteCode, &row.isBundle,       &row.partner};
    for (lxw_col_t column = 0; column < std::size(texts); ++column) {
        const lxw_error error =
            column == kPriceColumn
                ? worksheet_write_number(sheet, at, column, row.price, nullptr)
                : worksheet_write_string(sheet, at, column, cellBytes(*texts[column]).c_str(),
                                         nullptr);
        if (error != LXW_NO_ERROR)
            return error;
    }
    return LXW_NO_ERROR;
}

lxw_error writeSheet(lxw_workbook* workbook, const std::vector<DeliveryRow>& rows) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "YmkSptStok");
    if (sheet == nullptr)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (lxw_col_t column = 0; column < std::size(kColumns); ++column)
        if (const lxw_error error =
                worksheet_write_string(sheet, 0, column, kColumns[column], nullptr);
            error != LXW_NO_ERROR)
            return error;
    lxw_row_t at = 1;
    for (const DeliveryRow& row : rows)
        if (const lxw_error error = writeRow(sheet, at++, row); error != LXW_NO_ERROR)
            return error;
    return LXW_NO_ERROR;
}

QString failure(const QString& path, const char* why) {
    return QStringLiteral("%1 yazılamadı: %2")
        .arg(QDir::toNativeSeparators(path), QString::fromUtf8(why));
}

} // namespace

std::vector<DeliveryRow> deliveryRows(const stock::ProductList& products,
                                      const std::vector<stock::ProductPicture>& pictures) {
    std::unordered_map<stock::StockCode, QString> pictureOf;
    pictureOf.reserve(pictures.size());
    for (const stock::ProductPicture& picture : pictures)
        if (picture.img.size() > 1)
            pictureOf.try_emplace(picture.stcode, picture.img);
    std::vector<DeliveryRow> rows;
    rows.reserve(products.size());
    for (const stock::StockDefinition& product : products) {
        DeliveryRow row;
        row.ticket = QString::number(product.stcode);
        row.title = product.stname;
        if (const auto found = pictureOf.find(product.stcode); found != pictureOf.end())
            row.imageUrl = stock::pictureFileName(found->second);
        row.price = product.sellp1;
        row.remoteCode = QString::fromStdString(product.barcode);
        row.isBundle = product.bundle ? QStringLiteral("1") : QStringLiteral("0");
        row.partner = QString::fromStdString(product.serial);
        rows.push_back(std::move(row));
    }
    return rows;
}

QString writeDeliverySheet(const QString& path, const std::vector<DeliveryRow>& rows) {
    // The library writes only to a named file: it goes to a scratch folder
    // first, so the old sheet stays whole until the new one is.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return failure(path, "geçici klasör açılamadı");
    const QString draft = scratch.filePath(QStringLiteral("draft.xlsx"));
    const std::string draftName = QFile::encodeName(draft).toStdString();
    {
        // The library prints numbers with the C library's formatting, which
        // writes a decimal comma under a Turkish locale: 12.5 would read as 12.
        const platform::CLocaleScope cLocale;
        WorkbookHandle workbook(workbook_new(draftName.c_str()));
        if (!workbook)
            return failure(path, "çalışma kitabı açılamadı");
        if (const lxw_error error = writeSheet(workbook.get(), rows); error != LXW_NO_ERROR)
            return failure(path, lxw_strerror(error));
        if (const lxw_error error = workbook_close(workbook.release()); error != LXW_NO_ERROR)
            return failure(path, lxw_strerror(error));
    }
    // A new user may have no documents folder yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        return failure(path, written.errorString().toUtf8().constData());
    return platform::writeFileAtomically(path, written.readAll().toStdString());
}

QString exportCatalogue(const db::StatementRunner& runner, const stock::ProductList& products,
                        const QString& path, const std::function<bool()>& cancelled) {
    std::vector<stock::ProductPicture> pictures;
    if (stock::readPictures(runner, pictures) < 0)
        return failure(path, "resimler okunamadı");
    std::vector<DeliveryRow> rows = deliveryRows(products, pictures);
    if (cancelled && cancelled())
        return kExportCancelled;
    return writeDeliverySheet(path, rows);
}

QString deliverySheetPath() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(QString::fromLatin1(kExportFileName));
}

QString exportDoneText(std::size_t count) {
    return QStringLiteral("Excel STOK sayısı : %1  adet ürün..\n").arg(count) +
           QStringLiteral(" Yeni dosya başarıyla oluşturuldu.");
}

} // namespace parvela::spreadsheets
