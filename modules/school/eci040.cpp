#include "eci040.h"
#include "core/cp949.h"
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
const int kRemarkBytes = 500;
}

TfrmECI040::TfrmECI040(QWidget *parent) : TfrmEZI000(parent)
{
    setObjectName(QStringLiteral("frmECI040"));
    setWindowTitle(QStringLiteral("직원예약 기준정보 등록"));
    setFields({
        Condition("YAEYAK_DATE", "*기준일자", BIND(dtpDate)),
        Field("LECTURE_ITEM_GUBUN", "*강습종목구분", BIND(cboLectureItem)).code("E0022").key().width(100),
        Field("LECTURE_REC_GUBUN", "*강습접수구분", BIND(cboLectureRec)).code("E0023").key().width(100),
        Field("LECTURE_DETAIL_GUBUN", "*강습세부구분", BIND(cboLectureDetail)).code("E0024").key().width(100),
        Field("YAEYAK_ABILITY_CNT", "*예약가능인원", BIND(wneYaeyakAbilityCnt)).digits(4).unit("명").mayStayEmpty().width(90).newLine(),
        Column("REMARK", "비고").bytes(kRemarkBytes).width(300),
        Version(),
    });
    dtpDate->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    dtpDate->setDisplayFormat(QStringLiteral("yyyy년 M월 d일 dddd"));

    // the note shown to whoever reserves: several lines, 500 bytes
    memMessage = new QPlainTextEdit;
    memMessage->setObjectName(QStringLiteral("memMessage"));
    memMessage->setTabChangesFocus(true);
    memMessage->setFixedHeight(60);
    SetHint(memMessage, QStringLiteral("비고"));
    body()->addControl(QStringLiteral("비고"), memMessage, 2);
    connect(memMessage, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = memMessage->toPlainText();
        if (Cp949Length(text) <= kRemarkBytes)
            return;
        memMessage->setPlainText(TruncateCp949(text, kRemarkBytes));
        memMessage->moveCursor(QTextCursor::End);
    });

    setLoadQuery(QStringLiteral("FROM EC040MS WHERE YAEYAK_DATE = :YAEYAK_DATE "
                                 "ORDER BY LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN"));
    prcSaveData->setProcedure(QStringLiteral("PR_ECI040_01"));
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

// A stored lesson passes; a new one may not repeat the three codes of another row of the day.
bool TfrmECI040::validateRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || isLoadedRow(row))
        return true;
    if (IsDuplicateKey())
        return refuse(cboLectureItem, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    return true;
}
