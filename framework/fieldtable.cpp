#include "fieldtable.h"

TField &TField::date()
{
    kind = DateMask;
    inputMask = QStringLiteral("9999-99-99");
    column.type = TColumn::Date;
    return *this;
}

TField Column(const QString &name, const QString &title)
{
    TField f;
    f.name = name;
    f.column.field = name;
    f.column.title = title;
    return f;
}

TField Version(const QString &expression)
{
    TField f = Column(QStringLiteral("ROW_VERSION"), QStringLiteral("ROW_VERSION"));
    if (expression != f.name)
        f.expression = expression;
    f.column.isHidden = true;
    return f;
}

QString SelectList(const TFieldTable &fields)
{
    QStringList items;
    for (const TField &f : fields) {
        if (f.isCondition)
            continue;
        items << (f.expression.isEmpty() ? f.name : f.expression + QStringLiteral(" AS ") + f.name);
    }
    return items.join(QStringLiteral(", "));
}

TField &TField::personal()
{
    isPersonal = true;
    expression = QStringLiteral("FN_ZA010MS_04(%1)").arg(name);
    return *this;
}
