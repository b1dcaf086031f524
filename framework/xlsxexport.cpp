#include "xlsxexport.h"
#include "xlsexport.h"
#include <QFile>
#include <xlsxwriter.h>

TXlsxWriter::TXlsxWriter() = default;
TXlsxWriter::~TXlsxWriter()
{
    if (m_book)
        abandon();
}

bool TXlsxWriter::open(const QString &path)
{
    m_path = path;
    m_failed = false;
    m_formats.clear();
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;   // each row goes to disk when the next begins
    m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    m_sheet = m_book ? workbook_add_worksheet(m_book, nullptr) : nullptr;
    if (!m_sheet) {
        m_failed = true;
        return false;
    }
    m_bandFormat = workbook_add_format(m_book);
    format_set_align(m_bandFormat, LXW_ALIGN_CENTER);
    return true;
}

lxw_format *TXlsxWriter::format(const QString &numberFormat)
{
    if (numberFormat.isEmpty())
        return nullptr;
    lxw_format *&f = m_formats[numberFormat];
    if (!f) {
        f = workbook_add_format(m_book);
        format_set_num_format(f, numberFormat.toUtf8().constData());
    }
    return f;
}

void TXlsxWriter::label(int row, int column, QStringView text)
{
    if (!m_sheet || text.isEmpty())
        return;
    if (worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), nullptr)
        != LXW_NO_ERROR)
        m_failed = true;
}

void TXlsxWriter::band(int row, int firstColumn, int lastColumn, const QString &text)
{
    if (!m_sheet)
        return;
    if (lastColumn <= firstColumn) {
        label(row, firstColumn, text);
        return;
    }
    if (worksheet_merge_range(m_sheet, lxw_row_t(row), lxw_col_t(firstColumn), lxw_row_t(row), lxw_col_t(lastColumn),
                              text.toUtf8().constData(), m_bandFormat)
        != LXW_NO_ERROR)
        m_failed = true;
}

void TXlsxWriter::cell(int row, int column, QStringView text, bool rightAligned)
{
    if (!m_sheet)
        return;
    if (rightAligned && TXlsWriter::isNumberText(text)) {
        QString plain = text.toString();
        plain.remove(u',');
        bool ok = false;
        const double value = plain.isEmpty() || plain == QLatin1String("-") ? 0.0 : plain.toDouble(&ok);
        if (plain.isEmpty() || plain == QLatin1String("-") || ok) {
            if (worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format(TXlsWriter::numberFormat(text)))
                != LXW_NO_ERROR)
                m_failed = true;
            return;
        }
    }
    label(row, column, text);
}

bool TXlsxWriter::finish()
{
    if (!m_book)
        return false;
    const bool ok = workbook_close(m_book) == LXW_NO_ERROR && !m_failed;
    m_book = nullptr;
    m_sheet = nullptr;
    if (!ok)
        QFile::remove(m_path);
    return ok;
}

void TXlsxWriter::abandon()
{
    if (m_book)
        workbook_close(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    QFile::remove(m_path);
}
