#include "CsvLayout.h"

#include "core/CsvReader.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace ledgora {

namespace {

// How many rows a guess looks at: enough for titles, the column names and some movements.
constexpr int kGuessRows = 40;

QList<QStringList> rowsOf(const QByteArray& bytes, char separator, CsvLayout::Encoding encoding,
                          int most) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer, separator,
                     encoding == CsvLayout::Encoding::Windows1252 ? CsvReader::Encoding::Windows1252
                                                                  : CsvReader::Encoding::Detected);
    QList<QStringList> rows;
    while (rows.size() < most && reader.next())
        rows << reader.fields();
    return rows;
}

// A column's name as a person would say it: lower case, no accents, no dots, single blanks.
QString plain(const QString& name) {
    QString folded = name.normalized(QString::NormalizationForm_D).toLower();
    folded.remove(QRegularExpression(QStringLiteral("[\\x{0300}-\\x{036f}]")));
    folded.replace(u'.', u' ');
    return folded.simplified();
}

// The column names the banks' exports use for each thing a movement has.
int columnNamed(const QStringList& names, std::initializer_list<const char*> words) {
    for (const char* word : words)
        for (int c = 0; c < names.size(); ++c)
            if (plain(names[c]) == QLatin1String(word))
                return c;
    for (const char* word : words)
        for (int c = 0; c < names.size(); ++c)
            if (plain(names[c]).startsWith(QLatin1String(word)))
                return c;
    return CsvLayout::kNone;
}

} // namespace

const QStringList& CsvLayout::dateFormats() {
    static const QStringList formats = {
        QStringLiteral("dd/MM/yyyy"), QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd-MM-yyyy"),
        QStringLiteral("dd.MM.yyyy"), QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yy"),
        QStringLiteral("yyyyMMdd"),   QStringLiteral("d/M/yyyy"),   QStringLiteral("M/d/yyyy")};
    return formats;
}

bool CsvLayout::isComplete() const {
    return operationDate != kNone && (amount != kNone || debit != kNone || credit != kNone);
}

QString CsvLayout::toText() const {
    const QJsonObject o{{QStringLiteral("separador"), QString(QChar::fromLatin1(separator))},
                        {QStringLiteral("decimal"), QString(decimal)},
                        {QStringLiteral("fecha"), dateFormat},
                        {QStringLiteral("saltar"), skipRows},
                        {QStringLiteral("codificacion"), encoding == Encoding::Utf8
                                                             ? QStringLiteral("UTF-8")
                                                             : QStringLiteral("Windows-1252")},
                        {QStringLiteral("operacion"), operationDate},
                        {QStringLiteral("valor"), valueDate},
                        {QStringLiteral("descripcion"), description},
                        {QStringLiteral("referencia"), reference},
                        {QStringLiteral("importe"), amount},
                        {QStringLiteral("debe"), debit},
                        {QStringLiteral("haber"), credit},
                        {QStringLiteral("saldo"), balance}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

std::optional<CsvLayout> CsvLayout::fromText(const QString& text) {
    const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString separator = o.value(QStringLiteral("separador")).toString();
    const QString decimal = o.value(QStringLiteral("decimal")).toString();
    if (separator.size() != 1 || separator[0].unicode() > 0x7f || decimal.size() != 1)
        return std::nullopt;
    CsvLayout layout;
    layout.separator = char(separator[0].unicode());
    layout.decimal = decimal[0];
    layout.dateFormat = o.value(QStringLiteral("fecha")).toString(layout.dateFormat);
    layout.skipRows = std::max(0, o.value(QStringLiteral("saltar")).toInt());
    layout.encoding = o.value(QStringLiteral("codificacion")).toString() == u"Windows-1252"
                          ? Encoding::Windows1252
                          : Encoding::Utf8;
    auto column = [&o](const char* key) { return o.value(QLatin1String(key)).toInt(kNone); };
    layout.operationDate = column("operacion");
    layout.valueDate = column("valor");
    layout.description = column("descripcion");
    layout.reference = column("referencia");
    layout.amount = column("importe");
    layout.debit = column("debe");
    layout.credit = column("haber");
    layout.balance = column("saldo");
    if (!layout.isComplete())
        return std::nullopt;
    return layout;
}

std::optional<Money> CsvLayout::amountOf(const QString& cell) const {
    // Blanks, a currency's sign or code and a thousands apostrophe go; any other letter makes
    // the cell no amount ("9e9" is not 99).
    static const QRegularExpression noise(QStringLiteral("[\\s\\x{00a0}€$£']|EUR|USD|GBP|CHF"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString text = cell;
    text.remove(noise);
    if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("[^0-9,.()+-]"))))
        return std::nullopt;
    bool negative = false;
    if (text.startsWith(u'(') && text.endsWith(u')')) {
        negative = true;
        text = text.mid(1, text.size() - 2);
    }
    if (text.endsWith(u'-') || text.endsWith(u'+')) {
        negative = negative || text.endsWith(u'-');
        text.chop(1);
    }
    // The other of comma and point separates thousands.
    text.remove(decimal == u',' ? u'.' : u',');
    const auto read = Money::parse(text, decimal);
    if (!read)
        return std::nullopt;
    return negative ? -*read : *read;
}

bool CsvLayout::holdsNoAmount(const QString& cell) {
    static const QRegularExpression placeholder(QStringLiteral("^[-\\x{2013}\\x{2014}.]*$"));
    return placeholder.match(cell.trimmed()).hasMatch();
}

bool CsvLayout::isBlankRow(const QStringList& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const QString& cell) { return cell.trimmed().isEmpty(); });
}

std::optional<QDate> CsvLayout::dateOf(const QString& cell) const {
    QDate date = QDate::fromString(cell.trimmed().left(dateFormat.size() + 2), dateFormat);
    if (!date.isValid())
        date = QDate::fromString(cell.trimmed(), dateFormat);
    if (!date.isValid())
        return std::nullopt;
    if (!dateFormat.contains(QStringLiteral("yyyy")) && date.year() < 1950)
        date = date.addYears(100);
    return date;
}

QList<QStringList> CsvLayout::firstRows(const QByteArray& bytes, int rows) const {
    return rowsOf(bytes, separator, encoding, rows);
}

QString CsvLayout::headerOf(const QByteArray& bytes) const {
    if (skipRows <= 0)
        return {};
    const QList<QStringList> rows = firstRows(bytes, skipRows);
    // Joined by a bar whatever the separator: a tab is not to be stored.
    return rows.size() < skipRows ? QString()
                                  : rows.last().join(QStringLiteral(" | ")).simplified();
}

CsvLayout CsvLayout::guess(const QByteArray& bytes) {
    CsvLayout layout;
    layout.encoding = QByteArrayView(bytes).isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;

    // The separator that splits the most rows into the same number of fields, more than one;
    // of two that split as many, the one that makes more fields (a comma inside "EUR -12,50"
    // splits a tab-separated row in two, the tab in three).
    std::pair<int, qsizetype> best{-1, 0};
    for (char candidate : {';', ',', '\t', '|'}) {
        std::map<qsizetype, int> widths;
        for (const QStringList& row : rowsOf(bytes, candidate, layout.encoding, kGuessRows))
            if (row.size() > 1)
                ++widths[row.size()];
        std::pair<int, qsizetype> score{0, 0};
        for (const auto& [width, count] : widths)
            score = std::max(score, std::pair{count, width});
        if (score > best) {
            best = score;
            layout.separator = candidate;
        }
    }
    const QList<QStringList> rows = rowsOf(bytes, layout.separator, layout.encoding, kGuessRows);

    // The date format most cells fit; the first row with such a date starts the movements.
    int bestDates = 0;
    for (const QString& format : dateFormats()) {
        CsvLayout trial = layout;
        trial.dateFormat = format;
        int dates = 0;
        for (const QStringList& row : rows)
            for (const QString& cell : row)
                dates += trial.dateOf(cell).has_value();
        if (dates > bestDates) {
            bestDates = dates;
            layout.dateFormat = format;
        }
    }
    layout.skipRows = 0;
    for (int r = 0; r < rows.size(); ++r)
        if (std::any_of(rows[r].begin(), rows[r].end(),
                        [&](const QString& cell) { return layout.dateOf(cell).has_value(); })) {
            layout.skipRows = r;
            break;
        }

    // The decimal comma shows as a comma followed by one or two digits at the end.
    static const QRegularExpression commaDecimals(QStringLiteral("\\d,\\d{1,2}\\)?-?$"));
    static const QRegularExpression pointDecimals(QStringLiteral("\\d\\.\\d{1,2}\\)?-?$"));
    int commas = 0, points = 0;
    for (int r = layout.skipRows; r < rows.size(); ++r)
        for (const QString& cell : rows[r]) {
            commas += commaDecimals.match(cell.trimmed()).hasMatch();
            points += pointDecimals.match(cell.trimmed()).hasMatch();
        }
    layout.decimal = points > commas ? u'.' : u',';

    // Columns by their names when the row before the movements names them.
    const QStringList names = layout.skipRows > 0 ? rows[layout.skipRows - 1] : QStringList();
    layout.operationDate =
        columnNamed(names, {"fecha operacion", "fecha de operacion", "f operacion",
                            "fecha contable", "fecha", "date", "booking date", "buchungstag"});
    layout.valueDate =
        columnNamed(names, {"fecha valor", "f valor", "value date", "valuta", "valutadatum"});
    if (layout.valueDate == layout.operationDate)
        layout.valueDate = kNone;
    layout.description = columnNamed(names, {"concepto", "descripcion", "detalle", "movimiento",
                                             "description", "memo", "texto", "verwendungszweck"});
    layout.reference = columnNamed(names, {"referencia", "reference", "ref", "documento",
                                           "n documento", "numero de documento"});
    layout.debit = columnNamed(
        names, {"debe", "cargo", "cargos", "debito", "debit", "salida", "retiro", "retiros"});
    layout.credit = columnNamed(names, {"haber", "abono", "abonos", "credito", "credit", "entrada",
                                        "deposito", "depositos"});
    layout.amount = columnNamed(names, {"importe", "monto", "amount", "cantidad", "betrag"});
    layout.balance = columnNamed(names, {"saldo", "balance", "saldo disponible"});
    if (layout.debit != kNone && layout.credit != kNone)
        layout.amount = kNone;

    // Without names, by their values: the first date column, then the amounts, the last of two
    // being the balance, and the longest text the description.
    if (layout.operationDate == kNone && layout.skipRows < rows.size()) {
        const QStringList& first = rows[layout.skipRows];
        QList<int> dates, amounts;
        int longest = kNone;
        for (int c = 0; c < first.size(); ++c) {
            if (layout.dateOf(first[c]))
                dates << c;
            else if (layout.amountOf(first[c]))
                amounts << c;
            else if (longest == kNone || first[c].size() > first[longest].size())
                longest = c;
        }
        layout.operationDate = dates.value(0, kNone);
        layout.valueDate = dates.value(1, kNone);
        layout.amount = amounts.value(0, kNone);
        layout.balance = amounts.size() > 1 ? amounts.last() : kNone;
        if (layout.description == kNone)
            layout.description = longest;
    }
    return layout;
}

} // namespace ledgora
