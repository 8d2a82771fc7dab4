#include "ReconcileStatements.h"

#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"

#include <QStringList>

namespace ledgora {

void registerReconcileStatements() {
    auto add = [](FormName name, const char* text) {
        StatementCatalog::add(name, QString::fromUtf8(text));
    };
    // Bank accounts and the ledger accounts they are, with the last closing balance kept.
    add(forms::reconcileLinkedAccount, "select CNTSTNRO from BANENL where ENLSTBNK = '{text}'");
    add(forms::reconcileLink,
        "insert into BANENL (ENLSTBNK,CNTSTNRO,ENLDLSAL) values ('{text}','{text}',0) on "
        "conflict (ENLSTBNK) do update set CNTSTNRO = excluded.CNTSTNRO");
    // Where a bank account's lines were applied: the account its last statement was applied
    // to, and the lines recorded under accounts other than the given one.
    add(forms::reconcileAppliedLink,
        "select CNTSTNRO from BANENL where ENLSTBNK = '{text}' and ENLDTSAL is not null");
    add(forms::reconcileRecordedElsewhere,
        "select EXTSTHUE,CNTSTNRO from BANEXT where CNTSTNRO <> '{text}'");
    // An older statement applied later does not replace a newer one's balance.
    add(forms::reconcileKeepBalance,
        "update BANENL set ENLDLSAL = '{amount}',ENLDTSAL = '{date}' where ENLSTBNK = '{text}' "
        "and (ENLDTSAL is null or ENLDTSAL <= '{date}')");
    add(forms::reconcileBalance,
        "select ENLDLSAL,ENLDTSAL from BANENL where CNTSTNRO = '{text}' and ENLDTSAL is not "
        "null order by ENLDTSAL desc");

    // The lines applied, each once.
    add(forms::reconcileRecorded, "select EXTSTHUE from BANEXT where CNTSTNRO = '{text}'");

    // The account's pending movements of a period, the ones a bank line can realise.
    add(forms::reconcilePending,
        "select MOVINNRO,MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from BANMOV where "
        "CNTSTNRO = '{text}' and MOVDTALT >= '{date}' and MOVDTALT <= '{date}' and (MOVDLAAC > 0 "
        "or MOVDLADE > 0)");

    // A plan's lines to apply are staged on the connection and applied by a few statements
    // over all of them, so that a large statement is not a few hundred thousand round trips
    // (and the server sums the account's totals once per statement, not once per line). CLASE
    // is C or D for a match of that side (c or d when an earlier line chose the same side of
    // the same movement), N for a new movement; PENDIENTE and REALIZADO are the matched side's
    // amounts as proposed.
    add(forms::reconcileStageTable,
        "create temp table if not exists APLICAR (LINEA integer primary key,EXTSTHUE text,CLASE "
        "text,MOVINNRO integer,EXTDTOPE text,EXTDTVAL text,EXTDLIMP bigint,PENDIENTE bigint,"
        "REALIZADO bigint,CONSTNRO text,MOVSTCPT text)");
    add(forms::reconcileUnstage, "delete from APLICAR");
    const QString row =
        QStringLiteral("({int},'{text}','{text}',{int},'{date}','{date}','{amount}',"
                       "'{amount}','{amount}','{text}','{text}')");
    const QString stage = QStringLiteral(
        "insert into APLICAR (LINEA,EXTSTHUE,CLASE,MOVINNRO,EXTDTOPE,EXTDTVAL,EXTDLIMP,PENDIENTE,"
        "REALIZADO,CONSTNRO,MOVSTCPT) values ");
    StatementCatalog::add(forms::reconcileStage, stage + row);
    StatementCatalog::add(forms::reconcileStageMany,
                          stage + QStringList(kStagedAtOnce, row).join(u','));
    // A line recorded already (by someone else meanwhile) is found, not failed on. Whoever
    // applies the same lines holds the same account row and bank link (holdAccount, link) until
    // the commit, so what is left here is recorded by nobody else before this write ends.
    add(forms::reconcileStagedRecorded,
        "delete from APLICAR where exists (select 1 from BANEXT where "
        "BANEXT.EXTSTHUE = APLICAR.EXTSTHUE)");
    // Of the lines choosing the same side of one movement, the first realises it; the others
    // find it no longer as proposed.
    add(forms::reconcileStagedTwice,
        "delete from APLICAR where CLASE in ('c','d') and exists (select 1 from APLICAR o where "
        "o.MOVINNRO = APLICAR.MOVINNRO and upper(o.CLASE) = upper(APLICAR.CLASE) and o.LINEA < "
        "APLICAR.LINEA)");
    add(forms::reconcileStagedOnce,
        "update APLICAR set CLASE = upper(CLASE) where CLASE in ('c','d')");
    // A movement's side is realised only while it is still stored as it was proposed: a line
    // whose movement someone changed meanwhile waits for the person, unrecorded.
    add(forms::reconcileStagedChanged,
        "delete from APLICAR where (CLASE = 'C' and not exists (select 1 from BANMOV where "
        "BANMOV.CNTSTNRO = '{text}' and BANMOV.MOVINNRO = APLICAR.MOVINNRO and BANMOV.MOVDLAAC = "
        "APLICAR.PENDIENTE and BANMOV.MOVDLACR = APLICAR.REALIZADO)) or (CLASE = 'D' and not "
        "exists (select 1 from BANMOV where BANMOV.CNTSTNRO = '{text}' and BANMOV.MOVINNRO = "
        "APLICAR.MOVINNRO and BANMOV.MOVDLADE = APLICAR.PENDIENTE and BANMOV.MOVDLDEB = "
        "APLICAR.REALIZADO))");
    // New movements take the numbers after the account's last, in the statement's order.
    add(forms::reconcileNumberStaged,
        "update APLICAR set MOVINNRO = n.NUMERO from (select LINEA,{int} + row_number() over "
        "(order by LINEA) as NUMERO from APLICAR where CLASE = 'N') n where APLICAR.LINEA = "
        "n.LINEA");
    // Every line applied is recorded with the movement it realised or entered.
    add(forms::reconcileRecordStaged,
        "insert into BANEXT (EXTSTHUE,CNTSTNRO,MOVINNRO,EXTDTOPE,EXTDTVAL,EXTDLIMP,EXTSTAPL) "
        "select EXTSTHUE,'{text}',MOVINNRO,EXTDTOPE,EXTDTVAL,EXTDLIMP,'{text}' from APLICAR order "
        "by LINEA");
    // A matched side realised as the status change does: its pending amount replaces the
    // realised one.
    add(forms::reconcileRealiseStagedCredit,
        "update BANMOV set MOVDLAAC = 0,MOVDLACR = APLICAR.PENDIENTE from APLICAR where "
        "BANMOV.CNTSTNRO = '{text}' and BANMOV.MOVINNRO = APLICAR.MOVINNRO and APLICAR.CLASE = "
        "'C'");
    add(forms::reconcileRealiseStagedDebit,
        "update BANMOV set MOVDLADE = 0,MOVDLDEB = APLICAR.PENDIENTE from APLICAR where "
        "BANMOV.CNTSTNRO = '{text}' and BANMOV.MOVINNRO = APLICAR.MOVINNRO and APLICAR.CLASE = "
        "'D'");
    // A new line enters a realised movement of its side.
    add(forms::reconcileEnterStaged,
        "insert into BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,"
        "MOVDLACR,MOVDLDEB) select '{text}',MOVINNRO,EXTDTOPE,CONSTNRO,MOVSTCPT,0,0,case when "
        "EXTDLIMP > 0 then EXTDLIMP else 0 end,case when EXTDLIMP < 0 then -EXTDLIMP else 0 end "
        "from APLICAR where CLASE = 'N' order by LINEA");
    // Storing an account's totals takes its row for the rest of the write (the database keeps
    // the totals themselves): a second applier of the account waits here, then finds what the
    // first one recorded and the movement numbers it took.

    // The ledger concept each common bank concept enters new movements under.
    add(forms::reconcileConceptMap, "select EQVSTCOM,CONSTNRO from BANEQV");
    add(forms::reconcileMapConcept,
        "insert into BANEQV (EQVSTCOM,CONSTNRO) values ('{text}','{text}') on conflict "
        "(EQVSTCOM) do update set CONSTNRO = excluded.CONSTNRO");

    // The layouts of the account's spreadsheet exports, by their column names.
    add(forms::reconcileCsvLayouts,
        "select CSVSTCAB,CSVSTFOR from BANCSV where CNTSTNRO = '{text}'");
    add(forms::reconcileRememberCsv,
        "insert into BANCSV (CNTSTNRO,CSVSTCAB,CSVSTFOR) values ('{text}','{text}','{text}') on "
        "conflict (CNTSTNRO,CSVSTCAB) do update set CSVSTFOR = excluded.CSVSTFOR");
}

} // namespace ledgora
