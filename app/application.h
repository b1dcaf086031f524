#pragma once
// The application object: the title, and the general error display of every failure that reaches
// the message loop (a database error shows its server text instead of ending the program).
#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
