-- the locker blocks of a season: where they are, their type, their fees and the numbers they hold
CREATE TABLE EH010MS (
  SEASON_YEAR   VARCHAR(4)  NOT NULL,
  SEQ_NO        INTEGER     NOT NULL,
  LOCATION      VARCHAR(10),
  AREA_ZONE     VARCHAR(10),
  LOCKER_TYPE   VARCHAR(10),
  UNIT_AMT      NUMERIC(12),
  MEMBER_AMT    NUMERIC(12),
  BEGINNING_NO  VARCHAR(4),
  LOCKER_QTY    INTEGER,
  U_EMP_NO      VARCHAR(20),
  U_IP          VARCHAR(15),
  U_DATE        VARCHAR(14),
  ROW_VERSION   INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (SEASON_YEAR, SEQ_NO)
);

-- The last block number given per season: numbers only go up, so a deleted block's number is never
-- given again, and two desks adding blocks at the same moment take their numbers one after the other.
CREATE TABLE EH010NO (
  SEASON_YEAR   VARCHAR(4)  NOT NULL,
  LAST_SEQ_NO   INTEGER     NOT NULL,
  PRIMARY KEY (SEASON_YEAR)
);

-- One row per season and place (location, zone, type) where lockers were created from blocks: the
-- creation locks it, so two blocks with overlapping numbers are checked one after the other.
CREATE TABLE EH020LK (
  SEASON_YEAR   VARCHAR(4)  NOT NULL,
  LOCATION      VARCHAR(10) NOT NULL,
  AREA_ZONE     VARCHAR(10) NOT NULL,
  LOCKER_TYPE   VARCHAR(10) NOT NULL,
  PRIMARY KEY (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE)
);

-- one row per locker and season; sold while SALE_DATE holds a full date
CREATE TABLE EH020MS (
  SEASON_YEAR       VARCHAR(4)  NOT NULL,
  LOCATION          VARCHAR(10) NOT NULL,
  AREA_ZONE         VARCHAR(10) NOT NULL,
  LOCKER_TYPE       VARCHAR(10) NOT NULL,
  LOCKER_NO         VARCHAR(4)  NOT NULL,
  UNIT_AMT          NUMERIC(12),
  MEMBER_AMT        NUMERIC(12),
  SALE_DATE         VARCHAR(8),
  M_ID              VARCHAR(30),
  M_NAME            VARCHAR(30),
  M_IDNO            VARCHAR(13),
  M_TOPHONE         VARCHAR(30),
  PAY_CODE          VARCHAR(10),
  SALE_AMT          NUMERIC(12),
  IPGUM_AMT         NUMERIC(12),
  IPGUM_YN          VARCHAR(1),
  ASSURANCE_AMT     NUMERIC(12),
  KEY_RECEIPT_DATE  VARCHAR(8),
  KEY_RESTORE_DATE  VARCHAR(8),
  DC_REMARKS        VARCHAR(100),
  USE_YN            VARCHAR(1),
  TERMINAL_ID       VARCHAR(20),
  APPROVAL_NO       VARCHAR(20),
  APPROVAL_TIME     VARCHAR(14),
  ACQUIRE_CODE      VARCHAR(10),
  CARD_ISSUER       VARCHAR(30),
  RESULT            VARCHAR(10),
  RESULT_MSG        VARCHAR(100),
  STATUS_FLAG       VARCHAR(10),
  FAPPSTATE         VARCHAR(10),
  FRESERVESTATE     VARCHAR(10),
  FCOMPLETECODE     VARCHAR(10),
  FBANK             VARCHAR(30),
  CARD_SEQ_NO       VARCHAR(20),
  CARD_JOIN_NO      VARCHAR(20),
  U_EMP_NO          VARCHAR(20),
  U_IP              VARCHAR(15),
  U_DATE            VARCHAR(14),
  ROW_VERSION       INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO)
);

-- the penalty of each cancelled sale, written by the cancellation itself; numbered per season
CREATE TABLE EH030MS (
  SEASON_YEAR   VARCHAR(4)  NOT NULL,
  SEQ_NO        INTEGER     NOT NULL,
  CANCEL_DATE   VARCHAR(8),
  LOCATION      VARCHAR(10),
  AREA_ZONE     VARCHAR(10),
  LOCKER_TYPE   VARCHAR(10),
  LOCKER_NO     VARCHAR(4),
  M_NAME        VARCHAR(30),
  PENALTY_AMT   NUMERIC(12),
  IPGUM_DATE    VARCHAR(8),
  PAY_CODE      VARCHAR(10),
  IPGUM_AMT     NUMERIC(12),
  PENALTY_YN    VARCHAR(1),
  RETURN_DATE   VARCHAR(8),
  RETURN_AMT    NUMERIC(12),
  U_EMP_NO      VARCHAR(20),
  U_IP          VARCHAR(15),
  U_DATE        VARCHAR(14),
  ROW_VERSION   INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (SEASON_YEAR, SEQ_NO)
);

-- the last penalty number given per season (only goes up)
CREATE TABLE EH030NO (
  SEASON_YEAR   VARCHAR(4)  NOT NULL,
  LAST_SEQ_NO   INTEGER     NOT NULL,
  PRIMARY KEY (SEASON_YEAR)
);
