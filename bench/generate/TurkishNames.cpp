#include "TurkishNames.h"

#include "GroupTree.h"

#include <string_view>
#include <vector>

namespace parvela::bench {

namespace {

struct Words {
    std::vector<std::string_view> first;
    std::vector<std::string_view> second;
    std::vector<std::string_view> portion;
};

Words dishes() {
    return {{"Kuzu", "Tavuk", "Dana", "Izgara", "Acılı", "İçli", "Ispanaklı", "Peynirli", "Kaşarlı",
             "Fıstıklı", "Çıtır", "Közlenmiş", "Yoğurtlu", "Tereyağlı", "Ev Yapımı", "Şefin",
             "Sade", "Bol Soğanlı"},
            {"Köfte",        "Şiş",
             "Çorba",        "Dürüm",
             "Pide",         "Lahmacun",
             "Kebap",        "Beyti",
             "İskender",     "Kavurma",
             "Pilav",        "Börek",
             "Gözleme",      "Mantı",
             "Salata",       "Ayran",
             "Künefe",       "Sütlaç",
             "Baklava",      "Kadayıf",
             "Şalgam",       "Mercimek Çorbası",
             "Türk Kahvesi", "Limonata"},
            {"", " Porsiyon", " Yarım", " Duble", " Büyük Boy", " Küçük Boy"}};
}

Words rawMaterials() {
    return {{"Taze", "Dondurulmuş", "Organik", "Yerli", "İthal", "Günlük", "Köy"},
            {"Kuzu But",    "Dana Kıyma",    "Tavuk Göğsü", "Domates",    "Soğan",
             "Sivri Biber", "Bulgur",        "Pirinç",      "Un",         "Kırmızı Mercimek",
             "Süt",         "Yoğurt",        "Tereyağı",    "Zeytinyağı", "Pul Biber",
             "Ispanak",     "Kaşar Peyniri", "Toz Şeker",   "Patlıcan",   "Maydanoz"},
            {""}};
}

Words kitchenMade() {
    return {{"Adana", "Urfa", "Pide", "Lahmacun", "Mantı", "Börek", "Künefe", "Çiğ Köfte",
             "İçli Köfte"},
            {"Harcı", "Hamuru", "Sosu", "Ezmesi", "İç Harcı"},
            {""}};
}

Words consumables() {
    return {{"Paket", "Tek Kullanımlık", "Büyük", "Küçük", "Baskılı"},
            {"Kutu", "Peçete", "Islak Mendil", "Çatal Bıçak Seti", "Poşet", "Bardak", "Kase",
             "Streç Film", "Bulaşık Deterjanı"},
            {""}};
}

Words menus() {
    return {{"Öğle", "Aile", "Çocuk", "Öğrenci", "İkili", "Dörtlü", "Akşam"},
            {"Köfte Menü", "Döner Menü", "Kebap Menü", "Tavuk Menü", "Pide Menü", "Dürüm Menü"},
            {"", " Büyük Boy"}};
}

Words wordsFor(const GroupB& group) {
    if (group.bundles)
        return menus();
    switch (group.type) {
    case 111:
        return rawMaterials();
    case 222:
        return kitchenMade();
    case 444:
        return consumables();
    default:
        return dishes();
    }
}

} // namespace

std::string productName(const GroupB& group, std::size_t index) {
    const Words words = wordsFor(group);
    std::size_t rest = index;
    const std::string_view first = words.first[rest % words.first.size()];
    rest /= words.first.size();
    const std::string_view second = words.second[rest % words.second.size()];
    rest /= words.second.size();
    const std::string_view portion = words.portion[rest % words.portion.size()];
    rest /= words.portion.size();
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on
    // " " + std::string.
    const std::string number = rest > 0 ? std::to_string(rest + 1) : std::string();
    std::string name;
    name.reserve(first.size() + second.size() + portion.size() + number.size() + 2);
    name.append(first).append(" ").append(second).append(portion);
    if (!number.empty())
        name.append(" ").append(number);
    return name;
}

} // namespace parvela::bench
