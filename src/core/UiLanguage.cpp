#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QVariant>

namespace ledgora {

namespace {

// Installs a catalogue for the life of the application, which owns it from then on.
bool installCatalogue(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool UiLanguage::install() {
    // The mark lives on the application, not in this library: the host program and the
    // component it loads each carry a copy of this code, and the catalogues go in once.
    constexpr char kMark[] = "ledgoraSpanish";
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    if (const QVariant mark = app->property(kMark); mark.isValid())
        return mark.toBool();
    const bool found = installCatalogue(QStringLiteral("qtbase_es"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    app->setProperty(kMark, found);
    // Ledgora's own texts are written in Spanish; another language is a catalogue beside them.
    const QString asked = qEnvironmentVariable("LEDGORA_IDIOMA").trimmed().toLower();
    if (!asked.isEmpty() && asked != QLatin1String("es"))
        installCatalogue(QStringLiteral("ledgora_") + asked, QStringLiteral(":/i18n"));
    return found;
}

QLocale UiLanguage::textLocale() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::Spanish)
        return QLocale(QLocale::Spanish, system.territory());
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

} // namespace ledgora
