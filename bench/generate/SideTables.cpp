#include "SideTables.h"

#include "Products.h"
#include "Random.h"
#include "SqlText.h"

#include <cstdint>
#include <string>

namespace parvela::bench {

namespace {

using Codes = std::vector<std::int64_t>;

struct Roles {
    Codes ingredients; // raw materials and kitchen-made
    Codes consumables;
    Codes dishes; // sold, not a menu
    Codes menus;
};

Roles rolesOf(const std::vector<Product>& products) {
    Roles roles;
    for (const Product& p : products) {
        if (p.bundle)
            roles.menus.push_back(p.stcode);
        else if (p.type == 333)
            roles.dishes.push_back(p.stcode);
        else if (p.type == 444)
            roles.consumables.push_back(p.stcode);
        else
            roles.ingredients.push_back(p.stcode);
    }
    return roles;
}

std::int64_t pick(const Codes& codes, Random& random) {
    return codes[random.below(codes.size())];
}

double quantity(Random& random, int lowThousandths, int highThousandths) {
    return random.between(lowThousandths, highThousandths) / 1000.0;
}

// About a third of all products have a recipe: two lines on average, and
// half of those a packaging line as a cost component.
void writeRecipes(const Roles& roles, std::ostream& out, Random& random) {
    InsertBatch receipts(out, "receipts", "urun,ingredient,qua");
    Codes withRecipe;
    for (const std::int64_t dish : roles.dishes) {
        if (!random.chance(0.45))
            continue;
        withRecipe.push_back(dish);
        for (int line = random.between(1, 3); line > 0; --line)
            receipts.add(RowValues()
                             .number(dish)
                             .number(pick(roles.ingredients, random))
                             .decimal(quantity(random, 20, 500), 6));
    }
    receipts.finish();
    InsertBatch costs(out, "maliyet_bileseni", "urun,ingredient,qua");
    for (const std::int64_t dish : withRecipe)
        if (random.chance(0.5))
            costs.add(
                RowValues().number(dish).number(pick(roles.consumables, random)).decimal(1, 6));
    costs.finish();
}

// Three lines a menu; the second may be exchanged for one of two others.
void writeMenus(const Roles& roles, std::ostream& out, Random& random) {
    InsertBatch lines(out, "stckbundle", "urun,ingredient,qua,degist");
    InsertBatch substitutes(out, "subst_bundle", "menu_stcode,urun_code,sub_urun_code,prc_diff");
    for (const std::int64_t menu : roles.menus) {
        for (int line = 1; line <= 3; ++line) {
            const std::int64_t dish = pick(roles.dishes, random);
            lines.add(RowValues().number(menu).number(dish).decimal(1, 6).number(line == 2));
            for (int s = 0; line == 2 && s < 2; ++s)
                substitutes.add(RowValues()
                                    .number(menu)
                                    .number(dish)
                                    .number(pick(roles.dishes, random))
                                    .decimal(random.between(0, 30), 2));
        }
    }
    lines.finish();
    substitutes.finish();
}

void writeOptions(const Roles& roles, std::ostream& out, Random& random) {
    InsertBatch options(out, "stckopsiyon", "urun,ingredient,qua,degist");
    for (const std::int64_t dish : roles.dishes)
        for (int line = random.chance(0.06) ? 2 : 0; line > 0; --line)
            options.add(RowValues()
                            .number(dish)
                            .number(pick(roles.dishes, random))
                            .decimal(1, 6)
                            .number(0));
    options.finish();
}

void writeColours(const std::vector<Product>& products, std::ostream& out, Random& random) {
    InsertBatch colours(out, "colors", "stcode,red,green,blue,redfnt,greenfnt,bluefnt");
    for (const Product& p : products) {
        if (!random.chance(0.5))
            continue;
        const int font = random.chance(0.7) ? 255 : 0;
        colours.add(RowValues()
                        .number(p.stcode)
                        .number(random.between(0, 255))
                        .number(random.between(0, 255))
                        .number(random.between(0, 255))
                        .number(font)
                        .number(font)
                        .number(font));
    }
    colours.finish();
}

// Sizes, region surcharges and the quick-sale panel: about a tenth, a tenth
// and a hundredth of all products, all among the dishes.
void writeDishExtras(const Roles& roles, std::ostream& out, Random& random) {
    InsertBatch sizes(out, "sml_med_lrg",
                      "stcode,smll_prc,smll_qua,med_prc,med_qua,larg_prc,larg_qua");
    InsertBatch regions(out, "bolge_urun_fiyat", "bolgekod,stcode,fiyat_fark");
    InsertBatch quick(out, "hizli_satis_stok", "stcode");
    for (const std::int64_t dish : roles.dishes) {
        if (random.chance(0.134)) {
            const int medium = random.between(60, 400);
            sizes.add(RowValues()
                          .number(dish)
                          .decimal(medium * 0.75, 2)
                          .decimal(0.75, 3)
                          .decimal(medium, 2)
                          .decimal(1, 3)
                          .decimal(medium * 1.5, 2)
                          .decimal(1.5, 3));
        }
        if (random.chance(0.134))
            regions.add(RowValues()
                            .number(random.between(1, 4))
                            .number(dish)
                            .decimal(random.between(5, 40), 2));
        if (random.chance(0.0134))
            quick.add(RowValues().number(dish));
    }
    sizes.finish();
    regions.finish();
    quick.finish();
}

// One display-order row a product: most in the overall order, some inside
// their Group A or Group B.
void writeDisplayOrder(const std::vector<Product>& products, std::ostream& out) {
    InsertBatch order(out, "stok_order", "stcode,gra,grb,index_sira,sira_gra,sira_grb");
    for (std::size_t i = 0; i < products.size(); ++i) {
        const Product& p = products[i];
        RowValues row;
        row.number(p.stcode);
        const std::size_t kind = i % 10;
        if (kind == 7)
            row.number(p.gra).null();
        else if (kind == 9)
            row.null().number(p.grb);
        else
            row.null().null();
        const auto place = static_cast<std::int64_t>(i);
        order.add(row.number(place).number(place % 100).number(place % 10));
    }
    order.finish();
}

// A picture for every product, named as the product editor stores it, so
// that the digital menu and the catalogue check look each one up.
void writePictures(const std::vector<Product>& products, std::ostream& out) {
    InsertBatch pictures(out, "images", "stcode,img");
    for (const Product& p : products)
        pictures.add(RowValues().number(p.stcode).text("C:\\Orvanta\\images\\stok_" +
                                                       std::to_string(p.stcode) + ".jpg"));
    pictures.finish();
}

} // namespace

void writeSideTables(const std::vector<Product>& products, std::ostream& out, Random& random) {
    const Roles roles = rolesOf(products);
    out << "USE stocks;\n";
    writeRecipes(roles, out, random);
    writeMenus(roles, out, random);
    writeOptions(roles, out, random);
    writeColours(products, out, random);
    writeDishExtras(roles, out, random);
    writeDisplayOrder(products, out);
    writePictures(products, out);
}

} // namespace parvela::bench
