#include "clDemo.h"

#include "NewLedger.h"
#include "core/Conversions.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "domain/LedgerStatements.h"
#include "domain/StoredKey.h"
#include "forecast/RecurringRules.h"
#include "screens/ScreenStatements.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>

namespace ledgora {

namespace {

struct Concept {
    const char* number;
    const char* description;
    char type; // 'C' credit, 'D' debit
    int typicalCents;
};

const Concept kConcepts[] = {
    {"1", "Depósito", 'C', 150000},       {"2", "Cobro de facturas", 'C', 380000},
    {"3", "Intereses", 'C', 2500},        {"4", "Pago a proveedores", 'D', 160000},
    {"5", "Sueldos", 'D', 420000},        {"6", "Impuestos", 'D', 60000},
    {"7", "Gastos bancarios", 'D', 1800},
};
// How often each concept comes up: mostly collections, now and then the salaries.
const int kDraws[] = {1, 1, 2, 2, 2, 2, 3, 4, 4, 4, 5, 6, 7, 7};

void addAccount(clManejo& manejo, const char* number, const char* name, const char* bank,
                const char* phone, const char* contact, QDate since) {
    insertAccount(manejo,
                  {QString::fromUtf8(number), since, QString::fromUtf8(name),
                   QString::fromUtf8(bank), QString::fromUtf8(phone), QString::fromUtf8(contact)});
}

// A year of movements for one account: a few a week, the last three weeks still pending.
void addMovements(clManejo& manejo, const QString& account, QDate today, quint32 seed) {
    QRandomGenerator random(seed);
    NewMovement movement;
    movement.account = account;
    for (QDate day = today.addYears(-1).addDays(1); day <= today; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5 || random.bounded(100) > 45)
            continue;
        const Concept& concept = kConcepts[kDraws[random.bounded(int(std::size(kDraws)))] - 1];
        const int cents = concept.typicalCents / 2 + int(random.bounded(concept.typicalCents));
        const Money amount = Money::fromUnits(std::int64_t(cents) * 100);
        const bool pending = day.daysTo(today) < 21;
        const bool credit = concept.type == 'C';
        ++movement.number;
        movement.date = day;
        movement.concept = ConceptKey(QString::fromUtf8(concept.number)).text();
        movement.description =
            QString::fromUtf8(concept.description) + u' ' + rt::formatDateDashed(day);
        movement.amounts = {};
        (credit ? (pending ? movement.amounts.MOVDLAAC : movement.amounts.MOVDLACR)
                : (pending ? movement.amounts.MOVDLADE : movement.amounts.MOVDLDEB)) = amount;
        insertMovement(manejo, movement);
    }
}

// The account's running totals, as the listing loader keeps them.
void storeTotals(clManejo& manejo, const QString& account, QDate today) {
    Recordset rs;
    manejo.RsDesconectado(true);
    const MovementAmounts sums = sumMovements(manejo, rs, account, today);
    manejo.Ejecutar(forms::ledgerAccountTotals,
                    {rt::generalNumberText(sums.MOVDLAAC), rt::generalNumberText(sums.MOVDLADE),
                     rt::generalNumberText(sums.MOVDLACR), rt::generalNumberText(sums.MOVDLDEB),
                     account});
}

// What the current account pays every month and every quarter, for the forecast to show: the
// salaries on the 25th, the rent on the 1st, the taxes on the 20th of each quarter.
void addSchedules(clManejo& manejo, QDate today) {
    using F = RecurringRule::Frequency;
    const QDate first(today.year(), today.month(), 1);
    struct Schedule {
        const char* concept;
        const char* description;
        std::int64_t cents;
        F frequency;
        int day;
    };
    const Schedule schedules[] = {{"5", "Sueldos del mes", 1250000, F::Monthly, 25},
                                  {"4", "Alquiler del local", 320000, F::Monthly, 1},
                                  {"6", "Impuestos del trimestre", 540000, F::Quarterly, 20}};
    for (const Schedule& s : schedules) {
        RecurringRule rule;
        rule.account = QStringLiteral("001");
        rule.concept = QString::fromUtf8(s.concept);
        rule.description = QString::fromUtf8(s.description);
        rule.amount = Money::fromUnits(s.cents * (Money::kScale / 100));
        rule.side = RecurringRule::Side::Debit;
        rule.frequency = s.frequency;
        rule.day = s.day;
        rule.first = first;
        RecurringRules::add(manejo, rule);
    }
}

} // namespace

clDemo::clDemo() = default;

Result clDemo::Crear(const QString& path) {
    const QString failed =
        QCoreApplication::translate("clDemo", "no se pudo escribir el ejemplo: ");
    try {
        return fill(path);
    } catch (const RuntimeError& error) {
        // The batch is rolled back: the file is as it was.
        return {error.kind(), failed + error.description()};
    } catch (const std::exception& error) {
        return {Result::Kind::Other, failed + QString::fromLocal8Bit(error.what())};
    }
}

Result clDemo::fill(const QString& path) {
    clManejo manejo;
    switch (NewLedger::open(manejo, path)) {
    case NewLedger::State::Unreachable:
        return {Result::Kind::NoConnection,
                QCoreApplication::translate("clDemo", "no se puede abrir la base de datos")};
    case NewLedger::State::HasAccounts:
        return {Result::Kind::Refused,
                QCoreApplication::translate(
                    "clDemo", "la base de datos ya tiene cuentas; se abre tal como está")};
    case NewLedger::State::Empty:
        break;
    }

    const QDate today = QDate::currentDate();
    WriteBatch batch(manejo);
    addAccount(manejo, "001", "Cuenta corriente", "Banco Nación", "011 4345-1000", "Lucía Pérez",
               today.addYears(-2));
    addAccount(manejo, "002", "Caja de ahorro", "Banco Galicia", "011 6329-0000", "Martín Gómez",
               today.addYears(-1));
    addAccount(manejo, "003", "Caja chica", "", "", "", today.addMonths(-3));
    // A concept the file already keeps under a number stays as it is.
    for (const Concept& concept : kConcepts) {
        try {
            manejo.Ejecutar(forms::conceptsInsert, {QString::fromUtf8(concept.number),
                                                    QString::fromUtf8(concept.description),
                                                    QString(QChar::fromLatin1(concept.type))});
        } catch (const RuntimeError&) {
        }
    }
    addMovements(manejo, QStringLiteral("001"), today, 2026);
    addMovements(manejo, QStringLiteral("002"), today, 1969);
    for (const char* account : {"001", "002"})
        storeTotals(manejo, QString::fromLatin1(account), today);
    batch.commit();
    addSchedules(manejo, today);
    return {};
}

} // namespace ledgora
