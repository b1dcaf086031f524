#pragma once
// The import of the weather stations' observation files into EA010MS (the CSV form is described in
// docs/weather-import.md). A file is checked whole before anything is written and stored in one
// transaction: a bad line names the file, the line and the field, and nothing of that file is loaded.
// An observation already stored (same day, place and time) is replaced, so a file imported twice
// leaves the observations as imported once.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

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

// Reads and checks the text of a file; false with the message in *error. places: the codes a file
// may name (group E0001); empty accepts any two-character code.
bool parseObservations(const QString &fileName, const QByteArray &content, const QStringList &places,
                       QVector<Observation> *observations, QString *error);

// Stores the observations in one transaction; false with the message in *error, nothing stored.
bool storeObservations(db::Database *database, const QString &fileName, const QVector<Observation> &observations,
                       QString *error);

// Reads, checks and stores one file; the number of observations stored in *count.
bool importObservationFile(db::Database *database, const QString &path, int *count, QString *error);

} // namespace weather
