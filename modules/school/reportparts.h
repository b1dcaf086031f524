#pragma once
// Pieces the ski-school report screens share: the code groups their statements bind, the receipt
// column shown once per receipt, number and date bounds and the masked registration number.
#include <QHash>
#include <QStyledItemDelegate>
#include <QVariant>

class TEdit;
class TMaskEdit;

namespace schoolreports {

// The code groups the statements bind.
extern const QHash<QString, QVariant> kCodeGroups;

// A cell of a receipt's own columns is left blank on every trainee after the first of the receipt.
class TReceiptOnceDelegate : public QStyledItemDelegate {
public:
    TReceiptOnceDelegate(int keyColumn, QObject *parent) : QStyledItemDelegate(parent), m_key(keyColumn) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int m_key;
};

// A number bound typed as text: digits only, up to its width.
void numberBound(TEdit *edit, int digits);

// The registration number of a list, masked as everywhere in the system's lists, as ID_NO.
QString maskedIdNo(const QString &column);

// A date bound typed as "9999-99-99".
TMaskEdit *maskedDate(QWidget *parent, const char *name);

} // namespace schoolreports
