#pragma once

#include "recipes/CostReport.h"
#include "records/ProductList.h"
#include "records/RecipeLine.h"
#include "records/StockRecords.h"

#include <QSet>
#include <QString>
#include <vector>

// "Katalog Kontrolü": what in the catalogue would reach the tills, scales,
// branches and web menu wrong, found before it does.
namespace parvela::checks {

enum class Severity { Error, Warning };

enum class Check {
    NamelessProduct,
    BadBarcode,
    SharedBarcode,
    RecipeCycle,
    MissingIngredient,
    BundleMissingProduct,
    WeighedWithoutScaleCode,
    LettersOutsideCodePage,
    ControlCharactersInName,
    NameTooLongForScale,
    NoRetailPrice,
    PictureFileMissing,
    StaleCost,
};

struct Finding {
    Severity severity = Severity::Error;
    Check check = Check::BadBarcode;
    stock::StockCode stcode = 0;
    QString name;
    QString problem; // what is wrong, with the values
    QString remedy;  // what to do
};

// What the check looks at: the lists as the program holds them, the picture
// rows of the server and the names of the files in the pictures folder.
struct CatalogueFacts {
    const stock::ProductList& products;
    const std::vector<recipes::RecipeLine>& recipeLines;
    const std::vector<recipes::RecipeLine>& bundleLines;
    const std::vector<recipes::BundleSubstitute>& bundleSubstitutes;
    const std::vector<stock::ProductPicture>& pictures;
    const QSet<QString>& pictureFiles;
    // unitcost as the server holds it; the list in memory may carry a cost
    // rolled up at start-up.
    const recipes::StoredCosts& storedCosts;
};

// Every finding, errors first, each kind in one run, by product name.
std::vector<Finding> checkCatalogue(const CatalogueFacts& facts);

int errorCount(const std::vector<Finding>& findings);

} // namespace parvela::checks
