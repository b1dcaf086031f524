// Writes the database password into TQUpdate.ini (section "PROGRAM", key "PASS") in scrambled form.
#include "app/password.h"
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: sports-passwd TQUpdate.ini PASSWORD\n";
        return 2;
    }
    QString error;
    if (!WritePasswordFile(args.at(1), args.at(2), &error)) {
        QTextStream(stderr) << "sports-passwd: " << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "PASS written to " << args.at(1) << "\n";
    return 0;
}
