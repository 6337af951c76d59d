-- Parvela Yönetim demo data: "Lezzet Sofrası Ocakbaşı", a grill and kebab
-- house with a butcher's counter. Load right after sql/schema.sql.
--
-- Demo users (code / password):
--   mudur / 123456   Ahmet Kaya, manager: may use this module and switch branches
--   1001  / 4826     Zeynep Aydın, head chef: may use this module, no branch switch
--   2001  / 1111     Emre Şahin, cashier: active, but no right to this module
--   1003  / 2468     Hasan Çelik, left the company: account inactive
--
-- Codes follow the allocation rules: Group A = type + counter (3331, 3332, …),
-- Group B = Group A code + counter from 2 (33312, …), Group C = Group B code +
-- counter from 2 (333132, …), stock code = Group A code + counter (33311, …).
-- Codes beginning 7077 / 8088 / 9099 are the delivery-platform listings that
-- the platform integration creates with its own prefix.

SET NAMES utf8mb4;

-- ---------------------------------------------------------------------------
-- company
-- ---------------------------------------------------------------------------
USE company;

INSERT INTO maininfo (compname, compfolder, mustID)
VALUES ('Lezzet Sofrası Ocakbaşı', 'lezzetsofrasi', 2417);

INSERT INTO subeler (firmacode, subekod, subead, ipno, active, sube_folder) VALUES
(2417, 1, 'Lezzet Sofrası Merkez',       '192.168.1.10', 1, 'merkez'),
(2417, 2, 'Lezzet Sofrası Bahçelievler', '192.168.2.10', 0, 'bahcelievler'),
(2417, 3, 'Lezzet Sofrası Kordonboyu',   '192.168.3.10', 0, 'kordonboyu');

-- 869: national prefix of the labels; firmacode is the firm's own number.
INSERT INTO barcode (intercode, firmacode) VALUES (869, 52340);

-- ---------------------------------------------------------------------------
-- users
-- ---------------------------------------------------------------------------
USE users;

INSERT INTO accounts (userid, usercode, password, active, adsoyad) VALUES
(1, 'mudur', '123456', 1, 'Ahmet Kaya'),
(2, '1001',  '4826',   1, 'Zeynep Aydın'),
(3, '2001',  '1111',   1, 'Emre Şahin'),
(4, '1003',  '2468',   0, 'Hasan Çelik');

INSERT INTO yetkiler (userid, urunyonet, subebaglan) VALUES
(1, 1, 1),
(2, 1, 0),
(3, 0, 0),
(4, 1, 1);

-- ---------------------------------------------------------------------------
-- groups
-- ---------------------------------------------------------------------------
USE `groups`;

INSERT INTO classa (acode, groupname, posmenu, tur) VALUES
(1111, 'Hammaddeler',          0, 111),
(3331, 'Yiyecekler',           1, 333),
(3332, 'İçecekler',            1, 333),
(3333, 'Tatlılar',             1, 333),
(2221, 'İMALAT - Yarı Mamul',  0, 222),
(3334, 'Çocuk oyun alanı',     1, 333),
(3335, 'Kasap ve Şarküteri',   1, 333),
(4441, 'Sarf Malzemeler',      0, 444);

INSERT INTO classb (acode, bcode, groupname, posmenu, tur, index_sira) VALUES
(1111, 11112, 'Et ve Tavuk',          0, 111, 20),
(1111, 11113, 'Sebze ve Meyve',       0, 111, 21),
(1111, 11114, 'Kuru Gıda ve Yağ',     0, 111, 22),
(1111, 11115, 'Süt Ürünleri',         0, 111, 23),
(3331, 33312, 'Çorbalar',             1, 333, 0),
(3331, 33313, 'Izgaralar',            1, 333, 2),
(3331, 33314, 'Kebaplar',             1, 333, 1),
(3331, 33315, 'Pide ve Lahmacun',     1, 333, 3),
(3331, 33316, 'Salata ve Meze',       1, 333, 4),
(3331, 33317, 'Menüler',              1, 333, 5),
(3331, 33318, 'Paket Servis',         1, 333, 6),
(3332, 33322, 'Soğuk İçecekler',      1, 333, 7),
(3332, 33323, 'Sıcak İçecekler',      1, 333, 8),
(3333, 33332, 'Sütlü Tatlılar',       1, 333, 9),
(3333, 33333, 'Şerbetli Tatlılar',    1, 333, 10),
(2221, 22212, 'Soslar ve Harçlar',    0, 222, 24),
(3334, 33342, 'Oyun Parkı',           1, 333, 11),
(3335, 33352, 'Kasap Reyonu',         1, 333, 12),
(3335, 33353, 'Şarküteri',            1, 333, 13),
(4441, 44412, 'Ambalaj ve Temizlik',  0, 444, 25);

INSERT INTO classc (acode, bcode, ccode, groupname, posmenu, tur) VALUES
(3331, 33313, 333132, 'Kuzu Izgaralar',   1, 333),
(3331, 33313, 333133, 'Dana Izgaralar',   1, 333),
(3331, 33313, 333134, 'Tavuk Izgaralar',  1, 333),
(3331, 33314, 333142, 'Kıyma Kebapları',  1, 333),
(3331, 33314, 333143, 'Özel Kebaplar',    1, 333),
(3332, 33322, 333222, 'Meşrubatlar',      1, 333),
(3332, 33322, 333223, 'Ayran ve Şalgam',  1, 333);

-- Till button colours of the menu categories
INSERT INTO backcolorb (grupcode, red, green, blue) VALUES
(33312, 218, 165, 32),
(33313, 205, 92, 0),
(33314, 178, 34, 34),
(33315, 160, 82, 45),
(33316, 46, 139, 87),
(33317, 128, 0, 128),
(33318, 0, 128, 128),
(33322, 30, 144, 255),
(33323, 139, 69, 19),
(33332, 255, 182, 193),
(33333, 255, 160, 122),
(33342, 255, 215, 0),
(33352, 139, 0, 0),
(33353, 245, 222, 179);
INSERT INTO fontcolorb (grupcode, red, green, blue) VALUES
(33312, 0, 0, 0),
(33313, 255, 255, 255),
(33314, 255, 255, 255),
(33315, 255, 255, 255),
(33316, 255, 255, 255),
(33317, 255, 255, 255),
(33318, 255, 255, 255),
(33322, 255, 255, 255),
(33323, 255, 255, 255),
(33332, 0, 0, 0),
(33333, 0, 0, 0),
(33342, 0, 0, 0),
(33352, 255, 255, 255),
(33353, 0, 0, 0);

-- Notes the waiter can pick for a product (fcode = stock code)
INSERT INTO specs (acode, bcode, fcode, name) VALUES
(3331, 33314, 333110, 'Acılı'),
(3331, 33314, 333110, 'Az Acılı'),
(3331, 33314, 333110, 'Soğansız'),
(3331, 33313, 33316,  'Az Pişmiş'),
(3331, 33313, 33316,  'İyi Pişmiş'),
(3331, 33315, 333115, 'Acısız'),
(3331, 33315, 333115, 'Bol Limonlu'),
(3332, 33323, 33329,  'Sade'),
(3332, 33323, 33329,  'Orta Şekerli'),
(3332, 33323, 33329,  'Şekerli');

-- ---------------------------------------------------------------------------
-- stocks
-- ---------------------------------------------------------------------------
USE stocks;

-- type = decimals a quantity of the unit is shown with (1 = whole numbers)
INSERT INTO units (name, type) VALUES
('ad',  1),
('prs', 2),
('kg',  4),
('gr',  1),
('lt',  4),
('ml',  1);

INSERT INTO currs (code, alis, satis) VALUES
('TL',   1.0000,  1.0000),
('USD', 38.9500, 39.1200),
('EUR', 44.3000, 44.5100);

INSERT INTO depart (departid, name, printer) VALUES
(10, 'Mutfak', 'MUTFAK_YAZICI'),
(20, 'Izgara', 'IZGARA_YAZICI'),
(30, 'Bar',    'BAR_YAZICI');

-- Products. Recipe and menu products carry the cost their recipe gives.
INSERT INTO stckdef
  (stcode, type, gra, grb, grc, specs2, sku, stname, unit, curr, kdv, unitcost,
   sellp1, sellp2, sellp3, sellp4, sellp5, sellp6, azparam, crtqua, quantity,
   barcode, specs, bundle, gunmenu, depart, game_stock, related_update, prcchange, is_weighed)
VALUES
-- Hammaddeler 1111: raw materials used in recipes, not sold
(11111, 111, 1111, 11112, 0, '', '', 'Kuzu But', 'kg', 'TL', 1, 520, 0, 0, 0, 0, 0, 0, 0, 10, 24.5, '', '', 0, 0, 10, 0, 0, 0, 0),
(11112, 111, 1111, 11112, 0, '', '', 'Kıymalık Dana Eti', 'kg', 'TL', 1, 450, 0, 0, 0, 0, 0, 0, 0, 10, 18, '', '', 0, 0, 10, 0, 0, 0, 0),
(11113, 111, 1111, 11112, 0, '', '', 'Tavuk Göğsü', 'kg', 'TL', 1, 180, 0, 0, 0, 0, 0, 0, 0, 8, 15, '', '', 0, 0, 10, 0, 0, 0, 0),
(11114, 111, 1111, 11112, 0, '', '', 'Kuzu Kaburga', 'kg', 'TL', 1, 420, 0, 0, 0, 0, 0, 0, 0, 5, 7.2, '', '', 0, 0, 10, 0, 0, 0, 0),
(11115, 111, 1111, 11113, 0, '', '', 'Domates', 'kg', 'TL', 1, 35, 0, 0, 0, 0, 0, 0, 0, 15, 40, '', '', 0, 0, 10, 0, 0, 0, 0),
(11116, 111, 1111, 11113, 0, '', '', 'Soğan', 'kg', 'TL', 1, 20, 0, 0, 0, 0, 0, 0, 0, 15, 55, '', '', 0, 0, 10, 0, 0, 0, 0),
(11117, 111, 1111, 11113, 0, '', '', 'Sivri Biber', 'kg', 'TL', 1, 60, 0, 0, 0, 0, 0, 0, 0, 5, 12, '', '', 0, 0, 10, 0, 0, 0, 0),
(11118, 111, 1111, 11113, 0, '', '', 'Maydanoz (Demet)', 'ad', 'TL', 1, 15, 0, 0, 0, 0, 0, 0, 0, 10, 30, '', '', 0, 0, 10, 0, 0, 0, 0),
(11119, 111, 1111, 11114, 0, '', '', 'Bulgur', 'kg', 'TL', 1, 45, 0, 0, 0, 0, 0, 0, 0, 10, 25, '', '', 0, 0, 10, 0, 0, 0, 0),
(111110, 111, 1111, 11114, 0, '', '', 'Pirinç', 'kg', 'TL', 1, 70, 0, 0, 0, 0, 0, 0, 0, 10, 40, '', '', 0, 0, 10, 0, 0, 0, 0),
(111111, 111, 1111, 11114, 0, '', '', 'Zeytinyağı', 'lt', 'TL', 1, 350, 0, 0, 0, 0, 0, 0, 0, 5, 16, '', '', 0, 0, 10, 0, 0, 0, 0),
(111112, 111, 1111, 11114, 0, '', '', 'Un', 'kg', 'TL', 1, 25, 0, 0, 0, 0, 0, 0, 0, 25, 100, '', '', 0, 0, 10, 0, 0, 0, 0),
(111113, 111, 1111, 11114, 0, '', '', 'Pul Biber', 'kg', 'TL', 1, 300, 0, 0, 0, 0, 0, 0, 0, 1, 3.5, '', '', 0, 0, 10, 0, 0, 0, 0),
(111114, 111, 1111, 11114, 0, '', '', 'Lavaş Ekmeği', 'ad', 'TL', 1, 4, 0, 0, 0, 0, 0, 0, 0, 100, 420, '', '', 0, 0, 10, 0, 0, 0, 0),
(111115, 111, 1111, 11115, 0, '', '', 'Yoğurt', 'kg', 'TL', 1, 60, 0, 0, 0, 0, 0, 0, 0, 10, 30, '', '', 0, 0, 10, 0, 0, 0, 0),
(111116, 111, 1111, 11115, 0, '', '', 'Tereyağı', 'kg', 'TL', 1, 400, 0, 0, 0, 0, 0, 0, 0, 3, 8, '', '', 0, 0, 10, 0, 0, 0, 0),
(111117, 111, 1111, 11115, 0, '', '', 'Süt', 'lt', 'TL', 1, 35, 0, 0, 0, 0, 0, 0, 0, 10, 20, '', '', 0, 0, 10, 0, 0, 0, 0),
(111118, 111, 1111, 11115, 0, '', '', 'Künefe Peyniri', 'kg', 'TL', 1, 250, 0, 0, 0, 0, 0, 0, 0, 3, 6, '', '', 0, 0, 10, 0, 0, 0, 0),
(111119, 111, 1111, 11114, 0, '', '', 'Kırmızı Mercimek', 'kg', 'TL', 1, 55, 0, 0, 0, 0, 0, 0, 0, 10, 22, '', '', 0, 0, 10, 0, 0, 0, 0),
(111120, 111, 1111, 11114, 0, '', '', 'Tel Kadayıf', 'kg', 'TL', 1, 120, 0, 0, 0, 0, 0, 0, 0, 3, 9, '', '', 0, 0, 10, 0, 0, 0, 0),
(111121, 111, 1111, 11114, 0, '', '', 'Toz Şeker', 'kg', 'TL', 1, 40, 0, 0, 0, 0, 0, 0, 0, 10, 35, '', '', 0, 0, 10, 0, 0, 0, 0),
-- İMALAT 2221: made in the kitchen from raw materials
(22211, 222, 2221, 22212, 0, '', '', 'Adana Kıyma Harcı', 'kg', 'TL', 1, 428.8, 0, 0, 0, 0, 0, 0, 0, 3, 4.2, '', 'Kuzu but ve kuyruk yağıyla zırhta çekilir, günlük hazırlanır.', 0, 0, 20, 0, 0, 0, 0),
(22212, 222, 2221, 22212, 0, '', '', 'Pilav (Porsiyon)', 'prs', 'TL', 10, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 0, 10, 0, 0, 0, 0),
(22213, 222, 2221, 22212, 0, '', '', 'Ezme Harcı', 'kg', 'TL', 1, 56.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 0, 10, 0, 0, 0, 0),
-- Yiyecekler 3331
(33311, 333, 3331, 33312, 0, '', '', 'Mercimek Çorbası', 'prs', 'TL', 10, 7.7, 90, 0, 0, 0, 0, 100, 0, 0, 0, '', 'Süzme kırmızı mercimek, tereyağlı pul biber sosu ile.', 0, 1, 10, 0, 0, 0, 0),
(33312, 333, 3331, 33312, 0, '', '', 'Ezogelin Çorbası', 'prs', 'TL', 10, 18, 90, 0, 0, 0, 0, 100, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(33313, 333, 3331, 33312, 0, '', '', 'Kelle Paça Çorbası', 'prs', 'TL', 10, 55, 140, 0, 0, 0, 0, 150, 0, 0, 0, '', 'Yalnızca hafta sonları; sarımsaklı sirke ile servis edilir.', 0, 0, 10, 0, 0, 0, 0),
(33314, 333, 3331, 33313, 333132, '', '', 'Kuzu Şiş', 'prs', 'TL', 10, 131.4, 420, 0, 0, 0, 0, 440, 30, 0, 0, '', 'Kuzu but kuşbaşı, közlenmiş domates biber, pilav ve lavaş ile.', 0, 1, 20, 0, 0, 0, 0),
(33315, 333, 3331, 33313, 333132, '', '', 'Izgara Kuzu Pirzola', 'prs', 'TL', 10, 210, 480, 0, 0, 0, 0, 500, 0, 0, 0, '', 'Dört parça kuzu pirzola, kekikli.', 0, 1, 20, 0, 0, 0, 0),
(33316, 333, 3331, 33313, 333133, '', '', 'Izgara Köfte', 'prs', 'TL', 10, 94.6, 300, 0, 0, 0, 0, 320, 20, 0, 0, '', 'Dana kıymadan ızgara köfte, piyaz ve pilav ile.', 0, 1, 20, 0, 0, 0, 0),
(33317, 333, 3331, 33313, 333133, '', '', 'Dana Bonfile', 'prs', 'TL', 10, 260, 520, 0, 0, 0, 0, 540, 0, 0, 0, '', '', 0, 1, 20, 0, 0, 0, 0),
(33318, 333, 3331, 33313, 333134, '', '', 'Tavuk Şiş', 'prs', 'TL', 10, 52.6, 260, 0, 0, 0, 0, 280, 20, 0, 0, '', '', 0, 1, 20, 0, 0, 0, 0),
(33319, 333, 3331, 33313, 333134, '', '', 'Tavuk Kanat', 'prs', 'TL', 10, 70, 240, 0, 0, 0, 0, 260, 0, 0, 0, '', '', 0, 1, 20, 0, 0, 0, 0),
(333110, 333, 3331, 33314, 333142, '', '', 'Adana Kebap', 'prs', 'TL', 10, 100.684, 340, 0, 0, 0, 0, 360, 30, 0, 0, '', 'Zırh kıymasından acılı Adana, közlenmiş domates biber, sumaklı soğan ile.', 0, 1, 20, 0, 0, 0, 0),
(333111, 333, 3331, 33314, 333142, '', '', 'Urfa Kebap', 'prs', 'TL', 10, 100, 340, 0, 0, 0, 0, 360, 30, 0, 0, '', 'Acısız kıyma kebabı, közlenmiş domates biber ile.', 0, 1, 20, 0, 0, 0, 0),
(333112, 333, 3331, 33314, 333143, '', '', 'Beyti Sarma', 'prs', 'TL', 10, 125, 380, 0, 0, 0, 0, 400, 0, 0, 0, '', 'Lavaşa sarılı kıyma kebabı, yoğurt ve tereyağlı sos ile.', 0, 1, 20, 0, 0, 0, 0),
(333113, 333, 3331, 33314, 333143, '', '', 'İskender Kebap', 'prs', 'TL', 10, 135, 390, 0, 0, 0, 0, 410, 25, 0, 0, '', 'Pide üzerinde döner, domates sosu, yoğurt ve kızgın tereyağı.', 0, 1, 20, 0, 0, 0, 0),
(333114, 333, 3331, 33314, 333143, '', '', 'Ali Nazik', 'prs', 'TL', 10, 130, 400, 0, 0, 0, 0, 420, 0, 0, 0, '', '', 0, 1, 20, 0, 0, 0, 0),
(333115, 333, 3331, 33315, 0, '', '', 'Lahmacun', 'ad', 'TL', 10, 32, 90, 0, 0, 0, 0, 100, 0, 0, 0, '', 'İnce hamur, bol kıymalı harç; limon ve yeşillik ile.', 0, 1, 10, 0, 0, 0, 0),
(333116, 333, 3331, 33315, 0, '', '', 'Kıymalı Pide', 'ad', 'TL', 10, 60, 220, 0, 0, 0, 0, 240, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333117, 333, 3331, 33315, 0, '', '', 'Kaşarlı Pide', 'ad', 'TL', 10, 55, 200, 0, 0, 0, 0, 220, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333118, 333, 3331, 33315, 0, '', '', 'Karışık Pide', 'ad', 'TL', 10, 75, 260, 0, 0, 0, 0, 280, 0, 0, 0, '', 'Kıyma, kaşar, sucuk ve yumurtalı.', 0, 1, 10, 0, 0, 0, 0),
(333119, 333, 3331, 33316, 0, '', '', 'Çoban Salata', 'prs', 'TL', 10, 19.25, 110, 0, 0, 0, 0, 120, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333120, 333, 3331, 33316, 0, '', '', 'Gavurdağı Salata', 'prs', 'TL', 10, 30, 140, 0, 0, 0, 0, 150, 0, 0, 0, '', 'Ceviz, nar ekşisi ve ince kıyılmış domates.', 0, 1, 10, 0, 0, 0, 0),
(333121, 333, 3331, 33316, 0, '', '', 'Haydari', 'prs', 'TL', 10, 18, 90, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333122, 333, 3331, 33316, 0, '', '', 'Acılı Ezme', 'prs', 'TL', 10, 6.78, 80, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333123, 333, 3331, 33316, 0, '', '', 'Cacık', 'prs', 'TL', 10, 15, 80, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(333124, 333, 3331, 33317, 0, '', '', 'Adana Menü', 'ad', 'TL', 10, 127.134, 420, 0, 0, 0, 0, 440, 0, 0, 0, '', 'Adana Kebap, Ayran ve Çoban Salata.', 1, 1, 20, 0, 0, 0, 0),
(333125, 333, 3331, 33317, 0, '', '', 'Öğle Menüsü', 'ad', 'TL', 10, 109.5, 330, 0, 290, 0, 0, 0, 0, 0, 0, '', 'Hafta içi 11:00-14:00 arası indirimli: çorba, köfte, ayran.', 1, 1, 20, 0, 0, 0, 0),
(333126, 333, 3331, 33317, 0, '', '', 'Aile Menüsü (4 Kişilik)', 'ad', 'TL', 10, 410.368, 1450, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 1, 1, 20, 0, 0, 0, 0),
(333128, 333, 3331, 33317, 0, '', '', 'Çocuk Menüsü', 'ad', 'TL', 10, 67.5, 210, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 1, 1, 20, 0, 0, 0, 0),
-- Delivery-platform listings (7077 / 8088 / 9099)
(70771, 333, 3331, 33318, 0, '', 'YS-70771', 'Paket Adana Dürüm', 'ad', 'TL', 10, 80, 290, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 20, 0, 1, 0, 0),
(70772, 333, 3331, 33318, 0, '', 'YS-70772', 'Paket Tavuk Dürüm', 'ad', 'TL', 10, 45, 230, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 20, 0, 1, 0, 0),
(70773, 333, 3331, 33318, 0, '', 'YS-70773', 'Paket Lahmacun (2 Adet)', 'ad', 'TL', 10, 64, 190, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 1, 0, 0),
(80881, 333, 3331, 33318, 0, '', 'GY-80881', 'Paket Adana Porsiyon', 'ad', 'TL', 10, 94.184, 360, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 20, 0, 1, 0, 0),
(80882, 333, 3331, 33318, 0, '', 'GY-80882', 'Paket Ayranlı Köfte Menü', 'ad', 'TL', 10, 101.8, 340, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 1, 1, 20, 0, 1, 0, 0),
(90991, 333, 3331, 33318, 0, '', 'TY-90991', 'Paket Kuzu Şiş', 'ad', 'TL', 10, 131.4, 440, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 20, 0, 1, 0, 0),
(90992, 333, 3331, 33318, 0, '', 'TY-90992', 'Paket Künefe', 'ad', 'TL', 10, 49.6, 195, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 1, 0, 0),
-- İçecekler 3332
(33321, 333, 3332, 33322, 333223, '', '', 'Ayran', 'ad', 'TL', 10, 7.2, 35, 0, 0, 0, 0, 40, 0, 0, 0, '', '', 0, 1, 30, 0, 0, 0, 0),
(33322, 333, 3332, 33322, 333223, '', '', 'Açık Ayran (Bakır Tas)', 'ad', 'TL', 10, 12, 50, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 30, 0, 0, 0, 0),
(33323, 333, 3332, 33322, 333223, '300 ml, acılı', '', 'Şalgam Suyu', 'ad', 'TL', 10, 11, 40, 0, 0, 0, 0, 0, 0, 0, 0, '8695234010059', '', 0, 1, 30, 0, 0, 0, 0),
(33324, 333, 3332, 33322, 333222, '330 ml kutu', '', 'Kola', 'ad', 'TL', 10, 18, 50, 0, 40, 0, 0, 0, 0, 0, 0, '8695234010011', '', 0, 1, 30, 0, 0, 0, 0),
(33325, 333, 3332, 33322, 333222, '250 ml cam şişe', '', 'Gazoz', 'ad', 'TL', 10, 14, 45, 0, 0, 0, 0, 0, 0, 0, 0, '8695234010028', '', 0, 1, 30, 0, 0, 0, 0),
(33326, 333, 3332, 33322, 333222, '200 ml cam şişe', '', 'Maden Suyu', 'ad', 'TL', 10, 7, 30, 0, 0, 0, 0, 0, 0, 0, 0, '8695234010035', '', 0, 1, 30, 0, 0, 0, 0),
(33327, 333, 3332, 33322, 333222, '500 ml pet şişe', '', 'Su (0,5 lt)', 'ad', 'TL', 10, 4, 15, 0, 0, 0, 0, 0, 0, 0, 0, '8695234010042', '', 0, 1, 30, 0, 0, 0, 0),
(33328, 333, 3332, 33323, 0, '', '', 'Çay', 'ad', 'TL', 10, 3, 20, 0, 15, 15, 0, 0, 0, 0, 0, '', '', 0, 1, 30, 0, 0, 0, 0),
(33329, 333, 3332, 33323, 0, '', '', 'Türk Kahvesi', 'ad', 'TL', 10, 14, 70, 0, 0, 0, 0, 0, 0, 0, 0, '', 'Közde pişirilir, yanında lokum ile.', 0, 1, 30, 0, 0, 0, 0),
(333210, 333, 3332, 33323, 0, '', '', 'Ihlamur', 'ad', 'TL', 10, 6, 50, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 30, 0, 0, 0, 0),
-- Tatlılar 3333
(33331, 333, 3333, 33332, 0, '', '', 'Sütlaç', 'prs', 'TL', 10, 12.45, 110, 0, 0, 0, 0, 0, 0, 0, 0, '', 'Fırında, üzeri kızarmış.', 0, 1, 10, 0, 0, 0, 0),
(33332, 333, 3333, 33332, 0, '', '', 'Kazandibi', 'prs', 'TL', 10, 30, 120, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(33333, 333, 3333, 33333, 0, '', '', 'Künefe', 'prs', 'TL', 10, 49.6, 180, 0, 0, 0, 0, 0, 0, 0, 0, '', 'Tel kadayıf, künefe peyniri; sıcak servis edilir.', 0, 1, 20, 0, 0, 0, 0),
(33334, 333, 3333, 33333, 0, '', '', 'Fıstıklı Baklava (4 Dilim)', 'prs', 'TL', 10, 95, 220, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 0, 0, 0, 0),
(33335, 333, 3333, 33333, 0, '', '', 'Katmer', 'prs', 'TL', 10, 85, 240, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 20, 0, 0, 0, 0),
-- Çocuk oyun alanı 3334: charged by time
(33341, 333, 3334, 33342, 0, '', '', 'Çocuk Oyun Parkı (Saatlik)', 'ad', 'TL', 20, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 1, 0, 1, 0),
(33342, 333, 3334, 33342, 0, '', '', 'Masa Tenisi (Saatlik)', 'ad', 'TL', 20, 0, 120, 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0, 1, 10, 1, 0, 1, 0),
-- Kasap ve Şarküteri 3335: sold by weight, PLU barcodes 2700001..
(33351, 333, 3335, 33352, 0, '', '', 'Kuzu Pirzola', 'kg', 'TL', 1, 760, 1150, 0, 0, 0, 0, 0, 0, 0, 0, '2700008', '', 0, 1, 10, 0, 0, 1, 1),
(33352, 333, 3335, 33352, 0, '', '', 'Dana Kıyma', 'kg', 'TL', 1, 470, 650, 0, 0, 0, 0, 0, 0, 0, 0, '2700003', '', 0, 1, 10, 0, 0, 1, 1),
(33353, 333, 3335, 33352, 0, '', '', 'Dana Kuşbaşı', 'kg', 'TL', 1, 500, 720, 0, 0, 0, 0, 0, 0, 0, 0, '2700004', '', 0, 1, 10, 0, 0, 1, 1),
(33354, 333, 3335, 33352, 0, '', '', 'Adana Köftelik Kıyma', 'kg', 'TL', 1, 480, 700, 0, 0, 0, 0, 0, 0, 0, 0, '2700001', '', 0, 1, 10, 0, 0, 1, 1),
(33355, 333, 3335, 33352, 0, '', '', 'Çiğ Tavuk Kanat', 'kg', 'TL', 1, 150, 260, 0, 0, 0, 0, 0, 0, 0, 0, '2700002', '', 0, 1, 10, 0, 0, 1, 1),
(33356, 333, 3335, 33353, 0, 'Tam yağlı, olgunlaştırılmış', '', 'Ezine Peyniri', 'kg', 'TL', 1, 380, 520, 0, 0, 0, 0, 0, 0, 0, 0, '2700005', '', 0, 1, 10, 0, 0, 1, 1),
(33357, 333, 3335, 33353, 0, '', '', 'Kaşar Peyniri', 'kg', 'TL', 1, 330, 480, 0, 0, 0, 0, 0, 0, 0, 0, '2700007', '', 0, 1, 10, 0, 0, 1, 1),
(33358, 333, 3335, 33353, 0, 'Erzincan usulü', '', 'Tulum Peyniri', 'kg', 'TL', 1, 420, 600, 0, 0, 0, 0, 0, 0, 0, 0, '2700010', '', 0, 1, 10, 0, 0, 1, 1),
(33359, 333, 3335, 33353, 0, 'Kasap usulü, baharatlı', '', 'Kasap Sucuk', 'kg', 'TL', 1, 520, 750, 0, 0, 0, 0, 0, 0, 0, 0, '2700006', '', 0, 1, 10, 0, 0, 1, 1),
(333510, 333, 3335, 33353, 0, 'Çemenli, ince dilim', '', 'Pastırma', 'kg', 'TL', 1, 1000, 1400, 0, 0, 0, 0, 0, 0, 0, 0, '2700009', '', 0, 1, 10, 0, 0, 1, 1),
(333511, 333, 3335, 33352, 0, 'Vakumlu paket, 500 gr', '', 'Marine Köfte Paketi (500 gr)', 'ad', 'TL', 1, 240, 350, 0, 0, 0, 0, 0, 0, 0, 0, '2701000000028', '', 0, 1, 10, 0, 0, 0, 0),
-- Sarf Malzemeler 4441
(44411, 444, 4441, 44412, 0, '', '', 'Islak Mendil', 'ad', 'TL', 20, 1.5, 0, 0, 0, 0, 0, 0, 0, 500, 2400, '', '', 0, 0, 10, 0, 0, 0, 0),
(44412, 444, 4441, 44412, 0, '', '', 'Paket Servis Kabı', 'ad', 'USD', 20, 0.18, 0, 0, 0, 0, 0, 0, 0, 200, 900, '', '', 0, 0, 10, 0, 0, 0, 0),
(44413, 444, 4441, 44412, 0, '', '', 'Peçete (Paket)', 'ad', 'TL', 20, 25, 0, 0, 0, 0, 0, 0, 0, 20, 60, '', '', 0, 0, 10, 0, 0, 0, 0);

-- Deleted products: their codes are never handed out again (so the next
-- product of Yiyecekler gets 333129, not 333127).
INSERT INTO stckdef_old
  (id, stcode, type, gra, grb, grc, stname, unit, curr, kdv, unitcost, sellp1, depart, gunmenu)
VALUES
(901, 333127, 333, 3331, 33315, 0, 'Etli Ekmek', 'ad', 'TL', 10, 70, 230, 10, 1),
(902, 33336,  333, 3333, 33333, 0, 'Şöbiyet',    'prs', 'TL', 10, 80, 210, 10, 1);

-- Recipes (urun uses qua of ingredient, in the ingredient's unit)
INSERT INTO receipts (urun, ingredient, qua) VALUES
(22211, 11111, 0.800),
(22211, 11116, 0.100),
(22211, 11117, 0.080),
(22211, 111113, 0.020),
(22212, 111110, 0.100),
(22212, 111116, 0.015),
(22213, 11115, 0.600),
(22213, 11117, 0.200),
(22213, 11116, 0.150),
(22213, 111111, 0.050),
(22213, 111113, 0.010),
(333110, 22211, 0.180),
(333110, 111114, 1),
(333110, 11115, 0.100),
(333110, 11117, 0.050),
(333110, 22212, 1),
(33314, 11111, 0.220),
(33314, 111114, 1),
(33314, 22212, 1),
(33316, 11112, 0.180),
(33316, 11116, 0.030),
(33316, 22212, 1),
(33318, 11113, 0.220),
(33318, 22212, 1),
(33311, 111119, 0.060),
(33311, 11116, 0.020),
(33311, 111116, 0.010),
(333115, 111112, 0.120),
(333115, 11112, 0.060),
(333115, 11115, 0.040),
(333115, 11116, 0.030),
(333119, 11115, 0.150),
(333119, 11117, 0.050),
(333119, 11116, 0.050),
(333119, 111111, 0.020),
(333119, 11118, 0.2),
(333122, 22213, 0.120),
(33333, 111120, 0.120),
(33333, 111118, 0.080),
(33333, 111116, 0.030),
(33333, 111121, 0.080),
(33321, 111115, 0.120),
(33331, 111117, 0.250),
(33331, 111110, 0.030),
(33331, 111121, 0.040),
-- Kola is bought ready: as its own ingredient every sale draws its own stock
(33324, 33324, 1),
-- the delivery listings use the same recipes as the dishes they stand for
(80881, 22211, 0.180),
(80881, 111114, 1),
(80881, 22212, 1),
(90991, 11111, 0.220),
(90991, 111114, 1),
(90991, 22212, 1),
(90992, 111120, 0.120),
(90992, 111118, 0.080),
(90992, 111116, 0.030),
(90992, 111121, 0.080);

-- Cost components: packaging and napkins that go with a portion
INSERT INTO maliyet_bileseni (urun, ingredient, qua) VALUES
(333110, 44411, 1),
(333110, 44413, 0.05),
(70771,  44412, 1),
(70771,  44411, 1),
(70772,  44412, 1),
(80881,  44412, 1),
(80881,  44411, 1);

-- Menu lines: menu, line product, quantity, degist (1 = may be exchanged)
INSERT INTO stckbundle (urun, ingredient, qua, degist) VALUES
(333124, 333110, 1, 1),
(333124, 33321, 1, 1),
(333124, 333119, 1, 0),
(333125, 33311, 1, 1),
(333125, 33316, 1, 1),
(333125, 33321, 1, 0),
(333126, 333110, 2, 0),
(333126, 33318, 2, 0),
(333126, 333118, 1, 1),
(333126, 33321, 4, 1),
(333128, 33316, 0.5, 0),
(333128, 22212, 1, 0),
(333128, 33321, 1, 1),
(80882, 33316, 1, 0),
(80882, 33321, 1, 0);

-- What an exchangeable line may be swapped for, and what the swap costs
INSERT INTO subst_bundle (menu_stcode, urun_code, sub_urun_code, prc_diff) VALUES
(333124, 333110, 333111,   0.00),
(333124, 333110, 333112,  40.00),
(333124, 33321,  33324,   15.00),
(333124, 33321,  33323,    5.00),
(333125, 33311,  33312,    0.00),
(333125, 33316,  33318,  -20.00),
(333126, 333118, 333116, -40.00),
(333126, 333118, 333117, -60.00),
(333126, 33321,  33324,   15.00),
(333128, 33321,  33325,   10.00);

-- Extras that can be ordered with a product
INSERT INTO stckopsiyon (urun, ingredient, qua, degist) VALUES
(333110, 111114, 1,     0),
(333110, 333121, 1,     0),
(333110, 333122, 1,     0),
(333116, 33357,  0.050, 0),
(333113, 111116, 0.030, 0),
(333113, 111115, 0.100, 0);

-- Button colours of the products (background, then font)
INSERT INTO colors (stcode, red, green, blue, redfnt, greenfnt, bluefnt) VALUES
(33311, 218, 165, 32, 0, 0, 0),
(33312, 218, 165, 32, 0, 0, 0),
(33314, 205, 92, 0, 255, 255, 255),
(33315, 205, 92, 0, 255, 255, 255),
(33316, 205, 92, 0, 255, 255, 255),
(33317, 205, 92, 0, 255, 255, 255),
(33318, 205, 92, 0, 255, 255, 255),
(33319, 205, 92, 0, 255, 255, 255),
(333110, 220, 20, 60, 255, 255, 0),
(333111, 178, 34, 34, 255, 255, 255),
(333112, 178, 34, 34, 255, 255, 255),
(333113, 178, 34, 34, 255, 255, 255),
(333114, 178, 34, 34, 255, 255, 255),
(333115, 160, 82, 45, 255, 255, 255),
(333116, 160, 82, 45, 255, 255, 255),
(333117, 160, 82, 45, 255, 255, 255),
(333118, 160, 82, 45, 255, 255, 255),
(333119, 46, 139, 87, 255, 255, 255),
(333120, 46, 139, 87, 255, 255, 255),
(333121, 46, 139, 87, 255, 255, 255),
(333122, 46, 139, 87, 255, 255, 255),
(333123, 46, 139, 87, 255, 255, 255),
(333124, 128, 0, 128, 255, 255, 255),
(333125, 128, 0, 128, 255, 255, 255),
(333126, 128, 0, 128, 255, 255, 255),
(333128, 128, 0, 128, 255, 255, 255),
(70771, 0, 128, 128, 255, 255, 255),
(70772, 0, 128, 128, 255, 255, 255),
(70773, 0, 128, 128, 255, 255, 255),
(80881, 0, 128, 128, 255, 255, 255),
(80882, 0, 128, 128, 255, 255, 255),
(90991, 0, 128, 128, 255, 255, 255),
(90992, 0, 128, 128, 255, 255, 255),
(33321, 30, 144, 255, 255, 255, 255),
(33322, 30, 144, 255, 255, 255, 255),
(33323, 30, 144, 255, 255, 255, 255),
(33324, 30, 144, 255, 255, 255, 255),
(33325, 30, 144, 255, 255, 255, 255),
(33326, 30, 144, 255, 255, 255, 255),
(33327, 30, 144, 255, 255, 255, 255),
(33328, 139, 69, 19, 255, 255, 255),
(33329, 139, 69, 19, 255, 255, 255),
(333210, 139, 69, 19, 255, 255, 255),
(33331, 255, 182, 193, 0, 0, 0),
(33332, 255, 182, 193, 0, 0, 0),
(33333, 255, 160, 122, 0, 0, 0),
(33334, 255, 160, 122, 0, 0, 0),
(33335, 255, 160, 122, 0, 0, 0),
(33341, 255, 215, 0, 0, 0, 0),
(33342, 255, 215, 0, 0, 0, 0),
(33351, 139, 0, 0, 255, 255, 255),
(33352, 139, 0, 0, 255, 255, 255),
(33353, 139, 0, 0, 255, 255, 255),
(33354, 139, 0, 0, 255, 255, 255),
(33355, 139, 0, 0, 255, 255, 255),
(33356, 245, 222, 179, 0, 0, 0),
(33357, 245, 222, 179, 0, 0, 0),
(33358, 245, 222, 179, 0, 0, 0),
(33359, 245, 222, 179, 0, 0, 0),
(333510, 245, 222, 179, 0, 0, 0),
(333511, 139, 0, 0, 255, 255, 255);

INSERT INTO sml_med_lrg (stcode, smll_prc, smll_qua, med_prc, med_qua, larg_prc, larg_qua) VALUES
(33333,  140.00, 0.750, 180.00, 1.000, 250.00, 1.500),
(333118, 210.00, 0.750, 260.00, 1.000, 330.00, 1.500),
(33328,   20.00, 1.000,  30.00, 1.500, 120.00, 6.000);

-- Delivery regions and the surcharge of a product in a region
USE oturum;
INSERT INTO bolgeler (kod, baslik) VALUES
(1, 'Merkez'),
(2, 'Bahçelievler'),
(3, 'Organize Sanayi'),
(4, 'Üniversite Kampüsü');

USE stocks;
INSERT INTO bolge_urun_fiyat (bolgekod, stcode, fiyat_fark) VALUES
(3, 333110, 20.00),
(4, 333110, 15.00),
(3, 333124, 25.00),
(4, 333115, 10.00),
(2, 333126, 50.00);

-- Price windows: window 1 carries sellp3, window 2 sellp4.
-- Çay: weekday afternoons and weekend mornings; Kola: weekday happy hour;
-- Öğle Menüsü: weekday lunch.
INSERT INTO prctimes
  (stcode, prcid,
   day1, hour1x, hour1y, day2, hour2x, hour2y, day3, hour3x, hour3y,
   day4, hour4x, hour4y, day5, hour5x, hour5y, day6, hour6x, hour6y,
   day7, hour7x, hour7y, price)
VALUES
(33328,  1, 1, 15, 17, 2, 15, 17, 3, 15, 17, 4, 15, 17, 5, 15, 17, 0,  0,  0, 0,  0,  0,  15.00),
(33328,  2, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 6,  9, 11, 7,  9, 11,  15.00),
(33324,  1, 1, 16, 19, 2, 16, 19, 3, 16, 19, 4, 16, 19, 5, 16, 19, 0,  0,  0, 0,  0,  0,  40.00),
(33324,  2, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0,   0.00),
(333125, 1, 1, 11, 14, 2, 11, 14, 3, 11, 14, 4, 11, 14, 5, 11, 14, 0,  0,  0, 0,  0,  0, 290.00),
(333125, 2, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0, 0,  0,  0,   0.00);

-- Discounts (the editor stores the percentage in both columns)
INSERT INTO indirim_tablosu (carikod, stcode, peraken, yuzde) VALUES
(1013, 33331, 10.00, 10.000),
(1013, 33335, 15.00, 15.000);

-- Quick-sale panel of the tills
INSERT INTO hizli_satis_stok (stcode) VALUES
(33328), (33321), (33327), (33324), (333115), (33329), (333110);

-- Display order: overall (gra, grb NULL), inside Group A 3331, inside the
-- Group B rows Kebaplar and Soğuk İçecekler, and one row set by hand.
INSERT INTO stok_order (stcode, index_sira) VALUES
(333110, 0), (333115, 1), (33316, 2), (33321, 3), (33328, 4), (33333, 5), (33311, 6), (33324, 7);

INSERT INTO stok_order (stcode, gra, index_sira) VALUES
(33311, 3331, 0), (333110, 3331, 1), (333111, 3331, 2), (33314, 3331, 3),
(33316, 3331, 4), (333115, 3331, 5), (333116, 3331, 6);

INSERT INTO stok_order (stcode, grb, index_sira) VALUES
(333110, 33314, 0), (333111, 33314, 1), (333112, 33314, 2), (333113, 33314, 3), (333114, 33314, 4),
(33321, 33322, 0), (33322, 33322, 1), (33323, 33322, 2), (33324, 33322, 3),
(33325, 33322, 4), (33326, 33322, 5), (33327, 33322, 6);

INSERT INTO stok_order (stcode, gra, grb, index_sira, sira_gra, sira_grb) VALUES
(333120, 3331, 33316, 12, 9, 1);

-- Pictures (the editor stores drive:\Orvanta\images\stok_<code>.<ext>;
-- kunefe.jpg is an older row with a bare file name)
INSERT INTO images (stcode, img) VALUES
(333110, 'C:\\Orvanta\\images\\stok_333110.jpg'),
(33314,  'C:\\Orvanta\\images\\stok_33314.jpg'),
(333113, 'C:\\Orvanta\\images\\stok_333113.png'),
(333115, 'C:\\Orvanta\\images\\stok_333115.jpg'),
(333124, 'C:\\Orvanta\\images\\stok_333124.jpg'),
(33333,  'kunefe.jpg');

-- Time-charged products: zaman_brm 1 second, 2 minute, 3 hour
INSERT INTO game_table (stcode, zaman_brm, min_hesap) VALUES
(33341, 3, 50.00),
(33342, 2, 40.00);

-- The two scales at the butcher's counter
INSERT INTO terazi (ipaddr) VALUES
('192.168.1.61'),
('192.168.1.62');

-- Stock movements (purchases and a wastage); products with movements
-- cannot be deleted.
INSERT INTO moves (stcode, tarih, hareket, miktar, birim_fiyat, aciklama) VALUES
(11111,  '2025-06-02 08:15:00', 'ALIS',   25.0000, 520.0000, 'Kasap Ahmet Usta - fatura 4471'),
(11112,  '2025-06-02 08:15:00', 'ALIS',   20.0000, 450.0000, 'Kasap Ahmet Usta - fatura 4471'),
(11115,  '2025-06-02 09:40:00', 'ALIS',   40.0000,  35.0000, 'Sebze hali'),
(111110, '2025-06-03 10:05:00', 'ALIS',   50.0000,  70.0000, 'Toptancı - fatura 1187'),
(33351,  '2025-06-03 18:30:00', 'FIRE',    0.4500, 760.0000, 'Tezgah firesi'),
(44412,  '2025-06-04 11:00:00', 'ALIS', 1000.0000,   0.1800, 'Ambalaj ithalatı');

-- Barcode numbers 100000001 and 100000002 are already on products.
UPDATE barkod_sayac SET son_no = 100000002 WHERE id = 1;

-- ---------------------------------------------------------------------------
-- oturum: two open bills and some archived sales
-- ---------------------------------------------------------------------------
USE oturum;

INSERT INTO orderitems (id, adisyon_no, masa_no, stcode, stname, miktar, fiyat, kdv, tarih) VALUES
(1, 5012, 4, 333110, 'Adana Kebap',  2, 340.00, 10, '2025-06-05 13:05:00'),
(2, 5012, 4, 33321,  'Ayran',        2,  35.00, 10, '2025-06-05 13:05:00'),
(3, 5012, 4, 333119, 'Çoban Salata', 1, 110.00, 10, '2025-06-05 13:06:00'),
(4, 5013, 7, 333124, 'Adana Menü',   1, 420.00, 10, '2025-06-05 13:20:00'),
(5, 5013, 7, 33328,  'Çay',          3,  20.00, 10, '2025-06-05 13:42:00');

INSERT INTO orddetails (orderitem_id, adisyon_no, stcode, stkcd, miktar, fiyat, kdv) VALUES
(4, 5013, 333124, 333110, 1, 0, 10),
(4, 5013, 333124, 33321,  1, 0, 10),
(4, 5013, 333124, 333119, 1, 0, 10);

INSERT INTO orderitarch (id, adisyon_no, masa_no, stcode, stname, miktar, fiyat, kdv, tarih) VALUES
(1, 4980, 2, 333115, 'Lahmacun',        4,  90.00, 10, '2025-06-04 12:31:00'),
(2, 4980, 2, 33324,  'Kola',            2,  50.00, 10, '2025-06-04 12:31:00'),
(3, 4981, 9, 333113, 'İskender Kebap',  2, 390.00, 10, '2025-06-04 19:02:00'),
(4, 4981, 9, 33333,  'Künefe',          1, 180.00, 10, '2025-06-04 19:48:00'),
(5, 4982, 1, 333125, 'Öğle Menüsü',     1, 290.00, 10, '2025-06-04 12:10:00'),
(6, 4983, 0, 33352,  'Dana Kıyma',      1.250, 650.00, 1, '2025-06-04 17:25:00');

INSERT INTO orddetailarch (orderitem_id, adisyon_no, stcode, stkcd, miktar, fiyat, kdv) VALUES
(5, 4982, 333125, 33311, 1, 0, 10),
(5, 4982, 333125, 33316, 1, 0, 10),
(5, 4982, 333125, 33321, 1, 0, 10);

-- ---------------------------------------------------------------------------
-- tabledot: three- and four-course set menus (courses list Group B codes)
-- ---------------------------------------------------------------------------
USE tabledot;

UPDATE tabledot_uc_fiyat   SET fiyat = 350.00;
UPDATE tabledot_dort_fiyat SET fiyat = 450.00;

INSERT INTO uckap_1 (posmenu) VALUES (33312);
INSERT INTO uckap_2 (posmenu) VALUES (33313), (33314);
INSERT INTO uckap_3 (posmenu) VALUES (33332), (33333);

INSERT INTO dortkap_1 (posmenu) VALUES (33312);
INSERT INTO dortkap_2 (posmenu) VALUES (33316);
INSERT INTO dortkap_3 (posmenu) VALUES (33313), (33314);
INSERT INTO dortkap_4 (posmenu) VALUES (33332), (33333);

-- ---------------------------------------------------------------------------
-- imalatkazani: two kettles, each with its input and output table
-- ---------------------------------------------------------------------------
USE imalatkazani;

INSERT INTO kznlr (code, name) VALUES
(1, 'Çorba Kazanı'),
(2, 'Pilav Kazanı');

-- The kettles' tables are not part of the schema: replace any left behind.
DROP TABLE IF EXISTS 1input, 1output, 2input, 2output;
CREATE TABLE 1input (
  id     INT           NOT NULL AUTO_INCREMENT,
  stcode BIGINT        NOT NULL,
  miktar DECIMAL(18,4) NOT NULL DEFAULT 0,
  tarih  DATETIME          NULL DEFAULT NULL,
  PRIMARY KEY (id),
  KEY ix_stcode (stcode)
) ENGINE=InnoDB;
CREATE TABLE 1output LIKE 1input;
CREATE TABLE 2input  LIKE 1input;
CREATE TABLE 2output LIKE 1input;

INSERT INTO 1input (stcode, miktar, tarih) VALUES
(111119, 3.0000, '2025-06-05 07:30:00'),
(11116,  1.0000, '2025-06-05 07:30:00'),
(111116, 0.5000, '2025-06-05 07:30:00');
INSERT INTO 1output (stcode, miktar, tarih) VALUES
(33311, 50.0000, '2025-06-05 09:00:00');
INSERT INTO 2input (stcode, miktar, tarih) VALUES
(111110, 5.0000, '2025-06-05 10:00:00'),
(111116, 0.7500, '2025-06-05 10:00:00');
INSERT INTO 2output (stcode, miktar, tarih) VALUES
(22212, 50.0000, '2025-06-05 11:00:00');

-- ---------------------------------------------------------------------------
-- barcode: label layout of the butcher's counter
-- ---------------------------------------------------------------------------
USE barcode;

UPDATE print_settings_x
   SET date_of_paketleme = '2025-06-05',
       date_of_tuketim   = '2025-06-08',
       ozel_seri_alan    = 'LEZZET SOFRASI KASAP'
 WHERE Id = 1;

-- ---------------------------------------------------------------------------
-- subetransfer: 41 transfers have been sent so far
-- ---------------------------------------------------------------------------
USE subetransfer;

UPDATE islem_sayac SET son_no = 41 WHERE id = 1;
