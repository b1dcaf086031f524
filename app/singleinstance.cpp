#include "singleinstance.h"
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QElapsedTimer>
#include <QThread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

QString SingleInstance::userName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QStringLiteral("user");
    return user;
}

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent)
{
    m_serverName = name + QLatin1Char('-') + userName();
    m_lockPath = QDir::temp().filePath(m_serverName + QStringLiteral(".lock"));
}

SingleInstance::~SingleInstance() { release(); }

bool SingleInstance::acquire(bool listenNow)
{
#ifdef Q_OS_UNIX
    // An advisory lock on the file, held while the file stays open: the system frees it when the
    // process ends however it ends, and nothing is written (QLockFile writes its owner and waits for
    // the disk, 3 to 10 ms of every start-up).
    const int fd = ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    m_lockFd = fd;
#else
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0);   // only a dead owner's lock is stale
    if (!m_lock->tryLock(100)) {
        m_lock.reset();
        return false;
    }
#endif
    if (listenNow)
        listen();
    return true;
}

void SingleInstance::listen()
{
    if ((!m_lock && m_lockFd < 0) || m_server)
        return;
    QLocalServer::removeServer(m_serverName);   // a leftover of a crashed copy
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

void SingleInstance::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
#ifdef Q_OS_UNIX
    if (m_lockFd >= 0) {
        // the file stays: removing it could let two copies lock two different files
        ::flock(m_lockFd, LOCK_UN);
        ::close(m_lockFd);
        m_lockFd = -1;
    }
#endif
}

bool SingleInstance::send(const QString &line, int timeoutMs) const
{
    // The first copy holds the lock from its start and listens once its window is shown: until then
    // the connection is tried again.
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(qMax<qint64>(1, timeoutMs - waited.elapsed()))))
            break;
        socket.abort();
        if (waited.elapsed() + 50 >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
    socket.write(line.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine())
                handleLine(QString::fromUtf8(socket->readLine()).chopped(1));
        });
    }
}

void SingleInstance::handleLine(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.value(0) == QLatin1String("activate"))
        emit activateRequested();
    else if (fields.value(0) == QLatin1String("open") && fields.size() == 3)
        emit openRequested(fields.at(1), fields.at(2));
}
