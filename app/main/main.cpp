// The program: one copy per workstation user, the splash window, the command line and the connection,
// the main window with its menu, and the screens of every module built into it.
#include "app/application.h"
#include "database/datamodule.h"
#include "app/mainwindow.h"
#include "app/singleinstance.h"
#include "app/splash.h"
#include "app/startup.h"
#include "core/startupvalues.h"
#include "framework/zzi000.h"
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include "allscreens.h"


int main(int argc, char **argv)
{
    QElapsedTimer started;
    started.start();
    QStringList steps;   // what the start-up benchmark is told the time went on
    auto step = [&steps, &started](const char *name) {
        steps << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(started.nsecsElapsed() / 1e6, 0, 'f', 1);
    };
    TApplication app(argc, argv);
    step("application");

    SingleInstance instance;
    // the lock now; the listener for a second copy's requests once the window is shown
    if (!instance.acquire(false)) {
        instance.send(QStringLiteral("activate"));
        return 0;
    }

    step("instance");
    const QString programDirectory = QCoreApplication::applicationDirPath();
    auto *splash = new TfrmZZC010(programDirectory);
    splash->show();
    splash->repaint();
    app.processEvents();
    step("splash");

    RegisterAllScreens();
    step("screens");
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    StartupResult result = StartupResult::NotConnected;
    RunStartupStep([&] {
        result = StartDataModule(arguments, programDirectory);
        return true;
    });
    step("connected");
    if (result == StartupResult::Terminate) {
        delete splash;
        DM()->Shutdown();
        return 1;
    }

    TfrmE0Main window;
    step("window");
    if (result != StartupResult::Connected || !RunStartupStep([&window] { return window.Initialize(); })) {
        delete splash;
        DM()->Shutdown();
        return 1;
    }
    step("menus");
    TfrmZZI000::setHost({[&window] { window.CloseActiveScreen(); },
                         [&window](TfrmZZI000 *screen) { window.RemoveScreen(screen); },
                         [&window](TfrmZZI000 *screen) { window.ShowScreen(screen); }});
    CreateStartupWindows();
    QObject::connect(&instance, &SingleInstance::activateRequested, &window, [&window] {
        if (window.isMinimized())
            window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, &window,
                     [&window](const QString &caption, const QString &programId) { window.OpenRequested(caption, programId); });
    window.showMaximized();
    delete splash;
    step("shown");

    // The start-up benchmark asks for the time to the shown main window with its menu.
    if (qEnvironmentVariableIsSet("SPORTS_REPORT_STARTUP")) {
        QTimer::singleShot(0, &window, [&] {
            QTextStream(stdout) << "startup-ms " << started.nsecsElapsed() / 1e6 << " menus "
                                << window.menuBar()->actions().size() << " " << steps.join(QLatin1Char(' ')) << "\n";
            window.close();
        });
    }
    // A second copy's requests are taken once the window is there (one that starts before waits).
    QTimer::singleShot(0, &instance, [&instance] { instance.listen(); });
    // A picture of the running program for the documentation: SPORTS_SCREENSHOT=file.png opens the
    // first menu, saves the screen and ends.
    const QString screenshot = qEnvironmentVariable("SPORTS_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(500, &window, [&window] {
            window.setGeometry(window.screen()->availableGeometry());   // no window manager to maximise
            for (QAction *menu : window.menuBar()->actions())
                for (QAction *entry : menu->menu() ? menu->menu()->actions() : QList<QAction *>())
                    if (window.screenCount() < 2 && !entry->data().toString().isEmpty())
                        window.OpenProgram(entry->text(), entry->data().toString());
        });
        QTimer::singleShot(1500, &window, [&window] {
            const QList<QAction *> menus = window.menuBar()->actions();
            if (!menus.isEmpty() && menus.first()->menu())
                menus.first()->menu()->popup(window.mapToGlobal(window.menuBar()->actionGeometry(menus.first()).bottomLeft()));
        });
        QTimer::singleShot(2500, &window, [&window, screenshot] {
            QScreen *screen = window.screen();
            screen->grabWindow(0).save(screenshot);
            qApp->quit();
        });
    }
    const int rc = app.exec();
    TfrmZZI000::setHost({});
    instance.release();
    DM()->Shutdown();
    return rc;
}
