#include "clImportar.h"

#include "LegacyTable.h"
#include "NewLedger.h"
#include "core/Conversions.h"
#include "data/ConnectionString.h"
#include "data/DatabaseCopy.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"

#include <QFileInfo>
#include <QSet>

namespace ledgora {

namespace {

// Key numbers compare as the ledger compares them: without the blanks after them.
QString keyOf(const QString& stored) {
    return rt::trimBlanks(stored);
}

} // namespace

clImportar::clImportar() = default;

QString clImportar::Importar(const QString& legacy, const QString& dbPath) {
    summary_.clear();
    if (!QFileInfo::exists(legacy))
        return QStringLiteral("no hay nada que importar en ") + legacy;
    // The ledger's tables go into a new or empty file, or one that already has them; never
    // beside another program's tables.
    if (!ConnectionString::isServerAddress(dbPath) && DatabaseCopy::belongsToAnotherProgram(dbPath))
        return QStringLiteral("%1 tiene tablas de otro programa: no se importó nada").arg(dbPath);
    clManejo manejo;
    // A row the database refuses (a number taken twice) is refused where it was read.
    auto insert = [&manejo](const LegacyTable& table, const char* form, const QStringList& values) {
        try {
            manejo.Ejecutar(form, values);
        } catch (const RuntimeError& error) {
            throw table.refusal(error.description());
        }
    };
    try {
        // The legacy tables are looked for first: a wrong source lays out nothing.
        const QStringList tables = {QStringLiteral("BANCNT"), QStringLiteral("BANCON"),
                                    QStringLiteral("BANMOV")};
        LegacyTable::requireTables(legacy, tables);
        switch (NewLedger::open(manejo, dbPath)) {
        case NewLedger::State::Unreachable:
            return QStringLiteral("no se puede abrir la base de datos ") +
                   ConnectionString::masked(dbPath);
        case NewLedger::State::HasAccounts:
            return QStringLiteral("la base de datos ya tiene cuentas: no se importó nada");
        case NewLedger::State::Empty:
            break;
        }
        WriteBatch batch(manejo);
        // The keys of the accounts and concepts, for the movements to name; the movements
        // themselves go in as they are read, however many there are.
        QSet<QString> accountKeys, conceptKeys;
        // The totals are the database's, summed from the movements: the stored ones may be left
        // out.
        LegacyTable accounts(legacy, tables[0],
                             {QStringLiteral("TOMDLAAC"), QStringLiteral("TOMDLADE"),
                              QStringLiteral("TOMDLACR"), QStringLiteral("TOMDLDEB")});
        while (accounts.next()) {
            const QString number = accounts.key("CNTSTNRO");
            // An account registered without a date takes today's, as a new one would.
            const QDate since = accounts.date("CNTDTALT", QDate::currentDate());
            insert(accounts, "accounts.insert",
                   {number, rt::formatDateSlashed(since), accounts.text("CNTSTNOM"),
                    accounts.text("CNTSTBNK"), accounts.text("CNTSTTEL"),
                    accounts.text("CNTSTBKC")});
            accountKeys.insert(keyOf(number));
        }
        LegacyTable concepts(legacy, tables[1]);
        while (concepts.next()) {
            const QString number = concepts.key("CONSTNRO");
            insert(concepts, "concepts.insert",
                   {number, concepts.text("CONSTDSC"), concepts.text("CONSTTIP")});
            conceptKeys.insert(keyOf(number));
        }
        LegacyTable movements(legacy, tables[2]);
        while (movements.next()) {
            const QString account = movements.key("CNTSTNRO");
            const QString concept = movements.key("CONSTNRO");
            if (!accountKeys.contains(keyOf(account)))
                throw movements.refusal(
                    QStringLiteral("la cuenta \"%1\" no está en BANCNT").arg(account));
            if (!conceptKeys.contains(keyOf(concept)))
                throw movements.refusal(
                    QStringLiteral("el concepto \"%1\" no está en BANCON").arg(concept));
            QStringList values = {account, QString::number(movements.whole("MOVINNRO")),
                                  rt::formatDateSlashed(movements.date("MOVDTALT")), concept,
                                  movements.text("MOVSTCPT")};
            for (const char* column : {"MOVDLAAC", "MOVDLADE", "MOVDLACR", "MOVDLDEB"})
                values << rt::generalNumberText(movements.amount(column));
            insert(movements, "entry.insertMovement", values);
        }
        batch.commit();
        summary_ = QStringLiteral("se importaron %1 cuentas, %2 conceptos y %3 movimientos")
                       .arg(accounts.rows())
                       .arg(concepts.rows())
                       .arg(movements.rows());
    } catch (const RuntimeError& error) {
        return error.description() + QStringLiteral("; no se importó nada");
    }
    return {};
}

} // namespace ledgora
