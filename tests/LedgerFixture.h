#pragma once

#include "TestDatabase.h"
#include "core/Conversions.h"
#include "entry/ComponentClasses.h"
#include "ledger/SharedState.h"

#include <QDate>

namespace ledgora::test {

// A database with the module's statements registered and gManejo connected to it; accounts
// and movements are written through the module's own statements.
class LedgerFixture {
public:
    LedgerFixture() {
        registerComponentClasses();
        gManejo = db_.connect();
        gCuenta = {};
        gFiltro = {};
    }
    ~LedgerFixture() { gManejo.reset(); }
    LedgerFixture(const LedgerFixture&) = delete;
    LedgerFixture& operator=(const LedgerFixture&) = delete;

    const TestDatabase& db() const { return db_; }

    void addAccount(const QString& number, const QString& name) {
        execute(*gManejo,
                QStringLiteral("insert into BANCNT (CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,"
                               "CNTSTBKC,TOMDLAAC , TOMDLADE, TOMDLACR, TOMDLDEB) values ('") +
                    number + QStringLiteral("',datevalue('01/01/2024'),'") + name +
                    QStringLiteral("','Banco','','',0,0,0,0)"));
    }

    // Amounts are given as exact units of ten-thousandths: aac, ade, acr, deb.
    void addMovement(const QString& account, int number, QDate date, const QString& text, Money aac,
                     Money ade = {}, Money acr = {}, Money deb = {},
                     const QString& concept = QStringLiteral("1")) {
        auto amount = [](Money m) { return rt::generalNumberText(m); };
        execute(*gManejo,
                QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, "
                               "MOVSTCPT, MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES ('") +
                    account + QStringLiteral("','") + QString::number(number) +
                    QStringLiteral("',datevalue('") + rt::dateText(date) + QStringLiteral("'),'") +
                    concept + QStringLiteral("','") + text + QStringLiteral("','") + amount(aac) +
                    QStringLiteral("','") + amount(ade) + QStringLiteral("','") + amount(acr) +
                    QStringLiteral("','") + amount(deb) + QStringLiteral("')"));
    }

    // The stored totals of an account, in the order TOMDLAAC, TOMDLADE, TOMDLACR, TOMDLDEB.
    std::vector<Money> storedTotals(const QString& account) {
        Recordset rs = query(*gManejo, QStringLiteral("select * from BANCNT where CNTSTNRO = '") +
                                           account + u'\'');
        std::vector<Money> totals;
        for (const char* column : {"TOMDLAAC", "TOMDLADE", "TOMDLACR", "TOMDLDEB"})
            totals.push_back(*rs.Fields(QString::fromLatin1(column)).get<Money>());
        return totals;
    }

private:
    TestDatabase db_;
};

inline Money money(double value) {
    return Money::fromDouble(value);
}

// The current account as the account choice leaves it.
inline CuentaRecord cuenta(const QString& number, const QString& name, Money aac = {},
                           Money ade = {}, Money acr = {}, Money deb = {}) {
    CuentaRecord record;
    record.CNTSTNRO = number;
    record.CNTSTNOM = name;
    record.TOMDLAAC = aac;
    record.TOMDLADE = ade;
    record.TOMDLACR = acr;
    record.TOMDLDEB = deb;
    return record;
}

} // namespace ledgora::test
