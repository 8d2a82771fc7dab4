#include "PgLayout.h"

#include "AuditLayout.h"
#include "SqlDialect.h"

#include <algorithm>

namespace ledgora {

namespace {

// A change of movements adds to their accounts' totals what it wrote and takes out what it
// replaced, once per statement, never summing the account afresh. The accounts' rows are
// locked in one order first; an addition then reads each row as the last writer committed
// it, so nobody's movement is lost. A total beyond a bigint is refused by the server.
QString movementsChanged() {
    // Each total by the alias of its movement amount: MOVDLAAC is "aac".
    QStringList locks, sums, selected;
    for (const auto& [total, amount] : SqlDialect::totals()) {
        const QString alias = amount.right(3).toLower();
        locks << QStringLiteral("%1 = c.%1 + d.%2").arg(total, alias);
        sums << QStringLiteral("sum(%1) AS %1").arg(alias);
        selected << QStringLiteral("%2%1 AS %3").arg(amount, QStringLiteral("%2"), alias);
    }
    const auto addTo = [&](const QString& rows) {
        return QStringLiteral(
                   "PERFORM 1 FROM BANCNT WHERE CNTSTNRO IN (SELECT CNTSTNRO FROM (%1) r) ORDER "
                   "BY CNTSTNRO FOR UPDATE; UPDATE BANCNT c SET %2 FROM (SELECT CNTSTNRO, %3 "
                   "FROM (%1) r GROUP BY CNTSTNRO) d WHERE c.CNTSTNRO = d.CNTSTNRO;")
            .arg(rows, locks.join(QStringLiteral(", ")), sums.join(QStringLiteral(", ")));
    };
    const auto rows = [&](const char* table, const char* sign) {
        const QString select = QStringLiteral("SELECT CNTSTNRO, ") +
                               selected.join(QStringLiteral(", ")) + QStringLiteral(" FROM %1");
        return select.arg(QString::fromLatin1(table), QString::fromLatin1(sign));
    };
    const QString added = rows("ldg_new", ""), removed = rows("ldg_old", "-");
    return QStringLiteral("CREATE OR REPLACE FUNCTION ldg_movements_changed() RETURNS trigger "
                          "LANGUAGE plpgsql AS $f$ BEGIN IF TG_OP = 'INSERT' THEN %1 ELSIF TG_OP "
                          "= 'DELETE' THEN %2 ELSE %3 END IF; RETURN NULL; END $f$")
        .arg(addTo(added), addTo(removed), addTo(added + QStringLiteral(" UNION ALL ") + removed));
}

// Every total of an account summed afresh from its movements.
QString recomputeTotals() {
    QStringList totals, sums;
    for (const auto& [total, amount] : SqlDialect::totals()) {
        totals << total;
        sums << QStringLiteral("COALESCE(SUM(m.%1), 0)").arg(amount);
    }
    return QStringLiteral("UPDATE BANCNT c SET (%1) = (SELECT %2 FROM BANMOV m WHERE m.CNTSTNRO = "
                          "c.CNTSTNRO)")
        .arg(totals.join(QStringLiteral(", ")), sums.join(QStringLiteral(", ")));
}

} // namespace

// The functions as the statements use them, and the account totals kept from the movements. A
// totals recompute (the listing's) first locks the accounts' rows, then sums with a fresh view
// of the movements, so a movement another person committed meanwhile is always counted.
QStringList PgLayout::serverObjects() {
    return QStringList{
               QStringLiteral("CREATE OR REPLACE FUNCTION ldg_schema_version() RETURNS integer "
                              "LANGUAGE sql IMMUTABLE AS 'SELECT %1'")
                   .arg(Schema::kVersion),
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_val(t text) RETURNS double precision LANGUAGE "
                   "sql "
                   "IMMUTABLE STRICT AS $f$ SELECT CASE WHEN n ~ '[0-9]' THEN n::double precision "
                   "ELSE 0 END FROM (SELECT substring(translate(t, E' \\t\\r\\n', '') FROM "
                   "'^[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)') AS n) x $f$"),
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_contains(d text, t text) RETURNS boolean "
                   "LANGUAGE sql IMMUTABLE AS $f$ SELECT strpos(lower(normalize(d, NFC)), "
                   "lower(normalize(t, NFC))) > 0 $f$"),
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_cdbl(a bigint) RETURNS double precision "
                   "LANGUAGE sql IMMUTABLE AS $f$ SELECT a / 10000.0::double precision $f$"),
               QStringLiteral("CREATE OR REPLACE FUNCTION ldg_format_date(d text) RETURNS text "
                              "LANGUAGE sql IMMUTABLE AS $f$ SELECT substr(d, 9, 2) || '/' || "
                              "substr(d, 6, 2) || '/' || substr(d, 1, 4) $f$"),
               QStringLiteral("CREATE OR REPLACE FUNCTION ldg_format_amount(a bigint) RETURNS text "
                              "LANGUAGE sql IMMUTABLE AS $f$ SELECT to_char(round(a / 10000.0, 2), "
                              "'FM999999999999990.00') $f$"),
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_recompute_totals(accounts bpchar[]) RETURNS "
                   "integer "
                   "LANGUAGE plpgsql AS $f$ DECLARE changed integer; BEGIN "
                   "PERFORM 1 FROM BANCNT WHERE CNTSTNRO = ANY(accounts) ORDER BY CNTSTNRO FOR "
                   "UPDATE; "
                   "%1 WHERE c.CNTSTNRO = ANY(accounts); "
                   "GET DIAGNOSTICS changed = ROW_COUNT; RETURN changed; END $f$")
                   .arg(recomputeTotals()),
               movementsChanged(),
               // A new account starts from the movements already under its number.
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_account_added() RETURNS trigger LANGUAGE "
                   "plpgsql AS $f$ BEGIN PERFORM ldg_recompute_totals(ARRAY[NEW.CNTSTNRO]); "
                   "RETURN NULL; END $f$"),
               QStringLiteral("DROP TRIGGER IF EXISTS bancnt_added ON BANCNT"),
               QStringLiteral("CREATE TRIGGER bancnt_added AFTER INSERT ON BANCNT FOR EACH ROW "
                              "EXECUTE FUNCTION ldg_account_added()"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_inserted ON BANMOV"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_updated ON BANMOV"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_deleted ON BANMOV"),
               QStringLiteral(
                   "CREATE TRIGGER banmov_inserted AFTER INSERT ON BANMOV REFERENCING NEW "
                   "TABLE AS ldg_new FOR EACH STATEMENT EXECUTE FUNCTION "
                   "ldg_movements_changed()"),
               QStringLiteral(
                   "CREATE TRIGGER banmov_updated AFTER UPDATE ON BANMOV REFERENCING OLD "
                   "TABLE AS ldg_old NEW TABLE AS ldg_new FOR EACH STATEMENT EXECUTE "
                   "FUNCTION ldg_movements_changed()"),
               QStringLiteral(
                   "CREATE TRIGGER banmov_deleted AFTER DELETE ON BANMOV REFERENCING OLD "
                   "TABLE AS ldg_old FOR EACH STATEMENT EXECUTE FUNCTION "
                   "ldg_movements_changed()"),
               SqlDialect::dateIndex(),
               SqlDialect::pendingIndex(),
               // Each account whose movements a statement changed is told, on commit, to the
               // connections listening on the channel: the other copies follow at once.
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_changes_notified() RETURNS trigger LANGUAGE "
                   "plpgsql AS $f$ BEGIN IF TG_OP <> 'DELETE' THEN PERFORM "
                   "pg_notify('ledgora', a) FROM (SELECT DISTINCT CNTSTNRO::text a FROM ldg_new) "
                   "s; END IF; IF TG_OP <> 'INSERT' THEN PERFORM pg_notify('ledgora', a) FROM "
                   "(SELECT DISTINCT CNTSTNRO::text a FROM ldg_old) s; END IF; RETURN NULL; END "
                   "$f$"),
               // A change of the account or concept lists is told with the table's name.
               QStringLiteral("CREATE OR REPLACE FUNCTION ldg_list_changed() RETURNS trigger "
                              "LANGUAGE plpgsql AS $f$ BEGIN PERFORM pg_notify('ledgora', "
                              "upper(TG_TABLE_NAME)); RETURN NULL; END $f$"),
               QStringLiteral("DROP TRIGGER IF EXISTS bancnt_told ON BANCNT"),
               QStringLiteral("DROP TRIGGER IF EXISTS bancon_told ON BANCON"),
               QStringLiteral("CREATE TRIGGER bancnt_told AFTER INSERT OR DELETE OR UPDATE OF "
                              "CNTSTNRO, CNTDTALT, CNTSTNOM, CNTSTBNK, CNTSTTEL, CNTSTBKC ON "
                              "BANCNT FOR EACH STATEMENT EXECUTE FUNCTION ldg_list_changed()"),
               QStringLiteral("CREATE TRIGGER bancon_told AFTER INSERT OR DELETE OR UPDATE ON "
                              "BANCON FOR EACH STATEMENT EXECUTE FUNCTION ldg_list_changed()"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_told_inserted ON BANMOV"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_told_updated ON BANMOV"),
               QStringLiteral("DROP TRIGGER IF EXISTS banmov_told_deleted ON BANMOV"),
               QStringLiteral("CREATE TRIGGER banmov_told_inserted AFTER INSERT ON BANMOV "
                              "REFERENCING NEW TABLE AS ldg_new FOR EACH STATEMENT EXECUTE "
                              "FUNCTION ldg_changes_notified()"),
               QStringLiteral("CREATE TRIGGER banmov_told_updated AFTER UPDATE ON BANMOV "
                              "REFERENCING OLD TABLE AS ldg_old NEW TABLE AS ldg_new FOR EACH "
                              "STATEMENT EXECUTE FUNCTION ldg_changes_notified()"),
               QStringLiteral("CREATE TRIGGER banmov_told_deleted AFTER DELETE ON BANMOV "
                              "REFERENCING OLD TABLE AS ldg_old FOR EACH STATEMENT EXECUTE "
                              "FUNCTION ldg_changes_notified()"),
               // An account keeps its row while it has movements, whoever deletes it.
               QStringLiteral(
                   "CREATE OR REPLACE FUNCTION ldg_account_guard() RETURNS trigger LANGUAGE "
                   "plpgsql AS $f$ BEGIN IF EXISTS (SELECT 1 FROM BANMOV WHERE CNTSTNRO = "
                   "OLD.CNTSTNRO) THEN RAISE EXCEPTION '%1'; END IF; RETURN OLD; END $f$")
                   .arg(SqlDialect::accountGuardRefusal()),
               QStringLiteral("DROP TRIGGER IF EXISTS bancnt_guard ON BANCNT"),
               QStringLiteral(
                   "CREATE TRIGGER bancnt_guard BEFORE DELETE ON BANCNT FOR EACH ROW EXECUTE "
                   "FUNCTION ldg_account_guard()"),
           } +
           AuditLayout::serverObjects();
}

bool PgLayout::holds(const ColumnDef& column, const QByteArray& type) {
    switch (column.kind) {
    case ColumnKind::Text:
    case ColumnKind::Date:
        return type == "bpchar" || type == "text" || type == "varchar";
    case ColumnKind::Integer:
        return type == "int2" || type == "int4" || type == "int8";
    case ColumnKind::Amount:
        return type == "int8";
    }
    return false;
}

} // namespace ledgora
