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
