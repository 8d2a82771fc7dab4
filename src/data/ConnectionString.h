#pragma once

#include <QString>

namespace ledgora {

// A connection string of "key=value" pairs joined by ';'. The data source is everything after
// "Data Source=", so a path may itself hold ';' or '='.
class ConnectionString {
public:
    explicit ConnectionString(const QString& text);

    QString provider() const { return provider_; }
    QString dataSource() const { return dataSource_; }

private:
    QString provider_;
    QString dataSource_;
};

} // namespace ledgora
