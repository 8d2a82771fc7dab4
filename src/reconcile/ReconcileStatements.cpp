#include "ReconcileStatements.h"

#include "data/StatementCatalog.h"
#include "ledger/LedgerStatements.h"
#include "screens/ScreenStatements.h"

namespace ledgora {

void registerReconcileStatements() {
    registerLedgerStatements();
    registerScreenStatements();
    auto add = [](const char* name, const char* text) {
        StatementCatalog::add(QString::fromLatin1(name), QString::fromUtf8(text));
    };
    // Bank accounts and the ledger accounts they are, with the last closing balance kept.
    add("reconcile.linkedAccount", "select CNTSTNRO from BANENL where ENLSTBNK = '{text}'");
    add("reconcile.link",
        "insert into BANENL (ENLSTBNK,CNTSTNRO,ENLDLSAL) values ('{text}','{text}',0) on "
        "conflict (ENLSTBNK) do update set CNTSTNRO = excluded.CNTSTNRO");
    // An older statement applied later does not replace a newer one's balance.
    add("reconcile.keepBalance",
        "update BANENL set ENLDLSAL = '{amount}',ENLDTSAL = '{date}' where ENLSTBNK = '{text}' "
        "and (ENLDTSAL is null or ENLDTSAL <= '{date}')");
    add("reconcile.balance",
        "select ENLDLSAL,ENLDTSAL from BANENL where CNTSTNRO = '{text}' and ENLDTSAL is not "
        "null order by ENLDTSAL desc");

    // The lines applied, each once: a line recorded meanwhile by someone else is found, not
    // failed on, so the rest of the write goes on.
    add("reconcile.recorded", "select EXTSTHUE from BANEXT where CNTSTNRO = '{text}'");
    add("reconcile.record",
        "insert into BANEXT (EXTSTHUE,CNTSTNRO,MOVINNRO,EXTDTOPE,EXTDTVAL,EXTDLIMP,EXTSTAPL) "
        "values ('{text}','{text}',{int},'{date}','{date}','{amount}','{text}') on conflict do "
        "nothing");
    add("reconcile.unrecord", "delete from BANEXT where EXTSTHUE = '{text}'");

    // The account's pending movements, the ones a bank line can realise.
    add("reconcile.pending",
        "select MOVINNRO,MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from BANMOV where "
        "CNTSTNRO = '{text}' and (MOVDLAAC > 0 or MOVDLADE > 0)");
    // A movement's side realised as the status change moves it, only while that side is still
    // stored as it was proposed.
    add("reconcile.realiseCredit",
        "UPDATE BANMOV SET MOVDLAAC = 0,MOVDLACR = '{amount}' WHERE CNTSTNRO = '{text}' AND "
        "MOVINNRO = {int} AND MOVDLAAC = '{amount}' AND MOVDLACR = '{amount}'");
    add("reconcile.realiseDebit",
        "UPDATE BANMOV SET MOVDLADE = 0,MOVDLDEB = '{amount}' WHERE CNTSTNRO = '{text}' AND "
        "MOVINNRO = {int} AND MOVDLADE = '{amount}' AND MOVDLDEB = '{amount}'");
    // Storing an account's totals takes its row for the rest of the write (the database keeps
    // the totals themselves): a second applier of the account waits here, then finds what the
    // first one recorded and the movement numbers it took.
    add("reconcile.holdAccount", "UPDATE BANCNT SET TOMDLAAC = TOMDLAAC WHERE CNTSTNRO = '{text}'");

    // The ledger concept each common bank concept enters new movements under.
    add("reconcile.conceptMap", "select EQVSTCOM,CONSTNRO from BANEQV");
    add("reconcile.mapConcept",
        "insert into BANEQV (EQVSTCOM,CONSTNRO) values ('{text}','{text}') on conflict "
        "(EQVSTCOM) do update set CONSTNRO = excluded.CONSTNRO");
}

} // namespace ledgora
