#include "judgegroup.h"
#include <QGridLayout>
#include <QLabel>

namespace {
struct Element {
    const char *field;
    const char *title;
    const char *component;
};
const Element kElements[] = {
    {"PFLUG_BOGEN_", "프로그보겐", "wnePflugBogen"}, {"STEM_TURN_", "슈템턴", "wneStemTurn"},
    {"PARALLEL_TURN_", "페러렐턴", "wneParallelTurn"}, {"WEDERN_TURN_", "웨데른턴", "wneWedernTurn"},
    {"MIDDLE_TURN_", "미들턴", "wneMiddleTurn"},       {"GEN_DESCENT_", "종합활강", "wneGenDescent"},
};
const int kScoreDigits = 3;
const int kNameBytes = 30;
} // namespace

QStringList TJudgeGroup::columnTitles(const QString &judge)
{
    QStringList titles{QStringLiteral("심사자") + judge};
    for (const Element &e : kElements)
        titles << QString::fromUtf8(e.title) + judge;
    return titles;
}

QStringList TJudgeGroup::fieldNames(const QString &judge)
{
    QStringList names{QStringLiteral("EXAMINER_") + judge};
    for (const Element &e : kElements)
        names << QString::fromLatin1(e.field) + judge;
    return names;
}

TJudgeGroup::TJudgeGroup(const QString &judge, QWidget *parent) : QGroupBox(QStringLiteral("심사자 ") + judge, parent)
{
    setObjectName(QStringLiteral("grpExaminer") + judge);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(3);
    auto place = [&](int row, const QString &caption, QLineEdit *input) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(input);   // a caption, never emptied with the inputs
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(label, row, 0);
        layout->addWidget(input, row, 1);
        input->setAccessibleName(caption);
        // Enter moves on as in every other single-line input
        connect(input, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        connect(input, &QLineEdit::textChanged, this, [this] {
            if (!m_setting)
                emit sheetChanged();
        });
    };
    edtExaminer = new TEdit(this);
    edtExaminer->setObjectName(QStringLiteral("edtExaminer") + judge);
    edtExaminer->setMaxBytes(kNameBytes);
    place(0, QStringLiteral("*심사자"), edtExaminer);
    int row = 1;
    for (const Element &e : kElements) {
        auto *score = new TNumericEdit(this, kScoreDigits);
        score->setObjectName(QString::fromLatin1(e.component) + judge);
        score->setMaximumWidth(60);
        place(row++, QString::fromUtf8(e.title), score);
        scores << score;
    }
    BindByUserProperty(this, columnTitles(judge));
}

QStringList TJudgeGroup::sheet() const
{
    QStringList values{edtExaminer->text()};
    for (TNumericEdit *s : scores)
        values << (s->text().trimmed().isEmpty() ? QString() : QString::number(s->value()));   // not given: empty
    return values;
}

void TJudgeGroup::setSheet(const QStringList &values)
{
    m_setting = true;
    edtExaminer->setText(values.value(0));
    for (int i = 0; i < scores.size(); ++i) {
        const QString v = values.value(i + 1);
        if (v.isEmpty())
            scores[i]->clear();
        else
            scores[i]->setValue(v.toLongLong());
    }
    m_setting = false;
    emit sheetChanged();
}
