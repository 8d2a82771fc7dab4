#include "BookkeepersMonth.h"

#include <QByteArrayList>
#include <QRandomGenerator>
#include <algorithm>
#include <numeric>

namespace ledgora {

namespace {

const char* const kSuppliers[] = {"Asesoría Mora",    "Seguros Azul",     "Proveedor Uno",
                                  "Proveedor Dos",    "Limpiezas Brillo", "Gestoría Ruiz",
                                  "Transportes Vega", "Papelería Sol",    "Eléctrica Norte"};
const char* const kCustomers[] = {"Cliente Gamma", "Hotel Mirador",      "Farmacia Centro",
                                  "Bodegas Río",   "Clínica Dental Sur", "Academia Delta",
                                  "Talleres Ortiz"};

// What a bank prints: capitals without accents.
QByteArray bankText(const QString& text) {
    QString plain;
    for (QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c.toUpper();
    return plain.toLatin1();
}

QByteArray digits(qint64 value, int width) {
    return QByteArray::number(value).rightJustified(width, '0');
}

QByteArray yymmdd(QDate date) {
    return date.toString(QStringLiteral("yyMMdd")).toLatin1();
}

// A Norma 43 record: its type, then each field's text at its position counted from 1.
QByteArray record(const QByteArray& type,
                  std::initializer_list<std::pair<int, QByteArray>> fields) {
    QByteArray text = type.leftJustified(80, ' ');
    for (const auto& [at, field] : fields)
        text.replace(at - 1, field.size(), field);
    return text;
}

struct Line {
    QDate date;
    bool credit;
    qint64 cents;
    QByteArray text;
    QByteArray concept;
    std::int32_t movement;
};

} // namespace

BookkeepersMonth::BookkeepersMonth(quint32 seed, QDate month) {
    QRandomGenerator random(seed);
    const int days = month.daysInMonth() - 4; // the bank books the last ones within the month
    std::vector<int> invoices(60);
    std::iota(invoices.begin(), invoices.end(), 101);
    std::shuffle(invoices.begin(), invoices.end(), random);
    struct Made {
        QDate date;
        bool credit;
        qint64 cents;
        QString counterparty;
        int invoice;
    };
    std::vector<Made> made;
    for (int k = 0; k < 60; ++k) {
        const qint64 cents = k < 6    ? 5000
                             : k < 10 ? 12000
                             : k < 13 ? 100000
                                      : 1500 + random.bounded(250000);
        const bool credit = k >= 10 && random.bounded(10) < 4;
        const QString counterparty =
            QString::fromUtf8(credit ? kCustomers[random.bounded(int(std::size(kCustomers)))]
                                     : kSuppliers[random.bounded(int(std::size(kSuppliers)))]);
        made.push_back({month.addDays(random.bounded(days)), credit, cents, counterparty,
                        invoices[std::size_t(k)]});
    }
    std::stable_sort(made.begin(), made.end(),
                     [](const Made& a, const Made& b) { return a.date < b.date; });
    std::vector<Line> lines;
    std::vector<int> order(60);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (int k = 0; k < 60; ++k) {
        const Made& m = made[std::size_t(k)];
        const QString invoice = QStringLiteral("FAC-%1").arg(m.invoice);
        movements_.push_back(
            {k + 1, m.date,
             (m.credit ? QStringLiteral("Cobro %1 %2") : QStringLiteral("Pago %1 %2"))
                 .arg(invoice, m.counterparty),
             m.credit, Money::fromUnits(m.cents * 100)});
        if (std::find(order.begin(), order.begin() + 48, k) == order.begin() + 48)
            continue; // not yet through the bank
        const int style = random.bounded(100);
        const QByteArray name = bankText(m.counterparty);
        QByteArray text;
        if (style < 45)
            text = m.credit
                       ? "TRANSFERENCIA DE " + name + " " + invoice.toLatin1()
                       : (style % 2 ? "PAGO " : "PAGO FACTURA ") + invoice.toLatin1() + " " + name;
        else if (style < 75)
            text = (m.credit ? "TRANSFERENCIA DE " : "ADEUDO ") + name;
        lines.push_back({m.date.addDays(random.bounded(4)), m.credit, m.cents, text,
                         m.credit ? "02" : "03", k + 1});
    }
    for (qint64 fee : {5000, 5000, 350, 1200, 1875})
        lines.push_back(
            {month.addDays(random.bounded(days + 3)), false, fee, "COMISION SERVICIO", "17", 0});
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return a.date < b.date; });

    const QByteArray bankAccount = "210004180200051332";
    QByteArrayList records{record(
        "11", {{3, bankAccount + yymmdd(month) + yymmdd(month.addDays(month.daysInMonth() - 1)) +
                       "2" + digits(0, 14) + "9783CUENTA CORRIENTE"}})};
    qint64 count[2] = {}, sum[2] = {};
    for (const Line& line : lines) {
        // The bank's own numbers: a document number, often zeros, and a reference of its own.
        const QByteArray document =
            random.bounded(3) == 0 ? digits(0, 10) : digits(random.bounded(999999999), 10);
        records << record("22",
                          {{7, "0418" + yymmdd(line.date) + yymmdd(line.date) + line.concept +
                                   "001" + (line.credit ? "2" : "1") + digits(line.cents, 14) +
                                   document + digits(random.bounded(999999999), 12)}});
        if (!line.text.isEmpty()) // cut at the first half's 38 characters, word or not
            records << record("23", {{3, "01" + line.text.leftJustified(76, ' ')}});
        ++count[line.credit];
        sum[line.credit] += line.cents;
        truth_.push_back(line.movement);
    }
    const qint64 closing = sum[1] - sum[0];
    records << record("33",
                      {{3, bankAccount + digits(count[0], 5) + digits(sum[0], 14) +
                               digits(count[1], 5) + digits(sum[1], 14) +
                               (closing < 0 ? "1" : "2") + digits(qAbs(closing), 14) + "978"}});
    records << "88" + QByteArray(18, '9') + digits(records.size(), 6);
    norma43_ = records.join("\r\n") + "\r\n";
}

BookkeepersMonth::Quality
BookkeepersMonth::judge(const std::vector<std::int32_t>& matchedTo) const {
    Quality quality;
    for (std::size_t k = 0; k < truth_.size(); ++k) {
        quality.withMovement += truth_[k] != 0;
        const std::int32_t to = k < matchedTo.size() ? matchedTo[k] : 0;
        if (to != 0)
            ++(to == truth_[k] ? quality.matched : quality.wrong);
    }
    return quality;
}

} // namespace ledgora
