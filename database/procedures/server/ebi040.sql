-- The rental counter's procedures on PostgreSQL, run inside the server so that a call is one round
-- trip: the same parameters, checks, messages and statements as their bodies in equipment.cpp (which
-- SQLite runs). Each statement sees what was committed before it started (read committed), so a read
-- after a lock sees every change committed by whoever held the lock before.
-- After the screen's parameters come what the client knows of the call: the row version the screen
-- read (NULL: nothing compared), the time stamp of the save, the connection's session (the holder of a
-- hold) and the seconds after which a silent session's holds are free. The results are the procedure's
-- output parameters, then the row version the changed row holds afterwards.
-- A refusal is raised with its message as the text (SQLSTATE P0001); every other failure with the
-- server's own state, which the client words as it does for a statement of a body.

CREATE OR REPLACE FUNCTION FN_LIVE_HOLD(v_session text, v_stale integer) RETURNS boolean
  LANGUAGE sql STABLE AS $$ SELECT v_session IS NULL OR EXISTS (SELECT 1 FROM EB020TS WHERE EB020TS.SESSION_ID = v_session AND EB020TS.LAST_SEEN >= FN_NOW_SECONDS() - v_stale) $$;

-- Whether a piece may go out on the rental date (see pieceFree in equipment.cpp): the register row is
-- locked first, then the day's other rental rows and the other live counters' holds are read.
CREATE OR REPLACE FUNCTION FN_EBI040_PIECE_FREE(v_date text, v_area text, v_gubun text, v_no text, v_rent_no integer,
                                                v_rent_seq integer, v_session text, v_stale integer) RETURNS boolean
  LANGUAGE plpgsql AS $$
DECLARE
  v_yn text;
  v_rows bigint;
  v_holds bigint;
BEGIN
  UPDATE EB020MS SET EQUIP_NO = EQUIP_NO WHERE AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun AND EQUIP_NO = v_no
    RETURNING SVRL_RENT_YN INTO v_yn;
  IF FOUND AND v_yn = 'Y' THEN
    RETURN false;
  END IF;
  SELECT (SELECT COUNT(*) FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
            AND EQUIP_NO = v_no AND RENT_STAT IN ('D', 'S')
            AND NOT (RENT_NO = COALESCE(v_rent_no, -1) AND RENT_SEQ = COALESCE(v_rent_seq, -1))),
         (SELECT COUNT(*) FROM EB020TM H WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
            AND EQUIP_NO = v_no AND NVL(H.SESSION_ID, '-') <> COALESCE(v_session, '-')
            AND FN_LIVE_HOLD(H.SESSION_ID, v_stale))
    INTO v_rows, v_holds;
  RETURN v_rows = 0 AND v_holds = 0;
END $$;

-- The piece's multi-day flag follows its rental row (see followMultiDay in equipment.cpp).
CREATE OR REPLACE FUNCTION FN_EBI040_MULTI_DAY(v_date text, v_area text, v_gubun text, v_no text, v_stat text,
                                               v_row_gone boolean, v_emp text, v_ip text, v_udate text) RETURNS void
  LANGUAGE plpgsql AS $$
BEGIN
  IF NOT v_row_gone AND v_stat = 'S' THEN
    UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = v_date, U_EMP_NO = v_emp, U_IP = v_ip, U_DATE = v_udate
      WHERE AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun AND EQUIP_NO = v_no;
  ELSE
    UPDATE EB020MS SET SVRL_RENT_YN = 'N', SVRL_FROM_DATE = NULL, U_EMP_NO = v_emp, U_IP = v_ip, U_DATE = v_udate
      WHERE AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun AND EQUIP_NO = v_no AND SVRL_RENT_YN = 'Y'
        AND SVRL_FROM_DATE = v_date;
  END IF;
END $$;

-- The rental header: a new one numbered through EB040NO, a change or deletion under its row version.
CREATE OR REPLACE FUNCTION PR_EBI040_01(ARENT_DATE text, AAREA_GUBUN text, ARENT_NO text, ADEAL_NAME text,
    AKEEP_KIND_GUBUN text, AKEEP_BOX_NO text, AU_EMP_NO text, AU_IP text, AEDITSTATUS text,
    AROW_VERSION bigint DEFAULT NULL, AU_DATE text DEFAULT NULL, ASESSION_ID text DEFAULT NULL,
    ASTALE integer DEFAULT 120, OUT ANEW_RENT_NO text, OUT AROW_VERSION_AFTER bigint)
  LANGUAGE plpgsql AS $$
DECLARE
  v_date text := NULLIF(ARENT_DATE, '');
  v_area text := NULLIF(AAREA_GUBUN, '');
  v_no integer := CAST(NULLIF(ARENT_NO, '') AS integer);
  v_emp text := NULLIF(AU_EMP_NO, '');
  v_ip text := NULLIF(AU_IP, '');
  v_udate text := COALESCE(NULLIF(AU_DATE, ''), TO_CHAR(LOCALTIMESTAMP, 'YYYYMMDDHH24MISS'));
  v_stale_text text := '다른 작업장에서 자료가 변경되었거나 삭제되었습니다.' || CHR(13) || '다시 조회한 후 작업하십시오.';
  v_last bigint;
  v_stored bigint;
  v_version bigint;
  r record;
BEGIN
  IF AEDITSTATUS = '2' THEN
    -- the counter row is created or locked, then read under the lock with the largest stored number
    INSERT INTO EB040NO (AREA_GUBUN, RENT_DATE, LAST_RENT_NO) VALUES (v_area, v_date, 0)
      ON CONFLICT (AREA_GUBUN, RENT_DATE) DO UPDATE SET LAST_RENT_NO = EB040NO.LAST_RENT_NO;
    SELECT LAST_RENT_NO, (SELECT NVL(MAX(RENT_NO), 0) FROM EB040MS WHERE AREA_GUBUN = v_area AND RENT_DATE = v_date)
      INTO v_last, v_stored FROM EB040NO WHERE AREA_GUBUN = v_area AND RENT_DATE = v_date;
    v_no := GREATEST(COALESCE(v_last, 0), COALESCE(v_stored, 0)) + 1;
    UPDATE EB040NO SET LAST_RENT_NO = v_no WHERE AREA_GUBUN = v_area AND RENT_DATE = v_date;
    INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, U_EMP_NO, U_IP, U_DATE)
      VALUES (v_date, v_area, v_no, NULLIF(ADEAL_NAME, ''), NULLIF(AKEEP_KIND_GUBUN, ''), NULLIF(AKEEP_BOX_NO, ''),
              v_emp, v_ip, v_udate);
    ANEW_RENT_NO := CAST(v_no AS text);
    AROW_VERSION_AFTER := 0;
  ELSIF AEDITSTATUS = '1' OR AEDITSTATUS = '3' THEN
    IF AROW_VERSION IS NULL THEN
      UPDATE EB040MS SET ROW_VERSION = ROW_VERSION + 1 WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no
        RETURNING ROW_VERSION INTO v_version;
      AROW_VERSION_AFTER := v_version;
    ELSE
      UPDATE EB040MS SET ROW_VERSION = ROW_VERSION + 1 WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no
        AND ROW_VERSION = AROW_VERSION;
      IF NOT FOUND THEN
        RAISE EXCEPTION '%', v_stale_text;
      END IF;
      AROW_VERSION_AFTER := AROW_VERSION + 1;
    END IF;
    IF AEDITSTATUS = '1' THEN
      UPDATE EB040MS SET DEAL_NAME = NULLIF(ADEAL_NAME, ''), KEEP_KIND_GUBUN = NULLIF(AKEEP_KIND_GUBUN, ''),
          KEEP_BOX_NO = NULLIF(AKEEP_BOX_NO, ''), U_EMP_NO = v_emp, U_IP = v_ip, U_DATE = v_udate
        WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no;
      IF NOT FOUND THEN
        RAISE EXCEPTION '대여번호가 존재하지 않습니다.';
      END IF;
      ANEW_RENT_NO := NULLIF(ARENT_NO, '');
    ELSE
      FOR r IN DELETE FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no
               RETURNING EQUIP_GUBUN, EQUIP_NO LOOP
        UPDATE EB020MS SET SVRL_RENT_YN = 'N', SVRL_FROM_DATE = NULL WHERE AREA_GUBUN = v_area
          AND EQUIP_GUBUN = r.EQUIP_GUBUN AND EQUIP_NO = r.EQUIP_NO AND SVRL_FROM_DATE = v_date;
      END LOOP;
      DELETE FROM EB040MS WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no;
    END IF;
  ELSE
    RAISE EXCEPTION '잘못된 작업구분입니다.';
  END IF;
END $$;

-- A rental row: a new one takes its piece (the counter's hold becomes the row), a changed one may take
-- its piece out again, a deleted one gives it back.
CREATE OR REPLACE FUNCTION PR_EBI040_02(ARENT_DATE text, AAREA_GUBUN text, ARENT_NO text, ARENT_SEQ text,
    ATICKET_KIND text, ARENT_STAT text, AEQUIP_GUBUN text, AEQUIP_NO text, ARENT_NAME text, ATEL_NO text,
    AHEIGHT text, AWEIGHT text, ASHOES_SIZE text, ABINDING text, AZIP_CODE text, AADDR1 text, AADDR2 text,
    ASVRL_RENT_FROM_DATE text, ASVRL_RENT_TO_DATE text, AREMARK text, AU_EMP_NO text, AU_IP text, AEDITSTATUS text,
    AROW_VERSION bigint DEFAULT NULL, AU_DATE text DEFAULT NULL, ASESSION_ID text DEFAULT NULL,
    ASTALE integer DEFAULT 120, OUT AROW_VERSION_AFTER bigint)
  LANGUAGE plpgsql AS $$
DECLARE
  v_date text := NULLIF(ARENT_DATE, '');
  v_area text := NULLIF(AAREA_GUBUN, '');
  v_no integer := CAST(NULLIF(ARENT_NO, '') AS integer);
  v_seq integer := CAST(NULLIF(ARENT_SEQ, '') AS integer);
  v_stat text := NULLIF(ARENT_STAT, '');
  v_gubun text := NULLIF(AEQUIP_GUBUN, '');
  v_equip text := NULLIF(AEQUIP_NO, '');
  v_emp text := NULLIF(AU_EMP_NO, '');
  v_ip text := NULLIF(AU_IP, '');
  v_udate text := COALESCE(NULLIF(AU_DATE, ''), TO_CHAR(LOCALTIMESTAMP, 'YYYYMMDDHH24MISS'));
  v_stale_text text := '다른 작업장에서 자료가 변경되었거나 삭제되었습니다.' || CHR(13) || '다시 조회한 후 작업하십시오.';
  v_version bigint;
  v_old record;
BEGIN
  IF AEDITSTATUS = '2' THEN
    -- the header row is taken first: rows of one rental are numbered one after the other
    UPDATE EB040MS SET RENT_NO = RENT_NO WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no;
    IF NOT FOUND THEN
      RAISE EXCEPTION '대여번호가 존재하지 않습니다.';
    END IF;
    IF NOT FN_EBI040_PIECE_FREE(v_date, v_area, v_gubun, v_equip, NULL, NULL, ASESSION_ID, ASTALE) THEN
      RAISE EXCEPTION '선택하신 장비는 이미 대여되었거나 작업중입니다';
    END IF;
    INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, EQUIP_NO,
        RENT_NAME, TEL_NO, HEIGHT, WEIGHT, SHOES_SIZE, BINDING, ZIP_CODE, ADDR1, ADDR2, SVRL_RENT_FROM_DATE,
        SVRL_RENT_TO_DATE, REMARK, RENT_TIME, U_EMP_NO, U_IP, U_DATE)
      SELECT v_date, v_area, v_no,
             (SELECT NVL(MAX(RENT_SEQ), 0) + 1 FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area
                AND RENT_NO = v_no),
             NULLIF(ATICKET_KIND, ''), v_stat, v_gubun, v_equip, NULLIF(ARENT_NAME, ''), NULLIF(ATEL_NO, ''),
             NULLIF(AHEIGHT, ''), NULLIF(AWEIGHT, ''), NULLIF(ASHOES_SIZE, ''), NULLIF(ABINDING, ''),
             NULLIF(AZIP_CODE, ''), NULLIF(AADDR1, ''), NULLIF(AADDR2, ''), NULLIF(ASVRL_RENT_FROM_DATE, ''),
             NULLIF(ASVRL_RENT_TO_DATE, ''), NULLIF(AREMARK, ''), SUBSTR(v_udate, 9, 6), v_emp, v_ip, v_udate;
    DELETE FROM EB020TM WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun AND EQUIP_NO = v_equip;
    PERFORM FN_EBI040_MULTI_DAY(v_date, v_area, v_gubun, v_equip, v_stat, false, v_emp, v_ip, v_udate);
  ELSIF AEDITSTATUS = '1' OR AEDITSTATUS = '3' THEN
    IF AROW_VERSION IS NULL THEN
      UPDATE EB040DT SET ROW_VERSION = ROW_VERSION + 1 WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area
        AND RENT_NO = v_no AND RENT_SEQ = v_seq RETURNING ROW_VERSION INTO v_version;
      AROW_VERSION_AFTER := v_version;
    ELSE
      UPDATE EB040DT SET ROW_VERSION = ROW_VERSION + 1 WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area
        AND RENT_NO = v_no AND RENT_SEQ = v_seq AND ROW_VERSION = AROW_VERSION;
      IF NOT FOUND THEN
        RAISE EXCEPTION '%', v_stale_text;
      END IF;
      AROW_VERSION_AFTER := AROW_VERSION + 1;
    END IF;
    IF AEDITSTATUS = '3' THEN
      DELETE FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no AND RENT_SEQ = v_seq;
      PERFORM FN_EBI040_MULTI_DAY(v_date, v_area, v_gubun, v_equip, NULL, true, v_emp, v_ip, v_udate);
      RETURN;
    END IF;
    -- the piece of a saved row stays the same; its other fields and status change
    SELECT EQUIP_GUBUN, EQUIP_NO, RENT_STAT INTO v_old FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area
      AND RENT_NO = v_no AND RENT_SEQ = v_seq;
    IF NOT FOUND THEN
      RAISE EXCEPTION '대여자료가 존재하지 않습니다.';
    END IF;
    -- a returned row set back to a rental takes the piece out again: only when it is free that day
    IF COALESCE(v_stat IN ('D', 'S'), false) AND NOT COALESCE(v_old.RENT_STAT IN ('D', 'S'), false) THEN
      IF NOT FN_EBI040_PIECE_FREE(v_date, v_area, v_old.EQUIP_GUBUN, v_old.EQUIP_NO, v_no, v_seq, ASESSION_ID, ASTALE) THEN
        RAISE EXCEPTION '장비번호 %은(는) 반납 후 이미 다시 대여되었거나 작업중이므로 대여상태로 되돌릴 수 없습니다.',
          NVL(v_old.EQUIP_NO, '');
      END IF;
      DELETE FROM EB020TM WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_old.EQUIP_GUBUN
        AND EQUIP_NO = v_old.EQUIP_NO;
    END IF;
    UPDATE EB040DT SET TICKET_KIND = NULLIF(ATICKET_KIND, ''), RENT_STAT = v_stat, RENT_NAME = NULLIF(ARENT_NAME, ''),
        TEL_NO = NULLIF(ATEL_NO, ''), HEIGHT = NULLIF(AHEIGHT, ''), WEIGHT = NULLIF(AWEIGHT, ''),
        SHOES_SIZE = NULLIF(ASHOES_SIZE, ''), BINDING = NULLIF(ABINDING, ''), ZIP_CODE = NULLIF(AZIP_CODE, ''),
        ADDR1 = NULLIF(AADDR1, ''), ADDR2 = NULLIF(AADDR2, ''), SVRL_RENT_FROM_DATE = NULLIF(ASVRL_RENT_FROM_DATE, ''),
        SVRL_RENT_TO_DATE = NULLIF(ASVRL_RENT_TO_DATE, ''), REMARK = NULLIF(AREMARK, ''), U_EMP_NO = v_emp,
        U_IP = v_ip, U_DATE = v_udate
      WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND RENT_NO = v_no AND RENT_SEQ = v_seq;
    PERFORM FN_EBI040_MULTI_DAY(v_date, v_area, v_gubun, v_equip, v_stat, false, v_emp, v_ip, v_udate);
  ELSE
    RAISE EXCEPTION '잘못된 작업구분입니다.';
  END IF;
END $$;

-- A counter's hold of a piece for the day ("2"), or its own hold given back ("3"); see holdPiece in
-- equipment.cpp. The session is marked alive by the hold itself.
CREATE OR REPLACE FUNCTION PR_EBI040_03(ARENT_DATE text, AAREA_GUBUN text, AEQUIP_GUBUN text, AEQUIP_NO text,
    AU_EMP_NO text, AU_IP text, AEDITSTATUS text,
    AROW_VERSION bigint DEFAULT NULL, AU_DATE text DEFAULT NULL, ASESSION_ID text DEFAULT NULL,
    ASTALE integer DEFAULT 120, OUT AROW_VERSION_AFTER bigint)
  LANGUAGE plpgsql AS $$
DECLARE
  v_date text := NULLIF(ARENT_DATE, '');
  v_area text := NULLIF(AAREA_GUBUN, '');
  v_gubun text := NULLIF(AEQUIP_GUBUN, '');
  v_equip text := NULLIF(AEQUIP_NO, '');
  v_udate text := COALESCE(NULLIF(AU_DATE, ''), TO_CHAR(LOCALTIMESTAMP, 'YYYYMMDDHH24MISS'));
  v_taken text := '선택하신 장비는 이미 대여되었거나 작업중입니다';
  v_rent_yn text;
  v_svrl_yn text;
  v_count integer;
  v_rows bigint;
  v_holds bigint;
BEGIN
  IF AEDITSTATUS = '3' THEN
    -- a counter gives back its own hold only
    DELETE FROM EB020TM WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
      AND EQUIP_NO = v_equip AND NVL(SESSION_ID, '-') IN (COALESCE(ASESSION_ID, '-'), '-');
    RETURN;
  END IF;
  IF AEDITSTATUS IS DISTINCT FROM '2' THEN
    RAISE EXCEPTION '잘못된 작업구분입니다.';
  END IF;
  -- the register row first, as a rental row's save and a returned row's revival take it
  UPDATE EB020MS SET EQUIP_NO = EQUIP_NO WHERE AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun AND EQUIP_NO = v_equip
    RETURNING EQUIP_RENT_YN, NVL(SVRL_RENT_YN, 'N') INTO v_rent_yn, v_svrl_yn;
  IF NOT FOUND OR v_rent_yn IS DISTINCT FROM 'Y' OR v_svrl_yn IS DISTINCT FROM 'N' THEN
    RAISE EXCEPTION '%', v_taken;
  END IF;
  IF ASESSION_ID IS NOT NULL THEN
    INSERT INTO EB020TS (SESSION_ID, LAST_SEEN) VALUES (ASESSION_ID, FN_NOW_SECONDS())
      ON CONFLICT (SESSION_ID) DO UPDATE SET LAST_SEEN = FN_NOW_SECONDS();
  END IF;
  -- one hold per piece and day, none on a piece out on a rental row; a dead counter's hold is taken over
  INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, SESSION_ID, U_EMP_NO, U_IP, U_DATE)
    SELECT v_date, v_area, v_gubun, v_equip, ASESSION_ID, NULLIF(AU_EMP_NO, ''), NULLIF(AU_IP, ''), v_udate
    WHERE NOT EXISTS (SELECT 1 FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
                        AND EQUIP_NO = v_equip AND RENT_STAT IN ('D', 'S'))
    ON CONFLICT (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO) DO UPDATE SET SESSION_ID = excluded.SESSION_ID,
      U_EMP_NO = excluded.U_EMP_NO, U_IP = excluded.U_IP, U_DATE = excluded.U_DATE
    WHERE EB020TM.SESSION_ID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM EB020TS S WHERE
      S.SESSION_ID = EB020TM.SESSION_ID AND S.LAST_SEEN >= FN_NOW_SECONDS() - ASTALE);
  GET DIAGNOSTICS v_count = ROW_COUNT;
  IF v_count = 1 THEN
    RETURN;
  END IF;
  -- nothing taken: out on a rental row, or another live counter's hold, unless it is this counter's own
  SELECT (SELECT COUNT(*) FROM EB040DT WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
            AND EQUIP_NO = v_equip AND RENT_STAT IN ('D', 'S')),
         (SELECT COUNT(*) FROM EB020TM H WHERE RENT_DATE = v_date AND AREA_GUBUN = v_area AND EQUIP_GUBUN = v_gubun
            AND EQUIP_NO = v_equip AND NVL(H.SESSION_ID, '-') <> COALESCE(ASESSION_ID, '-')
            AND FN_LIVE_HOLD(H.SESSION_ID, ASTALE))
    INTO v_rows, v_holds;
  IF v_rows > 0 OR v_holds > 0 THEN
    RAISE EXCEPTION '%', v_taken;
  END IF;
END $$;
