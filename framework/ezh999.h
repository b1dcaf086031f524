#pragma once
// TfrmEZH999 "GridBack DisPlay": a copy of a record screen's pending changes and the procedure
// parameters they would fill ("A" + each column), for checking a screen's procedure parameters.
#include <QDialog>
#include <QStringList>
#include <QVector>

class QTableWidget;
class QListWidget;

class TfrmEZH999 : public QDialog {
    Q_OBJECT
public:
    TfrmEZH999(const QStringList &fields, const QVector<QStringList> &entries, QWidget *parent = nullptr);
    QTableWidget *rgrGridBack;
    QListWidget *lstParams;
};
