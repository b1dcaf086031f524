#include "ezh999.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

TfrmEZH999::TfrmEZH999(const QStringList &fields, const QVector<QStringList> &entries, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmEZH999");
    setWindowTitle(QStringLiteral("GridBack DisPlay"));
    auto *layout = new QHBoxLayout(this);
    rgrGridBack = new QTableWidget(int(entries.size()), int(fields.size()), this);
    rgrGridBack->setTabKeyNavigation(false);
    rgrGridBack->setObjectName("rgrGridBack");
    rgrGridBack->setHorizontalHeaderLabels(fields);
    rgrGridBack->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < fields.size(); ++c)
        rgrGridBack->setColumnWidth(c, 130);
    for (int r = 0; r < entries.size(); ++r)
        for (int c = 0; c < fields.size() && c < entries[r].size(); ++c)
            rgrGridBack->setItem(r, c, new QTableWidgetItem(entries[r][c]));
    lstParams = new QListWidget(this);
    lstParams->setObjectName("lstParams");
    for (const QString &f : fields)
        lstParams->addItem(QStringLiteral("A") + f);
    layout->addWidget(rgrGridBack, 1);
    layout->addWidget(lstParams);
    resize(800, 400);
}
