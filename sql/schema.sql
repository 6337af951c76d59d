-- Parvela Yönetim: database of the menu and stock module.
-- Drops and recreates all nine schemas, so it can be loaded again at any time:
--   mariadb --no-defaults --socket=... -u root < sql/schema.sql
-- Every table is utf8mb4 / Turkish collation; stock codes are BIGINT everywhere.

SET NAMES utf8mb4;
SET foreign_key_checks = 0;

DROP DATABASE IF EXISTS stocks;
DROP DATABASE IF EXISTS `groups`;
DROP DATABASE IF EXISTS oturum;
DROP DATABASE IF EXISTS tabledot;
DROP DATABASE IF EXISTS company;
DROP DATABASE IF EXISTS barcode;
DROP DATABASE IF EXISTS imalatkazani;
DROP DATABASE IF EXISTS users;
DROP DATABASE IF EXISTS subetransfer;
DROP DATABASE IF EXISTS parvela_journal;

CREATE DATABASE stocks       CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE `groups`     CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE oturum       CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE tabledot     CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE company      CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE barcode      CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE imalatkazani CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE users        CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
CREATE DATABASE subetransfer CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;

-- ===========================================================================
-- stocks: products and everything that hangs on a stock code
-- ===========================================================================
USE stocks;

-- Prices are written with four decimals by the insert and two by the update,
-- so price columns keep four. Flags are INT because the tills test "> 0".
CREATE TABLE stckdef (
  id             INT           NOT NULL AUTO_INCREMENT,
  stcode         BIGINT        NOT NULL,
  type           INT           NOT NULL DEFAULT 0,
  gra            INT           NOT NULL DEFAULT 0,
  grb            INT           NOT NULL DEFAULT 0,
  grc            INT           NOT NULL DEFAULT 0,
  grd            INT           NOT NULL DEFAULT 0,
  gre            INT           NOT NULL DEFAULT 0,
  grf            INT           NOT NULL DEFAULT 0,
  brnd           VARCHAR(64)   NOT NULL DEFAULT '',
  model          VARCHAR(32)   NOT NULL DEFAULT '',
  specs2         VARCHAR(255)  NOT NULL DEFAULT '',
  barcode        VARCHAR(64)   NOT NULL DEFAULT '',
  serial         VARCHAR(64)   NOT NULL DEFAULT '',
  partnum        VARCHAR(64)   NOT NULL DEFAULT '',
  stname         VARCHAR(110)  NOT NULL DEFAULT '',
  unit           VARCHAR(16)   NOT NULL DEFAULT '',
  curr           VARCHAR(8)    NOT NULL DEFAULT '',
  kdv            DECIMAL(6,2)  NOT NULL DEFAULT 0,
  unitcost       DECIMAL(18,4) NOT NULL DEFAULT 0,
  sellp1         DECIMAL(16,4) NOT NULL DEFAULT 0,
  sellp2         DECIMAL(16,4) NOT NULL DEFAULT 0,
  sellp3         DECIMAL(16,4) NOT NULL DEFAULT 0,
  sellp4         DECIMAL(16,4) NOT NULL DEFAULT 0,
  sellp5         DECIMAL(16,4) NOT NULL DEFAULT 0,
  sellp6         DECIMAL(16,4) NOT NULL DEFAULT 0,
  qua1           DECIMAL(18,4) NOT NULL DEFAULT 0,
  qua2           DECIMAL(18,4) NOT NULL DEFAULT 0,
  crtqua         DECIMAL(18,4) NOT NULL DEFAULT 0,
  specs          VARCHAR(1024) NOT NULL DEFAULT '',
  warranty       INT           NOT NULL DEFAULT 0,
  cndtn          INT           NOT NULL DEFAULT 0,
  bundle         INT           NOT NULL DEFAULT 0,
  quantity       DECIMAL(18,4) NOT NULL DEFAULT 0,
  -- A new product is on today's menu until someone takes it off; the
  -- ordering window marks gunmenu <= 0 as closed for sale.
  gunmenu        INT           NOT NULL DEFAULT 1,
  depart         INT           NOT NULL DEFAULT 0,
  azparam        DECIMAL(16,4) NOT NULL DEFAULT 0,
  sku            VARCHAR(80)   NOT NULL DEFAULT '',
  game_stock     INT           NOT NULL DEFAULT 0,
  related_update INT           NOT NULL DEFAULT 0,
  prcchange      INT           NOT NULL DEFAULT 0,
  is_weighed     INT           NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_stckdef_stcode (stcode),
  KEY ix_stckdef_gra (gra),
  KEY ix_stckdef_grb (grb),
  KEY ix_stckdef_grc (grc),
  KEY ix_stckdef_barcode (barcode),
  KEY ix_stckdef_stname (stname)
) ENGINE=InnoDB;

-- Deleted products keep their whole row here: the next-code rule never reuses
-- these codes, and RESTORE_DELETED_STOCK puts the row back unchanged.
CREATE TABLE stckdef_old LIKE stckdef;
ALTER TABLE stckdef_old
  MODIFY id INT NOT NULL DEFAULT 0,
  DROP PRIMARY KEY,
  DROP INDEX uq_stckdef_stcode,
  ADD PRIMARY KEY (stcode);

-- gra and grb are both NULL for the overall order, one of them set for the
-- order inside a Group A or a Group B.
CREATE TABLE stok_order (
  Id         INT    NOT NULL AUTO_INCREMENT,
  stcode     BIGINT NOT NULL,
  gra        INT        NULL DEFAULT NULL,
  grb        INT        NULL DEFAULT NULL,
  index_sira INT    NOT NULL DEFAULT 0,
  sira_gra   INT    NOT NULL DEFAULT 0,
  sira_grb   INT    NOT NULL DEFAULT 0,
  PRIMARY KEY (Id),
  KEY ix_stok_order_stcode (stcode),
  KEY ix_stok_order_gra (gra),
  KEY ix_stok_order_grb (grb)
) ENGINE=InnoDB;

CREATE TABLE hizli_satis_stok (
  stcode BIGINT NOT NULL,
  PRIMARY KEY (stcode)
) ENGINE=InnoDB;

-- One colours row and one discount row per product: two stations saving the
-- same new product at once must not leave two. (A code change never targets
-- a code whose rows another table still holds; the code rule skips those.)
-- images keeps a plain index: it is re-coded with the product as well.
CREATE TABLE colors (
  Id       INT    NOT NULL AUTO_INCREMENT,
  stcode   BIGINT NOT NULL,
  red      INT    NOT NULL DEFAULT 0,
  green    INT    NOT NULL DEFAULT 0,
  blue     INT    NOT NULL DEFAULT 0,
  redfnt   INT    NOT NULL DEFAULT 0,
  greenfnt INT    NOT NULL DEFAULT 0,
  bluefnt  INT    NOT NULL DEFAULT 0,
  PRIMARY KEY (Id),
  UNIQUE KEY ix_colors_stcode (stcode)
) ENGINE=InnoDB;

CREATE TABLE indirim_tablosu (
  id      INT           NOT NULL AUTO_INCREMENT,
  carikod INT           NOT NULL DEFAULT 0,
  stcode  BIGINT        NOT NULL,
  peraken DECIMAL(16,2) NOT NULL DEFAULT 0,
  yuzde   DECIMAL(9,3)  NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY ix_indirim_stcode (stcode)
) ENGINE=InnoDB;

-- Two windows per product (prcid 1 and 2); always rewritten as delete + insert.
CREATE TABLE prctimes (
  id     INT    NOT NULL AUTO_INCREMENT,
  stcode BIGINT NOT NULL,
  prcid  INT    NOT NULL DEFAULT 1,
  day1 INT NOT NULL DEFAULT 0, hour1x INT NOT NULL DEFAULT 0, hour1y INT NOT NULL DEFAULT 0,
  day2 INT NOT NULL DEFAULT 0, hour2x INT NOT NULL DEFAULT 0, hour2y INT NOT NULL DEFAULT 0,
  day3 INT NOT NULL DEFAULT 0, hour3x INT NOT NULL DEFAULT 0, hour3y INT NOT NULL DEFAULT 0,
  day4 INT NOT NULL DEFAULT 0, hour4x INT NOT NULL DEFAULT 0, hour4y INT NOT NULL DEFAULT 0,
  day5 INT NOT NULL DEFAULT 0, hour5x INT NOT NULL DEFAULT 0, hour5y INT NOT NULL DEFAULT 0,
  day6 INT NOT NULL DEFAULT 0, hour6x INT NOT NULL DEFAULT 0, hour6y INT NOT NULL DEFAULT 0,
  day7 INT NOT NULL DEFAULT 0, hour7x INT NOT NULL DEFAULT 0, hour7y INT NOT NULL DEFAULT 0,
  price  DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_prctimes_stcode_prcid (stcode, prcid)
) ENGINE=InnoDB;

CREATE TABLE bolge_urun_fiyat (
  id         INT           NOT NULL AUTO_INCREMENT,
  bolgekod   INT           NOT NULL,
  stcode     BIGINT        NOT NULL,
  fiyat_fark DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_bolge_urun (stcode, bolgekod)
) ENGINE=InnoDB;

CREATE TABLE sml_med_lrg (
  id       INT           NOT NULL AUTO_INCREMENT,
  stcode   BIGINT        NOT NULL,
  smll_prc DECIMAL(16,2) NOT NULL DEFAULT 0,
  smll_qua DECIMAL(16,3) NOT NULL DEFAULT 0,
  med_prc  DECIMAL(16,2) NOT NULL DEFAULT 0,
  med_qua  DECIMAL(16,3) NOT NULL DEFAULT 0,
  larg_prc DECIMAL(16,2) NOT NULL DEFAULT 0,
  larg_qua DECIMAL(16,3) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_sml_med_lrg_stcode (stcode)
) ENGINE=InnoDB;

-- Quantities are written with up to six decimals (UPDATE ... qua=%.6f).
CREATE TABLE receipts (
  Id         INT           NOT NULL AUTO_INCREMENT,
  urun       BIGINT        NOT NULL,
  ingredient BIGINT        NOT NULL,
  qua        DECIMAL(18,6) NOT NULL DEFAULT 0,
  PRIMARY KEY (Id),
  KEY ix_receipts_urun (urun),
  KEY ix_receipts_ingredient (ingredient)
) ENGINE=InnoDB;

CREATE TABLE maliyet_bileseni (
  id         INT           NOT NULL AUTO_INCREMENT,
  urun       BIGINT        NOT NULL,
  ingredient BIGINT        NOT NULL,
  qua        DECIMAL(18,6) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_maliyet_urun (urun),
  KEY ix_maliyet_ingredient (ingredient)
) ENGINE=InnoDB;

CREATE TABLE stckbundle (
  id         INT           NOT NULL AUTO_INCREMENT,
  urun       BIGINT        NOT NULL,
  ingredient BIGINT        NOT NULL,
  qua        DECIMAL(18,6) NOT NULL DEFAULT 0,
  degist     INT           NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_stckbundle_urun (urun),
  KEY ix_stckbundle_ingredient (ingredient)
) ENGINE=InnoDB;

CREATE TABLE stckopsiyon (
  id         INT           NOT NULL AUTO_INCREMENT,
  urun       BIGINT        NOT NULL,
  ingredient BIGINT        NOT NULL,
  qua        DECIMAL(18,6) NOT NULL DEFAULT 0,
  degist     INT           NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_stckopsiyon_urun (urun),
  KEY ix_stckopsiyon_ingredient (ingredient)
) ENGINE=InnoDB;

-- Substitutes are keyed by (menu, line product): the same line product in two
-- menus has its own list.
CREATE TABLE subst_bundle (
  id            INT           NOT NULL AUTO_INCREMENT,
  menu_stcode   BIGINT        NOT NULL,
  urun_code     BIGINT        NOT NULL,
  sub_urun_code BIGINT        NOT NULL,
  prc_diff      DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_subst_menu_urun (menu_stcode, urun_code)
) ENGINE=InnoDB;

CREATE TABLE images (
  id     INT          NOT NULL AUTO_INCREMENT,
  stcode BIGINT       NOT NULL,
  img    VARCHAR(512) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY ix_images_stcode (stcode)
) ENGINE=InnoDB;

-- Stock movements are written by the back-office programs; this module only
-- checks for their existence and re-codes them.
CREATE TABLE moves (
  id          INT           NOT NULL AUTO_INCREMENT,
  stcode      BIGINT        NOT NULL,
  tarih       DATETIME          NULL DEFAULT NULL,
  hareket     VARCHAR(16)   NOT NULL DEFAULT '',
  miktar      DECIMAL(18,4) NOT NULL DEFAULT 0,
  birim_fiyat DECIMAL(16,4) NOT NULL DEFAULT 0,
  aciklama    VARCHAR(255)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY ix_moves_stcode (stcode)
) ENGINE=InnoDB;

CREATE TABLE terazi (
  Id     INT         NOT NULL AUTO_INCREMENT,
  ipaddr VARCHAR(40) NOT NULL DEFAULT '',
  PRIMARY KEY (Id)
) ENGINE=InnoDB;

-- zaman_brm: 1 second, 2 minute, 3 hour.
CREATE TABLE game_table (
  id        INT           NOT NULL AUTO_INCREMENT,
  stcode    BIGINT        NOT NULL,
  zaman_brm INT           NOT NULL DEFAULT 2,
  min_hesap DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_game_table_stcode (stcode)
) ENGINE=InnoDB;

-- type: number of decimals the unit is shown with (1 = whole numbers).
CREATE TABLE units (
  id   INT         NOT NULL AUTO_INCREMENT,
  name VARCHAR(16) NOT NULL,
  type INT         NOT NULL DEFAULT 1,
  PRIMARY KEY (id),
  UNIQUE KEY uq_units_name (name)
) ENGINE=InnoDB;

CREATE TABLE currs (
  id    INT           NOT NULL AUTO_INCREMENT,
  code  VARCHAR(8)    NOT NULL,
  alis  DECIMAL(16,4) NOT NULL DEFAULT 0,
  satis DECIMAL(16,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY uq_currs_code (code)
) ENGINE=InnoDB;

-- stckdef.depart holds departid, not id.
CREATE TABLE depart (
  id       INT          NOT NULL AUTO_INCREMENT,
  departid INT          NOT NULL,
  name     VARCHAR(64)  NOT NULL DEFAULT '',
  printer  VARCHAR(128) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY uq_depart_departid (departid)
) ENGINE=InnoDB;

-- One-row counter behind GET_NEW_BARCODE_NO. Numbers start at nine digits:
-- a base is prefix + number + trailing zeros, so numbers of different length
-- (5 and 50) would give the same base; nine-digit numbers never collide.
CREATE TABLE barkod_sayac (
  id     INT NOT NULL,
  son_no INT NOT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB;
INSERT INTO barkod_sayac (id, son_no) VALUES (1, 100000000);

DELIMITER //

-- Moves the product row to stckdef_old. Atomic, so a failure never leaves the
-- product in both tables or in neither.
CREATE PROCEDURE DELETE_INSERT_STOCK(IN p_stcode BIGINT)
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  START TRANSACTION;
  IF EXISTS (SELECT 1 FROM stckdef WHERE stcode = p_stcode) THEN
    DELETE FROM stckdef_old WHERE stcode = p_stcode;
    INSERT INTO stckdef_old
      (id, stcode, type, gra, grb, grc, grd, gre, grf, brnd, model, specs2,
       barcode, serial, partnum, stname, unit, curr, kdv, unitcost,
       sellp1, sellp2, sellp3, sellp4, sellp5, sellp6, qua1, qua2, crtqua,
       specs, warranty, cndtn, bundle, quantity, gunmenu, depart, azparam,
       sku, game_stock, related_update, prcchange, is_weighed)
    SELECT
       id, stcode, type, gra, grb, grc, grd, gre, grf, brnd, model, specs2,
       barcode, serial, partnum, stname, unit, curr, kdv, unitcost,
       sellp1, sellp2, sellp3, sellp4, sellp5, sellp6, qua1, qua2, crtqua,
       specs, warranty, cndtn, bundle, quantity, gunmenu, depart, azparam,
       sku, game_stock, related_update, prcchange, is_weighed
    FROM stckdef WHERE stcode = p_stcode;
    DELETE FROM stckdef WHERE stcode = p_stcode;
  END IF;
  COMMIT;
END//

-- Puts a deleted product back. Refuses when the code has been taken again
-- meanwhile (the spreadsheet import checks only stckdef).
CREATE PROCEDURE RESTORE_DELETED_STOCK(IN p_stcode BIGINT)
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    ROLLBACK;
    RESIGNAL;
  END;
  IF EXISTS (SELECT 1 FROM stckdef WHERE stcode = p_stcode)
     AND EXISTS (SELECT 1 FROM stckdef_old WHERE stcode = p_stcode) THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Bu stok kodu tekrar kullanilmis; silinen stok geri alinamadi.';
  END IF;
  START TRANSACTION;
  IF EXISTS (SELECT 1 FROM stckdef_old WHERE stcode = p_stcode) THEN
    -- keep the old row id unless another row has taken it
    INSERT INTO stckdef
      (id, stcode, type, gra, grb, grc, grd, gre, grf, brnd, model, specs2,
       barcode, serial, partnum, stname, unit, curr, kdv, unitcost,
       sellp1, sellp2, sellp3, sellp4, sellp5, sellp6, qua1, qua2, crtqua,
       specs, warranty, cndtn, bundle, quantity, gunmenu, depart, azparam,
       sku, game_stock, related_update, prcchange, is_weighed)
    SELECT
       IF(o.id > 0 AND NOT EXISTS (SELECT 1 FROM stckdef s WHERE s.id = o.id), o.id, NULL),
       o.stcode, o.type, o.gra, o.grb, o.grc, o.grd, o.gre, o.grf, o.brnd, o.model, o.specs2,
       o.barcode, o.serial, o.partnum, o.stname, o.unit, o.curr, o.kdv, o.unitcost,
       o.sellp1, o.sellp2, o.sellp3, o.sellp4, o.sellp5, o.sellp6, o.qua1, o.qua2, o.crtqua,
       o.specs, o.warranty, o.cndtn, o.bundle, o.quantity, o.gunmenu, o.depart, o.azparam,
       o.sku, o.game_stock, o.related_update, o.prcchange, o.is_weighed
    FROM stckdef_old o WHERE o.stcode = p_stcode;
    DELETE FROM stckdef_old WHERE stcode = p_stcode;
  END IF;
  COMMIT;
END//

-- Recipes: the caller merges equal ingredients itself, so each call is one row.
CREATE PROCEDURE INTO_RECEIPT(IN p_urun BIGINT, IN p_ingredient BIGINT, IN p_qua DECIMAL(18,6))
BEGIN
  INSERT INTO receipts (urun, ingredient, qua) VALUES (p_urun, p_ingredient, p_qua);
END//

CREATE PROCEDURE DELETE_RECEIPT(IN p_urun BIGINT)
BEGIN
  DELETE FROM receipts WHERE urun = p_urun;
END//

CREATE PROCEDURE INTO_BUNDLE_MENU(IN p_menu BIGINT, IN p_ingredient BIGINT,
                                  IN p_qua DECIMAL(18,6), IN p_degist INT)
BEGIN
  INSERT INTO stckbundle (urun, ingredient, qua, degist)
  VALUES (p_menu, p_ingredient, p_qua, p_degist);
END//

CREATE PROCEDURE INTO_BAGLI_OPTIONS(IN p_urun BIGINT, IN p_ingredient BIGINT,
                                    IN p_qua DECIMAL(18,6), IN p_degist INT)
BEGIN
  INSERT INTO stckopsiyon (urun, ingredient, qua, degist)
  VALUES (p_urun, p_ingredient, p_qua, p_degist);
END//

CREATE PROCEDURE INTO_BUNDLE_SUBSTITUTE_LIST(IN p_menu BIGINT, IN p_urun BIGINT,
                                             IN p_sub_urun BIGINT, IN p_prc_diff DECIMAL(16,2))
BEGIN
  INSERT INTO subst_bundle (menu_stcode, urun_code, sub_urun_code, prc_diff)
  VALUES (p_menu, p_urun, p_sub_urun, p_prc_diff);
END//

-- Only the menu lines: saving a menu deletes and rewrites its lines, and the
-- substitutes of each line (subst_bundle) must survive that. Options
-- (stckopsiyon) belong to ordinary products and are deleted on their own.
CREATE PROCEDURE DELETE_BUNDLE_MENU(IN p_menu BIGINT)
BEGIN
  DELETE FROM stckbundle WHERE urun = p_menu;
END//

-- Next barcode number. The row lock of the UPDATE serialises concurrent tills;
-- LAST_INSERT_ID(expr) carries the new value per connection. No result set:
-- the caller reads @BarcodeNO with its own SELECT.
CREATE PROCEDURE GET_NEW_BARCODE_NO(OUT p_barcode_no INT)
BEGIN
  UPDATE barkod_sayac SET son_no = LAST_INSERT_ID(son_no + 1) WHERE id = 1;
  IF ROW_COUNT() = 0 THEN
    -- counter row lost (table emptied): start the series again
    INSERT INTO barkod_sayac (id, son_no) VALUES (1, LAST_INSERT_ID(100000001))
      ON DUPLICATE KEY UPDATE son_no = LAST_INSERT_ID(son_no + 1);
  END IF;
  SET p_barcode_no = LAST_INSERT_ID();
END//

DELIMITER ;

-- ===========================================================================
-- groups: the category tree
-- ===========================================================================
USE `groups`;

-- Group codes are unique across their level (the code allocator compares the
-- whole level, not only siblings).
CREATE TABLE classa (
  Id        INT         NOT NULL AUTO_INCREMENT,
  acode     INT         NOT NULL,
  groupname VARCHAR(64) NOT NULL DEFAULT '',
  posmenu   INT         NOT NULL DEFAULT 0,
  tur       INT         NOT NULL DEFAULT 0,
  PRIMARY KEY (Id),
  UNIQUE KEY uq_classa_acode (acode),
  KEY ix_classa_groupname (groupname)
) ENGINE=InnoDB;

-- A new Group B goes to the end of the till menu until it is ordered.
CREATE TABLE classb (
  Id         INT         NOT NULL AUTO_INCREMENT,
  acode      INT         NOT NULL DEFAULT 0,
  bcode      INT         NOT NULL,
  groupname  VARCHAR(64) NOT NULL DEFAULT '',
  posmenu    INT         NOT NULL DEFAULT 0,
  tur        INT         NOT NULL DEFAULT 0,
  index_sira INT         NOT NULL DEFAULT 999,
  PRIMARY KEY (Id),
  UNIQUE KEY uq_classb_bcode (bcode),
  KEY ix_classb_acode (acode),
  KEY ix_classb_index_sira (index_sira)
) ENGINE=InnoDB;

CREATE TABLE classc (
  Id        INT         NOT NULL AUTO_INCREMENT,
  acode     INT         NOT NULL DEFAULT 0,
  bcode     INT         NOT NULL DEFAULT 0,
  ccode     INT         NOT NULL,
  groupname VARCHAR(64) NOT NULL DEFAULT '',
  posmenu   INT         NOT NULL DEFAULT 0,
  tur       INT         NOT NULL DEFAULT 0,
  PRIMARY KEY (Id),
  UNIQUE KEY uq_classc_ccode (ccode),
  KEY ix_classc_acode (acode),
  KEY ix_classc_bcode (bcode),
  KEY ix_classc_groupname (groupname)
) ENGINE=InnoDB;

-- Till button colours of a Group B; written as delete + insert per group.
CREATE TABLE backcolorb (
  grupcode INT NOT NULL,
  red      INT NOT NULL DEFAULT 0,
  green    INT NOT NULL DEFAULT 0,
  blue     INT NOT NULL DEFAULT 0,
  PRIMARY KEY (grupcode)
) ENGINE=InnoDB;

CREATE TABLE fontcolorb (
  grupcode INT NOT NULL,
  red      INT NOT NULL DEFAULT 0,
  green    INT NOT NULL DEFAULT 0,
  blue     INT NOT NULL DEFAULT 0,
  PRIMARY KEY (grupcode)
) ENGINE=InnoDB;

-- Notes offered for a product (fcode = stock code) on the tills.
CREATE TABLE specs (
  id    INT          NOT NULL AUTO_INCREMENT,
  acode INT          NOT NULL DEFAULT 0,
  bcode INT          NOT NULL DEFAULT 0,
  fcode BIGINT       NOT NULL,
  name  VARCHAR(255) NOT NULL DEFAULT '',
  code  INT          NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_specs_fcode (fcode)
) ENGINE=InnoDB;

-- ===========================================================================
-- oturum: order data of the tills (only the columns this module touches are
-- required; the rest gives the rows some meaning)
-- ===========================================================================
USE oturum;

CREATE TABLE orderitems (
  id         INT           NOT NULL AUTO_INCREMENT,
  adisyon_no INT           NOT NULL DEFAULT 0,
  masa_no    INT           NOT NULL DEFAULT 0,
  stcode     BIGINT        NOT NULL,
  stname     VARCHAR(110)  NOT NULL DEFAULT '',
  miktar     DECIMAL(18,4) NOT NULL DEFAULT 0,
  fiyat      DECIMAL(16,2) NOT NULL DEFAULT 0,
  kdv        DECIMAL(6,2)  NOT NULL DEFAULT 0,
  tarih      DATETIME          NULL DEFAULT NULL,
  PRIMARY KEY (id),
  KEY ix_orderitems_stcode (stcode),
  KEY ix_orderitems_adisyon (adisyon_no)
) ENGINE=InnoDB;

-- stcode is the ordered product (a menu, say), stkcd the stock that the line
-- detail consumes.
CREATE TABLE orddetails (
  id           INT           NOT NULL AUTO_INCREMENT,
  orderitem_id INT           NOT NULL DEFAULT 0,
  adisyon_no   INT           NOT NULL DEFAULT 0,
  stcode       BIGINT        NOT NULL,
  stkcd        BIGINT        NOT NULL DEFAULT 0,
  miktar       DECIMAL(18,4) NOT NULL DEFAULT 0,
  fiyat        DECIMAL(16,2) NOT NULL DEFAULT 0,
  kdv          DECIMAL(6,2)  NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY ix_orddetails_stcode (stcode),
  KEY ix_orddetails_stkcd (stkcd),
  KEY ix_orddetails_orderitem (orderitem_id)
) ENGINE=InnoDB;

CREATE TABLE orderitarch LIKE orderitems;
CREATE TABLE orddetailarch LIKE orddetails;

CREATE TABLE bolgeler (
  kod    INT         NOT NULL,
  baslik VARCHAR(64) NOT NULL DEFAULT '',
  PRIMARY KEY (kod)
) ENGINE=InnoDB;

-- ===========================================================================
-- tabledot: fixed-price set menus
-- ===========================================================================
USE tabledot;

-- Single-row price tables: the program only updates them (no WHERE).
CREATE TABLE tabledot_uc_fiyat (
  id    INT           NOT NULL AUTO_INCREMENT,
  fiyat DECIMAL(16,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB;
INSERT INTO tabledot_uc_fiyat (id, fiyat) VALUES (1, 0);

CREATE TABLE tabledot_dort_fiyat LIKE tabledot_uc_fiyat;
INSERT INTO tabledot_dort_fiyat (id, fiyat) VALUES (1, 0);

-- One table per course, holding Group B codes. No unique key: saving the same
-- group twice lists it twice.
CREATE TABLE uckap_1 (
  id      INT NOT NULL AUTO_INCREMENT,
  posmenu INT NOT NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB;
CREATE TABLE uckap_2   LIKE uckap_1;
CREATE TABLE uckap_3   LIKE uckap_1;
CREATE TABLE dortkap_1 LIKE uckap_1;
CREATE TABLE dortkap_2 LIKE uckap_1;
CREATE TABLE dortkap_3 LIKE uckap_1;
CREATE TABLE dortkap_4 LIKE uckap_1;

-- ===========================================================================
-- company: restaurant, branches, barcode prefix
-- ===========================================================================
USE company;

CREATE TABLE maininfo (
  id         INT          NOT NULL AUTO_INCREMENT,
  compname   VARCHAR(110) NOT NULL DEFAULT '',
  compfolder VARCHAR(40)  NOT NULL DEFAULT '',
  mustID     INT          NOT NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB;

-- Exactly one row has active = 1: the branch this server belongs to.
CREATE TABLE subeler (
  id          INT          NOT NULL AUTO_INCREMENT,
  firmacode   INT          NOT NULL DEFAULT 0,
  subekod     INT          NOT NULL,
  subead      VARCHAR(110) NOT NULL DEFAULT '',
  ipno        VARCHAR(40)  NOT NULL DEFAULT '',
  active      INT          NOT NULL DEFAULT 0,
  sube_folder VARCHAR(64)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY uq_subeler_subekod (subekod),
  KEY ix_subeler_active (active)
) ENGINE=InnoDB;

CREATE TABLE barcode (
  id        INT NOT NULL AUTO_INCREMENT,
  intercode INT NOT NULL DEFAULT 0,
  firmacode INT NOT NULL DEFAULT 0,
  PRIMARY KEY (id)
) ENGINE=InnoDB;

-- ===========================================================================
-- barcode: label layout (single rows, Id = 1, only ever updated)
-- ===========================================================================
USE barcode;

CREATE TABLE print_settings (
  Id                INT NOT NULL,
  stok_adi_xpo      INT NOT NULL DEFAULT 0,
  stok_adi_ypo      INT NOT NULL DEFAULT 0,
  barc_xpo          INT NOT NULL DEFAULT 0,
  barc_ypo          INT NOT NULL DEFAULT 0,
  fiyat_xpo         INT NOT NULL DEFAULT 0,
  fiyat_ypo         INT NOT NULL DEFAULT 0,
  bar_width         INT NOT NULL DEFAULT 0,
  bar_height        INT NOT NULL DEFAULT 150,
  narrow_bar_wid    INT NOT NULL DEFAULT 0,
  wide_bar_wid      INT NOT NULL DEFAULT 0,
  fiyat_bas         INT NOT NULL DEFAULT 0,
  font              INT NOT NULL DEFAULT 2,
  font_price        INT NOT NULL DEFAULT 2,
  pkt_tarih_xpo     INT NOT NULL DEFAULT 0,
  pkt_tarih_ypo     INT NOT NULL DEFAULT 0,
  tuketim_tarih_xpo INT NOT NULL DEFAULT 0,
  tuketim_tarih_ypo INT NOT NULL DEFAULT 0,
  PRIMARY KEY (Id)
) ENGINE=InnoDB;

CREATE TABLE print_settings_x (
  Id                INT         NOT NULL,
  stok_adi_dikey    INT         NOT NULL DEFAULT 0,
  barkod_dikey      INT         NOT NULL DEFAULT 0,
  fiyat_dikey       INT         NOT NULL DEFAULT 0,
  pkt_tarih_dikey   INT         NOT NULL DEFAULT 0,
  tuk_tarih_dikey   INT         NOT NULL DEFAULT 0,
  tarih_fontsize    INT         NOT NULL DEFAULT 0,
  date_of_paketleme DATE            NULL DEFAULT NULL,
  date_of_tuketim   DATE            NULL DEFAULT NULL,
  ozel_seri_alan    VARCHAR(64) NOT NULL DEFAULT '',
  ozel_seri_xpo     INT         NOT NULL DEFAULT 0,
  ozel_seri_ypo     INT         NOT NULL DEFAULT 0,
  PRIMARY KEY (Id)
) ENGINE=InnoDB;

-- 50 mm x 30 mm label at 203 dpi = 400 x 240 dots:
--   name at the top, EAN-13 (150 dots high, with its digits) below it,
--   price line and special code side by side, the two dates on the last line.
INSERT INTO print_settings
  (Id, stok_adi_xpo, stok_adi_ypo, barc_xpo, barc_ypo, fiyat_xpo, fiyat_ypo,
   bar_width, bar_height, narrow_bar_wid, wide_bar_wid, fiyat_bas, font, font_price,
   pkt_tarih_xpo, pkt_tarih_ypo, tuketim_tarih_xpo, tuketim_tarih_ypo)
VALUES
  (1, 20, 5, 100, 26, 20, 200,
   2, 150, 2, 4, 1, 2, 2,
   20, 222, 210, 222);

INSERT INTO print_settings_x
  (Id, stok_adi_dikey, barkod_dikey, fiyat_dikey, pkt_tarih_dikey, tuk_tarih_dikey,
   tarih_fontsize, date_of_paketleme, date_of_tuketim, ozel_seri_alan,
   ozel_seri_xpo, ozel_seri_ypo)
VALUES
  (1, 0, 0, 0, 0, 0,
   1, '2025-01-01', '2025-01-04', '',
   250, 200);

-- ===========================================================================
-- imalatkazani: production kettles. Each kettle N also has the tables
-- "Ninput" and "Noutput" (column stcode); they are created with the kettle.
-- ===========================================================================
USE imalatkazani;

CREATE TABLE kznlr (
  id   INT         NOT NULL AUTO_INCREMENT,
  code INT         NOT NULL,
  name VARCHAR(64) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY uq_kznlr_code (code)
) ENGINE=InnoDB;

-- ===========================================================================
-- users: logins and rights
-- ===========================================================================
USE users;

-- Passwords are digits only (at most 9) but kept as text, so leading zeros count.
CREATE TABLE accounts (
  userid   INT         NOT NULL AUTO_INCREMENT,
  usercode VARCHAR(40) NOT NULL,
  password VARCHAR(16) NOT NULL DEFAULT '',
  active   INT         NOT NULL DEFAULT 0,
  adsoyad  VARCHAR(64) NOT NULL DEFAULT '',
  PRIMARY KEY (userid),
  UNIQUE KEY uq_accounts_usercode (usercode)
) ENGINE=InnoDB;

CREATE TABLE yetkiler (
  userid     INT NOT NULL,
  urunyonet  INT NOT NULL DEFAULT 0,
  subebaglan INT NOT NULL DEFAULT 0,
  PRIMARY KEY (userid)
) ENGINE=InnoDB;

-- ===========================================================================
-- subetransfer: numbering of the transfers to the web service
-- ===========================================================================
USE subetransfer;

CREATE TABLE islem_sayac (
  id     INT NOT NULL,
  son_no INT NOT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB;
INSERT INTO islem_sayac (id, son_no) VALUES (1, 0);

DELIMITER //

-- Same pattern as GET_NEW_BARCODE_NO: atomic, no result set, value in @islemNo.
CREATE PROCEDURE GET_SYNCH_ID(OUT p_islem_no INT)
BEGIN
  UPDATE islem_sayac SET son_no = LAST_INSERT_ID(son_no + 1) WHERE id = 1;
  IF ROW_COUNT() = 0 THEN
    INSERT INTO islem_sayac (id, son_no) VALUES (1, LAST_INSERT_ID(1))
      ON DUPLICATE KEY UPDATE son_no = LAST_INSERT_ID(son_no + 1);
  END IF;
  SET p_islem_no = LAST_INSERT_ID();
END//

DELIMITER ;

-- ===========================================================================
-- parvela_journal: this program's own change journal ("Geri Al"). Each bulk
-- change is one row of changes; kept_tables names the tables whose rows it
-- kept (by the product code in key_column) and kept_rows holds each changed
-- product's rows before (side 0) and after (side 1) as value tuples that
-- write the same bytes back. turns holds one row per kind of change that two
-- stations must make one after the other (the order saves, the import's
-- codes): the change writes its row first, so one server makes the later
-- one wait and a Galera cluster fails the later commit whole. The program
-- creates the schema too when missing.
-- ===========================================================================
CREATE DATABASE parvela_journal CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;
USE parvela_journal;

CREATE TABLE changes (
  id       BIGINT       NOT NULL AUTO_INCREMENT,
  made     DATETIME     NOT NULL,
  user     VARCHAR(64)  NOT NULL DEFAULT '',
  machine  VARCHAR(255) NOT NULL DEFAULT '',
  caption  TEXT         NOT NULL,
  products INT          NOT NULL DEFAULT 0,
  undone   DATETIME     NULL DEFAULT NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB;

CREATE TABLE kept_tables (
  change_id   BIGINT      NOT NULL,
  table_no    INT         NOT NULL,
  schema_name VARCHAR(64) NOT NULL,
  table_name  VARCHAR(64) NOT NULL,
  key_column  VARCHAR(64) NOT NULL,
  columns     TEXT        NOT NULL,
  PRIMARY KEY (change_id, table_no)
) ENGINE=InnoDB;

CREATE TABLE kept_rows (
  id        BIGINT      NOT NULL AUTO_INCREMENT,
  change_id BIGINT      NOT NULL,
  table_no  INT         NOT NULL,
  side      TINYINT     NOT NULL,
  stcode    VARCHAR(64) NOT NULL,
  image     LONGTEXT    CHARACTER SET ascii NOT NULL,
  PRIMARY KEY (id),
  KEY ix_kept_rows_change (change_id, table_no, stcode)
) ENGINE=InnoDB;

CREATE TABLE turns (
  name  VARCHAR(64) NOT NULL,
  taken BIGINT      NOT NULL DEFAULT 0,
  PRIMARY KEY (name)
) ENGINE=InnoDB;

SET foreign_key_checks = 1;
