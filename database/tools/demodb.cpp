// Builds a fresh SQLite demo database from the schema and the demo data.
#include "database/schema.h"
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: sports-demodb DATABASE-FILE\n";
        return 2;
    }
    QString error;
    if (!db::buildDemoDatabase(args.at(1), &error)) {
        QTextStream(stderr) << "sports-demodb: " << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "demo database written to " << args.at(1) << "\n";
    return 0;
}
