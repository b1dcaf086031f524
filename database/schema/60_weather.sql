-- weather observations, filled by the resort's weather stations through sports-weather-import;
-- one row per place, day and time; any measurement may be missing (NULL)
CREATE TABLE EA010MS (
  OBSE_DATE        VARCHAR(8) NOT NULL,
  OBSE_TIME        VARCHAR(4) NOT NULL,
  OBSE_PLACE_GUBUN VARCHAR(2) NOT NULL,
  TEMPERATURE      NUMERIC(9,3),
  HUMIDITY         NUMERIC(9,3),
  WIND_VELOCITY    NUMERIC(9,3),
  WIND_DIRECTION   NUMERIC(9,3),
  RADIATION        NUMERIC(12,3),
  ATMOSPHERIC      NUMERIC(12,3),
  SNOWFALL         NUMERIC(9,3),
  U_EMP_NO         VARCHAR(10),
  U_IP             VARCHAR(15),
  U_DATE           VARCHAR(14),
  ROW_VERSION      INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME)
);
