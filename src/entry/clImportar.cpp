#include "clImportar.h"

#include "entry/EntryLog.h"
#include "screens/ScreenStatements.h"

#include "LegacyTable.h"
#include "NewLedger.h"
#include "core/Conversions.h"
#include "data/ConnectionString.h"
#include "data/DatabaseCopy.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace ledgora {

namespace {

// "1 cuenta", "3 cuentas": no catalogue is loaded for Spanish, so the form is chosen here by the
// count; a catalogue of another language translates both.
QString counted(int n, const char* one, const char* many) {
    return QCoreApplication::translate("clImportar", n == 1 ? one : many, nullptr, n);
}

// Key numbers compare as the ledger compares them: without the blanks after them.
QString keyOf(const QString& stored) {
    return rt::trimBlanks(stored);
}

// Stores the current row; a row the database refuses (a number taken twice) is refused where
// it was read.
template <typename Insert> void insertRow(const LegacyTable& table, Insert insert) {
    try {
        insert();
    } catch (const RuntimeError& error) {
        throw table.refusal(error.description());
    }
}

// Why the ledger cannot take the import, or empty text when it can and is open.
Result openTarget(clManejo& manejo, const QString& dbPath) {
    switch (NewLedger::open(manejo, dbPath)) {
    case NewLedger::State::Unreachable:
        return {Result::Kind::NoConnection,
                QCoreApplication::translate("clImportar", "no se puede abrir la base de datos ") +
                    ConnectionString::masked(dbPath)};
    case NewLedger::State::HasAccounts:
        return {Result::Kind::Refused,
                QCoreApplication::translate(
                    "clImportar", "la base de datos ya tiene cuentas: no se importó nada")};
    case NewLedger::State::Empty:
        break;
    }
    return {};
}

// The accounts, each stored as it is read; gives their keys, for the movements to name.
QSet<QString> importAccounts(clManejo& manejo, LegacyTable& accounts) {
    QSet<QString> keys;
    while (accounts.next()) {
        const QString number = accounts.key("CNTSTNRO");
        // An account registered without a date takes today's, as a new one would.
        const QDate since = accounts.date("CNTDTALT", QDate::currentDate());
        insertRow(accounts, [&] {
            insertAccount(manejo,
                          {number, since, accounts.text("CNTSTNOM"), accounts.text("CNTSTBNK"),
                           accounts.text("CNTSTTEL"), accounts.text("CNTSTBKC")});
        });
        keys.insert(keyOf(number));
    }
    return keys;
}

QSet<QString> importConcepts(clManejo& manejo, LegacyTable& concepts) {
    QSet<QString> keys;
    while (concepts.next()) {
        const QString number = concepts.key("CONSTNRO");
        insertRow(concepts, [&] {
            manejo.Ejecutar(forms::conceptsInsert,
                            {number, concepts.text("CONSTDSC"), concepts.text("CONSTTIP")});
        });
        keys.insert(keyOf(number));
    }
    return keys;
}

// The movements, as they are read however many there are, each of an account and a concept
// already brought in.
void importMovements(clManejo& manejo, LegacyTable& movements, const QSet<QString>& accountKeys,
                     const QSet<QString>& conceptKeys) {
    while (movements.next()) {
        const QString account = movements.key("CNTSTNRO");
        const QString concept = movements.key("CONSTNRO");
        if (!accountKeys.contains(keyOf(account)))
            throw movements.refusal(
                QCoreApplication::translate("clImportar", "la cuenta \"%1\" no está en BANCNT")
                    .arg(account));
        if (!conceptKeys.contains(keyOf(concept)))
            throw movements.refusal(
                QCoreApplication::translate("clImportar", "el concepto \"%1\" no está en BANCON")
                    .arg(concept));
        const NewMovement movement = {account,
                                      movements.whole("MOVINNRO"),
                                      movements.date("MOVDTALT"),
                                      concept,
                                      movements.text("MOVSTCPT"),
                                      {movements.amount("MOVDLAAC"), movements.amount("MOVDLADE"),
                                       movements.amount("MOVDLACR"), movements.amount("MOVDLDEB")}};
        insertRow(movements, [&] { insertMovement(manejo, movement); });
    }
}

} // namespace

clImportar::clImportar() = default;

Result clImportar::Importar(const QString& legacy, const QString& dbPath) {
    summary_.clear();
    if (!QFileInfo::exists(legacy))
        return {Result::Kind::Refused,
                QCoreApplication::translate("clImportar", "no hay nada que importar en ") + legacy};
    // The ledger's tables go into a new or empty file, or one that already has them; never
    // beside another program's tables.
    if (!ConnectionString::isServerAddress(dbPath) && DatabaseCopy::belongsToAnotherProgram(dbPath))
        return {Result::Kind::Refused,
                QStringLiteral("%1 tiene tablas de otro programa: no se importó nada").arg(dbPath)};
    clManejo manejo;
    try {
        // The legacy tables are looked for first: a wrong source lays out nothing.
        const QStringList tables = {QStringLiteral("BANCNT"), QStringLiteral("BANCON"),
                                    QStringLiteral("BANMOV")};
        LegacyTable::requireTables(legacy, tables);
        if (Result opened = openTarget(manejo, dbPath); !opened)
            return opened;
        WriteBatch batch(manejo, WriteBatch::Size::Large);
        // The totals are the database's, summed from the movements: the stored ones may be left
        // out.
        LegacyTable accounts(legacy, tables[0],
                             {QStringLiteral("TOMDLAAC"), QStringLiteral("TOMDLADE"),
                              QStringLiteral("TOMDLACR"), QStringLiteral("TOMDLDEB")});
        const QSet<QString> accountKeys = importAccounts(manejo, accounts);
        LegacyTable concepts(legacy, tables[1]);
        const QSet<QString> conceptKeys = importConcepts(manejo, concepts);
        LegacyTable movements(legacy, tables[2]);
        importMovements(manejo, movements, accountKeys, conceptKeys);
        batch.commit();
        summary_ =
            QCoreApplication::translate("clImportar", "se importaron %1, %2 y %3")
                .arg(counted(accounts.rows(), QT_TRANSLATE_NOOP("clImportar", "%n cuenta"),
                             QT_TRANSLATE_NOOP("clImportar", "%n cuentas")),
                     counted(concepts.rows(), QT_TRANSLATE_NOOP("clImportar", "%n concepto"),
                             QT_TRANSLATE_NOOP("clImportar", "%n conceptos")),
                     counted(movements.rows(), QT_TRANSLATE_NOOP("clImportar", "%n movimiento"),
                             QT_TRANSLATE_NOOP("clImportar", "%n movimientos")));
        qCInfo(lcImport).noquote()
            << legacy << "into" << ConnectionString::masked(dbPath) << ":" << summary_;
    } catch (const RuntimeError& error) {
        qCWarning(lcImport).noquote() << legacy << "refused:" << error.description();
        return {error.kind(), error.description() + QStringLiteral("; no se importó nada")};
    }
    return {};
}

} // namespace ledgora
