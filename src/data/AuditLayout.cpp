#include "AuditLayout.h"

#include "AuditChain.h"
#include "Schema.h"

#include <functional>

namespace ledgora {

namespace {

// The account totals are the database's own sums of the movements, recorded with the
// movement that changed them: an account's row is audited without them.
bool isAccountTotal(const TableDef& table, const ColumnDef& column) {
    return table.name == QLatin1String("BANCNT") && column.kind == ColumnKind::Amount;
}

struct Audited {
    const TableDef* table;
    QStringList columns;
};

std::vector<Audited> auditedTables() {
    std::vector<Audited> all;
    for (const char* name : {"BANMOV", "BANCNT", "BANCON", "BANEXT", "BANPER"}) {
        const TableDef* table = Schema::table(QString::fromLatin1(name));
        Audited audited{table, {}};
        for (const ColumnDef& column : table->columns)
            if (!isAccountTotal(*table, column))
                audited.columns << column.name;
        all.push_back(audited);
    }
    return all;
}

bool hasColumn(const Audited& audited, const char* name) {
    return audited.columns.contains(QString::fromLatin1(name));
}

// What an audit row says of the changed row, as SQL over `row` (NEW or OLD): its account,
// its movement number, its key and its values. `text` casts a value to text in the engine's
// words.
struct RowTerms {
    QString account, movement, key, values;
};

RowTerms rowTerms(const Audited& audited, const QString& row,
                  const std::function<QString(const QString&)>& text, const QString& json) {
    RowTerms terms;
    const QString null = QStringLiteral("NULL");
    terms.account =
        hasColumn(audited, "CNTSTNRO") ? QStringLiteral("rtrim(%1.CNTSTNRO)").arg(row) : null;
    terms.movement = hasColumn(audited, "MOVINNRO") ? row + QStringLiteral(".MOVINNRO") : null;
    QStringList key, pairs;
    for (const QString& column : audited.table->key)
        key << QStringLiteral("rtrim(%1)").arg(text(row + u'.' + column));
    terms.key = key.join(QStringLiteral("||'/'||"));
    for (const QString& column : audited.columns)
        pairs << u'\'' + column + u'\'' << text(row + u'.' + column);
    terms.values = json + u'(' + pairs.join(u',') + u')';
    return terms;
}

// Whether an update changed anything audited, with the engine's "is distinct" operator.
QString changed(const Audited& audited, const char* distinct) {
    QStringList tests;
    for (const QString& column : audited.columns)
        tests << QStringLiteral("OLD.%1 %2 NEW.%1").arg(column, QString::fromLatin1(distinct));
    return tests.join(QStringLiteral(" OR "));
}

const char* const kRefusal = "El historial de cambios no se puede modificar.";
const char* const kForged =
    "El historial de cambios solo lo escribe el propio servidor al cambiar los datos.";

} // namespace

std::vector<std::pair<QString, QString>> AuditLayout::sqliteObjects() {
    std::vector<std::pair<QString, QString>> objects;
    objects.emplace_back(QStringLiteral("BANCTX"),
                         QStringLiteral("CREATE TABLE BANCTX(ID INTEGER PRIMARY KEY CHECK (ID = 1),"
                                        "USUARIO TEXT,PROGRAMA TEXT,RUTINA TEXT)"));
    objects.emplace_back(QStringLiteral("BANAUD_CUENTA"),
                         QStringLiteral("CREATE INDEX BANAUD_CUENTA ON BANAUD(AUDSTCTA,AUDINMOV)"));
    const auto text = [](const QString& value) {
        return QStringLiteral("CAST(%1 AS TEXT)").arg(value);
    };
    const QString insert =
        QStringLiteral("INSERT INTO BANAUD(") + AuditChain::columns().mid(1).join(u',') +
        QStringLiteral(") SELECT strftime('%Y-%m-%dT%H:%M:%fZ','now'),c.USUARIO,c.PROGRAMA,"
                       "c.RUTINA,'%1','%2',%3,%4,%5,%6,%7 FROM (SELECT 1) LEFT JOIN BANCTX c;");
    for (const Audited& audited : auditedTables()) {
        const QString& table = audited.table->name;
        const RowTerms added =
            rowTerms(audited, QStringLiteral("NEW"), text, QStringLiteral("json_object"));
        const RowTerms removed =
            rowTerms(audited, QStringLiteral("OLD"), text, QStringLiteral("json_object"));
        const auto trigger = [&](const char* suffix, const QString& event, const QString& body) {
            const QString name =
                table + QStringLiteral("_HISTORIAL_") + QString::fromLatin1(suffix);
            objects.emplace_back(
                name,
                QStringLiteral("CREATE TRIGGER %1 AFTER %2 BEGIN %3 END").arg(name, event, body));
        };
        trigger("ALTA", QStringLiteral("INSERT ON ") + table,
                insert.arg(table, QStringLiteral("INSERT"), added.account, added.movement,
                           added.key, QStringLiteral("NULL"), added.values));
        trigger("BAJA", QStringLiteral("DELETE ON ") + table,
                insert.arg(table, QStringLiteral("DELETE"), removed.account, removed.movement,
                           removed.key, removed.values, QStringLiteral("NULL")));
        trigger("CAMBIO",
                QStringLiteral("UPDATE ON %1 WHEN %2").arg(table, changed(audited, "IS NOT")),
                insert.arg(table, QStringLiteral("UPDATE"), added.account, added.movement,
                           added.key, removed.values, added.values));
    }
    for (const char* table : {"BANAUD", "BANSEL"})
        for (const char* event : {"UPDATE", "DELETE"}) {
            const QString name = QStringLiteral("%1_INALTERABLE_%2")
                                     .arg(QString::fromLatin1(table), QString::fromLatin1(event));
            objects.emplace_back(
                name, QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, "
                                     "'%4'); END")
                          .arg(name, QString::fromLatin1(event), QString::fromLatin1(table),
                               QString::fromUtf8(kRefusal)));
        }
    return objects;
}

QStringList AuditLayout::serverObjects() {
    QStringList objects;
    const QStringList columns = AuditChain::columns();
    QStringList values, texts;
    for (const QString& column : columns) {
        values << column.toLower();
        const bool number =
            column == QLatin1String("AUDINNRO") || column == QLatin1String("AUDINMOV");
        texts << (number ? column.toLower() + QStringLiteral("::text") : column.toLower());
    }
    // One lock for the whole chain: each row is sealed after the row sealed before it
    // committed, so two writers never link to the same seal.
    objects << QStringLiteral("CREATE SEQUENCE IF NOT EXISTS banaud_numero")
            << QStringLiteral("CREATE INDEX IF NOT EXISTS BANAUD_CUENTA ON BANAUD(AUDSTCTA,"
                              "AUDINMOV)")
            << QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_audit_link(prev text, fields text[]) RETURNS "
                   "text LANGUAGE sql IMMUTABLE AS $f$ SELECT encode(sha256(convert_to("
                   "coalesce(prev, '') || string_agg(CASE WHEN f IS NULL THEN '~' ELSE "
                   "octet_length(convert_to(f, 'UTF8'))::text || ':' || f END, '' ORDER BY i), "
                   "'UTF8')), 'hex') FROM unnest(fields) WITH ORDINALITY AS u(f, i) $f$")
            << QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_audit_write(audstope text, audsttab text, "
                   "audstcta text, audinmov bigint, audstcla text, audstant text, audstdes text) "
                   "RETURNS void LANGUAGE plpgsql SECURITY DEFINER SET search_path FROM CURRENT "
                   "AS $f$ DECLARE audinnro bigint; prev text; "
                   "auddthor text := to_char(clock_timestamp() AT TIME ZONE 'UTC', "
                   "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'); audstusu text := session_user; "
                   "audstprg text := current_setting('application_name', true); "
                   "audstrut text := nullif(current_setting('ledgora.rutina', true), ''); BEGIN "
                   "PERFORM pg_advisory_xact_lock(74727367); "
                   "SELECT s.SELSTHSH INTO prev FROM BANSEL s ORDER BY s.AUDINNRO DESC LIMIT 1; "
                   "audinnro := nextval('banaud_numero'); "
                   "INSERT INTO BANAUD (%1) VALUES (%2); "
                   "INSERT INTO BANSEL (AUDINNRO, SELSTHSH) VALUES (audinnro, "
                   "ldg_audit_link(prev, ARRAY[%3])); END $f$")
                   .arg(columns.join(u','), values.join(u','), texts.join(u','));
    const auto text = [](const QString& value) -> QString {
        return value + QStringLiteral("::text");
    };
    for (const Audited& audited : auditedTables()) {
        const QString table = audited.table->name.toLower();
        const RowTerms added =
            rowTerms(audited, QStringLiteral("NEW"), text, QStringLiteral("json_build_object"));
        const RowTerms removed =
            rowTerms(audited, QStringLiteral("OLD"), text, QStringLiteral("json_build_object"));
        const auto either = [](const QString& whenDeleted, const QString& otherwise) {
            return QStringLiteral("CASE WHEN TG_OP = 'DELETE' THEN %1 ELSE %2 END")
                .arg(whenDeleted, otherwise);
        };
        objects << QStringLiteral(
                       "CREATE OR REPLACE FUNCTION ldg_audit_%1() RETURNS trigger LANGUAGE plpgsql "
                       "AS $f$ BEGIN PERFORM ldg_audit_write(TG_OP, '%2', %3, (%4)::bigint, %5, "
                       "CASE WHEN "
                       "TG_OP <> 'INSERT' THEN %6::text END, CASE WHEN TG_OP <> 'DELETE' THEN "
                       "%7::text END); RETURN NULL; END $f$")
                       .arg(table, audited.table->name, either(removed.account, added.account),
                            either(removed.movement, added.movement),
                            either(removed.key, added.key), removed.values, added.values)
                << QStringLiteral("DROP TRIGGER IF EXISTS %1_historial ON %1").arg(table)
                << QStringLiteral("DROP TRIGGER IF EXISTS %1_historial_cambio ON %1").arg(table)
                << QStringLiteral("CREATE TRIGGER %1_historial AFTER INSERT OR DELETE ON %1 FOR "
                                  "EACH ROW EXECUTE FUNCTION ldg_audit_%1()")
                       .arg(table)
                << QStringLiteral("CREATE TRIGGER %1_historial_cambio AFTER UPDATE ON %1 FOR EACH "
                                  "ROW WHEN (%2) EXECUTE FUNCTION ldg_audit_%1()")
                       .arg(table, changed(audited, "IS DISTINCT FROM"));
    }
    objects << QStringLiteral("CREATE OR REPLACE FUNCTION ldg_audit_guard() RETURNS trigger "
                              "LANGUAGE plpgsql AS $f$ BEGIN RAISE EXCEPTION '%1'; END $f$")
                   .arg(QString::fromUtf8(kRefusal));
    // A row of the trail, or a seal, comes only from ldg_audit_write called by the audit
    // trigger of a changed table: one trigger deep already when it inserts. Whoever inserts
    // straight into the trail, or calls the function themselves (everyone may execute it, since
    // every writer's change runs it), is refused: the owner too, who alone holds INSERT on it.
    objects << QStringLiteral("CREATE OR REPLACE FUNCTION ldg_audit_origin() RETURNS trigger "
                              "LANGUAGE plpgsql AS $f$ BEGIN IF pg_trigger_depth() < 2 THEN "
                              "RAISE EXCEPTION '%1'; END IF; RETURN NEW; END $f$")
                   .arg(QString::fromUtf8(kForged));
    for (const char* table : {"banaud", "bansel"}) {
        const QString name = QString::fromLatin1(table);
        objects << QStringLiteral("DROP TRIGGER IF EXISTS %1_origen ON %1").arg(name)
                << QStringLiteral("CREATE TRIGGER %1_origen BEFORE INSERT ON %1 FOR EACH ROW "
                                  "EXECUTE FUNCTION ldg_audit_origin()")
                       .arg(name);
        objects << QStringLiteral("DROP TRIGGER IF EXISTS %1_inalterable ON %1").arg(name)
                << QStringLiteral("DROP TRIGGER IF EXISTS %1_inalterable_vaciado ON %1").arg(name)
                << QStringLiteral("CREATE TRIGGER %1_inalterable BEFORE UPDATE OR DELETE ON %1 "
                                  "FOR EACH ROW EXECUTE FUNCTION ldg_audit_guard()")
                       .arg(name)
                << QStringLiteral("CREATE TRIGGER %1_inalterable_vaciado BEFORE TRUNCATE ON %1 "
                                  "FOR EACH STATEMENT EXECUTE FUNCTION ldg_audit_guard()")
                       .arg(name);
    }
    return objects;
}

} // namespace ledgora
