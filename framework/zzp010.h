#pragma once
// TfrmZZP010: the page frame of every print layout.
//
//   qrpReport   the banded report (A4 portrait) over cdsQuery, which reads the layout's own qryQuery
//   qrbHeader   title band (first page only): qrlTitle in a framed box with a shadow, condition lines
//   qrbFooter   page footer (every page): "Date :" and the print date and time, page "n/total",
//               qrlProgramID (the layout's own ID), the logo, "할린리조트" / "HALLIN RESORT"
//
// The list screen creates the layout, calls setConditionLines(), copies its statement and parameter
// values into qryQuery and calls print() or preview(); then it closes and destroys the layout.
// Detail layouts derive from TfrmEZP000/TfrmEZP010 and describe their columns with addColumn().
#include "report/report.h"
#include "database/database.h"
#include "database/query.h"
#include <QObject>
#include <QStringList>
#include <memory>

class QWidget;

class TfrmZZP010 : public QObject {
    Q_OBJECT
public:
    explicit TfrmZZP010(QObject *parent = nullptr);
    ~TfrmZZP010() override;

    // Builds the bands; called on first use so that a derived layout's own design is in place.
    void ensureDesigned();

    QString programId() const;    // component name without "frm", else the class name without "Tfrm"
    void setTitle(const QString &title);
    QString title() const;
    virtual int conditionLineCount() const { return 1; }
    void setConditionLines(const QStringList &lines);   // qrlCondition, qrlCondition1, qrlCondition2
    QString conditionLine(int index) const { return m_conditions.value(index); }

    bool print(QWidget *parent = nullptr);    // default printer; false with the error shown
    void preview(QWidget *parent = nullptr);
    bool savePdf(const QString &path);
    void close();

    report::Report qrpReport;
    std::unique_ptr<db::Query> qryQuery;
    report::QuerySource cdsQuery;
    report::Band &qrbHeader;
    report::Band &qrbFooter;

    static QImage logo();

protected:
    // Band design of a layout; a derived layout adds its bands and calls the base first.
    virtual void design();
    double titleBandHeight() const;

private:
    QString m_title = QStringLiteral("제목");
    QStringList m_conditions;
    bool m_designed = false;
};
