#include "db/SqlFormat.h"
#include "publishing/HtmlPages.h"
#include "publishing/HtmlText.h"

#include <QList>
#include <unordered_map>
#include <vector>

namespace parvela::publishing {

namespace {

constexpr const char* kNl = "\r\n";
constexpr std::size_t kNameBytes = 127;
constexpr std::size_t kButtonBytes = 1023;
constexpr std::size_t kHeadingBytes = 127;
constexpr std::size_t kDescriptionBytes = 511;
constexpr qsizetype kLongestHiddenDescription = 5;

constexpr const char* kBootstrapCss =
    "<link href=\"https://cdn.jsdelivr.net/npm/bootstrap@5.3.0-alpha3/dist/css/bootstrap.min.css\" "
    "rel=\"stylesheet\" "
    "integrity=\"sha384-KK94CHFLLe+nY2dmCWGMq91rCGa5gtU4mk92HdvYe+M/SXH301p5ILy+dN9+nJOZ\" "
    "crossorigin=\"anonymous\">";
constexpr const char* kBootstrapJs =
    "<script src=\"https://cdn.jsdelivr.net/npm/bootstrap@5.3.0-alpha3/dist/js/"
    "bootstrap.bundle.min.js\" "
    "integrity=\"sha384-ENjdO4Dr2bkBIFxQpeoTz1HIcje39Wm4jDKdf19U8gI4ddQ3GYNS7NTKfAdVQSZe\" "
    "crossorigin=\"anonymous\" async=\"false\"></script>";
constexpr const char* kMasonryJs =
    "<script src=\"https://unpkg.com/masonry-layout@4/dist/masonry.pkgd.min.js\" "
    "async=\"false\"></script>"
    "<script src=\"https://unpkg.com/masonry-layout@4/dist/masonry.pkgd.js\"></script>";

std::string line(const std::string& element) {
    return element + kNl;
}

std::string wholeText(const QString& text) {
    return htmlEscaped(text.toUtf8().toStdString());
}

std::string pageHead(const QString& companyName) {
    const std::string company = wholeText(companyName);
    return line("<!DOCTYPE html>") + line("<html lang=\"tr\">") + line("<head>") + kNl +
           "<meta charset=\"UTF-8\">"
           "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1.0\">"
           "<title>Restaurant Menu - " +
           company +
           "</title>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-9\" />" +
           kBootstrapCss + kBootstrapJs + kMasonryJs +
           "<link rel=\"stylesheet\" href=\"main.css\"></head><body><div class=\"container\">"
           "<h1 class=\"company_name\">" +
           company +
           "</h1><div class=\"fluid\">"
           "<div class=\"row flex-wrap justify-content-center  my-5 mx-1\">";
}

std::string button(const groups::GroupB& group) {
    return line(db::sqlf("<div class=\"col-12 col-md-4 col-sm-6 p-2\"><a class=\"btn btn-warning "
                         "p-3 mx-2 btn-menu\" href=\"#grupMenuId_%d\">",
                         group.bcode) +
                htmlText(group.wideName, kButtonBytes) + "</a></div>");
}

// Each product's first picture that names a file, keyed by its code.
using PictureIndex = std::unordered_map<stock::StockCode, const QString*>;

PictureIndex pictureIndex(const std::vector<stock::ProductPicture>& pictures) {
    PictureIndex index;
    index.reserve(pictures.size());
    for (const stock::ProductPicture& picture : pictures)
        if (!picture.img.isEmpty())
            index.try_emplace(picture.stcode, &picture.img);
    return index;
}

const QString* pictureOf(const PictureIndex& pictures, stock::StockCode code) {
    const auto found = pictures.find(code);
    return found != pictures.end() ? found->second : nullptr;
}

// The products of each Group B, in the catalogue's order.
using GroupMembers = std::unordered_map<int, std::vector<const stock::StockDefinition*>>;

GroupMembers membersByGroup(const stock::ProductList& products) {
    GroupMembers members;
    for (const stock::StockDefinition& product : products)
        members[product.grb].push_back(&product);
    return members;
}

// The program's own copies sit in images/; other names next to the page.
// Only the file name goes out: the stored path is this machine's own.
std::string pictureLine(const QString& img) {
    const QString name = stock::pictureFileName(img);
    QString url = name.contains(QStringLiteral("stok")) ? QStringLiteral("images/") + name : name;
    // A quote in a file name would end the url('…') early.
    url.replace(u'\'', QStringLiteral("%27"));
    return line("<div class=\"image\" style=\"background-image: url('" + wholeText(url) +
                "');\"></div>");
}

std::string item(const stock::StockDefinition& product, const QString* picture) {
    std::string out = line("<li>");
    if (picture)
        out += pictureLine(*picture);
    out += line("<span class=\"title\">" + htmlText(product.stname, kNameBytes) +
                "</span> <span class=\"price\">" + db::sqlf("%.2f", product.sellp1) + " TL / " +
                wholeText(QString::fromStdString(product.unit)) + "</span>");
    // Characters, not bytes: a Turkish word is not shorter for its letters.
    if (product.specs.toUcs4().size() > kLongestHiddenDescription)
        out += line("<span class=\"description\">" + htmlText(product.specs, kDescriptionBytes) +
                    "</span>");
    return out + line("<div class=\"clearfix\"></div>") + line("</li>");
}

std::string box(const groups::GroupB& group, const GroupMembers& members,
                const PictureIndex& pictures) {
    std::string out = line("<div class=\"col-md-12 col-lg-6 menu-box\">") +
                      line(db::sqlf("<h3 id=\"grupMenuId_%d\">", group.bcode) +
                           htmlText(group.wideName, kHeadingBytes) + "</h3>") +
                      line("<ul class=\"menu\">");
    if (const auto found = members.find(group.bcode); found != members.end())
        for (const stock::StockDefinition* product : found->second)
            out += item(*product, pictureOf(pictures, product->stcode));
    return out + line("</ul>") + line("</div>");
}

std::string pictureColumn() {
    return line("<div class=\"giveheight\"></div>") +
           line("<div class=\"col-md-12 col-lg-6 menu-box\">") +
           line("<img class=\"product-image\" src=\"col_image.png\" />") + line("</div>");
}

std::string pageEnd() {
    return line("</div>") + line("</div>") + line("</body>") +
           line("<script>( function () { new Masonry('.row', {}); } )();</script>") +
           line("</html>");
}

} // namespace

std::string digitalMenuPage(const QString& companyName, const std::vector<groups::GroupB>& groups,
                            const stock::ProductList& products,
                            const std::vector<stock::ProductPicture>& pictures) {
    const GroupMembers members = membersByGroup(products);
    const PictureIndex pictureIndexed = pictureIndex(pictures);
    std::string page = pageHead(companyName);
    for (const groups::GroupB& group : groups)
        page += button(group);
    page += line("</div>") + line("</div>") + line("<div class=\"row\">");
    // The picture column stands after the first box, the others follow it.
    if (!groups.empty())
        page += box(groups.front(), members, pictureIndexed);
    page += pictureColumn();
    for (std::size_t i = 1; i < groups.size(); ++i)
        page += box(groups[i], members, pictureIndexed);
    return page + pageEnd();
}

} // namespace parvela::publishing
