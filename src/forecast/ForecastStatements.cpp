#include "ForecastStatements.h"

#include "data/SqlDialect.h"
#include "data/StatementCatalog.h"

namespace ledgora {

void registerForecastStatements() {
    auto add = [](FormName name, const QString& text) { StatementCatalog::add(name, text); };
    add(forms::recurringAll, QStringLiteral("select * from BANPER order by PERINNRO"));
    add(forms::recurringOfAccount,
        QStringLiteral("select * from BANPER where CNTSTNRO = '{text}' order by PERINNRO"));
    // A rule's number is never given again, not even after the rule is deleted: its entered
    // occurrences keep it.
    add(forms::recurringHighest,
        QStringLiteral("select max(n) as ultimo from (select max(PERINNRO) as n from BANPER union "
                       "all select max(PERINNRO) as n from BANOCU) x"));
    const QString insert = QStringLiteral(
        "insert into BANPER (PERINNRO,CNTSTNRO,CONSTNRO,PERSTDSC,PERDLIMP,PERSTLAD,PERSTFRE,"
        "PERINCAD,PERINDIA,PERDTINI,PERDTFIN,PERINVEC) values ({int},'{text}','{text}','{text}',"
        "'{amount}','{text}','{text}',{int},{int},'{date}',%1,{int})");
    add(forms::recurringInsert, insert.arg(QStringLiteral("'{date}'")));
    add(forms::recurringInsertOpen, insert.arg(QStringLiteral("null")));
    const QString update = QStringLiteral(
        "update BANPER set CNTSTNRO = '{text}',CONSTNRO = '{text}',PERSTDSC = '{text}',PERDLIMP = "
        "'{amount}',PERSTLAD = '{text}',PERSTFRE = '{text}',PERINCAD = {int},PERINDIA = {int},"
        "PERDTINI = '{date}',PERDTFIN = %1,PERINVEC = {int} where PERINNRO = {int}");
    add(forms::recurringUpdate, update.arg(QStringLiteral("'{date}'")));
    add(forms::recurringUpdateOpen, update.arg(QStringLiteral("null")));
    add(forms::recurringDelete, QStringLiteral("delete from BANPER where PERINNRO = {int}"));

    // Occurrences are entered in order, so the last one entered tells which are still to come.
    add(forms::recurringLastEntered,
        QStringLiteral("select max(OCUDTFEC) as OCUDTFEC from BANOCU where PERINNRO = {int}"));
    add(forms::recurringRecordOccurrence,
        QStringLiteral("insert into BANOCU (PERINNRO,OCUDTFEC,CNTSTNRO,MOVINNRO) values ({int},"
                       "'{date}','{text}',{int})"));
    // The occurrence as a pending movement; the trail names this form as the routine.
    add(forms::recurringEnter,
        QStringLiteral("insert into BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,"
                       "MOVDLADE,MOVDLACR,MOVDLDEB) values ('{text}',{int},'{date}','{text}',"
                       "'{text}','{amount}','{amount}',0,0)"));

    // What the forecast starts from: the pending movements up to its last day (through their
    // own index), and the realised balance the database keeps per account.
    const QString pending =
        QStringLiteral("select CNTSTNRO,MOVINNRO,MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE from BANMOV "
                       "where ") +
        SqlDialect::pendingCondition() + QStringLiteral(" and MOVDTALT <= '{date}'");
    add(forms::forecastPending, pending + QStringLiteral(" and CNTSTNRO = '{text}'"));
    add(forms::forecastPendingAll, pending);
    add(forms::forecastRealisedAll,
        QStringLiteral("select sum(TOMDLACR) as TOMDLACR,sum(TOMDLDEB) as TOMDLDEB from BANCNT"));
    // Each day's realised movements of an account over an interval, for its balance drawn.
    add(forms::forecastRealisedDays,
        QStringLiteral("select MOVDTALT,sum(MOVDLACR) as MOVDLACR,sum(MOVDLDEB) as MOVDLDEB from "
                       "BANMOV where CNTSTNRO = '{text}' and MOVDTALT >= '{date}' and MOVDTALT <= "
                       "'{date}' group by MOVDTALT order by MOVDTALT"));
}

} // namespace ledgora
