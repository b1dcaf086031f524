#include "application.h"
#include "core/messages.h"
#include "database/database.h"

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("sports"));
    setApplicationDisplayName(ApplicationTitle());
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const db::DatabaseError &e) {
        ShowError(e.message());
    } catch (const std::exception &e) {
        ShowError(QString::fromUtf8(e.what()));
    }
    return false;
}
