-- the main membership, kept outside this program and only read here; a member is current while
-- CANCEL_DATE is empty, the member group tells members, partner groups ("44") and staff ("10..") apart
CREATE TABLE BB010MS (
  MEMBER_NO         VARCHAR(10) NOT NULL,
  MEMBER_NAME       VARCHAR(40),
  ID_NO             VARCHAR(13),
  MEMBER_GROUP_CODE VARCHAR(10),
  SEX_CODE          VARCHAR(1),
  BIRTH_DAY         VARCHAR(8),
  CANCEL_DATE       VARCHAR(8),
  MAIN_MEMBER_NAME  VARCHAR(40),
  MEMBER_INFO       VARCHAR(100),
  HOME_TEL          VARCHAR(20),
  HOME_POST         VARCHAR(6),
  HOME_ADDRESS1     VARCHAR(100),
  HOME_ADDRESS2     VARCHAR(100),
  OFFICE_TEL        VARCHAR(20),
  OFFICE_POST       VARCHAR(6),
  OFFICE_ADDRESS1   VARCHAR(100),
  OFFICE_ADDRESS2   VARCHAR(100),
  MOBILE_TEL        VARCHAR(20),
  PRIMARY KEY (MEMBER_NO)
);

-- the lookup view over the membership
CREATE VIEW BB010VE AS
SELECT MEMBER_NO, MEMBER_NAME, ID_NO, MEMBER_GROUP_CODE, SEX_CODE, CANCEL_DATE, MAIN_MEMBER_NAME,
       MEMBER_INFO, HOME_TEL, HOME_POST, HOME_ADDRESS1, HOME_ADDRESS2, OFFICE_TEL, OFFICE_POST,
       OFFICE_ADDRESS1, OFFICE_ADDRESS2, MOBILE_TEL
  FROM BB010MS;

-- the members registered by this program (numbers beginning with "20")
CREATE TABLE BA040MS (
  MEMBER_NO         VARCHAR(10) NOT NULL,
  MEMBER_NAME       VARCHAR(30),
  MEMBER_NAME_ENG   VARCHAR(30),
  ID_NO             VARCHAR(13),
  SEX_CODE          VARCHAR(1),
  NATION_CODE       VARCHAR(10),
  PASSWORD_NO       VARCHAR(20),
  BIRTH_DAY         VARCHAR(8),
  CALENDAR_CODE     VARCHAR(1),
  MEMORIAL_DAY      VARCHAR(8),
  MEMORIAL_DAY_CODE VARCHAR(10),
  MAIN_MEMBER_NO    VARCHAR(10),
  JOB_CODE          VARCHAR(10),
  COMPANY_NAME      VARCHAR(50),
  POST_NAME         VARCHAR(50),
  OFFICE_POSITION   VARCHAR(50),
  E_MAIL            VARCHAR(50),
  HOME_TEL          VARCHAR(20),
  HOME_FAX          VARCHAR(20),
  OFFICE_TEL        VARCHAR(20),
  OFFICE_FAX        VARCHAR(20),
  MOBILE_TEL        VARCHAR(20),
  HOME_POST         VARCHAR(6),
  HOME_ADDRESS1     VARCHAR(50),
  HOME_ADDRESS2     VARCHAR(50),
  OFFICE_POST       VARCHAR(6),
  OFFICE_ADDRESS1   VARCHAR(50),
  OFFICE_ADDRESS2   VARCHAR(50),
  USE_DATE_FROM     VARCHAR(8),
  USE_DATE_TO       VARCHAR(8),
  MEMBER_GROUP_CODE VARCHAR(10),
  GUEST_TYPE        VARCHAR(10),
  GOLF_CODE         VARCHAR(10),
  USE_ROOM_TYPE     VARCHAR(10),
  MEMBER_REMARK     VARCHAR(200),
  U_EMP_NO          VARCHAR(10),
  U_IP              VARCHAR(15),
  U_DATE            VARCHAR(14),
  PRIMARY KEY (MEMBER_NO)
);

-- the last member number given under the prefix "20": locked by the saving transaction, so two
-- counters adding members at the same moment take their numbers one after the other
CREATE TABLE BA040NO (
  NO_PREFIX         VARCHAR(2) NOT NULL,
  LAST_NO           INTEGER NOT NULL,
  PRIMARY KEY (NO_PREFIX)
);
