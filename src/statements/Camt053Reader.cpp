#include "Camt053Reader.h"

#include "ReadOrRefuse.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

// The elements read, by their path of local names from BkToCstmrStmt down.
const QStringList& leaves() {
    static const QStringList paths{
        u"Stmt/Acct/Id/IBAN"_s,
        u"Stmt/Acct/Id/Othr/Id"_s,
        u"Stmt/Acct/Ccy"_s,
        u"Stmt/Acct/Ownr/Nm"_s,
        u"Stmt/FrToDt/FrDtTm"_s,
        u"Stmt/FrToDt/ToDtTm"_s,
        u"Stmt/Bal/Tp/CdOrPrtry/Cd"_s,
        u"Stmt/Bal/Amt"_s,
        u"Stmt/Bal/CdtDbtInd"_s,
        u"Stmt/Bal/Dt"_s,
        u"Stmt/Ntry/Amt"_s,
        u"Stmt/Ntry/CdtDbtInd"_s,
        u"Stmt/Ntry/RvslInd"_s,
        u"Stmt/Ntry/Sts"_s,
        u"Stmt/Ntry/BookgDt"_s,
        u"Stmt/Ntry/ValDt"_s,
        u"Stmt/Ntry/AcctSvcrRef"_s,
        u"Stmt/Ntry/BkTxCd/Prtry/Cd"_s,
        u"Stmt/Ntry/AddtlNtryInf"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/Refs/EndToEndId"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/RmtInf/Ustrd"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/RmtInf/Strd/CdtrRefInf/Ref"_s,
        // Up to .001.07 a party is named in Cdtr/Nm; from .001.08 in Cdtr/Pty/Nm.
        u"Stmt/Ntry/NtryDtls/TxDtls/RltdPties/Cdtr/Nm"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/RltdPties/Cdtr/Pty/Nm"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/RltdPties/Dbtr/Nm"_s,
        u"Stmt/Ntry/NtryDtls/TxDtls/RltdPties/Dbtr/Pty/Nm"_s,
    };
    return paths;
}

// A text that stands for none, as banks fill an element they must give: a Belgian bank writes
// "NOTPROVIDED" as every entry's remittance.
bool isPlaceholder(const QString& text) {
    static const QStringList placeholders{
        u"NOTPROVIDED"_s, u"NOT PROVIDED"_s, u"N/A"_s, u"NONREF"_s, u"/"_s, u"-"_s};
    return placeholders.contains(text, Qt::CaseInsensitive);
}

// Whether the element holds words for a person, where a placeholder means none. References
// keep whatever the bank wrote: they go into a line's fingerprint.
bool isWords(const QString& path) {
    return path.endsWith(u"/Ustrd") || path.endsWith(u"/AddtlNtryInf") || path.endsWith(u"/Nm") ||
           path.endsWith(u"/CdtrRefInf/Ref");
}

// A decimal as ISO 20022 writes amounts: digits with at most one point, no sign, no exponent.
bool isPlainDecimal(const QString& text) {
    return !text.isEmpty() && text.count(u'.') <= 1 &&
           std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
}

// Where a message points: Stmt, Bal or Ntry, which of them in the file, and its line.
struct Place {
    QString name;
    int number = 0;
    qint64 line = 0;
};

class CamtParser {
    Q_DECLARE_TR_FUNCTIONS(Camt053Reader)

public:
    explicit CamtParser(QIODevice& device) : xml_(&device) {}

    StatementFile run();
    StatementRefusal refusal(const QString& reason) const {
        return {place_.line, tr("Elemento %1 %2 (línea %3): %4.")
                                 .arg(place_.name)
                                 .arg(place_.number)
                                 .arg(place_.line)
                                 .arg(reason)};
    }

private:
    [[noreturn]] void refuse(const QString& reason) const { throw refusal(reason); }
    [[noreturn]] void refuseHere(const QString& reason) const;
    QString relativePath() const;
    QString value(const QString& path) const { return values_.value(path); }
    void enter(const QString& name, int& counter);
    void start();
    void end();
    Money amount(const QString& path) const;
    bool isDebit(const QString& path) const;
    QDate date(const QString& path, const QString& what) const;
    void finishBalance();
    void finishEntry();
    void finishStatement();

    QXmlStreamReader xml_;
    QStringList path_; // local names from the root down
    // The texts read of the current statement, by path; Bal and Ntry forget theirs as they end.
    QHash<QString, QString> values_;
    StatementFile file_;
    BankStatement statement_;
    QDate openingDate_;
    QDate closingDate_;
    bool openingIsOpbd_ = false;
    Place statementPlace_;
    Place place_;
    int statements_ = 0;
    int balances_ = 0;
    int entries_ = 0;
};

StatementFile CamtParser::run() {
    while (!xml_.atEnd()) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::StartElement)
            start();
        else if (token == QXmlStreamReader::EndElement)
            end();
    }
    if (xml_.hasError())
        refuseHere(xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError
                       ? tr("el XML se acaba antes de cerrar sus elementos")
                       : tr("el XML está mal formado"));
    return std::move(file_);
}

void CamtParser::refuseHere(const QString& reason) const {
    throw StatementRefusal{xml_.lineNumber(), tr("Línea %1, columna %2: %3.")
                                                  .arg(xml_.lineNumber())
                                                  .arg(xml_.columnNumber())
                                                  .arg(reason)};
}

QString CamtParser::relativePath() const {
    if (path_.size() < 3 || path_[1] != u"BkToCstmrStmt")
        return {};
    return path_.mid(2).join(u'/');
}

void CamtParser::enter(const QString& name, int& counter) {
    place_ = {name, ++counter, xml_.lineNumber()};
}

void CamtParser::start() {
    path_.append(xml_.name().toString());
    if (path_.size() == 1) {
        if (path_[0] != u"Document" || !xml_.namespaceUri().contains(u"camt.053"))
            refuseHere(tr("el XML no es un extracto camt.053 (su raíz es «%1» del espacio de "
                          "nombres «%2»)")
                           .arg(path_[0], xml_.namespaceUri().toString()));
        return;
    }
    const QString path = relativePath();
    if (path == u"Stmt") {
        statement_ = BankStatement();
        statement_.format = BankStatement::Format::Camt053;
        openingDate_ = closingDate_ = QDate();
        openingIsOpbd_ = false;
        values_.clear();
        enter(u"Stmt"_s, statements_);
        statementPlace_ = place_;
    } else if (path == u"Stmt/Bal") {
        enter(u"Bal"_s, balances_);
    } else if (path == u"Stmt/Ntry") {
        enter(u"Ntry"_s, entries_);
    } else if (leaves().contains(path)) {
        const QString currency = xml_.attributes().value(u"Ccy"_s).toString();
        // A leaf given as children (Sts/Cd, Dt/Dt, Dt/DtTm) is read as their text.
        QString text = xml_.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        path_.removeLast();
        if (isPlaceholder(text) && isWords(path))
            text.clear();
        QString& held = values_[path];
        if (held.isEmpty())
            held = text;
        else if (path.endsWith(u"/Ustrd") && !text.isEmpty())
            held += u' ' + text;
        if (!currency.isEmpty())
            values_[path + u"@Ccy"_s] = currency;
    }
}

void CamtParser::end() {
    const QString path = relativePath();
    if (path == u"Stmt/Bal" || path == u"Stmt/Ntry") {
        path == u"Stmt/Bal" ? finishBalance() : finishEntry();
        const QString prefix = path + u'/';
        values_.removeIf([&prefix](const QHash<QString, QString>::iterator& it) {
            return it.key().startsWith(prefix);
        });
        place_ = statementPlace_;
    } else if (path == u"Stmt") {
        finishStatement();
    }
    path_.removeLast();
}

Money CamtParser::amount(const QString& path) const {
    const QString text = value(path);
    if (text.isEmpty())
        refuse(tr("falta el importe (Amt)"));
    bool rounded = false;
    const std::optional<Money> amount = Money::parse(text, u'.', &rounded);
    if (!isPlainDecimal(text) || !amount || rounded)
        refuse(tr("el importe no es un número exacto (%1)").arg(text));
    return *amount;
}

bool CamtParser::isDebit(const QString& path) const {
    const QString side = value(path);
    if (side != u"CRDT" && side != u"DBIT")
        refuse(tr("falta el indicador de abono o cargo (CdtDbtInd CRDT o DBIT)"));
    return side == u"DBIT";
}

QDate CamtParser::date(const QString& path, const QString& what) const {
    const QString text = value(path);
    if (text.isEmpty())
        return {};
    // A date and time is taken as the day it is written in, whatever its offset.
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        refuse(tr("%1 no es una fecha (%2)").arg(what, text));
    return date;
}

void CamtParser::finishBalance() {
    const QString type = value(u"Stmt/Bal/Tp/CdOrPrtry/Cd"_s);
    const bool opbd = type == u"OPBD";
    const bool opening = opbd || (type == u"PRCD" && !openingIsOpbd_);
    if (!opening && type != u"CLBD")
        return;
    const Money magnitude = amount(u"Stmt/Bal/Amt"_s);
    const Money balance = isDebit(u"Stmt/Bal/CdtDbtInd"_s) ? -magnitude : magnitude;
    const QDate day = date(u"Stmt/Bal/Dt"_s, tr("la fecha del saldo"));
    if (opening) {
        statement_.openingBalance = balance;
        openingDate_ = day;
        openingIsOpbd_ = opbd;
    } else {
        statement_.closingBalance = balance;
        closingDate_ = day;
    }
}

void CamtParser::finishEntry() {
    BankLine line;
    line.amount = amount(u"Stmt/Ntry/Amt"_s);
    line.side = isDebit(u"Stmt/Ntry/CdtDbtInd"_s) ? BankLine::Side::Debit : BankLine::Side::Credit;
    line.currency = value(u"Stmt/Ntry/Amt@Ccy"_s);
    line.operationDate = date(u"Stmt/Ntry/BookgDt"_s, tr("la fecha de asiento (BookgDt)"));
    line.valueDate = date(u"Stmt/Ntry/ValDt"_s, tr("la fecha valor (ValDt)"));
    if (!line.operationDate.isValid() && !line.valueDate.isValid()) {
        // An entry without either date is taken on the statement's last day, the latest it can
        // be, and marked so that the review says it was assumed.
        line.operationDate = date(u"Stmt/FrToDt/ToDtTm"_s, tr("el final del periodo"));
        if (!line.operationDate.isValid())
            line.operationDate = closingDate_;
        if (!line.operationDate.isValid())
            refuse(tr("falta la fecha (BookgDt o ValDt)"));
        line.dateAssumed = true;
    }
    if (!line.operationDate.isValid())
        line.operationDate = line.valueDate;
    if (!line.valueDate.isValid())
        line.valueDate = line.operationDate;
    const QString status = value(u"Stmt/Ntry/Sts"_s);
    line.status = status.isEmpty() || status == u"BOOK" ? BankLine::Status::Booked
                                                        : BankLine::Status::Pending;
    const QString reversal = value(u"Stmt/Ntry/RvslInd"_s);
    line.reversal = reversal == u"true" || reversal == u"1";
    line.servicerReference = value(u"Stmt/Ntry/AcctSvcrRef"_s);
    line.bankConcept = value(u"Stmt/Ntry/BkTxCd/Prtry/Cd"_s);
    line.endToEndId = value(u"Stmt/Ntry/NtryDtls/TxDtls/Refs/EndToEndId"_s);
    line.text = value(u"Stmt/Ntry/NtryDtls/TxDtls/RmtInf/Ustrd"_s);
    if (line.text.isEmpty())
        line.text = value(u"Stmt/Ntry/AddtlNtryInf"_s);
    line.creditorReference = value(u"Stmt/Ntry/NtryDtls/TxDtls/RmtInf/Strd/CdtrRefInf/Ref"_s);
    // The other party of the payment the entry is, or the one a reversal undoes: the creditor
    // of what the holder paid, the debtor of what the holder was paid.
    const QString party =
        u"Stmt/Ntry/NtryDtls/TxDtls/RltdPties/"_s +
        ((line.side == BankLine::Side::Debit) != line.reversal ? u"Cdtr"_s : u"Dbtr"_s);
    line.counterparty = value(party + u"/Nm"_s);
    if (line.counterparty.isEmpty())
        line.counterparty = value(party + u"/Pty/Nm"_s);
    line.sourceLine = place_.line;
    statement_.lines.append(std::move(line));
}

void CamtParser::finishStatement() {
    statement_.iban = value(u"Stmt/Acct/Id/IBAN"_s);
    statement_.account = value(u"Stmt/Acct/Id/Othr/Id"_s);
    if (statement_.accountKey().isEmpty())
        refuse(tr("falta la cuenta (Acct/Id)"));
    statement_.currency = value(u"Stmt/Acct/Ccy"_s);
    if (statement_.currency.isEmpty())
        statement_.currency = u"EUR"_s;
    statement_.holder = value(u"Stmt/Acct/Ownr/Nm"_s);
    statement_.startDate = date(u"Stmt/FrToDt/FrDtTm"_s, tr("el principio del periodo"));
    statement_.endDate = date(u"Stmt/FrToDt/ToDtTm"_s, tr("el final del periodo"));
    if (!statement_.startDate.isValid())
        statement_.startDate = openingDate_;
    if (!statement_.endDate.isValid())
        statement_.endDate = closingDate_;
    for (BankLine& line : statement_.lines) {
        if (line.currency.isEmpty())
            line.currency = statement_.currency;
    }
    if (!statement_.balancesAgree())
        refuse(u"el saldo final no cuadra con el inicial más los abonos menos los cargos "
               u"apuntados"_s);
    statement_.fingerprintLines();
    statement_.sortLinesByDate();
    file_.statements.append(std::move(statement_));
}

} // namespace

StatementFile Camt053Reader::read(QIODevice& device) {
    CamtParser parser(device);
    return readOrRefuse(parser);
}

} // namespace ledgora
