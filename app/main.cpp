// The host program: loads the Ledgora component at run time, creates its public class by the
// class identifier "Ledgora.clMain" and calls Show by member name, as the billing application
// that hosts the module does.
#include "core/FileErrorText.h"
#include "core/Result.h"
#include "core/UiLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMetaObject>
#include <QPushButton>
#include <QStandardPaths>
#include <QVariant>
#include <cstdio>
#include <memory>

namespace {

using ledgora::Result;

// The program's own texts, written in Spanish and looked up in the translation catalogue.
class Host {
    Q_DECLARE_TR_FUNCTIONS(Host)
};

// A line for the terminal, which takes the program's text in UTF-8 whatever the locale says.
void say(FILE* stream, const QString& line) {
    std::fputs(line.toUtf8().constData(), stream);
    std::fflush(stream);
}

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
        return Host::tr("el archivo no existe y no se puede crear ahí");
    if (!info.isFile())
        return Host::tr("no es un archivo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Host::tr("no se puede leer el archivo: %1").arg(ledgora::fileErrorText(file));
    const QByteArray head = file.read(16);
    if (!head.isEmpty() && head != QByteArray("SQLite format 3", 16))
        return Host::tr("el archivo no es una base de datos");
    if (!info.isWritable())
        return Host::tr("el archivo es de sólo lectura: se puede listar, no modificar");
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
    say(stderr, Host::tr("ledgora: un libro compartido en un servidor PostgreSQL se respalda y se "
                         "restaura con las herramientas del servidor (pg_dump, pg_restore), no "
                         "con Ledgora.\n"));
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

Result loadComponent(QLibrary& component) {
    for (const QString& candidate : componentCandidates()) {
        component.setFileName(candidate);
        if (component.load())
            return {};
    }
    return {
        Result::Kind::Unavailable,
        Host::tr("no se puede cargar el componente de Ledgora: %1").arg(component.errorString())};
}

// The exit status of a command: 0 when done, else 1 once the reason is said on a line.
int finish(const Result& done) {
    if (done)
        return 0;
    say(stderr, QStringLiteral("ledgora: %1\n").arg(done.text()));
    return 1;
}

Result notOffered(const char* classId, const char* method) {
    return {
        Result::Kind::Unavailable,
        Host::tr("%1 no tiene %2").arg(QString::fromLatin1(classId), QString::fromLatin1(method))};
}

// What a method of the component gave back: a Result, or nothing from a method that cannot
// fail.
Result resultOf(const QVariant& returned) {
    if (returned.metaType() == QMetaType::fromType<Result>())
        return returned.value<Result>();
    return {};
}

// Loads the component, creates the class and calls the method by its name with text
// arguments. With `result`, a second method's text is read back afterwards.
Result callComponent(const char* classId, const char* method, const QStringList& args,
                     QString* result = nullptr, const char* resultMethod = nullptr) {
    QLibrary component;
    if (const Result loaded = loadComponent(component); !loaded)
        return loaded;
    std::unique_ptr<QObject> object = createObject(component, classId);
    if (!object)
        return {Result::Kind::Unavailable,
                Host::tr("el componente no ofrece %1").arg(QString::fromLatin1(classId))};
    // The method is found as invokeMethod would find it, so that what it gives back is read in
    // the type it declares.
    const QStringList types(args.size(), QStringLiteral("QString"));
    const QByteArray signature = QByteArray(method) + '(' + types.join(u',').toLatin1() + ')';
    const QMetaObject* meta = object->metaObject();
    const QMetaMethod called = meta->method(meta->indexOfMethod(signature.constData()));
    QVariant returned(called.returnMetaType());
    QGenericArgument a[7];
    for (int k = 0; k < args.size() && k < 7; ++k)
        a[k] = Q_ARG(QString, args[k]);
    if (!called.isValid() ||
        !called.invoke(object.get(), Qt::DirectConnection,
                       QGenericReturnArgument(called.typeName(), returned.data()), a[0], a[1], a[2],
                       a[3], a[4], a[5], a[6]))
        return notOffered(classId, method);
    if (const Result done = resultOf(returned); !done)
        return done;
    if (result && resultMethod &&
        !QMetaObject::invokeMethod(object.get(), resultMethod, Qt::DirectConnection,
                                   Q_RETURN_ARG(QString, *result)))
        return notOffered(classId, resultMethod);
    return {};
}

int checkInstallation() {
    QLibrary component;
    if (const Result loaded = loadComponent(component); !loaded)
        return finish(loaded);
    if (!createObject(component, "Ledgora.clMain")) {
        say(stderr, Host::tr("ledgora: el componente no ofrece Ledgora.clMain\n"));
        return 1;
    }
    say(stdout, Host::tr("ledgora: componente %1\n")
                    .arg(QFileInfo(component.fileName()).canonicalFilePath()));
    return 0;
}

// --listing and --csv: the listing written to a file.
int writeListing(bool pdf, const QStringList& positional) {
    if (positional.size() < 5 || positional.size() > 7) {
        say(stderr,
            Host::tr("ledgora: --%1 necesita LIBRO CUENTA DESDE HASTA SALIDA [CONCEPTO [TEXTO]]\n")
                .arg(pdf ? QStringLiteral("listing") : QStringLiteral("csv")));
        return 2;
    }
    return finish(
        callComponent("Ledgora.clListado", pdf ? "GuardarPdf" : "GuardarCsv",
                      {dataSourceOf(positional[0]), positional[1], positional[2], positional[3],
                       positional[4], positional.value(5), positional.value(6)}));
}

int importLegacy(const QStringList& positional) {
    if (positional.size() != 2) {
        say(stderr, Host::tr("ledgora: --import necesita ANTIGUO LIBRO\n"));
        return 2;
    }
    const QString target = dataSourceOf(positional[1]);
    if (!isServerAddress(target))
        makeEmptyFile(target);
    QString summary;
    const Result done = callComponent("Ledgora.clImportar", "Importar", {positional[0], target},
                                      &summary, "Resumen");
    if (done)
        say(stdout, Host::tr("ledgora: %1 en %2\n")
                        .arg(summary, isServerAddress(target) ? Host::tr("el libro compartido")
                                                              : QDir::toNativeSeparators(target)));
    return finish(done);
}

int restoreBackup(const QStringList& positional) {
    if (positional.size() != 2) {
        say(stderr, Host::tr("ledgora: --restore necesita COPIA LIBRO\n"));
        return 2;
    }
    if (isServerAddress(positional[0]) || isServerAddress(positional[1])) {
        tellServerBackups();
        say(stdout, Host::tr("No se restauró nada.\n"));
        return 2;
    }
    say(stdout,
        Host::tr("Se reemplazará el contenido de %1 por la copia %2.\n¿Continuar? (s/N) ")
            .arg(QDir::toNativeSeparators(positional[1]), QDir::toNativeSeparators(positional[0])));
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin) || (answer[0] != 's' && answer[0] != 'S')) {
        say(stdout, Host::tr("No se restauró nada.\n"));
        return 1;
    }
    const Result done =
        callComponent("Ledgora.clRespaldo", "Restaurar", {positional[0], positional[1]});
    if (done)
        say(stdout, Host::tr("Copia restaurada.\n"));
    return finish(done);
}

int applyStatement(const QStringList& positional, bool dryRun) {
    if (positional.size() < 2 || positional.size() > 3) {
        say(stderr, Host::tr("ledgora: --statement necesita ARCHIVO LIBRO [CUENTA]\n"));
        return 2;
    }
    QString summary;
    const Result done = callComponent("Ledgora.clExtracto", dryRun ? "Simular" : "Aplicar",
                                      {QFileInfo(positional[0]).absoluteFilePath(),
                                       dataSourceOf(positional[1]), positional.value(2)},
                                      &summary, "Resumen");
    if (done)
        say(stdout, summary + u'\n');
    return finish(done);
}

int verifyHistory(const QStringList& positional) {
    if (positional.size() != 1) {
        say(stderr, Host::tr("ledgora: --verify necesita LIBRO\n"));
        return 2;
    }
    QString summary;
    const Result done = callComponent("Ledgora.clHistorial", "Verificar",
                                      {dataSourceOf(positional[0])}, &summary, "Resumen");
    if (done)
        say(stdout, summary + u'\n');
    return finish(done);
}

int writeHistory(const QStringList& positional) {
    if (positional.size() < 2 || positional.size() > 3) {
        say(stderr, Host::tr("ledgora: --history necesita LIBRO [CUENTA] SALIDA.csv\n"));
        return 2;
    }
    return finish(
        callComponent("Ledgora.clHistorial", "GuardarCsv",
                      {dataSourceOf(positional[0]),
                       positional.size() == 3 ? positional[1] : QString(), positional.last()}));
}

int writeForecast(const QStringList& positional) {
    if (positional.size() < 3 || positional.size() > 4) {
        say(stderr,
            Host::tr("ledgora: --forecast necesita LIBRO [CUENTA] DIAS SALIDA.pdf|SALIDA.csv\n"));
        return 2;
    }
    const bool all = positional.size() == 3;
    return finish(callComponent("Ledgora.clPrevision", "Guardar",
                                {dataSourceOf(positional[0]), all ? QString() : positional[1],
                                 positional[all ? 1 : 2], positional.last()}));
}

// The options of the command line, in the order the help lists them. The modes that answer or
// write a file open no window, and run offscreen wherever they run; the others qualify the
// ledger's window or a mode. The first mode asked for, in this order, is the one run.
struct Mode {
    const char* name;
    const char* shortName;
    bool windowless;
    QString (*describe)();           // none: Qt's own option, which Qt answers
    int (*run)(QCommandLineParser&); // none: not a mode of its own
};

const Mode kModes[] = {
    {"help", "h", true,
     // Qt's own help option is described in English in every catalogue; this one is ours.
     [] { return Host::tr("Muestra esta ayuda y termina."); },
     [](QCommandLineParser& parser) -> int { parser.showHelp(0); }},
    {"version", "v", true, nullptr, nullptr},
    {"demo", nullptr, false,
     [] {
         return Host::tr(
                    "Llena LIBRO (por omisión %1) con un libro de ejemplo cuando no tiene cuentas, "
                    "y lo abre.")
             .arg(QDir::toNativeSeparators(dataFile(QStringLiteral("demo.db"))));
     },
     nullptr},
    {"listing", nullptr, true,
     [] {
         return Host::tr(
             "Con LIBRO CUENTA DESDE HASTA SALIDA.pdf [CONCEPTO [TEXTO]]: escribe el listado de la "
             "cuenta CUENTA desde DESDE hasta HASTA (dd/mm/aaaa), limitado al número de "
             "concepto CONCEPTO y a las descripciones que contienen TEXTO cuando se indican, "
             "en el archivo PDF SALIDA.pdf sin abrir ninguna ventana, como lo imprime Alt+P. "
             "Termina con 0 cuando lo escribe; si no, dice por qué en una línea y no deja "
             "ningún archivo.");
     },
     [](QCommandLineParser& parser) { return writeListing(true, parser.positionalArguments()); }},
    {"csv", nullptr, true,
     [] {
         return Host::tr(
             "Con LIBRO CUENTA DESDE HASTA SALIDA.csv [CONCEPTO [TEXTO]]: escribe los mismos "
             "movimientos que --listing en CSV (RFC 4180, UTF-8, una fila de encabezado; "
             "fechas aaaa-mm-dd, importes con punto y todos sus decimales).");
     },
     [](QCommandLineParser& parser) { return writeListing(false, parser.positionalArguments()); }},
    {"forecast", nullptr, true,
     [] {
         return Host::tr(
             "Con LIBRO [CUENTA] DIAS SALIDA.pdf|SALIDA.csv: escribe la previsión de tesorería "
             "de la cuenta CUENTA, o de todas las cuentas juntas, para los DIAS siguientes a "
             "hoy: desde el saldo realizado, los movimientos pendientes por su fecha (los "
             "vencidos, hoy) y los movimientos periódicos que aún no se ingresaron. En PDF, "
             "como la imprime su pantalla (F5), con el gráfico del saldo; en CSV, una fila por "
             "movimiento con el saldo después de él. Solo lee.");
     },
     [](QCommandLineParser& parser) { return writeForecast(parser.positionalArguments()); }},
    {"import", nullptr, true,
     [] {
         return Host::tr(
             "Con ANTIGUO LIBRO: trae a LIBRO, que no debe tener cuentas todavía, las "
             "cuentas, los conceptos y los movimientos del archivo de Access del sistema "
             "anterior (leído con mdb-export, del paquete mdbtools) o de una carpeta con "
             "BANCNT.csv, BANCON.csv y BANMOV.csv. Dice lo que importó.");
     },
     [](QCommandLineParser& parser) { return importLegacy(parser.positionalArguments()); }},
    {"restore", nullptr, true,
     [] {
         return Host::tr(
             "Con COPIA LIBRO: después de preguntar, comprueba la copia y pone su contenido "
             "en LIBRO, guardando lo que reemplaza. Cada inicio que encuentra la base de "
             "datos cambiada toma una copia en la carpeta \"backups\" junto a ella (las 10 "
             "últimas, y una por semana de las 8 semanas anteriores).");
     },
     [](QCommandLineParser& parser) { return restoreBackup(parser.positionalArguments()); }},
    {"statement", nullptr, true,
     [] {
         return Host::tr(
             "Con ARCHIVO LIBRO [CUENTA]: aplica al libro el extracto bancario ARCHIVO (Norma 43, "
             "camt.053, OFX, MT940, o CSV con un formato ya definido para CUENTA en la pantalla de "
             "conciliación). Cada línea del banco realiza, como F12, el movimiento pendiente "
             "de su lado y su importe exacto (dentro de 4 días) que su texto señala (la "
             "misma factura o referencia, el nombre), o se ingresa como un movimiento nuevo "
             "realizado; las líneas ya aplicadas se saltan y las dudosas quedan para la "
             "pantalla de conciliación. Una cuenta del "
             "banco vista por primera vez va a CUENTA y se recuerda. Todo en una "
             "transacción; escribe un resumen por cuenta. Termina con 1, sin escribir "
             "nada, cuando se rechaza el archivo o una cuenta.");
     },
     [](QCommandLineParser& parser) {
         return applyStatement(parser.positionalArguments(),
                               parser.isSet(QStringLiteral("dry-run")));
     }},
    {"dry-run", nullptr, false,
     [] {
         return Host::tr("Con --statement: escribe lo que haría, y no escribe nada en el libro.");
     },
     nullptr},
    {"verify", nullptr, true,
     [] {
         return Host::tr(
             "Con LIBRO: comprueba el sello de cada fila del historial de cambios, encadenado "
             "al de la fila anterior, y dice si está íntegro o en qué fila se rompe y por "
             "qué. Termina con 0 cuando está íntegro y con 1 cuando no. Solo lee.");
     },
     [](QCommandLineParser& parser) { return verifyHistory(parser.positionalArguments()); }},
    {"history", nullptr, true,
     [] {
         return Host::tr(
             "Con LIBRO [CUENTA] SALIDA.csv: escribe en CSV el historial de cambios de la "
             "cuenta CUENTA, o de todo el libro: cuándo (UTC), quién, con qué programa y "
             "rutina, qué fila y sus valores antes y después. Solo lee.");
     },
     [](QCommandLineParser& parser) { return writeHistory(parser.positionalArguments()); }},
    {"check", nullptr, true,
     [] {
         return Host::tr(
             "Carga el componente como lo haría un inicio, escribe el archivo del que lo "
             "cargó y termina con 0 cuando ofrece Ledgora.clMain; comprueba una instalación "
             "sin abrir ninguna ventana ni base de datos.");
     },
     [](QCommandLineParser&) { return checkInstallation(); }},
};

// Whether an argument, as typed, asks for the mode: "--listing", "--listing=…", "-h".
bool asks(const QByteArray& argument, const Mode& mode) {
    if (mode.shortName && argument == QByteArray("-") + mode.shortName)
        return true;
    const QByteArray option = QByteArray("--") + mode.name;
    return argument == option || argument.startsWith(QByteArray(option + '='));
}

// Runs before the application exists, so that a windowless mode needs no display.
void runWindowlessModesOffscreen(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k)
        for (const Mode& mode : kModes)
            if (mode.windowless && asks(argv[k], mode))
                qputenv("QT_QPA_PLATFORM", "offscreen");
}

void declareOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        Host::tr("Ledgora: el libro de cuentas bancarias. Abre LIBRO, o su propia base de datos "
                 "(%1) cuando no se indica ninguna.")
            .arg(QDir::toNativeSeparators(dataFile(QStringLiteral("ledgora.db")))));
    for (const Mode& mode : kModes) {
        if (!mode.describe) {
            parser.addVersionOption();
            continue;
        }
        QStringList names{QString::fromLatin1(mode.name)};
        if (mode.shortName)
            names.prepend(QString::fromLatin1(mode.shortName));
        parser.addOption(QCommandLineOption(names, mode.describe()));
    }
    parser.addPositionalArgument(
        QStringLiteral("LIBRO"),
        Host::tr("El archivo de la base de datos (se crea cuando es nuevo), o la dirección "
                 "postgresql:// de un libro compartido."),
        QStringLiteral("[LIBRO]"));
}

// The mode asked for, run; -1 when none was.
int runWindowlessMode(QCommandLineParser& parser) {
    for (const Mode& mode : kModes)
        if (mode.run && parser.isSet(QString::fromLatin1(mode.name)))
            return mode.run(parser);
    return -1;
}

// A first start, on no database of one's own yet: the example ledger is offered before an
// empty one. True when the person takes it.
bool exampleWanted() {
    QMessageBox offer(QMessageBox::Question, QStringLiteral("Ledgora"),
                      Host::tr("Su base de datos todavía está vacía.\n¿Desea ver primero "
                               "un libro de ejemplo, con cuentas y un año de movimientos?"));
    QPushButton* yes = offer.addButton(Host::tr("Sí"), QMessageBox::YesRole);
    offer.addButton(Host::tr("No"), QMessageBox::NoRole);
    offer.exec();
    return offer.clickedButton() == yes;
}

void writeExample(QLibrary& component, const QString& database, bool onServer) {
    std::unique_ptr<QObject> example = createObject(component, "Ledgora.clDemo");
    Result made = notOffered("Ledgora.clDemo", "Crear");
    if (example &&
        !QMetaObject::invokeMethod(example.get(), "Crear", Qt::DirectConnection,
                                   Q_RETURN_ARG(ledgora::Result, made), Q_ARG(QString, database)))
        made = notOffered("Ledgora.clDemo", "Crear");
    // A server's address is not repeated: it may hold a password.
    const QString where =
        onServer ? Host::tr("el libro compartido") : QDir::toNativeSeparators(database);
    if (made)
        say(stderr, Host::tr("ledgora: libro de ejemplo escrito en %1\n").arg(where));
    else
        say(stderr, QStringLiteral("ledgora: %1: %2\n").arg(where, made.text()));
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
        say(stderr,
            QStringLiteral("ledgora: %1: %2\n").arg(QDir::toNativeSeparators(database), problem));

    QLibrary component;
    if (const Result loaded = loadComponent(component); !loaded)
        return finish(loaded);
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
        say(stderr, Host::tr("ledgora: el componente no ofrece Ledgora.clMain\n"));
        return 1;
    }
    if (!QMetaObject::invokeMethod(ledger.get(), "Show", Qt::DirectConnection,
                                   Q_ARG(QString, database))) {
        say(stderr, Host::tr("ledgora: Ledgora.clMain no tiene Show\n"));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    runWindowlessModesOffscreen(argc, argv);
    if (!displayAvailable()) {
        say(stderr, Host::tr("ledgora: no se encontró una pantalla; ejecútelo en un escritorio, o "
                             "sin pantalla con: xvfb-run -a %1 [LIBRO]\n")
                        .arg(QString::fromLocal8Bit(argv[0])));
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
