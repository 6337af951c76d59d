#include "checks/CatalogueCheck.h"

#include "checks/RecipeCycles.h"
#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "db/TextPreparation.h"
#include "groups/StockType.h"
#include "labels/BarcodeText.h"
#include "recipes/CostReport.h"
#include "scales/PluList.h"

#include <algorithm>
#include <unordered_map>

namespace parvela::checks {

namespace {

using stock::ProductList;
using stock::StockCode;
using stock::StockDefinition;

using ProductIndex = std::unordered_map<StockCode, const StockDefinition*>;

QString money(double value) {
    return QString::fromStdString(db::sqlf("%.3f", value));
}

class Findings {
public:
    explicit Findings(const ProductIndex& index)
        : m_index(index) {}

    void add(Severity severity, Check check, const StockDefinition& product, QString problem,
             QString remedy) {
        m_all.push_back({severity, check, product.stcode, product.stname, std::move(problem),
                         std::move(remedy)});
    }
    // A finding about a code that may no longer be a product.
    void addByCode(Severity severity, Check check, StockCode code, QString problem,
                   QString remedy) {
        const auto found = m_index.find(code);
        m_all.push_back({severity, check, code,
                         found == m_index.end() ? QString() : found->second->stname,
                         std::move(problem), std::move(remedy)});
    }
    QString nameOf(StockCode code) const {
        const auto found = m_index.find(code);
        return found == m_index.end()
                   ? QStringLiteral("%1 (yok)").arg(code)
                   : QStringLiteral("%1 %2").arg(code).arg(found->second->stname);
    }
    bool exists(StockCode code) const { return m_index.contains(code); }
    std::vector<Finding> take() { return std::move(m_all); }

private:
    const ProductIndex& m_index;
    std::vector<Finding> m_all;
};

// The control characters of a name, each once, as a reader knows them.
QStringList controlCharactersIn(const QString& name) {
    QStringList found;
    for (const QChar c : name) {
        if (!db::isControlCharacter(c))
            continue;
        QString known;
        switch (c.unicode()) {
        case 0x00:
            known = QStringLiteral("NUL");
            break;
        case 0x09:
            known = QStringLiteral("TAB");
            break;
        case 0x0A:
            known = QStringLiteral("LF");
            break;
        case 0x0D:
            known = QStringLiteral("CR");
            break;
        case 0x1B:
            known = QStringLiteral("ESC");
            break;
        default:
            known = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        }
        if (!found.contains(known))
            found << known;
    }
    return found;
}

bool isDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Why a barcode is no EAN-13 a scanner reads, or empty when it is one.
QString barcodeFault(const std::string& barcode) {
    if (barcode.size() != 13 || !isDigits(barcode))
        return QStringLiteral("Barkod %1 13 haneli bir EAN-13 değil")
            .arg(QString::fromStdString(barcode));
    const int check = labels::eanCheckDigit(std::string_view(barcode).substr(0, 12));
    if (barcode.back() - '0' != check)
        return QStringLiteral("Barkod %1 kontrol hanesi yanlış (%2 olmalı)")
            .arg(QString::fromStdString(barcode))
            .arg(check);
    return {};
}

bool isScaleCode(const std::string& barcode) {
    return barcode.size() == 7 && isDigits(barcode) && labels::isWeighedCode(barcode);
}

void checkBarcodes(const ProductList& products, Findings& out) {
    std::unordered_map<std::string, std::vector<const StockDefinition*>> byBarcode;
    for (const StockDefinition& product : products) {
        if (product.barcode.empty())
            continue;
        byBarcode[product.barcode].push_back(&product);
        if (labels::isWeighedCode(product.barcode))
            continue;
        if (const QString fault = barcodeFault(product.barcode); !fault.isEmpty())
            out.add(Severity::Error, Check::BadBarcode, product, fault,
                    QStringLiteral("Barkodu düzeltin ya da düzenleme penceresinde BARCODE ile "
                                   "yeni bir kod alın."));
    }
    for (const auto& [barcode, sharing] : byBarcode) {
        if (sharing.size() < 2)
            continue;
        for (const StockDefinition* product : sharing) {
            QStringList others;
            for (const StockDefinition* other : sharing)
                if (other != product)
                    others << out.nameOf(other->stcode);
            out.add(Severity::Error, Check::SharedBarcode, *product,
                    QStringLiteral("Barkod %1 şu ürünlerde de var: %2")
                        .arg(QString::fromStdString(barcode), others.join(QStringLiteral(", "))),
                    QStringLiteral("Her ürüne kendi barkodunu verin: kasa okuttuğunda hangisini "
                                   "satacağını bilemez."));
        }
    }
}

// What the tills sell: finished and weighed products, and the menu import's
// rows (type 777, filed under no group yet), which are neither.
bool isForSale(const StockDefinition& product) {
    return product.type == groups::kFinished || product.is_weighed ||
           (product.type == groups::kFixture && product.gra == 0);
}

void checkNamesAndPrices(const ProductList& products, Findings& out) {
    for (const StockDefinition& product : products) {
        if (product.stname.trimmed().isEmpty())
            out.add(Severity::Error, Check::NamelessProduct, product,
                    QStringLiteral("Ürünün adı yok; kasada, terazide ve şubelerde adsız görünür"),
                    QStringLiteral("Düzenleme penceresinde adını girin."));
        const std::optional<std::string> bytes = db::Cp1254::encode(product.stname);
        if (!bytes)
            out.add(Severity::Warning, Check::LettersOutsideCodePage, product,
                    QStringLiteral("Adında 1254 kod sayfasında olmayan harfler var; etikette, "
                                   "terazide ve şube dosyalarında '?' olurlar"),
                    QStringLiteral("Adı Türkçe harflerle yeniden yazın."));
        if (const QStringList controls = controlCharactersIn(product.stname); !controls.isEmpty())
            out.add(Severity::Warning, Check::ControlCharactersInName, product,
                    QStringLiteral("Adında denetim karakterleri var (%1); terazi dosyasına boşluk "
                                   "olarak gider")
                        .arg(controls.join(QStringLiteral(", "))),
                    QStringLiteral("Adı düzenleme penceresinde yeniden yazıp kaydedin."));
        const std::size_t length =
            bytes ? bytes->size() : db::Cp1254::encodeLossy(product.stname).size();
        if (product.is_weighed && length > static_cast<std::size_t>(scales::kPluNameBytes))
            out.add(Severity::Warning, Check::NameTooLongForScale, product,
                    QStringLiteral("Adı %1 bayt; terazi dosyası ilk %2 baytını alır")
                        .arg(length)
                        .arg(scales::kPluNameBytes),
                    QStringLiteral("Adı terazide okunacak kadar kısaltın."));
        if (product.is_weighed && !isScaleCode(product.barcode))
            out.add(Severity::Error, Check::WeighedWithoutScaleCode, product,
                    QStringLiteral("Tartılan ürünün 24-28 ile başlayan 7 haneli terazi kodu yok "
                                   "(barkod: \"%1\")")
                        .arg(QString::fromStdString(product.barcode)),
                    QStringLiteral("Stok penceresinde Ctrl+F4 ile tartılan ürünlere kod verin."));
        if (isForSale(product) && product.sellp1 <= 0)
            out.add(Severity::Warning, Check::NoRetailPrice, product,
                    QStringLiteral("Perakende fiyatı yok"),
                    QStringLiteral("Düzenleme penceresinde fiyatını girin."));
    }
}

void checkRecipes(const CatalogueFacts& facts, Findings& out) {
    for (const std::vector<std::int64_t>& cycle : recipeCycles(facts.recipeLines)) {
        QStringList path;
        for (const std::int64_t code : cycle)
            path << out.nameOf(code);
        path << out.nameOf(cycle.front());
        out.addByCode(Severity::Error, Check::RecipeCycle, cycle.front(),
                      QStringLiteral("Reçeteler birbirini kullanıyor: %1")
                          .arg(path.join(QStringLiteral(" → "))),
                      QStringLiteral("Döngüyü kapatan satırı reçeteden çıkarın; maliyet "
                                     "hesaplanamaz."));
    }
    for (const recipes::RecipeLine& line : facts.recipeLines)
        if (!out.exists(line.ingredient))
            out.addByCode(
                Severity::Error, Check::MissingIngredient, line.urun,
                QStringLiteral("Reçetedeki %1 kodlu malzeme artık yok").arg(line.ingredient),
                QStringLiteral("Satırı reçeteden silin ya da malzemeyi geri alın."));
}

void checkBundles(const CatalogueFacts& facts, Findings& out) {
    const QString remedy =
        QStringLiteral("Menü/Bundle penceresinde satırı silin ya da ürünü geri alın.");
    for (const recipes::RecipeLine& line : facts.bundleLines)
        if (!out.exists(line.ingredient))
            out.addByCode(Severity::Error, Check::BundleMissingProduct, line.urun,
                          QStringLiteral("Menüdeki %1 kodlu ürün artık yok").arg(line.ingredient),
                          remedy);
    for (const recipes::BundleSubstitute& substitute : facts.bundleSubstitutes)
        if (!out.exists(substitute.sub_urun_code))
            out.addByCode(
                Severity::Error, Check::BundleMissingProduct, substitute.menu_stcode,
                QStringLiteral("Menüdeki değişim ürünü %1 artık yok").arg(substitute.sub_urun_code),
                remedy);
}

// The editor stores the Windows path of the copy it made
// (C:\Orvanta\images\stok_5.jpg); older rows hold the file name alone.
QString pictureFileName(const QString& img) {
    const qsizetype slash = std::max(img.lastIndexOf(u'\\'), img.lastIndexOf(u'/'));
    return img.mid(slash + 1);
}

void checkPictures(const CatalogueFacts& facts, Findings& out) {
    for (const stock::ProductPicture& picture : facts.pictures) {
        const QString file = pictureFileName(picture.img);
        if (file.isEmpty() || !out.exists(picture.stcode) || facts.pictureFiles.contains(file))
            continue;
        out.addByCode(Severity::Warning, Check::PictureFileMissing, picture.stcode,
                      QStringLiteral("Resim dosyası %1 resim klasöründe yok").arg(file),
                      QStringLiteral("Resmi klasöre koyun ya da düzenleme penceresinde yeniden "
                                     "seçin."));
    }
}

void checkCosts(const CatalogueFacts& facts, Findings& out) {
    recipes::CostReport costs(facts.products, facts.recipeLines, facts.storedCosts);
    for (const recipes::StaleCost& stale : costs.staleCosts().products)
        out.addByCode(Severity::Warning, Check::StaleCost, stale.code,
                      QStringLiteral("Kayıtlı maliyet %1, reçeteye göre %2")
                          .arg(money(stale.stored), money(stale.full)),
                      QStringLiteral("Reçetesini açıp Kaydet'e basın (ya da: parvela-yonetim "
                                     "cost-report --stcode %1).")
                          .arg(stale.code));
}

void sortFindings(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.severity != b.severity)
            return a.severity == Severity::Error;
        if (a.check != b.check)
            return a.check < b.check;
        if (a.name != b.name)
            return a.name < b.name;
        return a.stcode < b.stcode;
    });
}

} // namespace

std::vector<Finding> checkCatalogue(const CatalogueFacts& facts) {
    ProductIndex index;
    index.reserve(facts.products.size());
    for (const StockDefinition& product : facts.products)
        index.try_emplace(product.stcode, &product);
    Findings out(index);
    checkBarcodes(facts.products, out);
    checkNamesAndPrices(facts.products, out);
    checkRecipes(facts, out);
    checkBundles(facts, out);
    checkPictures(facts, out);
    checkCosts(facts, out);
    std::vector<Finding> findings = out.take();
    sortFindings(findings);
    return findings;
}

int errorCount(const std::vector<Finding>& findings) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == Severity::Error;
    }));
}

} // namespace parvela::checks
