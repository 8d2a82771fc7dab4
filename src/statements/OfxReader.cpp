#include "OfxReader.h"

#include "OfxTokenizer.h"
#include "ReadOrRefuse.h"
#include "StatementText.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <utility>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

// A value read, with the line it is written on, for a refusal to name.
struct Value {
    QString text;
    qint64 line = 0;
};

// An amount as OFX writes it: an optional sign, digits, and a point or a comma for decimals.
bool isOfxDecimal(QStringView text) {
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        text = text.mid(1);
    int digits = 0;
    int separators = 0;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' || c == u',')
            ++separators;
        else
            return false;
    }
    return digits > 0 && separators <= 1;
}

class OfxParser {
    Q_DECLARE_TR_FUNCTIONS(OfxReader)

public:
    explicit OfxParser(const QByteArray& bytes) : text_(statementText(bytes)) {}

    StatementFile run();
    StatementRefusal refusal(const QString& reason) const {
        return {at_, tr("Línea %1: %2.").arg(at_).arg(reason)};
    }

private:
    [[noreturn]] void refuse(const QString& reason) const { throw refusal(reason); }
    [[noreturn]] void refuseAt(qint64 line, const QString& reason) {
        at_ = line;
        refuse(reason);
    }
    void checkHeader(QStringView header);
    QString relativePath(const QString& leaf) const;
    QString value(const QString& path) const { return values_.value(path).text; }
    Money amount(const QString& path, const char* what);
    QDate date(const QString& path);
    void finishTransaction();
    void finishStatement();

    QString text_;
    qint64 at_ = 0;
    QStringList path_;           // the open aggregates, from OFX down
    qsizetype statementAt_ = -1; // where STMTRS or CCSTMTRS is in path_, when one is open
    qint64 statementLine_ = 0;
    qint64 transactionLine_ = 0;
    // The values of the open statement by their path under it; a transaction's are forgotten
    // as it ends.
    QHash<QString, Value> values_;
    BankStatement statement_;
    StatementFile file_;
};

StatementFile OfxParser::run() {
    // A 1.x header runs to the first tag; 2.x has its declarations in the markup.
    const qsizetype markup = text_.indexOf(u'<');
    const QStringView header = QStringView(text_).left(markup < 0 ? text_.size() : markup);
    checkHeader(header);
    at_ = header.count(u'\n') + 1;
    if (markup < 0)
        refuse(tr("el archivo no tiene ningún elemento OFX"));
    OfxTokenizer tokenizer(QStringView(text_).mid(markup), at_);
    bool ended = false;
    for (const OfxToken& token : tokenizer.tokens()) {
        at_ = token.line;
        if (ended)
            refuse(tr("hay elementos después de </OFX>"));
        if (path_.isEmpty() && (token.name != u"OFX" || token.kind != OfxToken::Kind::Open))
            refuse(tr("el archivo no empieza por <OFX> sino por <%1>").arg(token.name));
        if (token.kind == OfxToken::Kind::Leaf) {
            if (statementAt_ >= 0)
                values_.insert(relativePath(token.name), {token.value, token.line});
            continue;
        }
        if (token.kind == OfxToken::Kind::Open) {
            path_.append(token.name);
            const QString parent = path_.size() > 1 ? path_[path_.size() - 2] : QString();
            if (statementAt_ < 0 && ((token.name == u"STMTRS" && parent == u"STMTTRNRS") ||
                                     (token.name == u"CCSTMTRS" && parent == u"CCSTMTTRNRS"))) {
                statementAt_ = path_.size() - 1;
                statementLine_ = token.line;
                values_.clear();
                statement_ = BankStatement();
                statement_.format = BankStatement::Format::Ofx;
            } else if (statementAt_ >= 0 && relativePath({}) == u"BANKTRANLIST/STMTTRN/") {
                transactionLine_ = token.line;
            }
            continue;
        }
        const QString closing = relativePath({});
        if (statementAt_ >= 0 && closing == u"BANKTRANLIST/STMTTRN/") {
            finishTransaction();
        } else if (statementAt_ == path_.size() - 1) {
            finishStatement();
            statementAt_ = -1;
        }
        path_.removeLast();
        ended = path_.isEmpty();
    }
    if (file_.statements.isEmpty())
        refuse(tr("el archivo OFX no tiene ningún extracto de cuenta (STMTRS) ni de tarjeta "
                  "(CCSTMTRS)"));
    return std::move(file_);
}

void OfxParser::checkHeader(QStringView header) {
    // Each line KEY:VALUE, or all of them on one line as some banks write it.
    const QList<QStringView> lines = header.split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QStringView line = lines[k].trimmed();
        if (!line.isEmpty() && line.indexOf(u':') < 1)
            refuseAt(k + 1,
                     tr("la cabecera OFX no es de líneas CLAVE:VALOR («%1»)").arg(line.left(40)));
    }
}

QString OfxParser::relativePath(const QString& leaf) const {
    QString path;
    for (qsizetype k = statementAt_ + 1; k < path_.size(); ++k)
        path += path_[k] + u'/';
    return path + leaf;
}

Money OfxParser::amount(const QString& path, const char* what) {
    const Value& read = values_[path];
    at_ = read.line;
    bool rounded = false;
    const std::optional<Money> amount =
        isOfxDecimal(read.text)
            ? Money::parse(read.text, read.text.contains(u',') ? u',' : u'.', &rounded)
            : std::nullopt;
    if (!amount || rounded)
        refuse(tr("%1 no es un número (%2)").arg(tr(what), read.text));
    return *amount;
}

QDate OfxParser::date(const QString& path) {
    const auto read = values_.constFind(path);
    if (read == values_.cend())
        return {};
    at_ = read->line;
    const QStringView digits = QStringView(read->text).left(8);
    const QDate date =
        digits.size() == 8 && std::all_of(digits.begin(), digits.end(),
                                          [](QChar c) { return c >= u'0' && c <= u'9'; })
            ? QDate(digits.left(4).toInt(), digits.mid(4, 2).toInt(), digits.mid(6, 2).toInt())
            : QDate();
    if (!date.isValid())
        refuse(tr("%1 no es una fecha (%2)").arg(path.section(u'/', -1), read->text));
    return date;
}

void OfxParser::finishTransaction() {
    const QString at = u"BANKTRANLIST/STMTTRN/"_s;
    BankLine line;
    line.sourceLine = transactionLine_;
    if (!values_.contains(at + u"TRNAMT"_s))
        refuseAt(transactionLine_, tr("el movimiento no tiene importe (TRNAMT)"));
    if (!values_.contains(at + u"DTPOSTED"_s))
        refuseAt(transactionLine_, tr("el movimiento no tiene fecha (DTPOSTED)"));
    const Money signedAmount = amount(at + u"TRNAMT"_s, QT_TR_NOOP("el importe"));
    line.side = signedAmount < Money() ? BankLine::Side::Debit : BankLine::Side::Credit;
    line.amount = line.side == BankLine::Side::Debit ? -signedAmount : signedAmount;
    line.operationDate = date(at + u"DTPOSTED"_s);
    for (const QString& field : {u"DTAVAIL"_s, u"DTUSER"_s}) {
        const QDate other = date(at + field);
        if (!line.valueDate.isValid())
            line.valueDate = other;
    }
    if (!line.valueDate.isValid())
        line.valueDate = line.operationDate;
    line.bankConcept = value(at + u"TRNTYPE"_s);
    line.servicerReference = value(at + u"FITID"_s);
    line.documentNumber = value(at + u"CHECKNUM"_s);
    line.reference1 = value(at + u"REFNUM"_s);
    line.counterparty = value(at + u"NAME"_s).simplified();
    if (line.counterparty.isEmpty())
        line.counterparty = value(at + u"PAYEE/NAME"_s).simplified();
    line.text = value(at + u"MEMO"_s).simplified();
    line.currency = value(at + u"CURRENCY/CURSYM"_s);
    statement_.lines.append(std::move(line));
    values_.removeIf(
        [&at](const QHash<QString, Value>::iterator& it) { return it.key().startsWith(at); });
}

void OfxParser::finishStatement() {
    at_ = statementLine_;
    const bool card = path_.last() == u"CCSTMTRS";
    const QString account = card ? u"CCACCTFROM/"_s : u"BANKACCTFROM/"_s;
    statement_.account = value(account + u"ACCTID"_s).trimmed();
    if (statement_.account.isEmpty())
        refuse(tr("el extracto no tiene cuenta (%1ACCTID)").arg(account));
    statement_.iban = ibanIn(statement_.account);
    if (!statement_.iban.isEmpty()) {
        statement_.account.clear();
    } else {
        statement_.bank = value(account + u"BANKID"_s).trimmed();
        statement_.branch = value(account + u"BRANCHID"_s).trimmed();
    }
    statement_.currency = value(u"CURDEF"_s).trimmed().toUpper();
    if (statement_.currency.isEmpty())
        statement_.currency = u"EUR"_s;
    statement_.startDate = date(u"BANKTRANLIST/DTSTART"_s);
    statement_.endDate = date(u"BANKTRANLIST/DTEND"_s);
    if (values_.contains(u"LEDGERBAL/BALAMT"_s)) {
        statement_.closingBalance = amount(u"LEDGERBAL/BALAMT"_s, QT_TR_NOOP("el saldo"));
        const QDate asOf = date(u"LEDGERBAL/DTASOF"_s);
        if (!statement_.endDate.isValid())
            statement_.endDate = asOf;
    }
    for (BankLine& line : statement_.lines) {
        if (line.currency.isEmpty())
            line.currency = statement_.currency;
    }
    statement_.fingerprintLines();
    const QString key = statement_.accountKey();
    QHash<QString, int> seen;
    for (BankLine& line : statement_.lines) {
        if (line.servicerReference.isEmpty())
            continue;
        const int occurrence = ++seen[line.servicerReference];
        line.fingerprint = (occurrence == 1 ? u"OFX"_s : u"OFX#"_s + QString::number(occurrence)) +
                           u':' + key + u':' + line.servicerReference;
    }
    statement_.sortLinesByDate();
    file_.statements.append(std::move(statement_));
}

} // namespace

StatementFile OfxReader::read(const QByteArray& bytes) {
    OfxParser parser(bytes);
    return readOrRefuse(parser);
}

} // namespace ledgora
