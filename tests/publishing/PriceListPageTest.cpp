#include "DecimalCommaLocale.h"
#include "platform/MachineInfo.h"
#include "publishing/HtmlPages.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

using namespace parvela;
using test::DecimalCommaLocale;

namespace {

const std::string kHead =
    "<!DOCTYPE html PUBLIC\"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"
    "<html><head><title>URUN LISTESI</title>"
    "<meta name=\"GENERATOR\" content=\"HeidiSQL 7.0.0.4053\">"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-9\" />"
    "<style type=\"text/css\">"
    "thead tr {background-color: ActiveCaption; color: CaptionText;}"
    "th, td {vertical-align: top; font-family: \"Tahoma\"; font-size: 8pt; padding: 3px; }"
    "table, td {border: 1px solid silver;}"
    "table {border-collapse: collapse;}"
    "thead .col0 {width: 71px;}.col0 {text-align: right;}"
    "thead .col1 {width: 200px;}.col1 {text-align: right;}"
    "thead .col2 {width: 66px;}.col2 {text-align: right;}"
    "thead .col3 {width: 80px;}.col3 {text-align: right;}"
    "thead .col4 {width: 80px;}.col4 {text-align: right;}"
    "thead .col5 {width: 80px;}.col5 {text-align: right;}"
    "thead .col6 {width: 60px;}.col6 {text-align: right;}"
    "thead .col7 {width: 58px;}.col7 {text-align: right;}"
    "thead .col8 {width: 30px;}.col8 {text-align: right;}"
    "thead .col9 {width: 144px;}.col9 {text-align: right;}"
    "thead .col10 {width: 144px;}.col10 {text-align: right;}"
    "thead .col11 {width: 60px;}.col11 {text-align: right;}"
    "thead .col12 {width: 61px;}.col12 {text-align: right;}"
    "thead .col13 {width: 138px;}.col13 {text-align: right;}"
    "</style></head>"
    "<body><table caption=\"orderitems (97 rows)\"><thead><tr>"
    "<th class=\"col0\">StkKod</th><th class=\"col1\">Stokadi</th>"
    "<th class=\"col2\">Barkod</th><th class=\"col8\">Birim</th>"
    "<th class=\"col3\">Satis Fiyat</th></tr></thead><tbody>";
const std::string kTail = "</tbody></table></body></html>";

stock::StockDefinition product(stock::StockCode code, const QString& name, double price) {
    stock::StockDefinition p;
    p.stcode = code;
    p.stname = name;
    p.barcode = "2700123000004";
    p.unit = "kg";
    p.sellp1 = price;
    return p;
}

} // namespace

TEST(PriceListPage, anEmptyListHasTheHeadRowAndAnEmptyBody) {
    EXPECT_EQ(publishing::priceListPage({}), kHead + kTail);
}

TEST(PriceListPage, aRowCarriesCodeNameBarcodeUnitAndPriceInCodePage1254) {
    const DecimalCommaLocale turkish;
    ASSERT_TRUE(DecimalCommaLocale::active());
    stock::StockDefinition kuzu =
        product(5000000001, QStringLiteral("Kuzu Şiş ğüıöçĞÜİÖÇ <b>&</b>"), 12.5);
    kuzu.unit = "ş\"";
    const std::string page = publishing::priceListPage({kuzu});
    EXPECT_EQ(page,
              kHead +
                  "<tr><td class=\"col0\">5000000001</td>"
                  "<td class=\"col1\">Kuzu \xDE\x69\xFE \xF0\xFC\xFD\xF6\xE7\xD0\xDC\xDD\xD6\xC7 "
                  "&lt;b&gt;&amp;&lt;/b&gt;</td>"
                  "<td bgcolor=\"#eee\" class=\"col2\">2700123000004</td>"
                  "<td class=\"col2\">\xFE&quot;</td>"
                  "<td class=\"col3\">12.50</td></tr>" +
                  kTail);
}

TEST(PriceListPage, rowsFollowTheListAndLongNamesKeepSixtyBytes) {
    const QString longName = QStringLiteral("Ş") + QString(70, u'a');
    const std::string page = publishing::priceListPage(
        {product(7, longName, 0), product(-3, QStringLiteral("€ 😀"), 1234567.891)});
    const std::string expectedName = "\xDE" + std::string(59, 'a');
    EXPECT_EQ(page, kHead + "<tr><td class=\"col0\">7</td><td class=\"col1\">" + expectedName +
                        "</td><td bgcolor=\"#eee\" class=\"col2\">2700123000004</td>"
                        "<td class=\"col2\">kg</td><td class=\"col3\">0.00</td></tr>"
                        "<tr><td class=\"col0\">-3</td><td class=\"col1\">\x80 ?</td>"
                        "<td bgcolor=\"#eee\" class=\"col2\">2700123000004</td>"
                        "<td class=\"col2\">kg</td><td class=\"col3\">1234567.89</td></tr>" +
                        kTail);
}

TEST(HtmlPagePaths, theMenuGoesUnderTheDataRootAndTheListOnTheDesktop) {
    const platform::MachineInfo machine(QStringLiteral("pc"), QStringLiteral("/srv/root/"));
    EXPECT_EQ(publishing::digitalMenuPath(machine),
              QStringLiteral("/srv/root/Orvanta/digital_menu/index.html"));
    EXPECT_EQ(publishing::priceListPath(),
              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
                  QStringLiteral("/urun_list.html"));
}

TEST(HtmlPagePaths, theMenuFolderIsMadeWhenMissingAndAFailureIsSaid) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const platform::MachineInfo machine(QStringLiteral("pc"), root.path());
    EXPECT_TRUE(publishing::makeDigitalMenuFolder(machine));
    EXPECT_TRUE(QFileInfo(machine.digitalMenuFolder()).isDir());
    EXPECT_TRUE(publishing::makeDigitalMenuFolder(machine));

    // A file where the Orvanta folder should be.
    QFile blocker(root.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const platform::MachineInfo blocked(QStringLiteral("pc"), blocker.fileName());
    EXPECT_FALSE(publishing::makeDigitalMenuFolder(blocked));
}
