#pragma once

#include "BoundStatement.h"
#include "FormName.h"
#include "Recordset.h"
#include "core/RuntimeError.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace ledgora {

class Engine;

// The data-access component "Datorix.clManejo": every read and write of the module's data goes
// through one of these. Order of use for a query: Sql, RsDesconectado, CrearRs(rs), then
// RsEstado or CrearRs's result, then the record set. For a command: Sql, Ejecutar, compare
// its result with 0. Statements the database refuses, and statements of no known form, raise
// a run-time error to the calling routine.
class clManejo final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clManejo();
    ~clManejo() override;

    void CadenaConexion(const QString& connectionString) { connectionString_ = connectionString; }
    void Conectar();
    bool EstadoConexion() const { return connected_; }
    // The statement the next CrearRs or Ejecutar runs, as one of the registered forms.
    void Sql(const QString& statement) {
        sql_ = statement;
        form_.clear();
    }
    // The same, naming the one form the statement must have: the module's routines always
    // say which statement they mean, so that no typed value can make it another.
    void Sql(const QString& statement, FormName form) {
        sql_ = statement;
        form_ = form.toString();
    }
    void RsDesconectado(bool detached) { detached_ = detached; }
    // Runs Sql as a query into the caller's record set. False when there is no connection.
    bool CrearRs(Recordset& rs);
    bool RsEstado() const { return rsOpen_; }
    // Runs Sql as a command; the number of rows it changed. Without a connection it raises
    // the not-connected error.
    long Ejecutar();

    // Runs a command of the named form with its values given apart, bound as they are.
    long Ejecutar(FormName form, const QStringList& values);
    // The same with the values already read (StatementCatalog::bindRead), for many rows.
    long EjecutarValores(FormName form, std::vector<BoundValue> values);
    // The same for a query, into the caller's record set, as CrearRs.
    bool CrearRs(Recordset& rs, FormName form, const QStringList& values);
    // The first column of the first row a query of the named form gives, as a count or a
    // number (rt::wholeNumber); nothing when it gives no row.
    std::optional<std::int64_t> scalar(FormName form, const QStringList& values);

    // Groups the commands between the two calls into one durable write (bulk loading).
    void beginBatch(bool large = false);
    void endBatch(bool commit);
    // Whether a transaction is open on the connection now.
    bool inTransaction() const;
    // Opens the connection afresh (see Engine::renewLocks); only between transactions.
    void renewLocks();
    // Changes when another connection has committed to the database since it was last asked
    // (Engine::changeMark); nothing when there is no connection, a transaction is open on
    // this one, or its engine cannot tell.
    std::optional<std::int64_t> changeMark();
    // Readable when another connection's change is told (Engine::changeSocket); -1 when none.
    int changeSocket() const;
    // Whether another file now stands in the ledger's place (Engine::replaced).
    bool replaced();

    // Who the audit trail names for this connection's changes, and through which program;
    // empty when not connected.
    std::pair<QString, QString> auditIdentity() const;

    static RuntimeError notConnected();

private:
    // The statement of the named form with the given values; without a form, the one given
    // to Sql.
    BoundStatement bound(const char* form, const QStringList& values) const;
    bool query(Recordset& rs, const char* form, const QStringList& values);
    long command(const char* form, const QStringList& values);
    long command(const BoundStatement& statement);

    std::unique_ptr<Engine> engine_;
    QString connectionString_;
    QString sql_;
    QString form_;
    bool connected_ = false;
    bool detached_ = true;
    bool rsOpen_ = false;
};

} // namespace ledgora
