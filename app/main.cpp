// The host program: loads the Ledgora component at run time, creates its public class by the
// class identifier "Ledgora.clMain" and calls Show by member name, as the billing application
// that hosts the module does.
#include "core/UiLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace {

using GetClassObject = int (*)(const char*, QObject**);

bool displayAvailable() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// Where the component may be: beside the program, in ../lib, in the installation's own folder
// for it, or where it was built.
QStringList componentCandidates() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QStringLiteral("/libledgora.so"), here + QStringLiteral("/../lib/libledgora.so"),
            here + QStringLiteral("/" LEDGORA_INSTALLED_COMPONENT),
            QStringLiteral(LEDGORA_COMPONENT_PATH)};
}

QString dataFile(const QString& name) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

// Why a database file cannot serve, in a line for the terminal; empty when it looks usable.
// The ledger itself then says "Error en Acceder a Base de datos".
QString databaseProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the file does not exist and cannot be created there");
    if (!info.isFile())
        return QStringLiteral("this is not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read: ") + file.errorString();
    const QByteArray head = file.read(16);
    if (!head.isEmpty() && head != QByteArray("SQLite format 3", 16))
        return QStringLiteral("the file is not a database");
    if (!info.isWritable())
        return QStringLiteral("the file is read-only: it can be listed, not changed");
    return {};
}

// A shared ledger's address goes to the component as it is: the engine behind it decides
// what it means. Anything else names a file, taken from where the program was started.
bool isServerAddress(const QString& source) {
    return source.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           source.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString dataSourceOf(const QString& argument) {
    return isServerAddress(argument) ? argument : QFileInfo(argument).absoluteFilePath();
}

// Copies of a shared ledger are the server's business; the program's are of files.
void tellServerBackups() {
    std::fprintf(stderr, "ledgora: un libro compartido en un servidor PostgreSQL se respalda y se "
                         "restaura con las herramientas del servidor (pg_dump, pg_restore), no "
                         "con Ledgora.\n");
}

// A new ledger starts as an empty file, which the component lays out on first use.
void makeEmptyFile(const QString& path) {
    if (QFileInfo::exists(path))
        return;
    QFile fresh(path);
    if (fresh.open(QIODevice::WriteOnly))
        fresh.close();
}

bool isNew(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.size() == 0;
}

// Creates one of the component's classes by its identifier; the caller owns it.
std::unique_ptr<QObject> createObject(QLibrary& component, const char* classId) {
    auto getClassObject = reinterpret_cast<GetClassObject>(component.resolve("DllGetClassObject"));
    QObject* raw = nullptr;
    if (!getClassObject || getClassObject(classId, &raw) != 0)
        return nullptr;
    return std::unique_ptr<QObject>(raw);
}

bool loadComponent(QLibrary& component) {
    for (const QString& candidate : componentCandidates()) {
        component.setFileName(candidate);
        if (component.load())
            return true;
    }
    std::fprintf(stderr, "ledgora: cannot load the Ledgora component: %s\n",
                 qPrintable(component.errorString()));
    return false;
}

// Loads the component, creates the class and calls the method with text arguments; the
// method gives empty text on success or the reason it failed, said on one line. With
// `result`, a second method's text is read back afterwards.
int callComponent(const char* classId, const char* method, const QStringList& args,
                  QString* result = nullptr, const char* resultMethod = nullptr) {
    QLibrary component;
    if (!loadComponent(component))
        return 1;
    std::unique_ptr<QObject> object = createObject(component, classId);
    QString failure =
        QStringLiteral("the component does not offer ") + QString::fromLatin1(classId);
    if (object) {
        QGenericArgument a[7];
        for (int k = 0; k < args.size() && k < 7; ++k)
            a[k] = Q_ARG(QString, args[k]);
        QMetaObject::invokeMethod(object.get(), method, Qt::DirectConnection,
                                  Q_RETURN_ARG(QString, failure), a[0], a[1], a[2], a[3], a[4],
                                  a[5], a[6]);
    }
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "ledgora: %s\n", qPrintable(failure));
        return 1;
    }
    if (result && resultMethod)
        QMetaObject::invokeMethod(object.get(), resultMethod, Qt::DirectConnection,
                                  Q_RETURN_ARG(QString, *result));
    return 0;
}

// Answering or writing a file needs no window: those modes run offscreen wherever they run.
void runWindowlessModesOffscreen(int argc, char* argv[]) {
    static const char* const windowless[] = {"--help",    "-h",         "--version", "-v",
                                             "--listing", "--csv",      "--import",  "--restore",
                                             "--check",   "--statement"};
    for (int k = 1; k < argc; ++k) {
        for (const char* mode : windowless)
            if (QByteArray(argv[k]) == mode)
                qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void declareOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Ledgora: the bank-account ledger. Opens DBPATH, or your own database "
                       "(%1) when none is given.")
            .arg(QDir::toNativeSeparators(dataFile(QStringLiteral("ledgora.db")))));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("demo"),
        QStringLiteral("Fill DBPATH (by default %1) with an example ledger when it has no "
                       "accounts, then open it.")
            .arg(QDir::toNativeSeparators(dataFile(QStringLiteral("demo.db"))))));
    parser.addOption(QCommandLineOption(
        QStringLiteral("listing"),
        QStringLiteral("With DBPATH ACCOUNT FROM TO OUT.pdf [CONCEPT [TEXT]]: write the account "
                       "listing of ACCOUNT from FROM to TO (dd/mm/yyyy), narrowed to the concept "
                       "number CONCEPT and to descriptions containing TEXT when given, to the "
                       "PDF file OUT.pdf without opening a window, as Alt+P prints it (the "
                       "account's running totals up to TO are stored on the way). Exits 0 when "
                       "written; otherwise says why on one line and leaves no file.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("csv"),
        QStringLiteral("With DBPATH ACCOUNT FROM TO OUT.csv [CONCEPT [TEXT]]: write the same "
                       "movements as --listing as CSV (RFC 4180, UTF-8, a header row; dates "
                       "yyyy-mm-dd, amounts with a point and their exact decimals).")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("import"),
        QStringLiteral("With LEGACY DBPATH: bring the accounts, concepts and movements of the "
                       "old system's Access file (read with mdb-export, package mdbtools) or of "
                       "a folder holding BANCNT.csv, BANCON.csv and BANMOV.csv into DBPATH, "
                       "which must have no accounts yet. Says what it imported.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("restore"),
        QStringLiteral("With BACKUP DBPATH: after asking, check the backup and put its content "
                       "into DBPATH, keeping what it replaces. A backup of the database is "
                       "taken on every start that finds it changed, in a \"backups\" folder "
                       "beside it (the last 10, and one a week for 8 weeks before them).")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("statement"),
        QStringLiteral("With FILE DBPATH [ACCOUNT]: apply the bank statement FILE (Norma 43 or "
                       "camt.053) to the ledger. Each bank line realises the pending movement of "
                       "its side and exact amount nearest its date (within 4 days), as F12 "
                       "does, or is entered as a new realised movement; lines applied before "
                       "are skipped and ties are left for the reconciliation screen. A bank "
                       "account met for the first time goes to ACCOUNT and is remembered. All "
                       "in one transaction; prints a summary per account. Exits 1, writing "
                       "nothing, when the file or an account is refused.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("dry-run"),
        QStringLiteral("With --statement: print what it would do, and write nothing.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("check"),
        QStringLiteral("Load the component as a start would, print the file it was loaded "
                       "from and exit 0 when it offers Ledgora.clMain; checks an installation "
                       "without opening a window or a database.")));
    parser.addPositionalArgument(
        QStringLiteral("DBPATH"),
        QStringLiteral("The database file (created when it is new), or the "
                       "postgresql:// address of a shared ledger."),
        QStringLiteral("[DBPATH]"));
}

int checkInstallation() {
    QLibrary component;
    if (!loadComponent(component))
        return 1;
    if (!createObject(component, "Ledgora.clMain")) {
        std::fprintf(stderr, "ledgora: the component does not offer Ledgora.clMain\n");
        return 1;
    }
    std::printf("ledgora: component %s\n",
                qPrintable(QFileInfo(component.fileName()).canonicalFilePath()));
    return 0;
}

// --listing and --csv: the listing written to a file.
int writeListing(bool pdf, const QStringList& positional) {
    if (positional.size() < 5 || positional.size() > 7) {
        std::fprintf(stderr, "ledgora: --%s takes DBPATH ACCOUNT FROM TO OUT [CONCEPT [TEXT]]\n",
                     pdf ? "listing" : "csv");
        return 2;
    }
    return callComponent("Ledgora.clListado", pdf ? "GuardarPdf" : "GuardarCsv",
                         {dataSourceOf(positional[0]), positional[1], positional[2], positional[3],
                          positional[4], positional.value(5), positional.value(6)});
}

int importLegacy(const QStringList& positional) {
    if (positional.size() != 2) {
        std::fprintf(stderr, "ledgora: --import takes LEGACY DBPATH\n");
        return 2;
    }
    const QString target = dataSourceOf(positional[1]);
    if (!isServerAddress(target))
        makeEmptyFile(target);
    QString summary;
    const int rc = callComponent("Ledgora.clImportar", "Importar", {positional[0], target},
                                 &summary, "Resumen");
    if (rc == 0)
        std::printf("ledgora: %s en %s\n", qPrintable(summary),
                    qPrintable(isServerAddress(target) ? QStringLiteral("el libro compartido")
                                                       : QDir::toNativeSeparators(target)));
    return rc;
}

int restoreBackup(const QStringList& positional) {
    if (positional.size() != 2) {
        std::fprintf(stderr, "ledgora: --restore takes BACKUP DBPATH\n");
        return 2;
    }
    if (isServerAddress(positional[0]) || isServerAddress(positional[1])) {
        tellServerBackups();
        std::printf("No se restauró nada.\n");
        return 2;
    }
    std::printf("Se reemplazará el contenido de %s por la copia %s.\n¿Continuar? (s/N) ",
                qPrintable(QDir::toNativeSeparators(positional[1])),
                qPrintable(QDir::toNativeSeparators(positional[0])));
    std::fflush(stdout);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin) || (answer[0] != 's' && answer[0] != 'S')) {
        std::printf("No se restauró nada.\n");
        return 1;
    }
    const int rc = callComponent("Ledgora.clRespaldo", "Restaurar", {positional[0], positional[1]});
    if (rc == 0)
        std::printf("Copia restaurada.\n");
    return rc;
}

int applyStatement(const QStringList& positional, bool dryRun) {
    if (positional.size() < 2 || positional.size() > 3) {
        std::fprintf(stderr, "ledgora: --statement takes FILE DBPATH [ACCOUNT]\n");
        return 2;
    }
    QString summary;
    const int rc =
        callComponent("Ledgora.clExtracto", "Aplicar",
                      {QFileInfo(positional[0]).absoluteFilePath(), dataSourceOf(positional[1]),
                       positional.value(2), dryRun ? QStringLiteral("1") : QString()},
                      &summary, "Resumen");
    if (rc == 0)
        std::printf("%s\n", qPrintable(summary));
    return rc;
}

// The commands that answer or write a file and open no window; -1 when none was asked for.
int runWindowlessMode(const QCommandLineParser& parser) {
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("check")))
        return checkInstallation();
    if (parser.isSet(QStringLiteral("listing")) || parser.isSet(QStringLiteral("csv")))
        return writeListing(parser.isSet(QStringLiteral("listing")), positional);
    if (parser.isSet(QStringLiteral("import")))
        return importLegacy(positional);
    if (parser.isSet(QStringLiteral("restore")))
        return restoreBackup(positional);
    if (parser.isSet(QStringLiteral("statement")))
        return applyStatement(positional, parser.isSet(QStringLiteral("dry-run")));
    return -1;
}

// A first start, on no database of one's own yet: the example ledger is offered before an
// empty one. True when the person takes it.
bool exampleWanted() {
    QMessageBox offer(QMessageBox::Question, QStringLiteral("Ledgora"),
                      QStringLiteral("Su base de datos todavía está vacía.\n¿Desea ver primero "
                                     "un libro de ejemplo, con cuentas y un año de movimientos?"));
    QPushButton* yes = offer.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    offer.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    offer.exec();
    return offer.clickedButton() == yes;
}

void writeExample(QLibrary& component, const QString& database, bool onServer) {
    std::unique_ptr<QObject> example = createObject(component, "Ledgora.clDemo");
    QString refusal = QStringLiteral("the component does not offer Ledgora.clDemo");
    if (example)
        QMetaObject::invokeMethod(example.get(), "Crear", Qt::DirectConnection,
                                  Q_RETURN_ARG(QString, refusal), Q_ARG(QString, database));
    // A server's address is not repeated: it may hold a password.
    const QString where =
        onServer ? QStringLiteral("the shared ledger") : QDir::toNativeSeparators(database);
    if (refusal.isEmpty())
        std::fprintf(stderr, "ledgora: example ledger written to %s\n", qPrintable(where));
    else
        std::fprintf(stderr, "ledgora: %s: %s\n", qPrintable(where), qPrintable(refusal));
}

// The ledger's window on the database: the example written first when asked for, a backup
// taken, then Show until the person leaves.
int openLedger(bool demo, const QStringList& positional) {
    QString database = positional.isEmpty() ? dataFile(demo ? QStringLiteral("demo.db")
                                                            : QStringLiteral("ledgora.db"))
                                            : dataSourceOf(positional.first());
    const bool onServer = isServerAddress(database);
    if (!demo && positional.isEmpty() && isNew(database) && exampleWanted()) {
        demo = true;
        database = dataFile(QStringLiteral("demo.db"));
    }

    if (!onServer)
        makeEmptyFile(database);
    const QString problem = onServer ? QString() : databaseProblem(database);
    if (!problem.isEmpty())
        std::fprintf(stderr, "ledgora: %s: %s\n", qPrintable(QDir::toNativeSeparators(database)),
                     qPrintable(problem));

    QLibrary component;
    if (!loadComponent(component))
        return 1;
    if (demo)
        writeExample(component, database, onServer);
    // A backup on every start, written while the ledger opens.
    std::unique_ptr<QObject> backups = createObject(component, "Ledgora.clRespaldo");
    if (onServer)
        tellServerBackups();
    else if (backups && problem.isEmpty())
        QMetaObject::invokeMethod(backups.get(), "Respaldar", Qt::DirectConnection,
                                  Q_ARG(QString, database));
    std::unique_ptr<QObject> ledger = createObject(component, "Ledgora.clMain");
    if (!ledger) {
        std::fprintf(stderr, "ledgora: the component does not offer Ledgora.clMain\n");
        return 1;
    }
    if (!QMetaObject::invokeMethod(ledger.get(), "Show", Qt::DirectConnection,
                                   Q_ARG(QString, database))) {
        std::fprintf(stderr, "ledgora: Ledgora.clMain has no Show\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    runWindowlessModesOffscreen(argc, argv);
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "ledgora: no display found; run it on a desktop, or headless with: "
                     "xvfb-run -a %s [DBPATH]\n",
                     argv[0]);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ledgora"));
    QApplication::setApplicationVersion(QStringLiteral(LEDGORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LEDGORA_APP_ID)); // icon and menu entry
    ledgora::UiLanguage::install(); // before the first text: --help is Qt's own, in Spanish too

    QCommandLineParser parser;
    declareOptions(parser);
    parser.process(app);
    if (const int rc = runWindowlessMode(parser); rc >= 0)
        return rc;
    return openLedger(parser.isSet(QStringLiteral("demo")), parser.positionalArguments());
}
