-- A season of weather observations: every place, every half hour of the last 120 days and today,
-- with a few readings missing as the stations sometimes send them.
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL, U_EMP_NO, U_IP)
SELECT FN_ADD_DAYS('{TODAY}', -O.N),
       LPAD(CAST(O.H AS VARCHAR(2)), 2, '0') || CASE WHEN O.M = 0 THEN '00' ELSE '30' END,
       O.CODE,
       CASE WHEN MOD(O.N * 7 + O.H * 3 + O.P, 41) = 0 THEN NULL
            ELSE ROUND(-3 - O.P * 1.5 - (120 - O.N) * 0.04
                       + CASE WHEN O.H BETWEEN 6 AND 14 THEN (O.H - 6) * 0.8 WHEN O.H > 14 THEN (24 - O.H) * 0.7 ELSE -1.5 END
                       + MOD(O.N * 13 + O.P * 5, 9) * 0.5 - 2, 1) END,
       CASE WHEN MOD(O.N * 5 + O.H + O.P, 53) = 0 THEN NULL ELSE 50 + MOD(O.N * 11 + O.H * 7 + O.P * 3, 45) END,
       ROUND(0.5 + O.P * 0.7 + MOD(O.N * 5 + O.H * 3 + O.M, 17) * 0.4, 1),
       MOD(O.N * 37 + O.H * 11 + O.P * 53 + O.M, 360),
       CASE WHEN O.H BETWEEN 7 AND 17 THEN (6 - ABS(O.H - 12)) * 95 + MOD(O.N * 17 + O.P, 60) ELSE 0 END,
       1012 - O.P * 45 + MOD(O.N * 3 + O.H, 12),
       CASE WHEN MOD(O.N * 3 + O.H, 29) = 0 THEN NULL
            WHEN MOD(O.N, 5) = 0 AND O.H BETWEEN 2 AND 9 THEN MOD(O.H + O.P, 3) * 0.5
            ELSE 0 END,
       'STATION', '127.0.0.1'
  FROM (SELECT D.N, H.H, M.M, P.P, P.CODE
          FROM (SELECT A.N * 100 + B.N * 10 + C.N AS N
                  FROM (SELECT 0 AS N UNION ALL SELECT 1) A,
                       (SELECT 0 AS N UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
                        UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) B,
                       (SELECT 0 AS N UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
                        UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) C) D,
               (SELECT A.N * 10 + B.N AS H
                  FROM (SELECT 0 AS N UNION ALL SELECT 1 UNION ALL SELECT 2) A,
                       (SELECT 0 AS N UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
                        UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) B) H,
               (SELECT 0 AS M UNION ALL SELECT 30) M,
               (SELECT 1 AS P, 'A1' AS CODE UNION ALL SELECT 2, 'A2' UNION ALL SELECT 3, 'A3' UNION ALL SELECT 4, 'A4'
                UNION ALL SELECT 5, 'A5' UNION ALL SELECT 6, 'A6' UNION ALL SELECT 7, 'A7') P
         WHERE D.N <= 120 AND H.H < 24) O;
