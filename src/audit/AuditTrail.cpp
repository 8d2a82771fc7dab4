#include "AuditTrail.h"

#include "AuditStatements.h"
#include "audit/AuditLog.h"

#include "core/Conversions.h"
#include "core/FileErrorText.h"
#include "data/AuditChain.h"
#include "data/CsvText.h"
#include "data/Recordset.h"
#include "data/clManejo.h"

#include <QDir>
#include <QSaveFile>

namespace ledgora {

namespace {

// Rows read at a time while the chain is checked.
constexpr std::int64_t kWindow = 20000;

// A value as the database gave it back as text, the way a seal reads it.
std::optional<QByteArray> sealedText(const Variant& value) {
    if (value.isNull())
        return std::nullopt;
    return rt::toText(value).toUtf8();
}

} // namespace

QString ChainCheck::text() const {
    QString line =
        brokenAt
            ? AuditTrail::tr("El historial está roto en la fila %1: %2.").arg(*brokenAt).arg(why)
            : (sealed == 1
                   ? AuditTrail::tr("El historial está íntegro: 1 fila sellada.")
                   : AuditTrail::tr("El historial está íntegro: %1 filas selladas.").arg(sealed));
    if (unsealed > 0)
        line += u' ' + AuditTrail::tr("Filas del final aún sin sellar, escritas por otro "
                                      "programa: %1; se sellarán con el próximo cambio.")
                           .arg(unsealed);
    return line;
}

std::vector<AuditEntry> AuditTrail::history(clManejo& manejo, const QString& account,
                                            std::optional<std::int64_t> movement) {
    Recordset rs;
    manejo.RsDesconectado(true);
    if (account.isEmpty())
        manejo.CrearRs(rs, forms::auditHistory, {});
    else if (!movement)
        manejo.CrearRs(rs, forms::auditHistoryAccount, {account});
    else
        manejo.CrearRs(rs, forms::auditHistoryMovement, {account, QString::number(*movement)});
    std::vector<AuditEntry> entries;
    for (; !rs.Eof(); rs.MoveNext())
        entries.push_back(AuditEntry::read(rs));
    return entries;
}

ChainCheck AuditTrail::verify(clManejo& manejo) {
    ChainCheck check;
    const auto broken = [&check](std::int64_t id, const QString& why) {
        check.brokenAt = id;
        check.why = why;
        // Someone changed the history behind the program's back: worth saying unasked.
        qCWarning(lcAudit).noquote() << "the seal chain breaks at row" << id << ":" << why;
        return check;
    };
    const std::int64_t last = std::max(manejo.scalar(forms::auditLast, {}).value_or(0),
                                       manejo.scalar(forms::auditLastSeal, {}).value_or(0));
    QByteArray previous;
    std::optional<std::int64_t> firstUnsealed;
    const int fields = int(AuditChain::columns().size());
    for (std::int64_t from = 0; from < last; from += kWindow) {
        const QStringList window = {QString::number(from), QString::number(from + kWindow)};
        Recordset rows, seals;
        manejo.RsDesconectado(true);
        manejo.CrearRs(rows, forms::auditRows, window);
        manejo.CrearRs(seals, forms::auditSeals, window);
        while (!rows.Eof() || !seals.Eof()) {
            const std::int64_t row = rows.Eof() ? -1 : rt::wholeNumber(rows.Fields(0));
            const std::int64_t sealed = seals.Eof() ? -1 : rt::wholeNumber(seals.Fields(0));
            if (row < 0 || (sealed >= 0 && sealed < row))
                return broken(sealed, tr("falta la fila, y su sello sigue ahí"));
            if (sealed != row) {
                firstUnsealed = firstUnsealed.value_or(row);
                ++check.unsealed;
                rows.MoveNext();
                continue;
            }
            if (firstUnsealed)
                return broken(*firstUnsealed, tr("no tiene sello, y las filas que le siguen sí"));
            std::vector<std::optional<QByteArray>> values;
            for (int c = 0; c < fields; ++c)
                values.push_back(sealedText(rows.Fields(c)));
            const QByteArray seal = rt::toText(seals.Fields(1)).toLatin1();
            if (AuditChain::link(previous, values) != seal)
                return broken(row, tr("su sello no corresponde a su contenido ni a la fila "
                                      "anterior: la fila se cambió, o se quitó la anterior"));
            previous = seal;
            ++check.sealed;
            rows.MoveNext();
            seals.MoveNext();
        }
    }
    return check;
}

Result AuditTrail::writeCsv(clManejo& manejo, const QString& account, const QString& path) {
    const std::vector<AuditEntry> entries = history(manejo, account);
    QSaveFile file(path);
    const auto notWritten = [&] {
        return Result(Result::Kind::FileAccess,
                      tr("no se pudo escribir %1: %2")
                          .arg(QDir::toNativeSeparators(path), fileErrorText(file)));
    };
    if (!file.open(QIODevice::WriteOnly))
        return notWritten();
    auto write = [&file](const QStringList& fields) { file.write(CsvText::line(fields).toUtf8()); };
    write({QStringLiteral("numero"), QStringLiteral("fecha_hora_utc"), QStringLiteral("usuario"),
           QStringLiteral("programa"), QStringLiteral("rutina"), QStringLiteral("tabla"),
           QStringLiteral("operacion"), QStringLiteral("cuenta"), QStringLiteral("movimiento"),
           QStringLiteral("clave"), QStringLiteral("antes"), QStringLiteral("despues")});
    for (const AuditEntry& entry : entries)
        write({QString::number(entry.id), entry.when, CsvText::inertText(entry.user),
               CsvText::inertText(entry.program), entry.routine, entry.table, entry.operationName(),
               CsvText::inertText(entry.account),
               entry.movement ? QString::number(*entry.movement) : QString(),
               CsvText::inertText(entry.key), CsvText::inertText(entry.before),
               CsvText::inertText(entry.after)});
    if (!file.commit())
        return notWritten();
    return {};
}

} // namespace ledgora
