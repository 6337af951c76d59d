#include "checks/CheckReport.h"

#include "db/TextPreparation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parvela::checks {

namespace {

constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kFirstPrintable = 0x20;

// A line break in a name would split its line of the listing: each control
// character is shown by its picture (␍␊) instead.
QString shownName(QString name) {
    for (QChar& c : name) {
        if (!db::isControlCharacter(c))
            continue;
        const char16_t code = c.unicode();
        if (code < kFirstPrintable)
            c = QChar(static_cast<char16_t>(kControlPictures + code));
        else
            c = code == kDelete ? QChar(kDeletePicture) : QChar(QChar::ReplacementCharacter);
    }
    return name;
}

} // namespace

QString severityText(Severity severity) {
    return severity == Severity::Error ? QStringLiteral("HATA") : QStringLiteral("UYARI");
}

QString checkName(Check check) {
    switch (check) {
    case Check::NamelessProduct:
        return QStringLiteral("nameless-product");
    case Check::BadBarcode:
        return QStringLiteral("bad-barcode");
    case Check::SharedBarcode:
        return QStringLiteral("shared-barcode");
    case Check::RecipeCycle:
        return QStringLiteral("recipe-cycle");
    case Check::MissingIngredient:
        return QStringLiteral("missing-ingredient");
    case Check::BundleMissingProduct:
        return QStringLiteral("bundle-missing-product");
    case Check::WeighedWithoutScaleCode:
        return QStringLiteral("weighed-without-scale-code");
    case Check::LettersOutsideCodePage:
        return QStringLiteral("letters-outside-code-page");
    case Check::ControlCharactersInName:
        return QStringLiteral("control-characters-in-name");
    case Check::NameTooLongForScale:
        return QStringLiteral("name-too-long-for-scale");
    case Check::NoRetailPrice:
        return QStringLiteral("no-retail-price");
    case Check::PictureFileMissing:
        return QStringLiteral("picture-file-missing");
    case Check::StaleCost:
        return QStringLiteral("stale-cost");
    }
    return {};
}

QString countsText(const std::vector<Finding>& findings) {
    const int errors = errorCount(findings);
    return QStringLiteral("%1 hata, %2 uyarı")
        .arg(errors)
        .arg(static_cast<qsizetype>(findings.size()) - errors);
}

QString findingsText(const std::vector<Finding>& findings) {
    if (findings.empty())
        return QStringLiteral("Katalogda sorun bulunmadı.\n");
    QString text;
    for (const Finding& finding : findings)
        text += QStringLiteral("%1\t%2 %3: %4. %5\n")
                    .arg(severityText(finding.severity))
                    .arg(finding.stcode)
                    .arg(shownName(finding.name), finding.problem, finding.remedy);
    return text + countsText(findings) + QLatin1Char('\n');
}

QByteArray findingsJson(const std::vector<Finding>& findings) {
    QJsonArray array;
    for (const Finding& finding : findings)
        array.append(QJsonObject{
            {QStringLiteral("severity"), finding.severity == Severity::Error
                                             ? QStringLiteral("error")
                                             : QStringLiteral("warning")},
            {QStringLiteral("check"), checkName(finding.check)},
            {QStringLiteral("stcode"), static_cast<qint64>(finding.stcode)},
            {QStringLiteral("name"), finding.name},
            {QStringLiteral("problem"), finding.problem},
            {QStringLiteral("remedy"), finding.remedy},
        });
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace parvela::checks
