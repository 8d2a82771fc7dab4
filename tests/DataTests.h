#pragma once

#include "core/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <sqlite3.h>

namespace ledgora::test {

// The run-time error a step raises, if it raises one.
inline std::optional<RuntimeError> errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}
// Its number (0 when none) or description (empty when none).
inline long errorNumberOf(const std::function<void()>& step) {
    const auto error = errorOf(step);
    return error ? error->number() : 0;
}
inline QString errorDescriptionOf(const std::function<void()>& step) {
    const auto error = errorOf(step);
    return error ? error->description() : QString();
}

// Statements as the routines write them, for account "001" unless told otherwise.
inline QString accountInsert(const QString& number, const QString& name) {
    return QStringLiteral("insert into BANCNT (CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,"
                          "CNTSTBKC,TOMDLAAC , TOMDLADE, TOMDLACR, TOMDLDEB) values ('") +
           number + QStringLiteral("',datevalue('01/02/2024'),'") + name +
           QStringLiteral("','Banco','','',0,0,0,0)");
}
inline QString movementInsert(int number, const QString& date, const QString& text,
                              const QString& aac, const QString& acr = QStringLiteral("0")) {
    return QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, MOVSTCPT, "
                          "MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES ('001','") +
           QString::number(number) + QStringLiteral("',datevalue('") + date +
           QStringLiteral("'),'3 ','") + text + QStringLiteral("','") + aac +
           QStringLiteral("','0','") + acr + QStringLiteral("','0')");
}

// An amount of cents as a number text with a point.
inline QString centsText(std::int64_t cents) {
    return QString::number(cents / 100) + u'.' +
           QString::number(cents % 100).rightJustified(2, u'0');
}

// Straight through SQLite, as another program or an older version would: runs the statements
// (false on the first failure), or reads the first column of a query's rows as text.
inline bool sqliteExec(const QString& path, const QStringList& statements) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK;
    for (const QString& sql : statements)
        ok = ok &&
             sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}
inline QStringList sqliteColumn(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    QStringList values;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return values;
}

// The texts of a grid's row, or of one column of its rows 1.., to compare at a glance.
template <typename Grid> QStringList gridRow(const Grid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
        cells << grid.textMatrix(row, c);
    return cells;
}
template <typename Grid> QStringList gridColumn(const Grid& grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, col);
    return cells;
}

} // namespace ledgora::test
