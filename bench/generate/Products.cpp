#include "Products.h"

#include "GroupTree.h"
#include "Random.h"
#include "SqlText.h"
#include "TurkishNames.h"

#include <array>
#include <map>
#include <string_view>

namespace parvela::bench {

namespace {

std::vector<std::size_t> slotsByWeight(const GroupTree& tree) {
    std::vector<std::size_t> slots;
    for (std::size_t i = 0; i < tree.b.size(); ++i)
        slots.insert(slots.end(), static_cast<std::size_t>(tree.b[i].weight), i);
    return slots;
}

// Whole liras, or half a lira now and then, as menus are priced.
double menuPrice(Random& random, int low, int high) {
    return random.between(low, high) + (random.chance(0.3) ? 0.5 : 0.0);
}

void price(Product& p, Random& random) {
    if (p.bundle) {
        p.price = menuPrice(random, 250, 1200);
        p.cost = p.price * 0.4;
    } else if (p.type == 333) {
        p.price = menuPrice(random, 30, 900);
        p.cost = p.price * random.between(28, 45) / 100.0;
    } else {
        p.cost = random.between(50, 60000) / 100.0;
    }
}

int groupC(const GroupB& group, std::size_t indexInGroup) {
    const std::size_t choice = indexInGroup % (group.ccodes.size() + 1);
    return choice < group.ccodes.size() ? group.ccodes[choice] : 0;
}

} // namespace

std::vector<Product> buildProducts(const GroupTree& tree, std::size_t count, Random& random) {
    const std::vector<std::size_t> slots = slotsByWeight(tree);
    std::map<int, int> lastCounterOfA;
    std::map<int, std::size_t> countOfB;
    std::map<int, std::size_t> countOfKind;
    std::vector<Product> products;
    products.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const GroupB& group = tree.b[slots[i % slots.size()]];
        Product p;
        p.stcode =
            std::stoll(std::to_string(group.acode) + std::to_string(++lastCounterOfA[group.acode]));
        p.type = group.type;
        p.gra = group.acode;
        p.grb = group.bcode;
        p.grc = groupC(group, countOfB[group.bcode]++);
        p.name = productName(group, countOfKind[group.bundles ? 0 : group.type]++);
        p.weighed = group.weighed;
        p.bundle = group.bundles;
        price(p, random);
        products.push_back(std::move(p));
    }
    return products;
}

namespace {

std::string_view unitOf(const Product& p, std::size_t index) {
    constexpr std::array<std::string_view, 4> kRawUnits{"kg", "lt", "ad", "gr"};
    if (p.weighed)
        return "kg";
    switch (p.type) {
    case 111:
        return kRawUnits[index % kRawUnits.size()];
    case 222:
        return "kg";
    case 444:
        return "ad";
    default:
        return "prs";
    }
}

int vatOf(int type) {
    return type == 333 ? 10 : type == 444 ? 20 : 1;
}

// EAN-13 with the firm's prefix, the check digit computed.
std::string barcodeOf(std::size_t index) {
    const std::string number = std::to_string(index % 1000000000);
    std::string code = "869" + std::string(9 - number.size(), '0') + number;
    int sum = 0;
    for (std::size_t i = 0; i < code.size(); ++i)
        sum += (code[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return code + std::to_string((10 - sum % 10) % 10);
}

std::string_view descriptionOf(Random& random) {
    constexpr std::array<std::string_view, 4> kTexts{
        "Günlük hazırlanır, közlenmiş biber ve domates ile servis edilir.",
        "Odun ateşinde pişirilir; yanında bulgur pilavı ve söğüş.",
        "Tereyağlı pul biber sosu ile, limon dilimiyle birlikte.",
        "Şefin özel tarifi: ince açılmış hamur, bol iç harcı."};
    return kTexts[random.below(kTexts.size())];
}

RowValues productRow(const Product& p, std::size_t index, Random& random) {
    const bool stocked = p.type != 333;
    RowValues row;
    row.number(p.stcode).number(p.type).number(p.gra).number(p.grb).number(p.grc);
    row.text(random.chance(0.2) ? barcodeOf(index) : "").text(p.name).text(unitOf(p, index));
    row.text("TL").number(vatOf(p.type)).decimal(p.cost, 4).decimal(p.price, 4);
    row.decimal(p.price * 1.1, 4).decimal(0, 4).decimal(0, 4).decimal(0, 4).decimal(p.price, 4);
    row.decimal(stocked ? random.between(1, 20) : 0, 4);
    row.decimal(stocked ? random.between(0, 20000) / 100.0 : 0, 4);
    row.text(random.chance(0.1) ? descriptionOf(random) : "").number(p.bundle).number(1);
    row.number(p.type == 333 ? 10 * random.between(1, 4) : 10).number(p.weighed);
    return row;
}

} // namespace

void writeProducts(const std::vector<Product>& products, std::ostream& out, Random& random) {
    out << "USE stocks;\n";
    InsertBatch batch(out, "stckdef",
                      "stcode,type,gra,grb,grc,barcode,stname,unit,curr,kdv,unitcost,sellp1,"
                      "sellp2,sellp3,sellp4,sellp5,sellp6,crtqua,quantity,specs,bundle,gunmenu,"
                      "depart,is_weighed");
    for (std::size_t i = 0; i < products.size(); ++i)
        batch.add(productRow(products[i], i, random));
    batch.finish();
}

} // namespace parvela::bench
