#pragma once
// TfrmZZS020: the read-only result grid of a list screen, navigation, column chooser and export.
//
//   rgrGrid    TListGrid over cdsQuery; columns bound to result fields by name:
//                rgrGrid->addColumn("RENT_NO", "대여번호", 90, Qt::AlignCenter);
//                rgrGrid->addColumn("QTY", "수량", 60, Qt::AlignRight).group("대여현황");
//              adjacent columns with the same group share a heading over two heading rows
//   cdsQuery   TListModel (framework/listmodel.h): reads qryQuery 100 records at a time as the grid
//              needs them, through a cursor on PostgreSQL
//   popGrid    the column chooser (one checkable entry per column, rebuilt after every search)
//   panInfo    a hidden side panel on the right (splSplitter); a screen may show it
//   sbtFirst/sbtPrior/sbtNext/sbtLast, bbtExcel (Ctrl+F11)
//
// openResult() closes and reopens cdsQuery on qryQuery; the derived search of TfrmEZS000 calls it.
// The export walks the result from the first record and writes each record as it goes, under the
// caption, the bands of grouped columns and the column titles.
#include "framework/zzs010.h"
#include "framework/listmodel.h"
#include <QTableView>
#include <QVector>
#include <functional>

class QMenu;
class QSplitter;
class QToolButton;

class TListGrid : public QTableView {
    Q_OBJECT
public:
    explicit TListGrid(QWidget *parent = nullptr);
    ~TListGrid() override;
    TListModel *model() const { return m_model; }
    TColumn &addColumn(const QString &field, const QString &title, int width = 80,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    TColumn &addColumn(const TColumn &column);
    TColumn &column(int index) { return m_model->columns()[index]; }
    int columnCount() const { return int(m_model->columns().size()); }
    int columnByField(const QString &field) const { return m_model->columnOf(field); }
    void applyColumns();                      // widths, hidden columns and heading rows

    int currentRow() const { return currentIndex().row(); }
    void setCurrentRow(int row);
    QList<int> visibleColumnsInOrder() const; // logical indexes, as shown from left to right

    // The footer line: one cell per column, a widget of its own that the screen places below the grid.
    QWidget *footer() const { return m_footer; }
    void setFooter(int column, const QString &text);
    QString footerText(int column) const { return m_footerTexts.value(column); }
    void setFooterVisible(bool on);

private:
    friend class TListFooter;
    TListModel *m_model;
    QWidget *m_footer;
    QStringList m_footerTexts;
};

class TfrmZZS020 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmZZS020(QWidget *parent = nullptr);

    QSplitter *splSplitter;
    QWidget *panGrid;      // the grid and its footer
    TListGrid *rgrGrid;
    TListModel *cdsQuery;
    QMenu *popGrid;
    QWidget *panInfo;
    QToolButton *sbtFirst, *sbtPrior, *sbtNext, *sbtLast;
    QPushButton *bbtExcel;

    void placeBelowGrid(QWidget *panel);   // a panel of the screen's own under the grid and its footer
    // A part beside the grid (the chart of the listed figures): alone in panInfo, which is shown, the
    // grid keeping three fifths of the width.
    void placeBesideGrid(QWidget *part);
    bool openResult();               // close and reopen cdsQuery on qryQuery
    void closeResult();
    void rebuildColumnChooser();
    void setColumnShown(int column, bool shown);

    // The save dialog and the "open with its application" step; tests replace them.
    using SaveAsker = std::function<QString(QWidget *parent, const QString &proposed, const QString &filter)>;
    using FileOpener = std::function<void(const QString &path)>;
    static void setSaveAsker(SaveAsker asker);
    static void setFileOpener(FileOpener opener);

    // Writes the result to a file; false with no message (the caller shows it).
    bool writeSpreadsheet(const QString &path);

public slots:
    void sbtFirstClick();
    void sbtPriorClick();
    void sbtNextClick();
    void sbtLastClick();
    void bbtExcelClick();

protected:
    void closeQueries() override;
    void beforeLayout() override;
    // A column layout prints its columns as wide as their values, without those the user hid in the
    // grid; a layout of the grid's own columns leaves out every column the grid hides.
    void fitLayout(TfrmZZP010 *layout) override;
    virtual bool printsGridColumns() const { return false; }

private:
    QStringList m_hiddenByUser;   // fields hidden through the column chooser
};
