#include "delayproxy.h"
#include <QByteArray>
#include <arpa/inet.h>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

// One direction of a connection: a reader that stamps every chunk with the time it may go on, and a
// writer that passes it on then.
struct Pipe {
    int from = -1, to = -1;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::pair<Clock::time_point, QByteArray>> queue;
    bool closed = false;
    std::thread reader, writer;
};

int connectTo(const QString &host, int port)
{
    addrinfo hints{}, *res = nullptr;
    hints.ai_socktype = SOCK_STREAM;
    if (getaddrinfo(host.toUtf8().constData(), QByteArray::number(port).constData(), &hints, &res) != 0)
        return -1;
    int fd = -1;
    for (addrinfo *a = res; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (fd >= 0 && ::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(res);
    if (fd >= 0) {
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    return fd;
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

quint32 be32(const char *p)
{
    return (quint32(uchar(p[0])) << 24) | (quint32(uchar(p[1])) << 16) | (quint32(uchar(p[2])) << 8) | uchar(p[3]);
}

} // namespace

struct DelayProxy::Connection {
    DelayProxy *proxy;
    int client, server;
    Pipe up, down;            // client to server, server to client
    std::atomic<int> last{0};  // 1: the client sent last, 2: the server
    QByteArray parse;          // what the client sent, not yet split into messages
    bool startup = true;

    void messages(const QByteArray &chunk)
    {
        if (!proxy->m_logging)
            return;
        parse += chunk;
        for (;;) {
            if (startup) {
                if (parse.size() < 8)
                    return;
                const quint32 len = be32(parse.constData()), code = be32(parse.constData() + 4);
                if (quint32(parse.size()) < len)
                    return;
                parse.remove(0, len);
                startup = code == 80877103u || code == 80877104u;   // SSL or GSS request: the startup follows
                continue;
            }
            if (parse.size() < 5)
                return;
            const char type = parse.at(0);
            const quint32 len = be32(parse.constData() + 1);
            if (quint32(parse.size()) < len + 1)
                return;
            const QByteArray body = parse.mid(5, len - 4);
            parse.remove(0, len + 1);
            if (type == 'Q')
                proxy->note(QString::fromUtf8(body.left(body.indexOf('\0'))));
            else if (type == 'P') {
                const int nameEnd = body.indexOf('\0');
                const QByteArray rest = body.mid(nameEnd + 1);
                proxy->note(QStringLiteral("[parse] ") + QString::fromUtf8(rest.left(rest.indexOf('\0'))));
            } else if (type == 'B') {
                proxy->note(QStringLiteral("[bind]"));
            }
        }
    }

    void run(Pipe &p, bool fromClient)
    {
        p.reader = std::thread([this, &p, fromClient] {
            char buf[65536];
            for (;;) {
                const ssize_t n = ::recv(p.from, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                const QByteArray chunk(buf, int(n));
                if (fromClient) {
                    if (last.exchange(1) != 1)
                        ++proxy->m_roundTrips;
                    messages(chunk);
                } else {
                    last = 2;
                }
                std::lock_guard<std::mutex> lock(p.mutex);
                p.queue.emplace_back(Clock::now() + std::chrono::microseconds(proxy->m_delayUs.load()), chunk);
                p.wake.notify_all();
            }
            std::lock_guard<std::mutex> lock(p.mutex);
            p.closed = true;
            p.wake.notify_all();
        });
        p.writer = std::thread([&p] {
            std::unique_lock<std::mutex> lock(p.mutex);
            for (;;) {
                p.wake.wait(lock, [&p] { return !p.queue.empty() || p.closed; });
                if (p.queue.empty())
                    break;
                auto [due, chunk] = p.queue.front();
                p.queue.pop_front();
                lock.unlock();
                std::this_thread::sleep_until(due);
                const bool ok = writeAll(p.to, chunk);
                lock.lock();
                if (!ok)
                    break;
            }
            ::shutdown(p.to, SHUT_WR);
        });
    }

    void start()
    {
        up.from = client;
        up.to = server;
        down.from = server;
        down.to = client;
        run(up, true);
        run(down, false);
    }

    void finish()
    {
        ::shutdown(client, SHUT_RDWR);
        ::shutdown(server, SHUT_RDWR);
        for (Pipe *p : {&up, &down}) {
            if (p->reader.joinable())
                p->reader.join();
            if (p->writer.joinable())
                p->writer.join();
        }
        ::close(client);
        ::close(server);
    }
};

DelayProxy::DelayProxy(const QString &serverHost, int serverPort) : m_host(serverHost), m_serverPort(serverPort)
{
    m_logging = !qEnvironmentVariableIsEmpty("SPORTS_ROUNDTRIPS_LOG");
}

DelayProxy::~DelayProxy() { stop(); }

bool DelayProxy::start()
{
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(m_listen, 16) != 0)
        return false;
    socklen_t len = sizeof a;
    getsockname(m_listen, reinterpret_cast<sockaddr *>(&a), &len);
    m_port = ntohs(a.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
    return true;
}

void DelayProxy::acceptLoop()
{
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept(m_listen, nullptr, nullptr);
        if (client < 0)
            continue;
        int one = 1;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        const int server = connectTo(m_host, m_serverPort);
        if (server < 0) {
            ::close(client);
            continue;
        }
        auto c = std::make_shared<Connection>();
        c->proxy = this;
        c->client = client;
        c->server = server;
        c->start();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connections.push_back(c);
    }
}

void DelayProxy::stop()
{
    if (m_listen < 0)
        return;
    m_stop = true;
    if (m_acceptor.joinable())
        m_acceptor.join();
    ::close(m_listen);
    m_listen = -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto &c : m_connections)
        c->finish();
    m_connections.clear();
}

void DelayProxy::reset()
{
    m_roundTrips = 0;
    std::lock_guard<std::mutex> lock(m_logMutex);
    m_statements.clear();
}

void DelayProxy::note(const QString &statement)
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    m_statements << statement.simplified().left(160);
}

QStringList DelayProxy::statements() const
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    return m_statements;
}
