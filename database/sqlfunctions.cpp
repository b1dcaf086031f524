#include "sqlfunctions.h"
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDriver>
#include <sqlite3.h>
#include <cmath>

namespace db {

QString maskPersonal(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[0-9]{13}$"));
    static const QRegularExpression dashed(QStringLiteral("^[0-9]{6}-[0-9]{7}$"));
    if (plain.match(text).hasMatch())
        return text.left(7) + QStringLiteral("******");
    if (dashed.match(text).hasMatch())
        return text.left(8) + QStringLiteral("******");
    return text;
}

bool looksMasked(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9*-]*$"));
    const QString t = text.trimmed();
    return t.contains(QLatin1Char('*')) && t.count(QRegularExpression(QStringLiteral("[0-9]"))) > 0
        && t.size() - t.count(QLatin1Char('-')) >= 6 && shape.match(t).hasMatch();
}

namespace {

QString argText(sqlite3_value *v)
{
    const unsigned char *t = sqlite3_value_text(v);
    return t ? QString::fromUtf8(reinterpret_cast<const char *>(t), sqlite3_value_bytes(v)) : QString();
}

bool isNull(sqlite3_value *v)
{
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return true;
    return sqlite3_value_type(v) == SQLITE_TEXT && sqlite3_value_bytes(v) == 0;
}

void resultText(sqlite3_context *ctx, const QString &s)
{
    if (s.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), b.size(), SQLITE_TRANSIENT);
}

bool isNumber(int type) { return type == SQLITE_INTEGER || type == SQLITE_FLOAT; }

// The comparison of DECODE as on the server: two numbers as numbers, two texts as texts ('0012' is not
// '12'), and a number with a text as numbers when the text is one (a literal takes the other's type).
// The value types are read as they are: sqlite3_value_numeric_type would turn a number-like text
// into a number.
bool equalValues(sqlite3_value *a, sqlite3_value *b)
{
    if (isNull(a) || isNull(b))
        return isNull(a) && isNull(b);
    const int ta = sqlite3_value_type(a), tb = sqlite3_value_type(b);
    if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER)
        return sqlite3_value_int64(a) == sqlite3_value_int64(b);
    if (isNumber(ta) && isNumber(tb))
        return sqlite3_value_double(a) == sqlite3_value_double(b);
    if (isNumber(ta) != isNumber(tb)) {
        bool ok = false;
        const double text = argText(isNumber(ta) ? b : a).trimmed().toDouble(&ok);
        return ok && text == sqlite3_value_double(isNumber(ta) ? a : b);
    }
    return argText(a) == argText(b);
}

void fnNvl(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[1] : argv[0]);
}

void fnDecode(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    // DECODE(x, s1, r1, s2, r2, ..., [default]); NULL matches NULL.
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        if (equalValues(argv[0], argv[i])) {
            sqlite3_result_value(ctx, argv[i + 1]);
            return;
        }
    }
    if (i < argc)
        sqlite3_result_value(ctx, argv[i]);
    else
        sqlite3_result_null(ctx);
}

void fnConcat(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    QString s;
    for (int i = 0; i < argc; ++i)
        s += argText(argv[i]);
    resultText(ctx, s);
}

void fnToNumber(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString t = argText(argv[0]).trimmed();
    if (t.isEmpty()) {   // blanks only: nothing, as on the server
        sqlite3_result_null(ctx);
        return;
    }
    bool ok = false;
    const qint64 i = t.toLongLong(&ok);
    if (ok) {
        sqlite3_result_int64(ctx, i);
        return;
    }
    const double d = t.toDouble(&ok);
    if (ok) {
        sqlite3_result_double(ctx, d);
        return;
    }
    sqlite3_result_error(ctx, "invalid number", -1);
}

// Reads "yyyy-MM-dd[ HH:mm:ss]", "yyyyMMdd" or "yyyyMMddHHmmss".
QDateTime parseDateTime(const QString &t)
{
    const QString s = t.trimmed();
    QDateTime dt;
    if (s.size() >= 10 && s.at(4) == QLatin1Char('-')) {
        dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid())
            dt = QDateTime(QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    } else if (s.size() == 14) {
        dt = QDateTime::fromString(s, QStringLiteral("yyyyMMddHHmmss"));
    } else if (s.size() == 8) {
        dt = QDateTime(QDate::fromString(s, QStringLiteral("yyyyMMdd")), QTime(0, 0));
    }
    return dt;
}

QString formatDate(const QDateTime &dt, QString fmt)
{
    fmt = fmt.toUpper();
    if (fmt.startsWith(QLatin1String("FM")))
        fmt = fmt.mid(2);
    QString out;
    for (int i = 0; i < fmt.size();) {
        auto take = [&](const char *token) {
            const int n = int(qstrlen(token));
            if (fmt.mid(i, n) == QLatin1String(token)) { i += n; return true; }
            return false;
        };
        if (take("YYYY")) out += QStringLiteral("%1").arg(dt.date().year(), 4, 10, QLatin1Char('0'));
        else if (take("YY")) out += QStringLiteral("%1").arg(dt.date().year() % 100, 2, 10, QLatin1Char('0'));
        else if (take("MM")) out += QStringLiteral("%1").arg(dt.date().month(), 2, 10, QLatin1Char('0'));
        else if (take("DD")) out += QStringLiteral("%1").arg(dt.date().day(), 2, 10, QLatin1Char('0'));
        else if (take("HH24")) out += QStringLiteral("%1").arg(dt.time().hour(), 2, 10, QLatin1Char('0'));
        else if (take("HH")) out += QStringLiteral("%1").arg((dt.time().hour() + 11) % 12 + 1, 2, 10, QLatin1Char('0'));
        else if (take("MI")) out += QStringLiteral("%1").arg(dt.time().minute(), 2, 10, QLatin1Char('0'));
        else if (take("SS")) out += QStringLiteral("%1").arg(dt.time().second(), 2, 10, QLatin1Char('0'));
        else if (take("D")) out += QString::number(dt.date().dayOfWeek() % 7 + 1);  // 1 = Sunday
        else { out += fmt.at(i); ++i; }
    }
    return out;
}

// Number formats of the statements: FM000000 (zero padded), FM9,999,999,999 (grouped), 999.99.
QString formatNumber(double value, QString fmt)
{
    fmt = fmt.toUpper();
    const bool fm = fmt.startsWith(QLatin1String("FM"));
    if (fm)
        fmt = fmt.mid(2);
    const int dot = fmt.indexOf(QLatin1Char('.'));
    const QString intFmt = dot < 0 ? fmt : fmt.left(dot);
    const int decimals = dot < 0 ? 0 : int(fmt.size() - dot - 1);
    const bool negative = value < 0;
    const QString fixed = QString::number(qAbs(value), 'f', decimals);
    QString intPart = fixed.section(QLatin1Char('.'), 0, 0);
    const QString fracPart = decimals > 0 ? fixed.section(QLatin1Char('.'), 1, 1) : QString();
    const int zeroWidth = intFmt.size() - intFmt.indexOf(QLatin1Char('0'));
    if (intFmt.contains(QLatin1Char('0')))
        intPart = intPart.rightJustified(zeroWidth - int(intFmt.mid(intFmt.indexOf(QLatin1Char('0'))).count(QLatin1Char(','))), QLatin1Char('0'));
    if (intFmt.contains(QLatin1Char(','))) {
        QString grouped;
        for (int i = 0; i < intPart.size(); ++i) {
            if (i > 0 && (intPart.size() - i) % 3 == 0)
                grouped += QLatin1Char(',');
            grouped += intPart.at(i);
        }
        intPart = grouped;
    }
    // A number wider than its format shows every digit place as '#', as on the server.
    const qsizetype places = intFmt.count(QLatin1Char('0')) + intFmt.count(QLatin1Char('9'));
    if (fixed.section(QLatin1Char('.'), 0, 0).size() > places && !(places == 0 && fixed.startsWith(QLatin1Char('0')))) {
        intPart.clear();
        for (const QChar c : intFmt)
            if (c == QLatin1Char('0') || c == QLatin1Char('9') || c == QLatin1Char(','))
                intPart += c == QLatin1Char(',') ? c : QLatin1Char('#');
        QString hashes = decimals > 0 ? QLatin1Char('.') + QString(decimals, QLatin1Char('#')) : QString();
        QString out = intPart + hashes;
        if (negative)
            out.prepend(QLatin1Char('-'));
        else if (!fm)
            out.prepend(QLatin1Char(' '));
        return out;
    }
    QString out = intPart;
    if (decimals > 0)
        out += QLatin1Char('.') + fracPart;
    if (negative)
        out.prepend(QLatin1Char('-'));
    else if (!fm)
        out.prepend(QLatin1Char(' '));
    if (!fm) {
        const int width = int(fmt.size()) + 1;
        out = out.rightJustified(width, QLatin1Char(' '));
    }
    return out;
}

void fnToChar(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const int type = sqlite3_value_type(argv[0]);
    if (argc < 2) {
        resultText(ctx, argText(argv[0]));
        return;
    }
    const QString fmt = argText(argv[1]);
    const QString text = argText(argv[0]);
    // A date (as TO_DATE and SYSDATE give it, "yyyy-mm-dd hh:mi:ss") takes any date format; a text of
    // digits is a date only for a format with a year or a time in it.
    const bool dateValue = type == SQLITE_TEXT && text.size() >= 10 && text.at(4) == QLatin1Char('-')
        && text.at(7) == QLatin1Char('-');
    const bool dateFormat = dateValue || fmt.contains(QLatin1String("YY"), Qt::CaseInsensitive)
        || fmt.contains(QLatin1String("HH"), Qt::CaseInsensitive) || fmt.contains(QLatin1String("MI"), Qt::CaseInsensitive);
    if (dateFormat && type == SQLITE_TEXT) {
        const QDateTime dt = parseDateTime(text);
        if (!dt.isValid()) {
            sqlite3_result_error(ctx, "invalid date", -1);
            return;
        }
        resultText(ctx, formatDate(dt, fmt));
        return;
    }
    bool ok = true;
    const double d = type == SQLITE_TEXT ? text.trimmed().toDouble(&ok) : sqlite3_value_double(argv[0]);
    if (!ok) {
        sqlite3_result_error(ctx, "invalid number", -1);
        return;
    }
    resultText(ctx, formatNumber(d, fmt));
}

void fnToDate(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = argText(argv[0]).trimmed();
    QString fmt = argc > 1 ? argText(argv[1]).toUpper() : QStringLiteral("YYYYMMDD");
    fmt.replace(QLatin1String("YYYY"), QLatin1String("yyyy")).replace(QLatin1String("HH24"), QLatin1String("HH"))
        .replace(QLatin1String("MI"), QLatin1String("mm")).replace(QLatin1String("DD"), QLatin1String("dd"));
    fmt.replace(QLatin1String("MM"), QLatin1String("MM"));
    QDateTime dt = QDateTime::fromString(text, fmt);
    if (!dt.isValid())
        dt = parseDateTime(text);
    // Only the form the format names, digit for digit, as the server's TO_DATE takes it: seven digits
    // or a year 0000 are no date.
    const QString original = argc > 1 ? argText(argv[1]) : QStringLiteral("YYYYMMDD");
    if (!dt.isValid() || dt.date().year() < 1 || formatDate(dt, original) != text) {
        sqlite3_result_error(ctx, "invalid date", -1);
        return;
    }
    resultText(ctx, dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void fnNowSeconds(sqlite3_context *ctx, int, sqlite3_value **)
{
    sqlite3_result_int64(ctx, QDateTime::currentSecsSinceEpoch());
}

void fnSysdate(sqlite3_context *ctx, int, sqlite3_value **)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

// The longest text a column holds; a longer padding is refused on both back ends.
constexpr qint64 kLongestText = 4000;

void fnPad(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool left)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = argText(argv[0]);
    if (isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const qint64 wide = sqlite3_value_int64(argv[1]);
    if (wide > kLongestText) {   // no column holds more: refused before anything is built
        sqlite3_result_error(ctx, "requested length too large", -1);
        return;
    }
    const int width = int(qMax<qint64>(wide, 0));
    const QString padText = argc > 2 ? argText(argv[2]) : QStringLiteral(" ");
    if (width <= 0 || padText.isEmpty() || (argc > 2 && isNull(argv[2]))) {
        sqlite3_result_null(ctx);
        return;
    }
    // Lengths in characters, as the server counts them: a character beyond the 16-bit range is one.
    const QList<uint> chars = text.toUcs4(), pad = padText.toUcs4();
    if (chars.size() >= width) {
        resultText(ctx, QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), width));
        return;
    }
    QList<uint> fill;
    fill.reserve(width - chars.size());
    for (qsizetype i = 0; fill.size() < width - chars.size(); ++i)
        fill.append(pad.at(i % pad.size()));
    const QList<uint> out = left ? fill + chars : chars + fill;
    resultText(ctx, QString::fromUcs4(reinterpret_cast<const char32_t *>(out.constData()), out.size()));
}
void fnLpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) { fnPad(ctx, argc, argv, true); }
void fnRpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) { fnPad(ctx, argc, argv, false); }

void fnAddDays(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    const QString text = argText(argv[0]).trimmed();
    const QDate d = eightDigits.match(text).hasMatch() ? QDate::fromString(text, QStringLiteral("yyyyMMdd")) : QDate();
    if (isNull(argv[0]) || isNull(argv[1]) || !d.isValid() || d.year() < 1) {   // as date + NULL on the server
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, d.addDays(sqlite3_value_int64(argv[1])).toString(QStringLiteral("yyyyMMdd")));
}

void fnMask(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, maskPersonal(argText(argv[0])));
}

void fnMod(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const int ta = sqlite3_value_numeric_type(argv[0]), tb = sqlite3_value_numeric_type(argv[1]);
    if (ta == SQLITE_FLOAT || tb == SQLITE_FLOAT) {
        const double a = sqlite3_value_double(argv[0]), b = sqlite3_value_double(argv[1]);
        sqlite3_result_double(ctx, b == 0 ? a : std::fmod(a, b));
        return;
    }
    // MOD(x, 0) is x, as on the original database; the smallest integer by -1 is 0 (not a trap).
    const qint64 a = sqlite3_value_int64(argv[0]), b = sqlite3_value_int64(argv[1]);
    sqlite3_result_int64(ctx, b == 0 ? a : b == -1 ? 0 : a % b);
}

struct Fn {
    const char *name;
    int args;
    void (*f)(sqlite3_context *, int, sqlite3_value **);
    bool deterministic;
};

} // namespace

bool registerSqliteFunctions(QSqlDatabase &database, QString *error)
{
    const QVariant v = database.driver()->handle();
    sqlite3 *handle = (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0) ? *static_cast<sqlite3 *const *>(v.data()) : nullptr;
    if (!handle) {
        *error = QStringLiteral("no SQLite handle");
        return false;
    }
    static const Fn functions[] = {
        {"NVL", 2, fnNvl, true},          {"DECODE", -1, fnDecode, true},  {"CONCAT", -1, fnConcat, true},
        {"TO_NUMBER", 1, fnToNumber, true}, {"TO_CHAR", 1, fnToChar, true}, {"TO_CHAR", 2, fnToChar, true},
        {"TO_DATE", 1, fnToDate, true},   {"TO_DATE", 2, fnToDate, true},  {"SYSDATE", 0, fnSysdate, false},
        {"LPAD", 2, fnLpad, true},        {"LPAD", 3, fnLpad, true},       {"RPAD", 2, fnRpad, true},
        {"RPAD", 3, fnRpad, true},        {"FN_ADD_DAYS", 2, fnAddDays, true},
        {"FN_ZA010MS_04", 1, fnMask, true}, {"MOD", 2, fnMod, true}, {"FN_NOW_SECONDS", 0, fnNowSeconds, false},
    };
    for (const Fn &fn : functions) {
        const int flags = SQLITE_UTF8 | (fn.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(handle, fn.name, fn.args, flags, nullptr, fn.f, nullptr, nullptr, nullptr) != SQLITE_OK) {
            *error = QString::fromUtf8(sqlite3_errmsg(handle));
            return false;
        }
    }
    return true;
}

QString postgresFunctionsScript()
{
    QString s = QStringLiteral(R"SQL(
CREATE OR REPLACE FUNCTION NVL(a anycompatible, b anycompatible) RETURNS anycompatible
  LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN a IS NULL OR a::text = '' THEN b ELSE a END $$;
CREATE OR REPLACE FUNCTION LPAD(a text, n integer, f text) RETURNS text
  LANGUAGE plpgsql IMMUTABLE AS $$
    BEGIN
      IF n > 4000 THEN RAISE EXCEPTION 'requested length too large'; END IF;
      IF a = '' OR f = '' OR n <= 0 THEN RETURN NULL; END IF;
      RETURN pg_catalog.lpad(a, n, f);
    END $$;
CREATE OR REPLACE FUNCTION LPAD(a text, n integer) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT LPAD(a, n, ' ') $$;
CREATE OR REPLACE FUNCTION RPAD(a text, n integer, f text) RETURNS text
  LANGUAGE plpgsql IMMUTABLE AS $$
    BEGIN
      IF n > 4000 THEN RAISE EXCEPTION 'requested length too large'; END IF;
      IF a = '' OR f = '' OR n <= 0 THEN RETURN NULL; END IF;
      RETURN pg_catalog.rpad(a, n, f);
    END $$;
CREATE OR REPLACE FUNCTION RPAD(a text, n integer) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT RPAD(a, n, ' ') $$;
CREATE OR REPLACE FUNCTION MOD(a bigint, b bigint) RETURNS bigint
  LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN b = 0 THEN a WHEN b = -1 THEN 0 ELSE pg_catalog.mod(a, b) END $$;
CREATE OR REPLACE FUNCTION MOD(a integer, b integer) RETURNS integer
  LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN b = 0 THEN a WHEN b = -1 THEN 0 ELSE pg_catalog.mod(a, b) END $$;
CREATE OR REPLACE FUNCTION MOD(a numeric, b numeric) RETURNS numeric
  LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN b = 0 THEN a ELSE pg_catalog.mod(a, b) END $$;
CREATE OR REPLACE FUNCTION FN_LIKE(a text, p text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT a OPERATOR(pg_catalog.~~) pg_catalog.replace(p, E'\\', E'\\\\') $$;
CREATE OR REPLACE FUNCTION FN_NOT_LIKE(a text, p text) RETURNS boolean
  LANGUAGE sql IMMUTABLE AS $$ SELECT a OPERATOR(pg_catalog.!~~) pg_catalog.replace(p, E'\\', E'\\\\') $$;
DO $$ BEGIN
  -- once per schema: the script runs again when a database is upgraded
  IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_operator o JOIN pg_catalog.pg_namespace n ON n.oid = o.oprnamespace
                 WHERE o.oprname = '~~' AND n.nspname = current_schema()) THEN
    CREATE OPERATOR ~~ (LEFTARG = text, RIGHTARG = text, FUNCTION = FN_LIKE);
    CREATE OPERATOR !~~ (LEFTARG = text, RIGHTARG = text, FUNCTION = FN_NOT_LIKE);
  END IF;
END $$;
CREATE OR REPLACE FUNCTION TO_NUMBER(a text) RETURNS numeric
  LANGUAGE sql IMMUTABLE AS $$ SELECT NULLIF(btrim(a), '')::numeric $$;
CREATE OR REPLACE FUNCTION TO_NUMBER(a numeric) RETURNS numeric
  LANGUAGE sql IMMUTABLE AS $$ SELECT a $$;
CREATE OR REPLACE FUNCTION TO_CHAR(a text, f text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT pg_catalog.to_char(NULLIF(btrim(a), '')::numeric, f) $$;
CREATE OR REPLACE FUNCTION TO_CHAR(a text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT a $$;
CREATE OR REPLACE FUNCTION TO_CHAR(a numeric) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT a::text $$;
CREATE OR REPLACE FUNCTION TO_DATE(a text, f text) RETURNS date
  LANGUAGE plpgsql IMMUTABLE AS $$
    DECLARE
      t text := NULLIF(pg_catalog.btrim(a), '');
      d date;
    BEGIN
      IF t IS NULL THEN RETURN NULL; END IF;
      d := pg_catalog.to_date(t, f);
      -- only the form the format names, digit for digit: not seven digits, not the year 0000
      IF d < DATE '0001-01-01' OR (f !~* '(HH|MI|SS)' AND pg_catalog.to_char(d, f) <> t) THEN
        RAISE EXCEPTION 'invalid date';
      END IF;
      RETURN d;
    END $$;
CREATE OR REPLACE FUNCTION TO_DATE(a text) RETURNS date
  LANGUAGE sql IMMUTABLE AS $$ SELECT TO_DATE(a, 'YYYYMMDD') $$;
CREATE OR REPLACE FUNCTION CONCAT(a text, b text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$ SELECT NULLIF(pg_catalog.concat(a, b), '') $$;
CREATE OR REPLACE FUNCTION FN_NOW_SECONDS() RETURNS bigint
  LANGUAGE sql VOLATILE AS $$ SELECT pg_catalog.floor(EXTRACT(EPOCH FROM pg_catalog.clock_timestamp()))::bigint $$;
CREATE OR REPLACE FUNCTION SYSDATE() RETURNS timestamp(0)
  LANGUAGE sql STABLE AS $$ SELECT LOCALTIMESTAMP(0) $$;
CREATE OR REPLACE FUNCTION FN_ADD_DAYS(a text, n integer) RETURNS text
  LANGUAGE plpgsql IMMUTABLE PARALLEL UNSAFE AS $$
    BEGIN
      IF pg_catalog.btrim(a) !~ '^[0-9]{8}$' THEN RETURN NULL; END IF;
      RETURN pg_catalog.to_char(TO_DATE(a, 'YYYYMMDD') + n, 'YYYYMMDD');
    EXCEPTION WHEN others THEN
      RETURN NULL;   -- not a date: nothing, as on the workstation's own database
    END $$;
CREATE OR REPLACE FUNCTION FN_ZA010MS_04(a text) RETURNS text
  LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE WHEN a = '' THEN NULL
                WHEN a ~ '^[0-9]{13}$' THEN substr(a, 1, 7) || '******'
                WHEN a ~ '^[0-9]{6}-[0-9]{7}$' THEN substr(a, 1, 8) || '******'
                ELSE a END $$;
CREATE OR REPLACE FUNCTION INSTR(a text, b text) RETURNS integer
  LANGUAGE sql IMMUTABLE AS $$ SELECT strpos(a, b) $$;
)SQL");
    // DECODE(x, s1, r1, …, [default]) for up to eight pairs; NULL matches NULL as on the original database.
    for (int pairs = 1; pairs <= 8; ++pairs) {
        for (int withDefault = 0; withDefault <= 1; ++withDefault) {
            QStringList args{QStringLiteral("x anycompatible")};
            QString body = QStringLiteral("SELECT CASE");
            for (int p = 1; p <= pairs; ++p) {
                args << QStringLiteral("s%1 anycompatible").arg(p) << QStringLiteral("r%1 anycompatible").arg(p);
                // an empty text is NULL, and NULL matches NULL
                body += QStringLiteral(" WHEN (x IS NULL OR x::text = '') AND (s%1 IS NULL OR s%1::text = '') THEN r%1"
                                       " WHEN x = s%1 THEN r%1").arg(p);
            }
            if (withDefault) {
                args << QStringLiteral("d anycompatible");
                body += QStringLiteral(" ELSE d");
            }
            body += QStringLiteral(" END");
            s += QStringLiteral("CREATE OR REPLACE FUNCTION DECODE(%1) RETURNS anycompatible\n  LANGUAGE sql IMMUTABLE AS $$ %2 $$;\n")
                     .arg(args.join(QStringLiteral(", ")), body);
        }
    }
    // Functions of their arguments alone may run in the server's parallel workers, so a statement
    // calling them counts in parallel as the bare one does (FN_ADD_DAYS catches errors in a block of
    // its own, which a worker cannot start).
    s.replace(QStringLiteral("IMMUTABLE AS $$"), QStringLiteral("IMMUTABLE PARALLEL SAFE AS $$"));
    return s;
}

} // namespace db
