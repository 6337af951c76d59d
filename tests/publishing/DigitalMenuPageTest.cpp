#include "DecimalCommaLocale.h"
#include "publishing/HtmlPages.h"

#include <gtest/gtest.h>
#include <string>

using namespace parvela;
using test::DecimalCommaLocale;

namespace {

const std::string kHead =
    "<!DOCTYPE html>\r\n"
    "<html lang=\"tr\">\r\n"
    "<head>\r\n"
    "\r\n"
    "<meta charset=\"UTF-8\">"
    "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0\">"
    "<title>Restaurant Menu - Lokanta \xC5\x9E"
    "en</title>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-9\" />"
    "<link href=\"https://cdn.jsdelivr.net/npm/bootstrap@5.3.0-alpha3/dist/css/bootstrap.min.css\""
    " rel=\"stylesheet\""
    " integrity=\"sha384-KK94CHFLLe+nY2dmCWGMq91rCGa5gtU4mk92HdvYe+M/SXH301p5ILy+dN9+nJOZ\""
    " crossorigin=\"anonymous\">"
    "<script src=\"https://cdn.jsdelivr.net/npm/bootstrap@5.3.0-alpha3/dist/js/"
    "bootstrap.bundle.min.js\""
    " integrity=\"sha384-ENjdO4Dr2bkBIFxQpeoTz1HIcje39Wm4jDKdf19U8gI4ddQ3GYNS7NTKfAdVQSZe\""
    " crossorigin=\"anonymous\" async=\"false\"></script>"
    "<script src=\"https://unpkg.com/masonry-layout@4/dist/masonry.pkgd.min.js\""
    " async=\"false\"></script>"
    "<script src=\"https://unpkg.com/masonry-layout@4/dist/masonry.pkgd.js\"></script>"
    "<link rel=\"stylesheet\" href=\"main.css\">"
    "</head><body><div class=\"container\">"
    "<h1 class=\"company_name\">Lokanta \xC5\x9E"
    "en</h1>"
    "<div class=\"fluid\">"
    "<div class=\"row flex-wrap justify-content-center  my-5 mx-1\">";
const std::string kButtonsEnd = "</div>\r\n"
                                "</div>\r\n"
                                "<div class=\"row\">\r\n";
const std::string kPictureColumn = "<div class=\"giveheight\"></div>\r\n"
                                   "<div class=\"col-md-12 col-lg-6 menu-box\">\r\n"
                                   "<img class=\"product-image\" src=\"col_image.png\" />\r\n"
                                   "</div>\r\n";
const std::string kEnd = "</div>\r\n"
                         "</div>\r\n"
                         "</body>\r\n"
                         "<script>( function () { new Masonry('.row', {}); } )();</script>\r\n"
                         "</html>\r\n";
const QString kCompany = QStringLiteral("Lokanta Şen");

groups::GroupB group(int bcode, const QString& name) {
    groups::GroupB g;
    g.Id = bcode - 10;
    g.bcode = bcode;
    g.wideName = name;
    return g;
}

stock::StockDefinition product(stock::StockCode code, int grb, const QString& name, double price,
                               const QString& specs = {}) {
    stock::StockDefinition p;
    p.stcode = code;
    p.grb = grb;
    p.stname = name;
    p.sellp1 = price;
    p.unit = "ad";
    p.specs = specs;
    return p;
}

// The line of the product's name and price in the page.
std::string titleLine(const std::string& name, const std::string& price) {
    return "<span class=\"title\">" + name + "</span> <span class=\"price\">" + price +
           " TL / ad</span>\r\n";
}

bool contains(const std::string& page, const std::string& piece) {
    return page.find(piece) != std::string::npos;
}

} // namespace

TEST(DigitalMenuPage, aSmallMenuIsWrittenWholeInUtf8) {
    const DecimalCommaLocale turkish;
    ASSERT_TRUE(DecimalCommaLocale::active());
    stock::StockDefinition ayran = product(2001, 12, QStringLiteral("Ayran"), 15);
    ayran.unit = "lt";
    const std::vector<stock::StockDefinition> products{
        product(1001, 11, QStringLiteral("Margarita"), 95.5, QStringLiteral("Acılı")), ayran,
        product(1002, 11, QStringLiteral("Sucuklu Pide"), 120, QStringLiteral("Çıtır!")),
        product(3001, 99, QStringLiteral("Menüde yok"), 1)};
    const std::vector<stock::ProductPicture> pictures{{3001, QStringLiteral("x.png")},
                                                      {1002, QStringLiteral("stok_1002.jpg")},
                                                      {2001, QString()},
                                                      {1001, QStringLiteral("pizza.png")}};

    const std::string page = publishing::digitalMenuPage(
        kCompany, {group(11, QStringLiteral("Pizzalar")), group(12, QStringLiteral("İçecekler"))},
        products, pictures);

    EXPECT_EQ(page,
              kHead +
                  "<div class=\"col-12 col-md-4 col-sm-6 p-2\"><a class=\"btn btn-warning p-3 "
                  "mx-2 btn-menu\" href=\"#grupMenuId_11\">Pizzalar</a></div>\r\n"
                  "<div class=\"col-12 col-md-4 col-sm-6 p-2\"><a class=\"btn btn-warning p-3 "
                  "mx-2 btn-menu\" href=\"#grupMenuId_12\">\xC4\xB0\xC3\xA7"
                  "ecekler</a></div>\r\n" +
                  kButtonsEnd +
                  "<div class=\"col-md-12 col-lg-6 menu-box\">\r\n"
                  "<h3 id=\"grupMenuId_11\">Pizzalar</h3>\r\n"
                  "<ul class=\"menu\">\r\n"
                  "<li>\r\n"
                  "<div class=\"image\" style=\"background-image: url('pizza.png');\"></div>\r\n"
                  "<span class=\"title\">Margarita</span> <span class=\"price\">95.50 TL / "
                  "ad</span>\r\n"
                  "<div class=\"clearfix\"></div>\r\n"
                  "</li>\r\n"
                  "<li>\r\n"
                  "<div class=\"image\" style=\"background-image: "
                  "url('images/stok_1002.jpg');\"></div>\r\n"
                  "<span class=\"title\">Sucuklu Pide</span> <span class=\"price\">120.00 TL / "
                  "ad</span>\r\n"
                  "<span class=\"description\">\xC3\x87\xC4\xB1t\xC4\xB1r!</span>\r\n"
                  "<div class=\"clearfix\"></div>\r\n"
                  "</li>\r\n"
                  "</ul>\r\n"
                  "</div>\r\n" +
                  kPictureColumn +
                  "<div class=\"col-md-12 col-lg-6 menu-box\">\r\n"
                  "<h3 id=\"grupMenuId_12\">\xC4\xB0\xC3\xA7"
                  "ecekler</h3>\r\n"
                  "<ul class=\"menu\">\r\n"
                  "<li>\r\n"
                  "<span class=\"title\">Ayran</span> <span class=\"price\">15.00 TL / "
                  "lt</span>\r\n"
                  "<div class=\"clearfix\"></div>\r\n"
                  "</li>\r\n"
                  "</ul>\r\n"
                  "</div>\r\n" +
                  kEnd);
}

TEST(DigitalMenuPage, noGroupGivesTheEmptyButtonRowAndThePictureColumnOnly) {
    const std::string page = publishing::digitalMenuPage(
        kCompany, {}, {product(1001, 11, QStringLiteral("Margarita"), 95.5)}, {});
    EXPECT_EQ(page, kHead + kButtonsEnd + kPictureColumn + kEnd);
}

TEST(DigitalMenuPage, aGroupWithoutProductsKeepsItsEmptyBoxAfterThePictureColumn) {
    const std::string page = publishing::digitalMenuPage(
        kCompany, {group(11, QStringLiteral("Pizzalar")), group(12, QStringLiteral("Tatlılar"))},
        {product(1001, 11, QStringLiteral("Margarita"), 95.5)}, {});
    EXPECT_TRUE(contains(page, kPictureColumn +
                                   "<div class=\"col-md-12 col-lg-6 menu-box\">\r\n"
                                   "<h3 id=\"grupMenuId_12\">Tatl\xC4\xB1lar</h3>\r\n"
                                   "<ul class=\"menu\">\r\n"
                                   "</ul>\r\n"
                                   "</div>\r\n" +
                                   kEnd));

    // A single group stands before the picture column, even with nothing in it.
    const std::string single =
        publishing::digitalMenuPage(kCompany, {group(12, QStringLiteral("Tatlılar"))}, {}, {});
    EXPECT_TRUE(contains(single, kButtonsEnd +
                                     "<div class=\"col-md-12 col-lg-6 menu-box\">\r\n"
                                     "<h3 id=\"grupMenuId_12\">Tatl\xC4\xB1lar</h3>\r\n"
                                     "<ul class=\"menu\">\r\n"
                                     "</ul>\r\n"
                                     "</div>\r\n" +
                                     kPictureColumn + kEnd));
}

TEST(DigitalMenuPage, everyTextArrivesEscaped) {
    stock::StockDefinition fish =
        product(5, 12, QStringLiteral("Fish & Chips"), 9, QStringLiteral("\"Ev\" <i>yapımı</i>"));
    fish.unit = "<b>";
    const std::string page = publishing::digitalMenuPage(
        QStringLiteral("Fish & Chips <Ltd>"),
        {group(11, QStringLiteral("Ana")), group(12, QStringLiteral("<b>Tatlı</b> & \"Su\""))},
        {fish}, {{5, QStringLiteral("a&b's \"x\".png")}});

    EXPECT_TRUE(contains(page, "<title>Restaurant Menu - Fish &amp; Chips &lt;Ltd&gt;</title>"));
    EXPECT_TRUE(contains(page, "<h1 class=\"company_name\">Fish &amp; Chips &lt;Ltd&gt;</h1>"));
    const std::string groupName = "&lt;b&gt;Tatl\xC4\xB1&lt;/b&gt; &amp; &quot;Su&quot;";
    EXPECT_TRUE(contains(page, "href=\"#grupMenuId_12\">" + groupName + "</a></div>\r\n"));
    EXPECT_TRUE(contains(page, "<h3 id=\"grupMenuId_12\">" + groupName + "</h3>\r\n"));
    // A second group's picture that is not the program's own copy sits next to the page.
    EXPECT_TRUE(contains(page, "<li>\r\n<div class=\"image\" style=\"background-image: "
                               "url('a&amp;b%27s &quot;x&quot;.png');\"></div>\r\n"));
    EXPECT_TRUE(contains(page, "<span class=\"title\">Fish &amp; Chips</span> <span "
                               "class=\"price\">9.00 TL / &lt;b&gt;</span>\r\n"));
    EXPECT_TRUE(contains(page, "<span class=\"description\">&quot;Ev&quot; "
                               "&lt;i&gt;yap\xC4\xB1m\xC4\xB1&lt;/i&gt;</span>\r\n"));
    EXPECT_FALSE(contains(page, "<b>"));
    EXPECT_FALSE(contains(page, "<i>"));
}

TEST(DigitalMenuPage, longTextsAreCutAtWholeCharactersBeforeEscaping) {
    // Two-byte letters: an odd limit would split the last one.
    const QString longGroup(700, u'ş');
    const std::vector<stock::StockDefinition> products{
        product(1, 11, QString(200, u'ğ'), 1, QString(300, u'ç')),
        product(2, 11, QString(126, u'a') + u'&', 2), product(3, 11, QString(127, u'a') + u'&', 3)};
    const std::string page =
        publishing::digitalMenuPage(kCompany, {group(11, longGroup)}, products, {});

    std::string groupName;
    for (int i = 0; i < 511; ++i)
        groupName += "\xC5\x9F";
    EXPECT_TRUE(contains(page, "href=\"#grupMenuId_11\">" + groupName + "</a></div>\r\n"));
    EXPECT_TRUE(
        contains(page, "<h3 id=\"grupMenuId_11\">" + groupName.substr(0, 126) + "</h3>\r\n"));
    std::string name;
    for (int i = 0; i < 63; ++i)
        name += "\xC4\x9F";
    EXPECT_TRUE(contains(page, titleLine(name, "1.00")));
    std::string description;
    for (int i = 0; i < 255; ++i)
        description += "\xC3\xA7";
    EXPECT_TRUE(contains(page, "<span class=\"description\">" + description + "</span>\r\n"));
    // 127 bytes of text may become more on the page once escaped.
    EXPECT_TRUE(contains(page, titleLine(std::string(126, 'a') + "&amp;", "2.00")));
    EXPECT_TRUE(contains(page, titleLine(std::string(127, 'a'), "3.00")));
}

// The stored path is the copy's place on the machine that chose it: only the
// file name is published.
TEST(DigitalMenuPage, aStoredPicturePathIsPublishedAsItsFileName) {
    const struct {
        const char* stored;
        const char* url;
    } cases[] = {{"C:\\Orvanta\\images\\stok_7.jpg", "images/stok_7.jpg"},
                 {"/home/kasa/Orvanta/images/stok_7.jpg", "images/stok_7.jpg"},
                 {"D:\\stok fotoğrafları\\pizza.png", "pizza.png"},
                 {"pizza.png", "pizza.png"}};
    for (const auto& picture : cases) {
        const std::string page = publishing::digitalMenuPage(
            kCompany, {group(11, QStringLiteral("Ana")), group(12, QStringLiteral("Pizzalar"))},
            {product(7, 12, QStringLiteral("Margarita"), 95.5)},
            {{7, QString::fromUtf8(picture.stored)}});
        EXPECT_TRUE(contains(page, std::string("<div class=\"image\" style=\"background-image: "
                                               "url('") +
                                       picture.url + "');\"></div>\r\n"))
            << picture.stored;
    }
}
