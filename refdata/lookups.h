#pragma once
// Lookups that input screens run while the user types: a key field left, a rule checked before a save.
// Each one runs one statement on a statement handle of its own over the data module's connection, so a
// caller's open queries (qryQuery, qryQuery2 included) are never disturbed, and reads the first row.
//
// An error while opening the statement goes to the caller as db::DatabaseError. No matching row gives
// empty texts and 0 for counts; a row that can not be read gives the fallback (empty, false, -1).
#include <QString>

namespace refdata {

bool IsRunDateUnregistered(const QString &RunDate);
QString GetMemberName(const QString &MemberNo);
QString GetEventName(const QString &EventNo);
QString GetStaffName(const QString &MemberNo);
void GetEmpInfo(const QString &EmpNo, QString &EmpName, QString &WorkGrpCode, QString &WorkGrpName,
                QString &DutyCode, QString &DutyName);
void GetReceiptInfo(const QString &SeasonGubun, const QString &ReceiptNo, QString &EnterDate,
                    QString &ReceiptName);
// Whether the ski-school receipt exists in the season (whatever its booker name).
bool IsReceiptRegistered(const QString &SeasonGubun, const QString &ReceiptNo);
void GetApplicantInfo(const QString &SeasonGubun, const QString &RecvNo, QString &RecvNo6,
                      QString &EntryNameKor, QString &ApplyDate, QString &IdNo, QString &ApplyClassName);
QString GetZipAddress(const QString &ZipCode);
bool HasSizeGroup(const QString &AreaGubun, const QString &EquipGubun, const QString &EquipSizeCode);
bool IsEquipUnavailable(const QString &RentDate, const QString &AreaGubun, const QString &EquipGubun,
                        const QString &EquipNo);
QString GetKeepOutDate(const QString &KeepInDate, const QString &KeepGubun);
bool IsLectureNotReserved(const QString &YaeyakDate, const QString &LectureItemGubun,
                          const QString &LectureRecGubun, const QString &EmpNo,
                          const QString &LectureDetailGubun);
int GetLectureCapacity(const QString &YaeyakDate, const QString &LectureItemGubun,
                       const QString &LectureRecGubun, const QString &LectureDetailGubun);
int GetLectureReservedCount(const QString &YaeyakDate, const QString &LectureItemGubun,
                            const QString &LectureRecGubun, const QString &LectureDetailGubun);

// The size-group code group for an equipment kind in an area; empty when none applies.
QString SizeGroupCodeGroup(const QString &AreaGubun, const QString &EquipGubun);

} // namespace refdata
