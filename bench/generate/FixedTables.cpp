#include "FixedTables.h"

namespace parvela::bench {

void writeFixedTables(std::ostream& out) {
    out << "USE company;\n"
           "INSERT INTO maininfo (compname, compfolder, mustID) VALUES\n"
           "('Bereket Sofrası Ocakbaşı (sentetik katalog)', 'bereketsofrasi', 7310);\n"
           "INSERT INTO subeler (firmacode, subekod, subead, ipno, active, sube_folder) VALUES\n"
           "(7310, 1, 'Bereket Sofrası Merkez', '192.168.1.10', 1, 'merkez'),\n"
           "(7310, 2, 'Bereket Sofrası Çarşı', '192.168.2.10', 0, 'carsi'),\n"
           "(7310, 3, 'Bereket Sofrası Üniversite', '192.168.3.10', 0, 'universite');\n"
           "INSERT INTO barcode (intercode, firmacode) VALUES (869, 52340);\n"
           "USE oturum;\n"
           "INSERT INTO bolgeler (kod, baslik) VALUES\n"
           "(1, 'Merkez'), (2, 'Çarşı'), (3, 'Organize Sanayi'), (4, 'Üniversite Kampüsü');\n"
           "USE stocks;\n"
           "INSERT INTO terazi (ipaddr) VALUES ('192.168.1.61'), ('192.168.1.62');\n"
           "INSERT INTO units (name, type) VALUES\n"
           "('ad', 1), ('prs', 2), ('kg', 4), ('gr', 1), ('lt', 4), ('ml', 1);\n"
           "INSERT INTO currs (code, alis, satis) VALUES\n"
           "('TL', 1, 1), ('USD', 38.95, 39.12), ('EUR', 44.30, 44.51);\n"
           "INSERT INTO depart (departid, name, printer) VALUES\n"
           "(10, 'Mutfak', 'MUTFAK_YAZICI'), (20, 'Izgara', 'IZGARA_YAZICI'),\n"
           "(30, 'Bar', 'BAR_YAZICI'), (40, 'Tatlıhane', 'TATLI_YAZICI');\n";
}

} // namespace parvela::bench
