#include "clManejo.h"

#include "ConnectionString.h"
#include "PgEngine.h"
#include "SqliteEngine.h"
#include "StatementCatalog.h"
#include "TransactionWatch.h"
#include "core/Conversions.h"

namespace ledgora {

clManejo::clManejo() = default;
clManejo::~clManejo() {
    TransactionWatch::unwatch(this);
}

void clManejo::Conectar() {
    connected_ = false;
    const ConnectionString connection(connectionString_);
    // A server's URI opens the shared ledger on PostgreSQL; anything else is a SQLite file.
    const QString source = connection.dataSource();
    std::unique_ptr<Engine> engine;
    if (ConnectionString::isServerAddress(source))
        engine = std::make_unique<PgEngine>();
    else
        engine = std::make_unique<SqliteEngine>();
    if (engine->open(source, connection.readOnly() ? OpenMode::Read : OpenMode::Work)) {
        engine_ = std::move(engine);
        connected_ = true;
        TransactionWatch::watch(this);
    } else {
        engine_.reset();
    }
}

BoundStatement clManejo::bound(const char* form, const QStringList& values) const {
    if (form)
        return StatementCatalog::bindValues(FormName(form), values);
    return form_.isEmpty() ? StatementCatalog::bind(sql_) : StatementCatalog::bind(sql_, form_);
}

bool clManejo::CrearRs(Recordset& rs) {
    return query(rs, nullptr, {});
}

bool clManejo::CrearRs(Recordset& rs, FormName form, const QStringList& values) {
    return query(rs, form.latin1(), values);
}

std::optional<std::int64_t> clManejo::scalar(FormName form, const QStringList& values) {
    Recordset rs;
    RsDesconectado(true);
    query(rs, form.latin1(), values);
    if (rs.Eof())
        return std::nullopt;
    return rt::wholeNumber(rs.Fields(0));
}

bool clManejo::query(Recordset& rs, const char* form, const QStringList& values) {
    rsOpen_ = false;
    rs = Recordset();
    if (!connected_)
        return false;
    const BoundStatement statement = bound(form, values);
    if (!statement.form->isQuery())
        throw StatementCatalog::syntaxError();
    rs = Recordset(engine_->query(statement));
    rs.setCursorLocation(detached_ ? CursorLocation::Client : CursorLocation::Server);
    rsOpen_ = true;
    return true;
}

long clManejo::Ejecutar() {
    return command(nullptr, {});
}

long clManejo::Ejecutar(FormName form, const QStringList& values) {
    return command(form.latin1(), values);
}

long clManejo::EjecutarValores(FormName form, std::vector<BoundValue> values) {
    if (!connected_)
        throw notConnected();
    return command(StatementCatalog::bindRead(form, std::move(values)));
}

long clManejo::command(const char* form, const QStringList& values) {
    // A command that cannot run must not pass for one that changed nothing.
    if (!connected_)
        throw notConnected();
    return command(bound(form, values));
}

long clManejo::command(const BoundStatement& statement) {
    if (statement.form->isQuery())
        throw StatementCatalog::syntaxError();
    return engine_->execute(statement);
}

void clManejo::beginBatch(bool large) {
    if (!connected_)
        throw notConnected();
    engine_->beginBatch(large);
}

void clManejo::endBatch(bool commit) {
    if (connected_)
        engine_->endBatch(commit);
}

bool clManejo::inTransaction() const {
    return connected_ && engine_->inTransaction();
}

std::optional<std::int64_t> clManejo::changeMark() {
    if (!connected_ || engine_->inTransaction())
        return std::nullopt;
    return engine_->changeMark();
}

bool clManejo::replaced() {
    return connected_ && engine_->replaced();
}

int clManejo::changeSocket() const {
    return connected_ ? engine_->changeSocket() : -1;
}

void clManejo::renewLocks() {
    if (connected_ && !engine_->inTransaction())
        engine_->renewLocks();
}

RuntimeError clManejo::notConnected() {
    return {3704,
            QStringLiteral("No se permite realizar esta operación si el objeto está "
                           "cerrado (no hay conexión con la base de datos)."),
            RuntimeError::Kind::NoConnection};
}

std::pair<QString, QString> clManejo::auditIdentity() const {
    return engine_ && connected_ ? engine_->auditIdentity() : std::pair<QString, QString>{};
}

} // namespace ledgora
