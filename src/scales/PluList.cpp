#include "scales/PluList.h"

#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "db/TextPreparation.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace parvela::scales {

int pluNumberOf(std::string_view barcode) {
    const std::string_view digits = barcode.substr(0, 7);
    if (digits.size() <= 2)
        return 0;
    // As atoi reads: leading digits, anything else ends the number.
    return std::atoi(std::string(digits.substr(2)).c_str());
}

int hundredthsOf(double price) {
    // Rounded to a millionth first, so that 19.99 (19.98999...) is not cut to 1998.
    const double hundredths = std::round(price * 1e8) / 1e6;
    const double limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::clamp(hundredths, -limit, limit)));
}

std::string pluNameOf(const QString& name) {
    QString blanked = name;
    db::blankControlCharacters(blanked);
    std::string bytes = db::Cp1254::encodeLossy(blanked).substr(0, kPluNameBytes);
    std::replace(bytes.begin(), bytes.end(), ',', ' ');
    return bytes;
}

std::string pluLineOf(const stock::StockDefinition& product) {
    const int plu = pluNumberOf(product.barcode);
    return db::sqlf(" %d,", plu) + pluNameOf(product.stname) +
           db::sqlf(",%d,%d,%u,%d,%d,%d,%d,\r\n", plu, plu, static_cast<unsigned>(kPluField5),
                    hundredthsOf(product.sellp1), kPluField7, 0, kPluField9);
}

std::string pluListOf(const stock::ProductList& weighed) {
    std::string text;
    for (const stock::StockDefinition& product : weighed)
        text += pluLineOf(product);
    return text;
}

bool writePluFile(const QString& path, const std::string& bytes, platform::MessageBoxes& boxes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString reason = platform::writeFileAtomically(path, bytes);
    if (!reason.isEmpty())
        boxes.tell(reason, QStringLiteral("rcTERAZIYE_GONDER"), platform::BoxIcon::Error);
    return reason.isEmpty();
}

} // namespace parvela::scales
