#pragma once
// The other counters of a race: processes of this same program, each started with a flag, the
// connection and values of its own, each printing one line of blank-separated figures at its end.
#include "database/database.h"
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>

class QProcess;

namespace testing {

class ChildProcesses {
public:
    ChildProcesses() = default;
    ChildProcesses(const ChildProcesses &) = delete;
    ChildProcesses &operator=(const ChildProcesses &) = delete;
    ~ChildProcesses();   // a child still running is killed

    // Starts this program with: flag, the connection (read back by connectionFromArgs(args, 2)), values.
    // Its standard error goes to the test's own unless `forwardErrors` is false.
    QProcess *start(const QString &flag, const db::ConnectionSettings &s, const QStringList &values,
                    bool forwardErrors = true);
    // One round in lockstep: writes `line` to every child's input, then reads one line from each, its
    // answer (trimmed; empty when it gave none in time), in the order they were started. Children that
    // wait for the round at the same moment begin it together, as counters pressing Save at once.
    QList<QByteArray> step(const QByteArray &line, int timeoutMs);
    // Closes every child's input: a child reading its rounds sees the end.
    void closeInputs();
    // Waits for every child; false when one did not end in time or ended with a failure.
    bool finish(int timeoutMs);
    // Each child's standard output, trimmed, in the order they were started.
    QList<QByteArray> outputs() const { return m_outputs; }
    // The sums of each of the `fields` figures over the children; a child that failed or printed another
    // number of figures is counted in *malformed.
    QVector<int> totals(int fields, int *malformed = nullptr) const;

private:
    QList<QProcess *> m_children;
    QList<QByteArray> m_outputs;
    QList<bool> m_ok;
};

} // namespace testing
