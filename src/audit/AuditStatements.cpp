#include "AuditStatements.h"

#include "data/AuditChain.h"
#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

void registerAuditStatements() {
    const QString columns = AuditChain::columns().join(u',');
    auto add = [](FormName name, const QString& text) { StatementCatalog::add(name, text); };
    // The trail in windows of row numbers, with the seals, for the chain's check.
    add(forms::auditLast, QStringLiteral("select max(AUDINNRO) as ultimo from BANAUD"));
    add(forms::auditLastSeal, QStringLiteral("select max(AUDINNRO) as ultimo from BANSEL"));
    add(forms::auditRows,
        QStringLiteral("select %1 from BANAUD where AUDINNRO > {int} and AUDINNRO "
                       "<= {int} order by AUDINNRO")
            .arg(columns));
    add(forms::auditSeals,
        QStringLiteral("select AUDINNRO,SELSTHSH from BANSEL where AUDINNRO > {int} "
                       "and AUDINNRO <= {int} order by AUDINNRO"));
    // The history of the whole ledger, of an account, of a movement.
    add(forms::auditHistory,
        QStringLiteral("select %1 from BANAUD order by AUDINNRO").arg(columns));
    add(forms::auditHistoryAccount,
        QStringLiteral("select %1 from BANAUD where AUDSTCTA = '{text}' order by AUDINNRO")
            .arg(columns));
    add(forms::auditHistoryMovement,
        QStringLiteral("select %1 from BANAUD where AUDSTCTA = '{text}' and AUDINMOV = {int} "
                       "order by AUDINNRO")
            .arg(columns));

    // The account's deleted movements not yet taken back, newest first.
    add(forms::binDeleted,
        QStringLiteral("select %1 from BANAUD a where AUDSTCTA = '{text}' and AUDSTTAB = 'BANMOV' "
                       "and AUDSTOPE = 'DELETE' and not exists (select 1 from BANREV r where "
                       "r.AUDINNRO = a.AUDINNRO) order by AUDINNRO desc")
            .arg(columns));
    // A person's changes of the account's movements not yet taken back, newest first; an
    // undo's own changes are none to undo again.
    add(forms::undoOwn,
        QStringLiteral("select %1 from BANAUD a where AUDSTCTA = '{text}' and AUDSTTAB = 'BANMOV' "
                       "and AUDSTUSU = '{text}' and AUDSTPRG = '{text}' and substr(AUDSTRUT, 1, "
                       "5) <> 'undo.' and not exists (select 1 from BANREV r where r.AUDINNRO = "
                       "a.AUDINNRO) order by AUDINNRO desc")
            .arg(columns));
    // Changes of a movement after a given audit row by anyone but the person.
    add(forms::undoOthersSince,
        QStringLiteral(
            "select count(1) as tot from BANAUD where AUDSTCTA = '{text}' and AUDINMOV "
            "= {int} and AUDSTTAB = 'BANMOV' and AUDINNRO > {int} and not (coalesce(AUDSTUSU, "
            "'') = '{text}' and coalesce(AUDSTPRG, '') = '{text}')"));
    add(forms::auditTaken,
        QStringLiteral("select count(1) as tot from BANREV where AUDINNRO = {int}"));
    add(forms::auditTakeBack,
        QStringLiteral("insert into BANREV (AUDINNRO,REVSTTIP) values ({int},'{text}')"));
    // The account's row held for the rest of the write: a second person taking back the same
    // row, or numbering a movement of the account, waits here.
    add(forms::auditNumberTaken, QStringLiteral("select MOVINNRO from BANMOV where CNTSTNRO = "
                                                "'{text}' and MOVINNRO = {int}"));
    add(forms::auditMovement,
        QStringLiteral("select * from BANMOV where CNTSTNRO = '{text}' and MOVINNRO = {int}"));
    // A movement put back as it was: from the bin, or by undoing its deletion.
    const QString insert =
        QStringLiteral("INSERT INTO BANMOV (CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,"
                       "MOVDLADE,MOVDLACR,MOVDLDEB) VALUES ('{text}',{int},datevalue('{date}'),"
                       "'{text}','{text}','{amount}','{amount}','{amount}','{amount}')");
    add(forms::binRestore, insert);
    add(forms::undoInsert, insert);
    add(forms::undoDelete,
        QStringLiteral("DELETE FROM BANMOV WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}"));
    add(forms::undoUpdate,
        QStringLiteral("UPDATE BANMOV SET MOVDTALT = datevalue('{date}'), CONSTNRO = '{text}', "
                       "MOVSTCPT = '{text}', MOVDLAAC = '{amount}', MOVDLADE = '{amount}', "
                       "MOVDLACR = '{amount}', MOVDLDEB = '{amount}' WHERE CNTSTNRO = '{text}' "
                       "AND MOVINNRO = {int}"));
}

} // namespace ledgora
