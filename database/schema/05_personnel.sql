-- regular employees of the resort, read from the personnel system; ski instructors have their team in
-- EMP_WORK_GRP_CODE (code group Q043 of ZX900DT) and their duty in EMP_WORK_GRP_DUTY_CODE (Q044)
CREATE TABLE QA010MS (
  EMP_NO                 VARCHAR(10) NOT NULL,
  EMP_K_NAME             VARCHAR(30),
  EMP_WORK_GRP_CODE      VARCHAR(10),
  EMP_WORK_GRP_DUTY_CODE VARCHAR(10),
  EMP_WORK_CODE          VARCHAR(10),
  EMP_STAY_CODE          VARCHAR(10),
  EMP_POS_CODE           VARCHAR(10),
  PRIMARY KEY (EMP_NO)
);

-- contract laborers, numbered in the same space as the employees; LAB_END_DATE stays empty while the
-- contract is open-ended
CREATE TABLE QG010MS (
  LAB_NO        VARCHAR(10) NOT NULL,
  LAB_K_NAME    VARCHAR(30),
  LAB_WORK_GRP  VARCHAR(10),
  LAB_WORK_DUTY VARCHAR(10),
  LAB_WORK_CODE VARCHAR(10),
  LAB_END_DATE  VARCHAR(8),
  PRIMARY KEY (LAB_NO)
);
