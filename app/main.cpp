// The host program: loads the Ledgora component at run time, creates its public class by the
// class identifier "Ledgora.clMain" and calls Show by member name, as the billing application
// that hosts the module does.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMetaObject>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace {

using GetClassObject = int (*)(const char*, QObject**);

bool displayAvailable() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// Where the component may be: beside the program, in ../lib, or where it was built.
QStringList componentCandidates() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/libledgora.so"), here + QStringLiteral("/../lib/libledgora.so"),
            QStringLiteral(LEDGORA_COMPONENT_PATH)};
}

QString defaultDatabase() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("ledgora.db"));
}

} // namespace

int main(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        const QByteArray arg(argv[k]);
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v")
            qputenv("QT_QPA_PLATFORM", "offscreen"); // answering needs no window
    }
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "ledgora: no display found; run it on a desktop, or headless with: "
                     "xvfb-run -a %s [DBPATH]\n",
                     argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ledgora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ledgora"));
    QApplication::setApplicationVersion(QStringLiteral(LEDGORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ledgora: the bank-account ledger. Opens DBPATH, or your own database "
                       "(%1) when none is given.")
            .arg(QDir::toNativeSeparators(defaultDatabase())));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DBPATH"),
                                 QStringLiteral("The database file (created when it is new)."));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString database =
        positional.isEmpty() ? defaultDatabase() : QFileInfo(positional.first()).absoluteFilePath();

    QLibrary component;
    for (const QString& candidate : componentCandidates()) {
        component.setFileName(candidate);
        if (component.load())
            break;
    }
    if (!component.isLoaded()) {
        std::fprintf(stderr, "ledgora: cannot load the Ledgora component: %s\n",
                     qPrintable(component.errorString()));
        return 1;
    }
    auto getClassObject = reinterpret_cast<GetClassObject>(component.resolve("DllGetClassObject"));
    QObject* raw = nullptr;
    if (!getClassObject || getClassObject("Ledgora.clMain", &raw) != 0 || !raw) {
        std::fprintf(stderr, "ledgora: the component does not offer Ledgora.clMain\n");
        return 1;
    }
    std::unique_ptr<QObject> ledger(raw);
    if (!QMetaObject::invokeMethod(ledger.get(), "Show", Qt::DirectConnection,
                                   Q_ARG(QString, database))) {
        std::fprintf(stderr, "ledgora: Ledgora.clMain has no Show\n");
        return 1;
    }
    return 0;
}
