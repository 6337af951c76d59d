#include "labels/BarcodeAllocator.h"

#include "db/Row.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "labels/BarcodeText.h"
#include "platform/MessageBoxes.h"

namespace parvela::labels {

namespace {

constexpr int kNoRow = -1;
constexpr int kFailed = -5;
constexpr int kNoBase = 0;
constexpr std::string_view kDrawTag = "Retrieve_Barkod_of_URUNKODU";

} // namespace

BarcodeAllocator::BarcodeAllocator(const db::StatementRunner& runner, platform::MessageBoxes& boxes)
    : m_runner(runner)
    , m_boxes(boxes) {}

void BarcodeAllocator::readPrefixes() {
    (void)m_runner.queryFirst(db::Operation("READ_SETTINGS"), db::schema::company,
                              "SELECT intercode,firmacode FROM company.barcode;",
                              [this](const db::Row& row) {
                                  m_intercode = row.integer(1);
                                  m_firmacode = row.integer(2);
                              });
    m_intercodeText = std::to_string(m_intercode);
    m_prefix = m_intercode;
}

int BarcodeAllocator::newBarcodeNumber() {
    int number = kNoRow;
    const db::Outcome outcome = m_runner.callThenSelect(
        db::Operation(kDrawTag), db::schema::stocks, " CALL GET_NEW_BARCODE_NO(@BarcodeNO); ",
        "SELECT @BarcodeNO AS _reply", [&number](const db::Row& row) { number = row.integer(1); });
    return outcome == db::Outcome::Failed ? kFailed : number;
}

int BarcodeAllocator::barcodeExists(const std::string& code) const {
    bool found = false;
    const db::Outcome outcome =
        m_runner.queryFirst(db::Operation("If_Barcode_Exists"), db::schema::stocks,
                            "SELECT id FROM stckdef WHERE barcode=" + db::quotedLiteral(code) + ";",
                            [&found](const db::Row&) { found = true; });
    if (outcome == db::Outcome::Failed)
        return kFailed;
    return found ? 1 : -1;
}

std::string BarcodeAllocator::formatBase(int prefix) {
    m_prefix = prefix;
    if (const auto base = barcodeBase(prefix, m_number))
        m_codeText = *base;
    m_code = m_codeText;
    return m_code;
}

std::string BarcodeAllocator::formatNationalBase() {
    return formatBase(kNationalPrefix);
}

std::string BarcodeAllocator::formatInStoreBase() {
    return formatBase(kInStorePrefix);
}

int BarcodeAllocator::appendEanCheckDigit() {
    labels::appendEanCheckDigit(m_codeText);
    return 0;
}

int BarcodeAllocator::nextFree(int prefix) {
    for (;;) {
        m_number = newBarcodeNumber();
        if (m_number <= 0)
            return m_number;
        // Without a base the check digit would go onto the last code again.
        if (!barcodeBase(prefix, m_number)) {
            m_boxes.tell(QStringLiteral("Sunucunun barkod sayacı %1 haneli bir numaraya ulaştı; "
                                        "12 haneli barkoda sığmıyor.")
                             .arg(decimalDigits(m_number)),
                         QString::fromUtf8(kDrawTag.data(), kDrawTag.size()),
                         platform::BoxIcon::Exclamation);
            return kNoBase;
        }
        formatBase(prefix);
        appendEanCheckDigit();
        if (barcodeExists(m_codeText) <= 0)
            return m_number;
    }
}

int BarcodeAllocator::nextFreeNationalBarcode() {
    return nextFree(kNationalPrefix);
}

int BarcodeAllocator::nextFreeInStoreBarcode() {
    return nextFree(kInStorePrefix);
}

} // namespace parvela::labels
