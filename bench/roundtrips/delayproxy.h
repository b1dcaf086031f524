#pragma once
// A TCP proxy on 127.0.0.1 between the program and a PostgreSQL server: every chunk is passed on after
// half the chosen round trip in each direction, and the round trips are counted (a client send after
// the server has answered starts one). With SPORTS_ROUNDTRIPS_LOG set, the statements the client sends
// are kept for statements().
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class DelayProxy {
public:
    DelayProxy(const QString &serverHost, int serverPort);
    ~DelayProxy();
    DelayProxy(const DelayProxy &) = delete;
    DelayProxy &operator=(const DelayProxy &) = delete;

    bool start();                  // listens on a free port of 127.0.0.1
    void stop();                   // closes the listener and every connection
    int port() const { return m_port; }
    void setRoundTripMs(int ms) { m_delayUs = ms * 500; }   // half each way
    void reset();                  // counts from 0
    long roundTrips() const { return m_roundTrips; }
    QStringList statements() const;   // the statements sent since reset(), first 120 characters

    struct Connection;

private:
    void acceptLoop();
    QString m_host;
    int m_serverPort;
    int m_port = 0;
    int m_listen = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_delayUs{0};
    std::atomic<long> m_roundTrips{0};
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::vector<std::shared_ptr<Connection>> m_connections;
    bool m_logging = false;
    mutable std::mutex m_logMutex;
    QStringList m_statements;
    friend struct Connection;
    void note(const QString &statement);
};
