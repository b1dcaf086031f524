#include "ezi020.h"

TfrmEZI020::TfrmEZI020(QWidget *parent)
    : TGridTableScreen({QStringLiteral("자료를 삭제하시겠습니까?"), QStringLiteral("변경된 자료가 없습니다."),
                        QStringLiteral("변경된 자료가 있습니다. 자료를 취소하시겠습니까?")},
                       parent)
{
}
