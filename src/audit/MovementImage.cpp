#include "MovementImage.h"

#include "core/Conversions.h"
#include "data/Recordset.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ledgora {

MovementImage MovementImage::fromJson(const QString& image) {
    const QJsonObject object = QJsonDocument::fromJson(image.toUtf8()).object();
    MovementImage movement;
    movement.present = !object.isEmpty();
    const auto text = [&object](const char* column) {
        return object.value(QString::fromLatin1(column)).toString();
    };
    const auto amount = [&text](const char* column) {
        return Money::fromUnits(text(column).toLongLong());
    };
    movement.account = text("CNTSTNRO").trimmed();
    movement.number = text("MOVINNRO").toLongLong();
    movement.date = QDate::fromString(text("MOVDTALT"), Qt::ISODate);
    movement.concept = text("CONSTNRO");
    movement.description = text("MOVSTCPT");
    movement.amounts = {amount("MOVDLAAC"), amount("MOVDLADE"), amount("MOVDLACR"),
                        amount("MOVDLDEB")};
    return movement;
}

MovementImage MovementImage::fromRow(const Recordset& rs) {
    MovementImage movement;
    if (rs.Eof())
        return movement;
    movement.present = true;
    const auto field = [&rs](const char* column) { return rs.Fields(QString::fromLatin1(column)); };
    const auto amount = [&field](const char* column) {
        const Variant value = field(column);
        return value.get<Money>() ? *value.get<Money>() : Money();
    };
    movement.concept = rt::toText(field("CONSTNRO"));
    movement.description = rt::toText(field("MOVSTCPT"));
    const Variant day = field("MOVDTALT");
    movement.date = day.get<QDate>() ? *day.get<QDate>() : QDate();
    movement.amounts = {amount("MOVDLAAC"), amount("MOVDLADE"), amount("MOVDLACR"),
                        amount("MOVDLDEB")};
    return movement;
}

Money MovementImage::amount() const {
    for (const Money& each :
         {amounts.MOVDLAAC, amounts.MOVDLADE, amounts.MOVDLACR, amounts.MOVDLDEB})
        if (each != Money())
            return each;
    return Money();
}

QStringList MovementImage::statementValues() const {
    return {rt::formatDateSlashed(date),
            concept,
            description,
            rt::generalNumberText(amounts.MOVDLAAC),
            rt::generalNumberText(amounts.MOVDLADE),
            rt::generalNumberText(amounts.MOVDLACR),
            rt::generalNumberText(amounts.MOVDLDEB)};
}

bool MovementImage::sameAs(const MovementImage& other) const {
    if (!present || !other.present)
        return present == other.present;
    return date == other.date && concept.trimmed() == other.concept.trimmed() &&
           description.trimmed() == other.description.trimmed() &&
           amounts.MOVDLAAC == other.amounts.MOVDLAAC &&
           amounts.MOVDLADE == other.amounts.MOVDLADE &&
           amounts.MOVDLACR == other.amounts.MOVDLACR && amounts.MOVDLDEB == other.amounts.MOVDLDEB;
}

} // namespace ledgora
