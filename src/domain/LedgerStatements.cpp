#include "LedgerStatements.h"

#include "ListingStatement.h"
#include "ModuleUtilities.h"
#include "core/Conversions.h"
#include "data/StatementCatalog.h"
#include "data/clManejo.h"

namespace ledgora {

namespace {
const QString listingTail =
    QStringLiteral("' and MOVDTALT between DATEVALUE('{date}') AND DATEVALUE ('{date}') ");
}

void registerLedgerStatements() {
    auto add = [](FormName name, const QString& text) { StatementCatalog::add(name, text); };
    add(forms::ledgerTotals,
        QStringLiteral("SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as "
                       "TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE "
                       "MOVDTALT<=datevalue('{date}') AND CNTSTNRO = '{text}'"));
    add(forms::ledgerLastMovement,
        QStringLiteral("select max(MOVINNRO) as nro from BANMOV  where CNTSTNRO = '{text}'"));
    // What the screens and the routines below them share: the concept list (as the concept
    // screen and the entry screen each write it), the account list, a new account and a new
    // movement, and the
    // account row taken before a routine writes its movements, so that two writers of one
    // account follow each other.
    add(forms::conceptsList, QStringLiteral("select * from BANCON order by CONSTDSC"));
    add(forms::accountsList, QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"));
    add(forms::entryConcepts, QStringLiteral("select * from BANCON ORDER BY CONSTDSC"));
    add(forms::accountsInsert,
        QStringLiteral(
            "insert into BANCNT (CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC,TOMDLAAC , "
            "TOMDLADE, TOMDLACR, TOMDLDEB) values ('{text}',datevalue('{date}'),'{text}','{text}',"
            "'{text}','{text}',0,0,0,0)"));
    add(forms::entryInsertMovement,
        QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, MOVSTCPT, "
                       "MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES ('{text}','{int}',"
                       "datevalue('{date}'),'{text}','{text}','{amount}','{amount}','{amount}',"
                       "'{amount}')"));
    add(forms::ledgerHoldAccount,
        QStringLiteral("UPDATE BANCNT SET TOMDLAAC = TOMDLAAC WHERE CNTSTNRO = '{text}'"));
    add(forms::ledgerAccountTotals,
        QStringLiteral("UPDATE BANCNT SET    TOMDLAAC = '{amount}',   TOMDLADE = '{amount}',   "
                       "TOMDLACR = '{amount}',   TOMDLDEB = '{amount}'   WHERE CNTSTNRO = "
                       "'{text}'"));

    // The movement as it is stored, checked before it is changed.
    add(forms::movementsReadOne,
        QString::fromUtf8("select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from "
                          "BANMOV where CNTSTNRO "
                          "= '{text}' AND MOVINNRO = {int}"));

    // What changed since a row of the audit trail, which every change of the ledger's tables
    // writes: the copies that show the ledger follow other people's changes through it.
    add(forms::ledgerNewestChange, QStringLiteral("select max(AUDINNRO) as ultimo from BANAUD"));
    add(forms::ledgerStoredTotals,
        QStringLiteral("select TOMDLAAC,TOMDLADE,TOMDLACR,TOMDLDEB from BANCNT where CNTSTNRO = "
                       "'{text}'"));
    add(forms::ledgerTotalsAfter,
        QStringLiteral("SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as "
                       "TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE "
                       "MOVDTALT>datevalue('{date}') AND CNTSTNRO = '{text}'"));
    add(forms::ledgerChangesSince,
        QStringLiteral("select AUDINNRO,AUDSTTAB,AUDSTCTA from BANAUD where AUDINNRO > {int} "
                       "order by AUDINNRO"));

    // The listing, for the grid (display texts), the printed report (numbers) and the
    // exported file (stored values), each without filter, filtered by concept, and filtered
    // by concept and text.
    const QString order = QStringLiteral("order by MOVDTALT,MOVINNRO");
    const QString byConcept = QStringLiteral(" and CONSTNRO = '{text}' ");
    const QString byText = QStringLiteral(" and MOVSTCPT like '%{text}%' ");
    for (ListingFor target : {ListingFor::Grid, ListingFor::Report, ListingFor::Export}) {
        const QString base = listingBase(target) + QStringLiteral("{text}");
        StatementCatalog::add(listingForm(target, ListingFilter::None), base + listingTail + order);
        StatementCatalog::add(listingForm(target, ListingFilter::Concept),
                              base + listingTail + byConcept + order);
        StatementCatalog::add(listingForm(target, ListingFilter::ConceptAndText),
                              base + listingTail + byConcept + byText + order);
    }
}

MovementAmounts sumMovements(clManejo& manejo, Recordset& rs, const QString& account, QDate upTo) {
    manejo.CrearRs(rs, forms::ledgerTotals, {rt::dateText(upTo), account});
    auto sum = [&rs](const char* column) {
        return GP_NUMERO(rs.Fields(QString::fromLatin1(column)));
    };
    return {sum("TOTAAC"), sum("TOTADE"), sum("TOTACR"), sum("TOTDEB")};
}

MovementAmounts totalsUpTo(clManejo& manejo, Recordset& rs, const QString& account, QDate upTo) {
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::ledgerStoredTotals, {account});
    auto field = [&rs](const char* column) {
        return GP_NUMERO(rs.Fields(QString::fromLatin1(column)));
    };
    const MovementAmounts stored = {field("TOMDLAAC"), field("TOMDLADE"), field("TOMDLACR"),
                                    field("TOMDLDEB")};
    manejo.CrearRs(rs, forms::ledgerTotalsAfter, {rt::dateText(upTo), account});
    const MovementAmounts after = {field("TOTAAC"), field("TOTADE"), field("TOTACR"),
                                   field("TOTDEB")};
    rs.Close();
    return {stored.MOVDLAAC - after.MOVDLAAC, stored.MOVDLADE - after.MOVDLADE,
            stored.MOVDLACR - after.MOVDLACR, stored.MOVDLDEB - after.MOVDLDEB};
}

std::optional<std::int32_t> highestMovementNumber(clManejo& manejo, Recordset& rs,
                                                  const QString& account) {
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs, forms::ledgerLastMovement, {account});
    if (!manejo.RsEstado())
        return std::nullopt;
    return rt::toInt32(rt::leadingNumber(GP_TEXTO(rs.Fields(QStringLiteral("nro")))));
}

long insertAccount(clManejo& manejo, const NewAccount& account) {
    return manejo.Ejecutar(forms::accountsInsert,
                           {account.number, rt::formatDateSlashed(account.since), account.name,
                            account.bank, account.phone, account.contact});
}

long insertMovement(clManejo& manejo, const NewMovement& movement) {
    const MovementAmounts& amounts = movement.amounts;
    return manejo.Ejecutar(
        forms::entryInsertMovement,
        {movement.account, QString::number(movement.number), rt::formatDateSlashed(movement.date),
         movement.concept, movement.description, rt::generalNumberText(amounts.MOVDLAAC),
         rt::generalNumberText(amounts.MOVDLADE), rt::generalNumberText(amounts.MOVDLACR),
         rt::generalNumberText(amounts.MOVDLDEB)});
}

} // namespace ledgora
