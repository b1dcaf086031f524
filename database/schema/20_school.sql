-- ski club enrolment, one row per season and enrolment number
CREATE TABLE EC010MS (
  SEASON_GUBUN       VARCHAR(2)  NOT NULL,
  LECTURE_NO         INTEGER     NOT NULL,
  MEMBER_NO          VARCHAR(10),
  TRAINER_NAME       VARCHAR(30),
  ENTER_DATE         VARCHAR(8),
  SEX                VARCHAR(2),
  AGE                VARCHAR(3),
  ID_NO              VARCHAR(13),
  ZIP_CODE           VARCHAR(6),
  ADDR1              VARCHAR(60),
  ADDR2              VARCHAR(60),
  JOB                VARCHAR(40),
  TEL_NO             VARCHAR(20),
  MOBILE_NO          VARCHAR(20),
  EMAIL              VARCHAR(40),
  PLAYER_EXP         VARCHAR(80),
  LECTURE_ITEM_GUBUN VARCHAR(2),
  LECTURE_REC_GUBUN  VARCHAR(2),
  WANT_SKILL_GUBUN   VARCHAR(2),
  USE_SKI_PLACE      VARCHAR(40),
  TRAINER_ABILITY    VARCHAR(80),
  ENTER_MOTIVE       VARCHAR(80),
  LECTURER_EMP_NO    VARCHAR(10),
  LECTURER_NAME      VARCHAR(30),
  SPE_REMARK         VARCHAR(80),
  REMARK             VARCHAR(80),
  U_EMP_NO           VARCHAR(10),
  U_IP               VARCHAR(15),
  U_DATE             VARCHAR(14),
  PRIMARY KEY (SEASON_GUBUN, LECTURE_NO)
);

-- ski school receipt: a booking made at the counter under one number, created outside this program
CREATE TABLE EC020MS (
  SEASON_GUBUN VARCHAR(2)  NOT NULL,
  RECEIPT_NO   VARCHAR(10) NOT NULL,
  ENTER_DATE   VARCHAR(8),
  RECEIPT_NAME VARCHAR(30),
  PRIMARY KEY (SEASON_GUBUN, RECEIPT_NO)
);

-- ski school trainee, one row per person of a receipt
CREATE TABLE EC020DT (
  SEASON_GUBUN         VARCHAR(2)  NOT NULL,
  RECEIPT_NO           VARCHAR(10) NOT NULL,
  RECEIPT_SEQ          INTEGER     NOT NULL,
  MEMBER_NO            VARCHAR(10),
  TRAINER_NAME         VARCHAR(30),
  SEX                  VARCHAR(2),
  AGE                  VARCHAR(3),
  ID_NO                VARCHAR(13),
  ZIP_CODE             VARCHAR(6),
  ADDR1                VARCHAR(60),
  ADDR2                VARCHAR(60),
  TEL_NO               VARCHAR(20),
  MOBILE_NO            VARCHAR(20),
  LECTURE_ITEM_GUBUN   VARCHAR(2),
  LECTURE_REC_GUBUN    VARCHAR(2),
  LECTURE_DETAIL_GUBUN VARCHAR(2),
  TRAIN_TEST           VARCHAR(500),
  LECTURER_VIEW        VARCHAR(500),
  NEXT_TRAIN_CONTENT   VARCHAR(500),
  LECTURER_EMP_NO      VARCHAR(10),
  LECTURER_NAME        VARCHAR(30),
  SPE_REMARK           VARCHAR(500),
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(15),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ)
);

-- reservation standard: the capacity of a lesson on a day
CREATE TABLE EC040MS (
  YAEYAK_DATE          VARCHAR(8) NOT NULL,
  LECTURE_ITEM_GUBUN   VARCHAR(2) NOT NULL,
  LECTURE_REC_GUBUN    VARCHAR(2) NOT NULL,
  LECTURE_DETAIL_GUBUN VARCHAR(2) NOT NULL,
  YAEYAK_ABILITY_CNT   INTEGER,
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(15),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN)
);

-- staff lesson reservation; EMP_NO may carry trailing blanks, so readers compare TRIM(EMP_NO)
CREATE TABLE EC050MS (
  YAEYAK_DATE          VARCHAR(8)  NOT NULL,
  LECTURE_ITEM_GUBUN   VARCHAR(2)  NOT NULL,
  LECTURE_REC_GUBUN    VARCHAR(2)  NOT NULL,
  LECTURE_DETAIL_GUBUN VARCHAR(2)  NOT NULL,
  EMP_NO               VARCHAR(10) NOT NULL,
  EMP_NAME             VARCHAR(30),
  YAEYAK_CNT           INTEGER,
  REMARK               VARCHAR(500),
  U_EMP_NO             VARCHAR(10),
  U_IP                 VARCHAR(15),
  U_DATE               VARCHAR(14),
  PRIMARY KEY (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO)
);
