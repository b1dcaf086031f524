#pragma once
// The data module: the one connection of the process and its shared scratch objects.
#include "database/database.h"
#include "database/procedure.h"
#include "database/query.h"
#include <memory>

class TfrmZZD000 {
public:
    TfrmZZD000();
    ~TfrmZZD000();

    static TfrmZZD000 *instance();   // the process's data module (created on first use)

    db::Database *dbsDB;             // the single connection every query and procedure runs on
    db::Query qryQuery;              // shared scratch query (menus, code lists, lookups)
    db::Query qryQuery2;             // second scratch query, used while qryQuery is open
    db::StoredProc prcProc;          // shared procedure object

    // Connection settings filled at start-up (resolved from the command line).
    db::ConnectionSettings settings;

    bool Connect();                  // true when open afterwards; failures already shown to the user
    void Disconnect();
    void Shutdown();                 // closes the scratch queries and the connection (program end)
    bool isConnected() const { return dbsDB->isOpen(); }

    // Tests and tools run the data module on a connection of their own (not owned).
    void attach(db::Database *database);

    // The connection of the screens that only read (report lists, cross-tables, the report viewer): a
    // replica named by the alias (ReadHosts=) while one answers and keeps up with the primary, else
    // dbsDB itself, without a word to the user. Screens that save, and every check before a save,
    // read on dbsDB.
    db::Database *readDatabase();
    static int replicaLagSeconds();   // 60: a replica further behind is passed over; SPORTS_REPLICA_LAG_SECONDS

private:
    std::unique_ptr<db::Database> m_owned;
    std::unique_ptr<db::Database> m_read;
    db::Database *m_readFor = nullptr;   // the primary connection m_read serves
    qint64 m_readCheckedAt = 0;          // when the replica was last judged (ms since the epoch)
    bool m_readUsable = false;
};

inline TfrmZZD000 *DM() { return TfrmZZD000::instance(); }
