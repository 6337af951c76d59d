#pragma once

#include <cstdint>
#include <string>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::labels {

// Draws new barcode numbers from the server's counter and turns them into
// EAN-13 codes nobody has yet. The stock editor and the label printer each
// keep one for the whole run.
class BarcodeAllocator {
public:
    // `boxes` hears of a counter too long for a 12-digit base.
    BarcodeAllocator(const db::StatementRunner& runner, platform::MessageBoxes& boxes);

    // "READ_SETTINGS": the two numbers of company.barcode.
    void readPrefixes();
    int intercode() const { return m_intercode; }
    int firmacode() const { return m_firmacode; }
    const std::string& intercodeText() const { return m_intercodeText; }

    // A number the server never gave before; -1 when the procedure gave no
    // row, -5 after a failure (reported).
    int newBarcodeNumber();
    // 1 when a product has the code, -1 when none, -5 after a failure.
    int barcodeExists(const std::string& code) const;

    // The 12-digit base of the current number with prefix 869 or 270, also
    // left in the code text; a number without a base leaves the text as it was.
    std::string formatNationalBase();
    std::string formatInStoreBase();
    // Appends the check digit to the code text. Returns 0.
    int appendEanCheckDigit();

    // The next number whose 13-digit code no product has; the code stays in
    // the code text. A draw that fails returns its failure value (0 or less)
    // and leaves the code text as it was; so does a number of ten digits,
    // which gives 0 after a box. A failed existence check takes the code as
    // free.
    int nextFreeNationalBarcode();
    int nextFreeInStoreBarcode();

    int prefix() const { return m_prefix; }
    int number() const { return m_number; }
    const std::string& codeText() const { return m_codeText; }
    void setCodeText(std::string text) { m_codeText = std::move(text); }
    // The 12-digit base last formatted, without its check digit.
    const std::string& code() const { return m_code; }

private:
    std::string formatBase(int prefix);
    int nextFree(int prefix);

    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    int m_intercode = 0;
    int m_firmacode = 0;
    std::string m_intercodeText;
    int m_prefix = 0;
    int m_number = 0;
    std::string m_codeText;
    std::string m_code;
};

} // namespace parvela::labels
