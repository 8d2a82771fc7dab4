#include "CsvLayouts.h"

#include "ReconcileStatements.h"
#include "Reconciler.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "statements/CsvStatementReader.h"

#include <QCoreApplication>

namespace ledgora {

bool CsvLayouts::isCsv(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

std::optional<CsvLayout> CsvLayouts::find(clManejo& manejo, const QString& account,
                                          const QByteArray& bytes) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::reconcileCsvLayouts, {account.trimmed()});
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto layout = CsvLayout::fromText(rs.valueOf<QString>(QStringLiteral("CSVSTFOR")));
        if (layout && layout->headerOf(bytes) == rs.valueOf<QString>(QStringLiteral("CSVSTCAB")))
            return layout;
    }
    return std::nullopt;
}

void CsvLayouts::remember(clManejo& manejo, const QString& account, const CsvLayout& layout,
                          const QByteArray& bytes) {
    manejo.Ejecutar(forms::reconcileRememberCsv,
                    {account.trimmed(), layout.headerOf(bytes), layout.toText()});
}

StatementFile CsvLayouts::read(const QByteArray& bytes, const CsvLayout& layout,
                               const QString& account) {
    StatementFile file = CsvStatementReader::read(bytes, layout, account);
    for (BankStatement& statement : file.statements) {
        statement.currency = Reconciler::ledgerCurrency();
        for (BankLine& line : statement.lines)
            line.currency = statement.currency;
    }
    return file;
}

StatementFile CsvLayouts::read(clManejo& manejo, const QString& account, const QByteArray& bytes) {
    if (const auto layout = find(manejo, account, bytes))
        return read(bytes, *layout, account);
    return StatementFile::refused(
        {0, QCoreApplication::translate(
                "CsvLayouts", "El archivo CSV no tiene un formato definido para la cuenta %1: "
                              "defínalo una vez en la pantalla de conciliación (F9), que lo "
                              "recuerda para los siguientes.")
                .arg(account.trimmed())});
}

} // namespace ledgora
