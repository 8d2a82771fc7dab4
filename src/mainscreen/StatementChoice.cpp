#include "StatementChoice.h"

#include "core/FileErrorText.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBoxes.h"
#include "platform/PickList.h"
#include "reconcile/CsvLayouts.h"
#include "reconcile/Reconciler.h"
#include "reconcilescreen/FrmFormatoCsv.h"
#include "reconcilescreen/LedgerAccountList.h"
#include "statements/StatementReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace ledgora {

namespace {

// The ledger account a bank account belongs to, asked of the person and remembered.
std::optional<QString> askAccount(QWidget* parent, const BankStatement& statement,
                                  const QString& current) {
    const LedgerAccountList accounts = LedgerAccountList::read();
    const QString holder = statement.holder.trimmed();
    const QString prompt =
        QCoreApplication::translate("StatementChoice", "¿A qué cuenta pertenece el extracto %1?")
            .arg(holder.isEmpty() ? statement.accountKey()
                                  : statement.accountKey() + QStringLiteral(" (") + holder + u')');
    const auto chosen =
        PickList::choose(parent, prompt, accounts.entries,
                         std::max(0, int(accounts.numbers.indexOf(current.trimmed()))));
    if (!chosen)
        return std::nullopt;
    // Applying links the statement to the account it is applied to; another account's is
    // linked now, so that it is recognised when that account is reconciled.
    const QString& account = accounts.numbers.at(*chosen);
    if (account != current.trimmed()) {
        Reconciler::link(requireManejo(), statement.accountKey(), account);
        MsgBox(
            QCoreApplication::translate(
                "StatementChoice",
                "El extracto %1 queda vinculado con la cuenta %2. Selecciónela para conciliarlo.")
                .arg(statement.accountKey(), account),
            MsgIcon::Exclamation);
    }
    return account;
}

// A spreadsheet export read by the layout the ledger remembers for the account; the first one
// of its kind asks the person for its layout, guessed from the file, and remembers it once it
// reads. Nothing when the person left the question.
std::optional<StatementFile> readCsv(const QString& path, const QString& account,
                                     BusyPointer& busy) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StatementFile::refused(
            {0,
             QCoreApplication::translate("StatementReader", "No se puede abrir el extracto %1: %2.")
                 .arg(path, fileErrorText(file))});
    const QByteArray bytes = file.readAll();
    if (const auto remembered = CsvLayouts::find(requireManejo(), account, bytes))
        return CsvLayouts::read(bytes, *remembered, account);
    busy.release();
    const auto layout =
        FrmFormatoCsv::ask(bytes, CsvLayout::guess(bytes), QFileInfo(path).fileName());
    if (!layout)
        return std::nullopt;
    StatementFile read = CsvLayouts::read(bytes, *layout, account);
    if (!read.isRefused())
        CsvLayouts::remember(requireManejo(), account, *layout, bytes);
    return read;
}

} // namespace

std::optional<ProposedStatement> proposeFromFile(QWidget* parent, const QString& path,
                                                 const QString& account) {
    BusyPointer busy;
    const std::optional<StatementFile> read =
        CsvLayouts::isCsv(path) ? readCsv(path, account, busy) : StatementReader::readFile(path);
    if (!read)
        return std::nullopt; // the person left the layout's screen
    const StatementFile& file = *read;
    if (file.isRefused()) {
        busy.release();
        MsgBox(file.refusal->message, MsgIcon::Exclamation);
        return std::nullopt;
    }
    busy.release();
    // Spanish banks send all of a customer's accounts in one file: each bank account never
    // seen is asked about in turn, and the statement linked to this account is reconciled now.
    // One in another currency than the ledger's is neither asked about nor applied.
    const BankStatement* chosen = nullptr;
    QString foreign;
    QHash<QString, QString> answered; // a bank account of several statements is asked once
    for (const BankStatement& statement : file.statements) {
        const QString refusal = Reconciler::currencyRefusal(statement, account);
        std::optional<QString> linked =
            answered.contains(statement.accountKey())
                ? std::optional(answered.value(statement.accountKey()))
                : Reconciler::linkedAccount(requireManejo(), statement.accountKey());
        if (!refusal.isEmpty()) {
            if ((!linked || linked->trimmed() == account.trimmed()) && foreign.isEmpty())
                foreign = refusal;
            continue;
        }
        // A spreadsheet export was read for this account, and names no other.
        if (!linked && statement.format == BankStatement::Format::Csv) {
            Reconciler::link(requireManejo(), statement.accountKey(), account);
            linked = account;
        }
        if (!linked) {
            linked = askAccount(parent, statement, account);
            if (!linked)
                return std::nullopt; // the person left the question: nothing more is asked
            answered.insert(statement.accountKey(), *linked);
        }
        if (!chosen && linked->trimmed() == account.trimmed())
            chosen = &statement;
    }
    if (!chosen && !foreign.isEmpty()) {
        foreign[0] = foreign[0].toUpper();
        MsgBox(
            QCoreApplication::translate("StatementChoice", "%1: no se aplica nada.").arg(foreign),
            MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (!chosen) {
        MsgBox(QCoreApplication::translate("StatementChoice",
                                           "El archivo no tiene ningún extracto de la cuenta %1.")
                   .arg(account.trimmed()),
               MsgIcon::Exclamation);
        return std::nullopt;
    }
    // A bank account's several statements in one file (a day's MT940 message each) are
    // reviewed as one: their lines together, from the first one's opening to the last one's
    // closing.
    BankStatement whole = *chosen;
    for (qsizetype k = chosen - file.statements.data() + 1; k < file.statements.size(); ++k) {
        const BankStatement& later = file.statements[k];
        if (later.accountKey() != whole.accountKey())
            continue;
        whole.lines += later.lines;
        whole.closingBalance = later.closingBalance;
        whole.endDate = std::max(whole.endDate, later.endDate);
    }
    whole.sortLinesByDate();
    BusyPointer reading;
    ReconciliationPlan plan =
        Reconciler::propose(requireManejo(), whole, account, MatchSettings::fromSettings());
    return ProposedStatement{std::move(whole), std::move(plan)};
}

} // namespace ledgora
