#pragma once
// The application object: the title, and the general error display of every failure that reaches
// the message loop (a database error shows its server text instead of ending the program), and
// Qt's own texts in Korean.
#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Loads Qt's Korean catalogs into the application; the number of catalogs loaded.
int InstallKoreanTranslations(QCoreApplication &app);
