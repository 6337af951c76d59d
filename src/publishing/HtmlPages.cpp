#include "publishing/HtmlPages.h"

#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "platform/MachineInfo.h"
#include "publishing/HtmlText.h"

#include <QDir>
#include <QStandardPaths>
#include <array>

namespace parvela::publishing {

namespace {

constexpr std::array<int, 14> kColumnWidths{71, 200, 66,  80,  80, 80, 60,
                                            58, 30,  144, 144, 60, 61, 138};
constexpr std::size_t kNameBytes = 60;

// The page declares iso-8859-9, so every text goes out in the ANSI code page.
std::string ansi(const QString& text) {
    return htmlEscaped(db::Cp1254::encodeLossy(text));
}

std::string ansi(const std::string& utf8) {
    return ansi(QString::fromStdString(utf8));
}

std::string columnStyles() {
    std::string out;
    for (std::size_t i = 0; i < kColumnWidths.size(); ++i) {
        const int column = static_cast<int>(i);
        out += db::sqlf("thead .col%d {width: %dpx;}.col%d {text-align: right;}", column,
                        kColumnWidths[i], column);
    }
    return out;
}

std::string priceListHead() {
    return "<!DOCTYPE html PUBLIC\"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
           "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"
           "<html><head><title>URUN LISTESI</title>"
           "<meta name=\"GENERATOR\" content=\"HeidiSQL 7.0.0.4053\">"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-9\" />"
           "<style type=\"text/css\">"
           "thead tr {background-color: ActiveCaption; color: CaptionText;}"
           "th, td {vertical-align: top; font-family: \"Tahoma\"; font-size: 8pt; padding: 3px; }"
           "table, td {border: 1px solid silver;}"
           "table {border-collapse: collapse;}" +
           columnStyles() +
           "</style></head>"
           "<body><table caption=\"orderitems (97 rows)\"><thead><tr>"
           "<th class=\"col0\">StkKod</th><th class=\"col1\">Stokadi</th>"
           "<th class=\"col2\">Barkod</th><th class=\"col8\">Birim</th>"
           "<th class=\"col3\">Satis Fiyat</th></tr></thead>";
}

std::string priceListRow(const stock::StockDefinition& product) {
    const std::string name = db::Cp1254::encodeLossy(product.stname).substr(0, kNameBytes);
    return "<tr>" + db::sqlf("<td class=\"col0\">%lld</td>", stock::code64(product.stcode)) +
           "<td class=\"col1\">" + htmlEscaped(name) + "</td>" +
           "<td bgcolor=\"#eee\" class=\"col2\">" + ansi(product.barcode) + "</td>" +
           "<td class=\"col2\">" + ansi(product.unit) + "</td>" +
           db::sqlf("<td class=\"col3\">%.2f</td>", product.sellp1) + "</tr>";
}

} // namespace

std::string priceListPage(const stock::ProductList& products) {
    std::string page = priceListHead() + "<tbody>";
    for (const stock::StockDefinition& product : products)
        page += priceListRow(product);
    return page + "</tbody></table></body></html>";
}

QString priceListPath() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + u'/' +
           kPriceListFile;
}

QString digitalMenuPath(const platform::MachineInfo& machine) {
    return machine.digitalMenuFolder() + u'/' + kDigitalMenuFile;
}

bool makeDigitalMenuFolder(const platform::MachineInfo& machine) {
    return QDir().mkpath(machine.digitalMenuFolder());
}

} // namespace parvela::publishing
