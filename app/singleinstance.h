#pragma once
// One copy per workstation user: a lock file and a local server in the temp folder, both named after
// the user. A second copy sends its request to the first through the local socket and ends.
//
// Messages are lines of UTF-8 text ending in "\n", fields separated by a tab:
//   activate                          bring the main window to the front
//   open<TAB>caption<TAB>programId    open a program as the menu would
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name = QStringLiteral("sports"), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy. It listens for requests at once, or with listenNow
    // false once listen() is called (the program listens after its window is shown; a request sent in
    // between waits for it, see send).
    bool acquire(bool listenNow = true);
    void listen();
    void release();
    // Sends one message line to the running copy; false when none answers within timeoutMs (a copy
    // still starting is waited for).
    bool send(const QString &line, int timeoutMs = 2000) const;
    QString serverName() const { return m_serverName; }
    QString lockPath() const { return m_lockPath; }

    static QString userName();

signals:
    void activateRequested();
    void openRequested(const QString &caption, const QString &programId);

private:
    void onConnection();
    void handleLine(const QString &line);

    QString m_serverName;
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;   // where the system has no flock
    int m_lockFd = -1;                   // the lock file held with flock: freed by the system when the process ends
    QLocalServer *m_server = nullptr;
};
