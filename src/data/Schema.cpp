#include "Schema.h"

namespace ledgora {

const std::vector<TableDef>& Schema::tables() {
    using K = ColumnKind;
    static const std::vector<TableDef> all = {
        {QStringLiteral("BANCNT"),
         {{QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("CNTDTALT"), K::Date},
          {QStringLiteral("CNTSTNOM"), K::Text},
          {QStringLiteral("CNTSTBNK"), K::Text},
          {QStringLiteral("CNTSTTEL"), K::Text},
          {QStringLiteral("CNTSTBKC"), K::Text},
          {QStringLiteral("TOMDLAAC"), K::Amount},
          {QStringLiteral("TOMDLADE"), K::Amount},
          {QStringLiteral("TOMDLACR"), K::Amount},
          {QStringLiteral("TOMDLDEB"), K::Amount}},
         {QStringLiteral("CNTSTNRO")}},
        {QStringLiteral("BANMOV"),
         {{QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("MOVINNRO"), K::Integer},
          {QStringLiteral("MOVDTALT"), K::Date},
          {QStringLiteral("CONSTNRO"), K::Text, true},
          {QStringLiteral("MOVSTCPT"), K::Text},
          {QStringLiteral("MOVDLAAC"), K::Amount},
          {QStringLiteral("MOVDLADE"), K::Amount},
          {QStringLiteral("MOVDLACR"), K::Amount},
          {QStringLiteral("MOVDLDEB"), K::Amount}},
         {QStringLiteral("CNTSTNRO"), QStringLiteral("MOVINNRO")}},
        {QStringLiteral("BANCON"),
         {{QStringLiteral("CONSTNRO"), K::Text, true},
          {QStringLiteral("CONSTDSC"), K::Text},
          {QStringLiteral("CONSTTIP"), K::Text}},
         {QStringLiteral("CONSTNRO")}},
        // A bank account (a statement's accountKey()) and the ledger account it is, with the
        // closing balance and date of the last statement applied to it.
        {QStringLiteral("BANENL"),
         {{QStringLiteral("ENLSTBNK"), K::Text},
          {QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("ENLDLSAL"), K::Amount},
          {QStringLiteral("ENLDTSAL"), K::Date}},
         {QStringLiteral("ENLSTBNK")},
         4},
        // Every bank line applied, by its fingerprint: a line is applied once, whoever applies
        // it again. MOVINNRO is the movement it realised or entered.
        {QStringLiteral("BANEXT"),
         {{QStringLiteral("EXTSTHUE"), K::Text},
          {QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("MOVINNRO"), K::Integer},
          {QStringLiteral("EXTDTOPE"), K::Date},
          {QStringLiteral("EXTDTVAL"), K::Date},
          {QStringLiteral("EXTDLIMP"), K::Amount},
          {QStringLiteral("EXTSTAPL"), K::Text}},
         {QStringLiteral("EXTSTHUE")},
         4},
        // The concept a Norma 43 common concept ("02") enters new movements under.
        {QStringLiteral("BANEQV"),
         {{QStringLiteral("EQVSTCOM"), K::Text}, {QStringLiteral("CONSTNRO"), K::Text, true}},
         {QStringLiteral("EQVSTCOM")},
         4},
        // The audit trail, written by the database itself on every change of a movement, an
        // account, a concept or an applied bank line: when (UTC), who, through which statement
        // form, the row's key and its values before and after (JSON, every value as text).
        // Rows are only ever added.
        {QStringLiteral("BANAUD"),
         {{QStringLiteral("AUDINNRO"), K::Integer},
          {QStringLiteral("AUDDTHOR"), K::Text},
          {QStringLiteral("AUDSTUSU"), K::Text},
          {QStringLiteral("AUDSTPRG"), K::Text},
          {QStringLiteral("AUDSTRUT"), K::Text},
          {QStringLiteral("AUDSTTAB"), K::Text},
          {QStringLiteral("AUDSTOPE"), K::Text},
          {QStringLiteral("AUDSTCTA"), K::Text},
          {QStringLiteral("AUDINMOV"), K::Integer},
          {QStringLiteral("AUDSTCLA"), K::Text},
          {QStringLiteral("AUDSTANT"), K::Text},
          {QStringLiteral("AUDSTDES"), K::Text}},
         {QStringLiteral("AUDINNRO")},
         5},
        // Each audit row's seal, chained to the one before.
        {QStringLiteral("BANSEL"),
         {{QStringLiteral("AUDINNRO"), K::Integer}, {QStringLiteral("SELSTHSH"), K::Text}},
         {QStringLiteral("AUDINNRO")},
         5},
        // The audit rows of movement changes already taken back, from the bin ('P') or by
        // undo ('Z'): each is taken back once, whoever tries it again.
        {QStringLiteral("BANREV"),
         {{QStringLiteral("AUDINNRO"), K::Integer}, {QStringLiteral("REVSTTIP"), K::Text}},
         {QStringLiteral("AUDINNRO")},
         5},
        // Movements that come back on a schedule: the account, concept, description, amount and
        // side (C to be credited, D to be debited) of each, its frequency (S weekly, M monthly,
        // T quarterly, A yearly), every how many periods, the day it falls on, its first date,
        // and its last date or count when it ends (no date, a count of 0: it goes on).
        {QStringLiteral("BANPER"),
         {{QStringLiteral("PERINNRO"), K::Integer},
          {QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("CONSTNRO"), K::Text, true},
          {QStringLiteral("PERSTDSC"), K::Text},
          {QStringLiteral("PERDLIMP"), K::Amount},
          {QStringLiteral("PERSTLAD"), K::Text},
          {QStringLiteral("PERSTFRE"), K::Text},
          {QStringLiteral("PERINCAD"), K::Integer},
          {QStringLiteral("PERINDIA"), K::Integer},
          {QStringLiteral("PERDTINI"), K::Date},
          {QStringLiteral("PERDTFIN"), K::Date},
          {QStringLiteral("PERINVEC"), K::Integer}},
         {QStringLiteral("PERINNRO")},
         7},
        // Every occurrence of a schedule entered as a pending movement, by its rule and day: an
        // occurrence is entered once, whoever enters it again, and whatever became of its
        // movement or its rule since.
        {QStringLiteral("BANOCU"),
         {{QStringLiteral("PERINNRO"), K::Integer},
          {QStringLiteral("OCUDTFEC"), K::Date},
          {QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("MOVINNRO"), K::Integer}},
         {QStringLiteral("PERINNRO"), QStringLiteral("OCUDTFEC")},
         7},
        // How a bank's spreadsheet exports for a ledger account are laid out (CsvLayout's stored
        // form), by the column names of the file: one account may get exports of several kinds.
        {QStringLiteral("BANCSV"),
         {{QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("CSVSTCAB"), K::Text},
          {QStringLiteral("CSVSTFOR"), K::Text}},
         {QStringLiteral("CNTSTNRO"), QStringLiteral("CSVSTCAB")},
         7},
    };
    return all;
}

const TableDef* Schema::table(const QString& name) {
    for (const auto& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

std::optional<ColumnKind> Schema::columnKind(const QString& columnName) {
    for (const auto& t : tables())
        for (const auto& c : t.columns)
            if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
                return c.kind;
    return std::nullopt;
}

} // namespace ledgora
