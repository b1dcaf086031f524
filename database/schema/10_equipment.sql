-- tables of the rental shop, the storage counter and the slope operations

-- slope operation rows: one per course or lift and run date
CREATE TABLE EB010MS (
  RUN_DATE          VARCHAR(8)  NOT NULL,
  FAC_GUBUN         VARCHAR(10) NOT NULL,
  FAC_DETAIL_GUBUN  VARCHAR(10) NOT NULL,
  RUN_YN            VARCHAR(10),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN)
);

-- rental equipment of an area; EQUIP_NO is given on insert, SVRL_RENT_YN is 'Y' while the piece is out
-- on a multi-day rental that started on SVRL_FROM_DATE
CREATE TABLE EB020MS (
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  EQUIP_GUBUN       VARCHAR(10) NOT NULL,
  EQUIP_NO          VARCHAR(5)  NOT NULL,
  EQUIP_SIZE_GUBUN  VARCHAR(10),
  EQUIP_RENT_YN     VARCHAR(1),
  BUY_DATE          VARCHAR(8),
  REMARK            VARCHAR(60),
  SVRL_RENT_YN      VARCHAR(1),
  SVRL_FROM_DATE    VARCHAR(8),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO)
);

-- The last equipment number given per area and kind: numbers only go up, so the number of a piece taken
-- out of the register (still carried by its old rental rows) is never given to a new one, and two desks
-- registering at the same moment take their numbers one after the other.
CREATE TABLE EB020NO (
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  EQUIP_GUBUN       VARCHAR(10) NOT NULL,
  LAST_EQUIP_NO     INTEGER     NOT NULL,
  PRIMARY KEY (AREA_GUBUN, EQUIP_GUBUN)
);

-- pieces picked at a counter but not yet saved; the key lets one counter only hold a piece for the day.
-- SESSION_ID names the connection (the running counter) that holds it.
CREATE TABLE EB020TM (
  RENT_DATE         VARCHAR(8)  NOT NULL,
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  EQUIP_GUBUN       VARCHAR(10) NOT NULL,
  EQUIP_NO          VARCHAR(5)  NOT NULL,
  SESSION_ID        VARCHAR(40),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO)
);

-- The running counters that hold pieces: each marks itself alive every 30 seconds (LAST_SEEN, the
-- database's clock in seconds); the holds of a session silent for two minutes are free again.
CREATE TABLE EB020TS (
  SESSION_ID        VARCHAR(40) NOT NULL,
  LAST_SEEN         BIGINT      NOT NULL,
  PRIMARY KEY (SESSION_ID)
);

-- standard stock of rental boots per size and area
CREATE TABLE EB030MS (
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  BOOTS_SIZE_GUBUN  VARCHAR(10) NOT NULL,
  STOCK_QTY         INTEGER,
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (AREA_GUBUN, BOOTS_SIZE_GUBUN)
);

-- rental header: numbered within rental date and area
CREATE TABLE EB040MS (
  RENT_DATE         VARCHAR(8)  NOT NULL,
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  RENT_NO           INTEGER     NOT NULL,
  DEAL_NAME         VARCHAR(30),
  KEEP_KIND_GUBUN   VARCHAR(10),
  KEEP_BOX_NO       VARCHAR(5),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, RENT_NO)
);

-- The last rental number given per rental date and area: the row makes two counters saving a new
-- rental at the same moment take their numbers one after the other.
CREATE TABLE EB040NO (
  RENT_DATE         VARCHAR(8)  NOT NULL,
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  LAST_RENT_NO      INTEGER     NOT NULL,
  PRIMARY KEY (RENT_DATE, AREA_GUBUN)
);

-- rental rows: one per piece handed out, numbered within the rental
CREATE TABLE EB040DT (
  RENT_DATE            VARCHAR(8)  NOT NULL,
  AREA_GUBUN           VARCHAR(10) NOT NULL,
  RENT_NO              INTEGER     NOT NULL,
  RENT_SEQ             INTEGER     NOT NULL,
  TICKET_KIND          VARCHAR(10),
  RENT_STAT            VARCHAR(10),
  EQUIP_GUBUN          VARCHAR(10),
  EQUIP_NO             VARCHAR(5),
  RENT_NAME            VARCHAR(30),
  TEL_NO               VARCHAR(20),
  HEIGHT               VARCHAR(3),
  WEIGHT               VARCHAR(3),
  SHOES_SIZE           VARCHAR(10),
  BINDING              VARCHAR(3),
  ZIP_CODE             VARCHAR(6),
  ADDR1                VARCHAR(100),
  ADDR2                VARCHAR(60),
  SVRL_RENT_FROM_DATE  VARCHAR(8),
  SVRL_RENT_TO_DATE    VARCHAR(8),
  REMARK               VARCHAR(60),
  RENT_TIME            VARCHAR(6),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(20),
  U_DATE               VARCHAR(14),
  ROW_VERSION          INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ)
);

-- stored items of a season and area; KEEP_NO is given on insert
CREATE TABLE EB050MS (
  SEASON_GUBUN      VARCHAR(2)  NOT NULL,
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  KEEP_NO           INTEGER     NOT NULL,
  KEEP_STAT         VARCHAR(10),
  IPGO_DATE         VARCHAR(8),
  CHULGO_DATE       VARCHAR(8),
  GUEST_NO          VARCHAR(10),
  GUEST_NAME        VARCHAR(30),
  KEEP_GUBUN        VARCHAR(10),
  EQUIP_GUBUN       VARCHAR(10),
  EQUIP_NAME_GUBUN  VARCHAR(10),
  EQUIP_NAME_ETC    VARCHAR(40),
  NATIVE_NO         VARCHAR(40),
  POELS_YN          VARCHAR(1),
  POELS_NAME        VARCHAR(40),
  MEMBER_NO         VARCHAR(10),
  KEEP_NAME         VARCHAR(30),
  ZIP_CODE          VARCHAR(6),
  ADDR1             VARCHAR(100),
  ADDR2             VARCHAR(60),
  TEL_NO            VARCHAR(20),
  MOBILE_NO         VARCHAR(20),
  KEEP_BOX_NO       VARCHAR(10),
  REMARK            VARCHAR(60),
  CONF_QUESTION     VARCHAR(80),
  CONF_ANSWER       VARCHAR(80),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(20),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (SEASON_GUBUN, AREA_GUBUN, KEEP_NO)
);

-- The last storage number given per season and area. Numbers only go up, so a number once printed on a
-- storage ticket never passes to another item, even when its item is deleted; the row also makes two
-- counters storing at the same moment take their numbers one after the other.
CREATE TABLE EB050NO (
  SEASON_GUBUN      VARCHAR(2)  NOT NULL,
  AREA_GUBUN        VARCHAR(10) NOT NULL,
  LAST_KEEP_NO      INTEGER     NOT NULL,
  PRIMARY KEY (SEASON_GUBUN, AREA_GUBUN)
);
