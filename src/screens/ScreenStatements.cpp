#include "ScreenStatements.h"

#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

void registerScreenStatements() {
    auto add = [](FormName name, const char* text) {
        StatementCatalog::add(name, QString::fromUtf8(text));
    };
    // The bank-account screen.
    add(forms::accountsHighest, "select max(val(CNTSTNRO)) as tot from BANCNT");
    add(forms::accountsReadOne, "select * from BANCNT where CNTSTNRO = '{text}'");
    add(forms::accountsUpdate,
        "UPDATE BANCNT SET CNTDTALT = '{date}',CNTSTNOM = '{text}',CNTSTBNK = '{text}',"
        "CNTSTTEL = '{text}',CNTSTBKC = '{text}' WHERE CNTSTNRO = '{text}'");
    add(forms::accountsCountMovements,
        "select count(1) as tot from BANMOV where CNTSTNRO = '{text}'");
    add(forms::accountsDelete, "delete from BANCNT where CNTSTNRO = '{text}'");

    // The concept screen.
    add(forms::conceptsCount, "select count(1) as tot from BANCON");
    add(forms::conceptsHighest, "select max(val(constnro)) as LastID from BANCON");
    add(forms::conceptsInsert,
        "insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values ('{text}','{text}','{text}')");
    add(forms::conceptsUpdate,
        "update BANCON set CONSTDSC = '{text}',CONSTTIP = '{text}' WHERE CONSTNRO = '{text}'");
    add(forms::conceptsDelete, "DELETE FROM BANCON WHERE CONSTNRO = '{text}'");

    // The interval screen's concept lists.
    add(forms::intervalConcepts, "select CONSTNRO,CONSTDSC from BANCON order by CONSTDSC");

    // The main screen's status change and deletion of one movement.
    add(forms::movementsStatus,
        "UPDATE BANMOV SET MOVDLAAC = '{amount}',MOVDLADE = '{amount}',MOVDLACR = '{amount}',"
        "MOVDLDEB = '{amount}' WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}");
    add(forms::movementsDelete,
        "DELETE FROM BANMOV WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}");
    // The movement edit screen.
    add(forms::movementsEdit,
        "UPDATE BANMOV SET  MOVDTALT = datevalue('{date}'), MOVSTCPT = '{text}', MOVDLAAC = "
        "'{amount}', MOVDLADE = '{amount}', MOVDLACR = '{amount}', MOVDLDEB = '{amount}'  WHERE "
        "CNTSTNRO = '{text}'  AND MOVINNRO = {int}");
}

} // namespace ledgora
