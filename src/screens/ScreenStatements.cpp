#include "ScreenStatements.h"

#include "data/StatementCatalog.h"
#include "domain/LedgerStatements.h"

namespace ledgora {

void registerScreenStatements() {
    registerLedgerStatements(); // the forms the screens share with the routines below them
    auto add = [](const char* name, const char* text) {
        StatementCatalog::add(QString::fromLatin1(name), QString::fromUtf8(text));
    };
    // The bank-account screen.
    add("accounts.highest", "select max(val(CNTSTNRO)) as tot from BANCNT");
    add("accounts.list", "select * from BANCNT order by VAL(CNTSTNRO)");
    add("accounts.readOne", "select * from BANCNT where CNTSTNRO = '{text}'");
    add("accounts.update",
        "UPDATE BANCNT SET CNTDTALT = '{date}',CNTSTNOM = '{text}',CNTSTBNK = '{text}',"
        "CNTSTTEL = '{text}',CNTSTBKC = '{text}' WHERE CNTSTNRO = '{text}'");
    add("accounts.countMovements", "select count(1) as tot from BANMOV where CNTSTNRO = '{text}'");
    add("accounts.delete", "delete from BANCNT where CNTSTNRO = '{text}'");

    // The concept screen.
    add("concepts.count", "select count(1) as tot from BANCON");
    add("concepts.highest", "select max(val(constnro)) as LastID from BANCON");
    add("concepts.insert",
        "insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values ('{text}','{text}','{text}')");
    add("concepts.update",
        "update BANCON set CONSTDSC = '{text}',CONSTTIP = '{text}' WHERE CONSTNRO = '{text}'");
    add("concepts.delete", "DELETE FROM BANCON WHERE CONSTNRO = '{text}'");

    // The interval screen's concept lists.
    add("interval.concepts", "select CONSTNRO,CONSTDSC from BANCON order by CONSTDSC");

    // The main screen's status change and deletion of one movement.
    add("movements.status",
        "UPDATE BANMOV SET MOVDLAAC = '{amount}',MOVDLADE = '{amount}',MOVDLACR = '{amount}',"
        "MOVDLDEB = '{amount}' WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}");
    add("movements.delete", "DELETE FROM BANMOV WHERE CNTSTNRO = '{text}' AND MOVINNRO = {int}");
    // The movement as it is stored, checked before it is changed.
    add("movements.readOne",
        "select MOVDTALT,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB from BANMOV where CNTSTNRO "
        "= '{text}' AND MOVINNRO = {int}");
    // The movement edit screen.
    add("movements.edit",
        "UPDATE BANMOV SET  MOVDTALT = datevalue('{date}'), MOVSTCPT = '{text}', MOVDLAAC = "
        "'{amount}', MOVDLADE = '{amount}', MOVDLACR = '{amount}', MOVDLDEB = '{amount}'  WHERE "
        "CNTSTNRO = '{text}'  AND MOVINNRO = {int}");
}

} // namespace ledgora
