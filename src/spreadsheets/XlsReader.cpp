#include "spreadsheets/WorkbookFormats.h"

#include <freexl.h>
#include <numeric>

namespace parvela::spreadsheets::detail {

namespace {

// One open FreeXL workbook, closed with its owner.
class FreeXlBook {
public:
    explicit FreeXlBook(const QByteArray& path)
        : m_status(freexl_open(path.constData(), &m_handle)) {}
    ~FreeXlBook() {
        if (m_handle)
            freexl_close(m_handle);
    }
    FreeXlBook(const FreeXlBook&) = delete;
    FreeXlBook& operator=(const FreeXlBook&) = delete;

    int status() const { return m_status; }
    const void* get() const { return m_handle; }

private:
    const void* m_handle = nullptr;
    int m_status;
};

QString codeWords(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("dosya açılamadı");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("bellek yetmedi");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return QStringLiteral("dosya başlığı geçersiz");
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR:
        return QStringLiteral("dosya beklenenden kısa");
    case FREEXL_CFBF_INVALID_SECTOR_SIZE:
    case FREEXL_CFBF_EMPTY_FAT_CHAIN:
    case FREEXL_CFBF_ILLEGAL_FAT_ENTRY:
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
        return QStringLiteral("dosyanın iç yapısı bozuk");
    case FREEXL_BIFF_INVALID_BOF:
    case FREEXL_BIFF_INVALID_SST:
    case FREEXL_BIFF_ILLEGAL_SST_INDEX:
    case FREEXL_ILLEGAL_CELL_ROW_COL:
    case FREEXL_ILLEGAL_RK_VALUE:
    case FREEXL_CRAFTED_FILE:
        return QStringLiteral("tablo kayıtları bozuk");
    case FREEXL_INVALID_CHARACTER:
    case FREEXL_UNSUPPORTED_CHARSET:
        return QStringLiteral("karakter kümesi desteklenmiyor");
    default:
        return {};
    }
}

FormatRead failedWith(int code) {
    const QString words = codeWords(code);
    return faulty(Fault::Damaged,
                  words.isEmpty()
                      ? QStringLiteral("FreeXL hata kodu %1").arg(code)
                      : QStringLiteral("FreeXL: %1 (hata kodu %2)").arg(words).arg(code));
}

Cell cellFrom(const FreeXL_CellValue& value) {
    switch (value.type) {
    case FREEXL_CELL_INT:
        return numberCell(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberCell(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return textCell(QString::fromUtf8(value.value.text_value));
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return otherCell(QString::fromUtf8(value.value.text_value));
    default:
        return {};
    }
}

// The sheet FreeXL has selected; `failure` gets the first code a cell gave.
std::vector<SheetRow> activeSheetRows(const FreeXlBook& book, int& failure) {
    unsigned int rowCount = 0;
    unsigned short columnCount = 0;
    failure = freexl_worksheet_dimensions(book.get(), &rowCount, &columnCount);
    if (failure != FREEXL_OK)
        return {};
    std::vector<int> columns(columnCount);
    std::iota(columns.begin(), columns.end(), 0);
    return collectRows(static_cast<int>(rowCount), columns, [&](int r, int c) {
        FreeXL_CellValue value{};
        const int code = freexl_get_cell_value(book.get(), static_cast<unsigned int>(r),
                                               static_cast<unsigned short>(c), &value);
        if (code != FREEXL_OK && failure == FREEXL_OK)
            failure = code;
        return code == FREEXL_OK ? cellFrom(value) : Cell{};
    });
}

} // namespace

FormatRead readXls(const QByteArray& path, int position) {
    const FreeXlBook book(path);
    if (book.status() == FREEXL_BIFF_WORKBOOK_NOT_FOUND) // another Office document
        return faulty(Fault::NotWorkbook);
    if (book.status() != FREEXL_OK)
        return failedWith(book.status());
    FormatRead read;
    unsigned int info = 0;
    if (const int code = freexl_get_info(book.get(), FREEXL_BIFF_PASSWORD, &info))
        return failedWith(code);
    if (info == FREEXL_BIFF_OBFUSCATED)
        return faulty(Fault::Password);
    if (const int code = freexl_get_info(book.get(), FREEXL_BIFF_SHEET_COUNT, &info))
        return failedWith(code);
    for (unsigned int sheet = 0; sheet < info; ++sheet) {
        const char* name = nullptr;
        const auto index = static_cast<unsigned short>(sheet);
        if (const int code = freexl_get_worksheet_name(book.get(), index, &name))
            return failedWith(code);
        read.sheetNames.append(QString::fromUtf8(name));
    }
    if (lacksSheet(read, position))
        return read;
    int failure = freexl_select_active_worksheet(book.get(), static_cast<unsigned short>(position));
    if (failure == FREEXL_OK)
        read.rows = activeSheetRows(book, failure);
    return failure == FREEXL_OK ? read : failedWith(failure);
}

} // namespace parvela::spreadsheets::detail
