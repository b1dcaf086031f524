#include "application.h"
#include "core/messages.h"
#include "database/database.h"
#include <QLibraryInfo>
#include <QTranslator>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // No display name: Qt would append it to the main window's caption.
    setApplicationName(QStringLiteral("sports"));
    InstallKoreanTranslations(*this);
}

int InstallKoreanTranslations(QCoreApplication &app)
{
    // Qt's own texts (standard buttons and dialogs, serial port errors) in Korean, whatever the
    // workstation's locale; a missing file leaves them in English.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    int loaded = 0;
    for (const char *catalog : {"qtbase_ko", "qtserialport_ko"}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalog), folder) && app.installTranslator(translator))
            ++loaded;
        else
            delete translator;
    }
    return loaded;
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
