#include "MovementBin.h"

#include "AuditStatements.h"

#include "core/Conversions.h"
#include "data/Recordset.h"
#include "data/WriteBatch.h"
#include "data/clManejo.h"
#include "ledger/LedgerStatements.h"

namespace ledgora {

namespace {

long countOf(clManejo& manejo, const char* form, const QStringList& values) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, form, values);
    return rs.Eof() ? 0 : long(rt::leadingNumber(rt::toText(rs.Fields(QStringLiteral("tot")))));
}

QString amountText(const QString& units) {
    return rt::generalNumberText(Money::fromUnits(units.toLongLong()));
}

} // namespace

std::vector<AuditEntry> MovementBin::deleted(clManejo& manejo, const QString& account) {
    registerAuditStatements();
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, "bin.deleted", {account});
    std::vector<AuditEntry> entries;
    for (; !rs.Eof(); rs.MoveNext())
        entries.push_back(AuditEntry::read(rs));
    return entries;
}

QStringList MovementBin::statementValues(const QMap<QString, QString>& image) {
    // The date as the entry screen writes it.
    return {rt::formatDateSlashed(
                QDate::fromString(image.value(QStringLiteral("MOVDTALT")), Qt::ISODate)),
            image.value(QStringLiteral("CONSTNRO")),
            image.value(QStringLiteral("MOVSTCPT")),
            amountText(image.value(QStringLiteral("MOVDLAAC"))),
            amountText(image.value(QStringLiteral("MOVDLADE"))),
            amountText(image.value(QStringLiteral("MOVDLACR"))),
            amountText(image.value(QStringLiteral("MOVDLDEB")))};
}

Result MovementBin::takeBack(clManejo& manejo, const AuditEntry& change, const char* how) {
    manejo.Ejecutar("audit.holdAccount", {change.account});
    if (countOf(manejo, "audit.taken", {QString::number(change.id)}) > 0)
        return {Result::Kind::ChangedMeanwhile,
                tr("Otra persona ya ha recuperado ese cambio: no se ha hecho nada.")};
    manejo.Ejecutar("audit.takeBack", {QString::number(change.id), QString::fromLatin1(how)});
    return {};
}

std::int64_t MovementBin::reenter(clManejo& manejo, const QMap<QString, QString>& image,
                                  const char* form) {
    const QString account = image.value(QStringLiteral("CNTSTNRO")).trimmed();
    std::int64_t number = image.value(QStringLiteral("MOVINNRO")).toLongLong();
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, "audit.numberTaken", {account, QString::number(number)});
    if (!rs.Eof())
        number = std::int64_t(highestMovementNumber(manejo, rs, account).value_or(0)) + 1;
    manejo.Ejecutar(form, QStringList{account, QString::number(number)} + statementValues(image));
    return number;
}

TakeBackOutcome MovementBin::restore(clManejo& manejo, const AuditEntry& deletion) {
    registerAuditStatements();
    TakeBackOutcome outcome;
    WriteBatch batch(manejo);
    outcome.refusal = takeBack(manejo, deletion, "P").text();
    if (!outcome.done())
        return outcome;
    outcome.number = reenter(manejo, AuditEntry::values(deletion.before), "bin.restore");
    batch.commit();
    outcome.said = tr("Movimiento recuperado con el nº %1.").arg(outcome.number);
    return outcome;
}

} // namespace ledgora
