#include "zzi090.h"

TfrmZZI090::TfrmZZI090(QWidget *parent)
    : TGridTableScreen({QStringLiteral("현재 자료를 삭제하시겠습니까?"), QStringLiteral("변경된 데이타가 존재하지 않습니다."),
                        QStringLiteral("변경된 자료가 있습니다. 정말 취소하시겠습니까?")},
                       parent)
{
}
