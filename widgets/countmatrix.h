#pragma once
// TCountMatrix: whole-number inputs in rows and columns under a caption, such as pupils by discipline
// (rows) and time of day (columns). It shows several columns of a record at once, so a record screen
// binds it through its USER property: the values row by row, in the order of its hints.
//
//   auto *pupils = new TCountMatrix("강습생", {"스키", "보드", "유아"}, {"오전", "오후", "야간", "새벽"}, 5, "명");
//   pupils->setCellNames({...});                 // object names of the inputs, row by row
//   BindByUserProperty(pupils, {...});           // the column titles, row by row
#include <QGroupBox>
#include <QStringList>
#include <QVector>

class TNumericEdit;

class TCountMatrix : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList values READ values WRITE setValues NOTIFY valuesChanged USER true)
public:
    TCountMatrix(const QString &caption, const QStringList &rows, const QStringList &columns, int maxDigits,
                 const QString &unit, QWidget *parent = nullptr);

    QStringList values() const;               // row by row, every input as digits ("0" when empty)
    void setValues(const QStringList &values); // missing or empty values show 0
    void setCellNames(const QStringList &names);
    TNumericEdit *cell(int row, int column) const;
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

signals:
    void valuesChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;   // Enter moves on to the next input

private:
    int m_rows, m_columns;
    QVector<TNumericEdit *> m_cells;
};
