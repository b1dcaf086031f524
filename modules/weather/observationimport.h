#pragma once
// The import of the weather stations' observation files into EA010MS (the CSV form is described in
// docs/weather-import.md). A file is read a line at a time and stored in one transaction: a bad line
// names the file, the line and the field, and nothing of that file is loaded.
// An observation already stored (same day, place and time) is replaced, so a file imported twice
// leaves the observations as imported once.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QIODevice;

namespace db {
class Database;
}

namespace weather {

struct Observation {
    QString date, time, place;
    QVariant values[7];   // TEMPERATURE … SNOWFALL; a null QVariant for a missing reading
};

// The columns of a file's first line, in order.
const QStringList &importColumns();

// Stores the observations in one transaction; false with the message in *error, nothing stored.
bool storeObservations(db::Database *database, const QString &fileName, const QVector<Observation> &observations,
                       QString *error);

// The limits of one file: its size, and the length of a line. The import keeps one line at a time
// (the lines read so far wait in a temporary table of the connection), so its memory does not grow
// with the file.
constexpr qint64 kLargestFile = qint64(1) << 30;   // 1 GiB
constexpr int kLongestLine = 1024;                 // bytes

// Reads, checks and stores the lines of one file as they come from device (fileName names it in the
// messages); the number of observations stored in *count. Nothing is stored unless every line is good.
bool importObservations(db::Database *database, const QString &fileName, QIODevice *device, int *count,
                        QString *error);

// The same for the file at path.
bool importObservationFile(db::Database *database, const QString &path, int *count, QString *error);

} // namespace weather
