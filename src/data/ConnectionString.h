#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ledgora {

// A connection string of "key=value" pairs joined by ';'. The data source is everything after
// "Data Source=", so a path may itself hold ';' or '='. "Mode=Read" asks for a connection that
// only reads (the connection string's own words for it).
class ConnectionString {
public:
    explicit ConnectionString(const QString& text);

    QString provider() const { return provider_; }
    QString dataSource() const { return dataSource_; }
    bool readOnly() const { return readOnly_; }

    // The module's connection string for a data source; `forReading` asks for a connection
    // that only reads.
    static QString forSource(const QString& dataSource, bool forReading = false);
    // Whether a data source is the address of a shared ledger on a PostgreSQL server rather
    // than the path of a file.
    static bool isServerAddress(const QString& dataSource);
    // The data source as it may be shown to a person or written to a log: a server address
    // with its password (in the user part or as a parameter) replaced by "***".
    static QString masked(const QString& dataSource);
    // The passwords written in a server address, as written (percent-encoded if they are).
    static QStringList passwords(const QString& dataSource);

private:
    // Where the passwords of a server address stand in it: start and length of each.
    static std::vector<std::pair<qsizetype, qsizetype>> passwordSpans(const QString& dataSource);

    QString provider_;
    QString dataSource_;
    bool readOnly_ = false;
};

} // namespace ledgora
