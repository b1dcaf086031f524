#include "ecs160.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <tuple>

using reportsql::Statement;

namespace {

const char *kDisciplines[] = {"스키", "보드", "유아"};
const char *kDisciplineFields[] = {"SKI", "BOARD", "BABY"};
const char *kTimes[] = {"오전", "오후", "야간", "새벽"};
const char *kTimeFields[] = {"AM", "PM", "NT", "DN"};

// The twelve count fields of pupils ("TRAINER_CNT_") or instructors, by discipline and time of day.
QStringList countFields(const QString &prefix)
{
    QStringList out;
    for (const char *d : kDisciplineFields)
        for (const char *t : kTimeFields)
            out << prefix + QLatin1String(d) + QLatin1Char('_') + QLatin1String(t);
    return out;
}

// The columns of the list: the day, the counts of pupils and instructors under their band and
// discipline, each band's sum, the total.
const QVector<TColumn> &listColumns()
{
    static const QVector<TColumn> columns = [] {
        QVector<TColumn> c{{"LECTURE_DATE", "강습일자", 80}};
        for (const auto &[prefix, sum, band] : {std::tuple{"TRAINER_CNT_", "TRAINER_SUM", "강습생"},
                                                std::tuple{"LECTURER_CNT_", "LECTURER_SUM", "강사"}}) {
            const QStringList fields = countFields(QString::fromLatin1(prefix));
            for (int i = 0; i < fields.size(); ++i)
                // three heading levels: the band, the discipline, the time of day
                c.append({fields[i], kTimes[i % 4], 56, true, {},
                          QString::fromUtf8(band) + QLatin1Char('\n') + QString::fromUtf8(kDisciplines[i / 4])});
            c.append({sum, "계", 48, true, {}, QString::fromUtf8(band)});
        }
        c.append({"TOT_SUM", "합계", 56, true});
        return c;
    }();
    return columns;
}

// A sum of counts in which an empty count counts as none.
QString sumOf(const QStringList &fields)
{
    QStringList terms;
    for (const QString &f : fields)
        terms << QStringLiteral("NVL(%1,0)").arg(f);
    return terms.join(QStringLiteral(" + "));
}

// ECP160: 28 columns on one landscape page; the headings of the narrow count columns in small type.
class TfrmECP160 : public TfrmReportLayout {
public:
    TfrmECP160(const QVector<TColumn> &columns)
        : TfrmReportLayout(QStringLiteral("ECP160"), QStringLiteral("제휴 단체 강습현황"), columns, false)
    {
        setLineCount(true);
    }

protected:
    void design() override
    {
        TfrmReportLayout::design();
        QVector<report::Element> &titles = qrbColumnHeader.elements();
        for (int c = 1; c < titles.size() && c < kColumns - 1; ++c)
            titles[c].pointSize = 6.5;
    }

public:
    static constexpr int kColumns = 1 + 13 + 13 + 1;
};

} // namespace

TfrmECS160::TfrmECS160(QWidget *parent)
    : TfrmSchoolReport({"ECS160", QStringLiteral("제휴단체 강습현황 조회,출력"), QStringLiteral("제휴 단체 강습현황"),
                        listColumns()},
                       parent)
{
    setConditions({LookupCondition("EVENT_NO", QStringLiteral("*제휴단체번호"), 10, BIND(edtEventNo),
                                   [this](QLineEdit *edit, QAbstractButton *button, QLabel *name) {
                                       wlbEventNo = name;
                                       event = new TEventField(edit, button, name);
                                       connect(event, &TEventField::chosen, this, &TfrmECS160::bbtSearchClick);
                                       return event;
                                   })
                       .printedAs(QStringLiteral("제휴단체명"))
                       .nameWide(160)});
}

Statement TfrmECS160::statement()
{
    const QStringList pupils = countFields(QStringLiteral("TRAINER_CNT_"));
    const QStringList lecturers = countFields(QStringLiteral("LECTURER_CNT_"));
    QStringList select{dashedDate("LECTURE_DATE", "LECTURE_DATE")};
    select << pupils << sumOf(pupils) + " AS TRAINER_SUM";
    select << lecturers << sumOf(lecturers) + " AS LECTURER_SUM";
    select << sumOf(pupils + lecturers) + " AS TOT_SUM";
    Statement s;
    s.sql = "SELECT " + select.join(",\n       ")
        + "\n  FROM EC080MS"
          "\n WHERE EVENT_NO = :EVENT_NO"
          "\n ORDER BY EC080MS.LECTURE_DATE";
    return s;
}

TfrmZZP010 *TfrmECS160::createLayout()
{
    // the counts print narrower than the grid shows them
    QVector<TColumn> columns = listColumns();
    for (int c = 1; c < columns.size(); ++c)
        columns[c].width = 36;
    columns[0].width = 84;
    return new TfrmECP160(columns);
}
