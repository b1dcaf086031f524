#include "childprocesses.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace testing {

ChildProcesses::~ChildProcesses()
{
    for (QProcess *p : std::as_const(m_children)) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
        delete p;
    }
}

QProcess *ChildProcesses::start(const QString &flag, const db::ConnectionSettings &s, const QStringList &values,
                                bool forwardErrors)
{
    auto *p = new QProcess;
    if (forwardErrors)
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QCoreApplication::applicationFilePath(),
             QStringList{flag, QString::number(int(s.backend)), s.database, s.host, QString::number(s.port), s.user,
                         s.schema} + values);
    m_children << p;
    return p;
}

QList<QByteArray> ChildProcesses::step(const QByteArray &line, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // the line reaches every child before any answer is awaited (a process's writes wait in its buffer)
    for (QProcess *p : std::as_const(m_children))
        p->write(line + '\n');
    for (QProcess *p : std::as_const(m_children))
        while (p->bytesToWrite() > 0 && p->state() != QProcess::NotRunning
               && p->waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))))
            ;
    QList<QByteArray> answers;
    for (QProcess *p : std::as_const(m_children)) {
        while (!p->canReadLine() && p->state() != QProcess::NotRunning
               && p->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            ;
        answers << (p->canReadLine() ? p->readLine().trimmed() : QByteArray());
    }
    return answers;
}

void ChildProcesses::closeInputs()
{
    for (QProcess *p : std::as_const(m_children))
        p->closeWriteChannel();
}

bool ChildProcesses::finish(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    bool all = true;
    m_outputs.clear();
    m_ok.clear();
    for (QProcess *p : std::as_const(m_children)) {
        const bool ended = p->waitForFinished(int(qMax<qint64>(1, deadline.remainingTime())));
        const bool ok = ended && p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
        m_outputs << p->readAllStandardOutput().trimmed();
        m_ok << ok;
        all = all && ok;
    }
    return all;
}

QVector<int> ChildProcesses::totals(int fields, int *malformed) const
{
    QVector<int> sums(fields, 0);
    int bad = 0;
    for (int i = 0; i < m_outputs.size(); ++i) {
        const QList<QByteArray> f = m_outputs.at(i).split(' ');
        if (!m_ok.value(i) || f.size() != fields)
            ++bad;
        for (int k = 0; k < fields && k < f.size(); ++k)
            sums[k] += f.at(k).toInt();
    }
    if (malformed)
        *malformed = bad;
    return sums;
}

} // namespace testing
