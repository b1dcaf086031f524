#include "singleinstance.h"
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

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

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0);   // only a dead owner's lock is stale
    if (!m_lock->tryLock(100)) {
        m_lock.reset();
        return false;
    }
    QLocalServer::removeServer(m_serverName);   // a leftover of a crashed copy
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    return true;
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
}

bool SingleInstance::send(const QString &line, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
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
