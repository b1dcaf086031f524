#pragma once
// The master side of a pseudo-terminal: a ticket printer opened on slave() writes here, and the test
// reads what reached the line.
#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace testing {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0)
            m_slave = QString::fromLocal8Bit(ptsname(m_fd));
        fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() { if (m_fd >= 0) ::close(m_fd); }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    QString slave() const { return m_slave; }
    // Everything that arrives until the line stays quiet for a moment.
    QByteArray readAll(int quietMs = 200)
    {
        QByteArray out;
        for (;;) {
            pollfd p{m_fd, POLLIN, 0};
            if (poll(&p, 1, quietMs) <= 0)
                break;
            char buf[4096];
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n <= 0)
                break;
            out.append(buf, int(n));
        }
        return out;
    }

private:
    int m_fd = -1;
    QString m_slave;
};

} // namespace testing
