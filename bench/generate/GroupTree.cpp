#include "GroupTree.h"

#include "SqlText.h"

#include <map>
#include <string>

namespace parvela::bench {

namespace {

struct BShape {
    std::string_view name;
    int weight;
    bool weighed;
    bool bundles;
    std::vector<std::string_view> children;
};

struct AShape {
    int type;
    std::string_view name;
    std::vector<BShape> children;
};

std::vector<AShape> treeShape() {
    return {
        {111,
         "Hammaddeler",
         {{"Et ve Tavuk", 2, false, false, {}},
          {"Sebze ve Meyve", 2, false, false, {}},
          {"Kuru Gıda ve Yağ", 2, false, false, {}},
          {"Süt Ürünleri", 2, false, false, {}}}},
        {111,
         "Baharat ve Soslar",
         {{"Baharatlar", 2, false, false, {}}, {"Hazır Soslar", 2, false, false, {}}}},
        {222,
         "İmalat - Yarı Mamul",
         {{"Harçlar", 1, false, false, {}},
          {"Hamurlar", 1, false, false, {}},
          {"Soslar ve Ezmeler", 1, false, false, {}}}},
        {333,
         "Yiyecekler",
         {{"Çorbalar", 4, false, false, {}},
          {"Izgaralar", 4, false, false, {"Kuzu Izgaralar", "Dana Izgaralar", "Tavuk Izgaralar"}},
          {"Kebaplar", 4, false, false, {"Kıyma Kebapları", "Özel Kebaplar"}},
          {"Pide ve Lahmacun", 4, false, false, {"Kapalı Pideler", "Açık Pideler"}},
          {"Dürümler", 4, false, false, {}},
          {"Salata ve Meze", 4, false, false, {}}}},
        {333,
         "İçecekler",
         {{"Soğuk İçecekler", 4, false, false, {"Meşrubatlar", "Ayran ve Şalgam"}},
          {"Sıcak İçecekler", 4, false, false, {}},
          {"Şerbetler", 4, false, false, {}}}},
        {333,
         "Tatlılar",
         {{"Sütlü Tatlılar", 4, false, false, {"Fırın Sütlüler", "Muhallebiler"}},
          {"Şerbetli Tatlılar", 4, false, false, {}},
          {"Dondurmalar", 4, true, false, {}}}},
        {333,
         "Menüler",
         {{"Öğle Menüleri", 1, false, true, {}}, {"Aile Menüleri", 1, false, true, {}}}},
        {333,
         "Kasap ve Şarküteri",
         {{"Kasap Reyonu", 4, true, false, {"Kuzu Eti", "Dana Eti"}},
          {"Şarküteri", 4, true, false, {}}}},
        {444,
         "Sarf Malzemeler",
         {{"Ambalaj", 1, false, false, {}}, {"Temizlik", 1, false, false, {}}}},
    };
}

// The decimal text of the prefix followed by that of the counter.
int withCounter(int prefix, int counter) {
    return std::stoi(std::to_string(prefix) + std::to_string(counter));
}

void addGroupB(GroupTree& tree, const GroupA& parent, const BShape& shape, int counter) {
    GroupB group{parent.acode,  withCounter(parent.acode, counter),
                 parent.type,   shape.name,
                 shape.weight,  shape.weighed,
                 shape.bundles, {}};
    int childCounter = 2;
    for (const std::string_view child : shape.children) {
        const int ccode = withCounter(group.bcode, childCounter++);
        group.ccodes.push_back(ccode);
        tree.c.push_back({parent.acode, group.bcode, ccode, parent.type, child});
    }
    tree.b.push_back(std::move(group));
}

} // namespace

GroupTree buildGroupTree() {
    GroupTree tree;
    std::map<int, int> lastCounterOfType;
    for (const AShape& shape : treeShape()) {
        const GroupA group{withCounter(shape.type, ++lastCounterOfType[shape.type]), shape.type,
                           shape.name};
        tree.a.push_back(group);
        int counter = 2;
        for (const BShape& child : shape.children)
            addGroupB(tree, group, child, counter++);
    }
    return tree;
}

void writeGroups(const GroupTree& tree, std::ostream& out) {
    out << "USE `groups`;\n";
    InsertBatch a(out, "classa", "acode,groupname,posmenu,tur");
    for (const GroupA& g : tree.a)
        a.add(RowValues().number(g.acode).text(g.name).number(g.type == 333).number(g.type));
    a.finish();
    InsertBatch b(out, "classb", "acode,bcode,groupname,posmenu,tur,index_sira");
    int place = 0;
    for (const GroupB& g : tree.b)
        b.add(RowValues()
                  .number(g.acode)
                  .number(g.bcode)
                  .text(g.name)
                  .number(g.type == 333)
                  .number(g.type)
                  .number(place++));
    b.finish();
    InsertBatch c(out, "classc", "acode,bcode,ccode,groupname,posmenu,tur");
    for (const GroupC& g : tree.c)
        c.add(RowValues()
                  .number(g.acode)
                  .number(g.bcode)
                  .number(g.ccode)
                  .text(g.name)
                  .number(g.type == 333)
                  .number(g.type));
    c.finish();
}

} // namespace parvela::bench
