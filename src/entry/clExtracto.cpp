#include "clExtracto.h"

#include "entry/EntryLog.h"
#include "screens/ScreenStatements.h"

#include "core/FileErrorText.h"
#include "data/ConnectionString.h"
#include "data/Recordset.h"
#include "data/clManejo.h"
#include "reconcile/AppliedCounts.h"
#include "reconcile/CsvLayouts.h"
#include "reconcile/Reconciler.h"
#include "statements/StatementReader.h"

#include <QFile>

namespace ledgora {

namespace {

QString summaryLine(const QString& bankKey, const ApplyOutcome& outcome) {
    return clExtracto::tr("Extracto %1: %2, %3 para revisar.")
        .arg(bankKey, AppliedCounts::text(outcome))
        .arg(outcome.leftForReview);
}

bool accountExists(clManejo& manejo, const QString& account) {
    Recordset rs;
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::accountsReadOne, {account});
    return !rs.Eof();
}

// The ledger account a statement goes to, or why it cannot go anywhere. A bank account linked
// already goes to its own account; the account given is for the one that is not. In a file of
// one bank account, an account given that contradicts its link is a mistake, and refused.
QString accountFor(clManejo& manejo, const BankStatement& statement, const QString& given,
                   bool alone, QString& why) {
    const QString bankKey = statement.accountKey();
    const std::optional<QString> linked = Reconciler::linkedAccount(manejo, bankKey);
    if (linked && !given.isEmpty() && *linked != given && alone)
        why = clExtracto::tr("la cuenta bancaria %1 está vinculada a la cuenta %2, no a la %3")
                  .arg(bankKey, *linked, given);
    else if (!linked && given.isEmpty())
        why = clExtracto::tr("la cuenta bancaria %1 no está vinculada a ninguna cuenta del libro: "
                             "indique la cuenta tras la base de datos")
                  .arg(bankKey);
    else if (!accountExists(manejo, linked.value_or(given)))
        why = clExtracto::tr("no existe la cuenta %1").arg(linked.value_or(given));
    else
        why = Reconciler::currencyRefusal(statement, linked.value_or(given));
    return linked.value_or(given);
}

// A file of several bank accounts (Spanish banks send all of a customer's accounts in one):
// the account given may take only one that is not linked yet.
QString unlinkedRefusal(clManejo& manejo, const QList<BankStatement>& statements,
                        const QString& given) {
    QStringList unlinked;
    // Several statements of one bank account (a day's MT940 message each) are one account.
    for (const BankStatement& statement : statements)
        if (!unlinked.contains(statement.accountKey()) &&
            !Reconciler::linkedAccount(manejo, statement.accountKey()))
            unlinked << statement.accountKey();
    if (given.isEmpty() || unlinked.size() < 2)
        return {};
    return clExtracto::tr("el archivo trae %1 cuentas bancarias sin vincular (%2) y la cuenta "
                          "%3 solo puede ser de una: vincule cada una en la pantalla de "
                          "conciliación (F9), que pregunta por cada una")
        .arg(unlinked.size())
        .arg(unlinked.join(QStringLiteral(", ")), given);
}

} // namespace

clExtracto::clExtracto() = default;

Result clExtracto::Aplicar(const QString& statementFile, const QString& dbPath,
                           const QString& account) {
    return run(statementFile, dbPath, account, Run::Apply);
}

Result clExtracto::Simular(const QString& statementFile, const QString& dbPath,
                           const QString& account) {
    return run(statementFile, dbPath, account, Run::DryRun);
}

Result clExtracto::run(const QString& statementFile, const QString& dbPath, const QString& account,
                       Run mode) {
    summary_.clear();
    // A spreadsheet export is read by the layout the ledger remembers for the account, once
    // the ledger is open; the banks' own formats say everything themselves.
    const bool csv = CsvLayouts::isCsv(statementFile);
    if (csv && account.trimmed().isEmpty())
        return {Result::Kind::Refused,
                clExtracto::tr("un archivo CSV no dice de qué cuenta es: indique la CUENTA")};
    StatementFile read;
    if (!csv) {
        read = StatementReader::readFile(statementFile);
        if (read.isRefused())
            return {Result::Kind::Refused, read.refusal->message};
    }
    const bool dry = mode == Run::DryRun;
    clManejo manejo;
    // A dry run only reads: the ledger is left exactly as it was.
    manejo.CadenaConexion(ConnectionString::forSource(dbPath, dry));
    manejo.Conectar();
    if (!manejo.EstadoConexion())
        return {Result::Kind::NoConnection, clExtracto::tr("no se puede abrir la base de datos %1")
                                                .arg(ConnectionString::masked(dbPath))};
    if (csv) {
        QFile file(statementFile);
        if (!file.open(QIODevice::ReadOnly))
            return {Result::Kind::FileAccess,
                    clExtracto::tr("No se puede abrir el extracto %1: %2.")
                        .arg(statementFile, fileErrorText(file))};
        try {
            read = CsvLayouts::read(manejo, account, file.readAll());
        } catch (const RuntimeError& error) {
            return {error.kind(), error.description()};
        }
        if (read.isRefused())
            return {Result::Kind::Refused, read.refusal->message};
    }
    try {
        // Every statement finds its account before anything is written.
        std::vector<ReconciliationPlan> plans;
        const MatchSettings settings = MatchSettings::fromSettings();
        if (const QString why = unlinkedRefusal(manejo, read.statements, account.trimmed());
            !why.isEmpty())
            return {Result::Kind::Refused, clExtracto::tr("%1; no se ha escrito nada").arg(why)};
        for (const BankStatement& statement : read.statements) {
            QString why;
            const QString target =
                accountFor(manejo, statement, account.trimmed(), read.statements.size() == 1, why);
            if (!why.isEmpty())
                return {Result::Kind::Refused,
                        clExtracto::tr("%1; no se ha escrito nada").arg(why)};
            plans.push_back(Reconciler::propose(manejo, statement, target, settings));
        }
        const std::vector<ApplyOutcome> outcomes = Reconciler::applyAll(manejo, plans, dry);
        QStringList lines;
        for (std::size_t k = 0; k < plans.size(); ++k)
            lines << summaryLine(plans[k].bankKey, outcomes[k]);
        if (dry)
            lines << clExtracto::tr("(simulación: no se ha escrito nada)");
        summary_ = lines.join(u'\n');
        qCInfo(lcEntry).noquote() << statementFile << "applied to"
                                  << ConnectionString::masked(dbPath) << ":" << summary_;
    } catch (const RuntimeError& error) {
        qCWarning(lcEntry).noquote() << statementFile << "not applied:" << error.description();
        QString why = error.description();
        if (why.endsWith(u'.')) // the engine's sentence goes on after a semicolon
            why.chop(1);
        return {error.kind(), clExtracto::tr("%1; no se ha escrito nada").arg(why)};
    }
    return {};
}

} // namespace ledgora
