#include "AuditStatements.h"

#include "data/AuditChain.h"
#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

void registerAuditStatements() {
    registerLedgerStatements();
    const QString columns = AuditChain::columns().join(u',');
    auto add = [](const char* name, const QString& text) {
        StatementCatalog::add(QString::fromLatin1(name), text);
    };
    // The trail in windows of row numbers, with the seals, for the chain's check.
    add("audit.last", QStringLiteral("select max(AUDINNRO) as ultimo from BANAUD"));
    add("audit.lastSeal", QStringLiteral("select max(AUDINNRO) as ultimo from BANSEL"));
    add("audit.rows", QStringLiteral("select %1 from BANAUD where AUDINNRO > {int} and AUDINNRO "
                                     "<= {int} order by AUDINNRO")
                          .arg(columns));
    add("audit.seals", QStringLiteral("select AUDINNRO,SELSTHSH from BANSEL where AUDINNRO > {int} "
                                      "and AUDINNRO <= {int} order by AUDINNRO"));
    // The history of the whole ledger, of an account, of a movement.
    add("audit.history", QStringLiteral("select %1 from BANAUD order by AUDINNRO").arg(columns));
    add("audit.historyAccount",
        QStringLiteral("select %1 from BANAUD where AUDSTCTA = '{text}' order by AUDINNRO")
            .arg(columns));
    add("audit.historyMovement",
        QStringLiteral("select %1 from BANAUD where AUDSTCTA = '{text}' and AUDINMOV = {int} "
                       "order by AUDINNRO")
            .arg(columns));

    // The account's deleted movements not yet taken back, newest first.
    add("bin.deleted",
        QStringLiteral("select %1 from BANAUD a where AUDSTCTA = '{text}' and AUDSTTAB = 'BANMOV' "
                       "and AUDSTOPE = 'DELETE' and not exists (select 1 from BANREV r where "
                       "r.AUDINNRO = a.AUDINNRO) order by AUDINNRO desc")
            .arg(columns));
    // A person's changes of the account's movements not yet taken back, newest first; an
    // undo's own changes are none to undo again.
    add("undo.own",
        QStringLiteral("select %1 from BANAUD a where AUDSTCTA = '{text}' and AUDSTTAB = 'BANMOV' "
                       "and AUDSTUSU = '{text}' and AUDSTPRG = '{text}' and substr(AUDSTRUT, 1, "
                       "5) <> 'undo.' and not exists (select 1 from BANREV r where r.AUDINNRO = "
                       "a.AUDINNRO) order by AUDINNRO desc")
            .arg(columns));
    // Changes of a movement after a given audit row by anyone but the person.
    add("undo.othersSince",
        QStringLiteral(
            "select count(1) as tot from BANAUD where AUDSTCTA = '{text}' and AUDINMOV "
            "= {int} and AUDSTTAB = 'BANMOV' and AUDINNRO > {int} and not (coalesce(AUDSTUSU, "
            "'') = '{text}' and coalesce(AUDSTPRG, '') = '{text}')"));
    add("audit.taken", QStringLiteral("select count(1) as tot from BANREV where AUDINNRO = {int}"));
    add("audit.takeBack",
        QStringLiteral("insert into BANREV (AUDINNRO,REVSTTIP) values ({int},'{text}')"));
    // The account's row held for the rest of the write: a second person taking back the same
    // row, or numbering a movement of the account, waits here.
    add("audit.numberTaken", QStringLiteral("select MOVINNRO from BANMOV where CNTSTNRO = "
                                            "'{text}' and MOVINNRO = {int}"));
    add("audit.movement",
        QStringLiteral("select * from BANMOV where CNTSTNRO = '{text}' and MOVINNRO = {int}"));
    // A movement put back as it was: from the bin, or by undoing its deletion.
    const QString insert =
        QStringLiteral("INSERT INTO BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,"
                       "MOVDLADE,MOVDLACR,MOVDLDEB) VALUES ('{text}',{int},datevalue('{date}'),"
                       "'{text}','{text}','{amount}','{amount}','{amount}','{amount}')");
    add("bin.restore", insert);
    add("undo.insert", insert);
    add("undo.delete",
        QStringLiteral("DELETE FROM BANMOV WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}"));
    add("undo.update",
        QStringLiteral("UPDATE BANMOV SET MOVDTALT = datevalue('{date}'), CONSTNRO = '{text}', "
                       "MOVSTCPT = '{text}', MOVDLAAC = '{amount}', MOVDLADE = '{amount}', "
                       "MOVDLACR = '{amount}', MOVDLDEB = '{amount}' WHERE CNTSTNRO = '{text}' "
                       "AND MOVINNRO = {int}"));
}

} // namespace ledgora
