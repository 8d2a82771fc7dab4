#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "entry/ComponentClasses.h"
#include "entry/clDemo.h"
#include "entry/clMain.h"
#include "ledger/ModuleUtilities.h"
#include "platform/ClassRegistry.h"
#include "platform/Conversions.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <sqlite3.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

const QString kNoAccount = u"No hay seleccionada ninguna cuenta."_s;

void storeInterval(const QString& from, const QString& to) {
    SettingsStore::SaveSetting(u"VENTALIA"_s, u"BANCOS"_s, u"FACDESDE"_s, from);
    SettingsStore::SaveSetting(u"VENTALIA"_s, u"BANCOS"_s, u"FACHASTA"_s, to);
}

} // namespace

// The component from Show to the closing of the main screen: the start-up's steps and
// messages, and what outlives a use.
class TstStartup : public QObject {
    Q_OBJECT
private:
    QTemporaryDir settings_;

private Q_SLOTS:
    void initTestCase() {
        SettingsStore::setFolder(settings_.path());
        registerComponentClasses();
    }
    void init() {
        QFile::remove(settings_.filePath(u"VENTALIA.ini"_s));
        gCuenta = {};
        gFiltro = {};
    }

    void anEmptyPathShowsNothing() {
        MessageRecorder messages;
        gDBPath = u"before"_s;
        clMain().Show(QString());
        QVERIFY(gDBPath.isEmpty());
        QVERIFY(messages.boxes.empty());
        QVERIFY(!gManejo);
    }

    void firstUseWithoutAccountClosesAfterTheActivationMessage() {
        TestDatabase db;
        MessageRecorder messages;
        ModalDriver person; // leaves the account screen with ESC
        clMain().Show(db.path());
        QCOMPARE(person.handled() >= 1, true);
        QCOMPARE(messages.prompts(), QStringList{kNoAccount});
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Exclamation);
        QVERIFY(!gManejo);
        QVERIFY(QFile::exists(db.path())); // the new database was created and connected
        // No stored interval: the current month.
        const IntervaloRecord month = GP_INTERVALOMES(QDate::currentDate());
        QCOMPARE(gFechaDesde, month.desde);
        QCOMPARE(gFechaHasta, month.hasta);
    }

    void aStoredIntervalThatIsNoDateStopsTheStartUp() {
        TestDatabase db;
        storeInterval(u"ayer"_s, u"31/12/2026"_s);
        MessageRecorder messages;
        clMain().Show(db.path());
        QCOMPARE(messages.boxes.size(), std::size_t(2));
        QVERIFY(messages.boxes[0].prompt.startsWith(u"Inicio de Sistema 13 - "_s));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QVERIFY(messages.boxes[0].systemModal);
        QCOMPARE(messages.boxes[1].prompt, kNoAccount);
        QCOMPARE(QFileInfo(db.path()).size(), 0); // no connection was made
    }

    void aFileThatCannotBeOpenedIsReported() {
        TestDatabase db;
        QFile garbage(db.path());
        garbage.open(QIODevice::WriteOnly);
        garbage.write(QByteArray(2048, 'z'));
        garbage.close();
        MessageRecorder messages;
        clMain().Show(db.path());
        QCOMPARE(messages.prompts(),
                 QStringList({u"Error en Acceder a Base de datos"_s, kNoAccount}));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
    }

    void aMissingDataComponentIsAStartUpError() {
        TestDatabase db;
        ClassRegistry::unregisterClass(u"Datorix.clManejo"_s);
        MessageRecorder messages;
        clMain().Show(db.path());
        registerComponentClasses();
        QCOMPARE(messages.boxes.size(), std::size_t(2));
        QVERIFY(messages.boxes[0].prompt.startsWith(u"Inicio de Sistema 429 - "_s));
    }

    void theExampleLedgerFillsOnlyANewDatabase() {
        TestDatabase db;
        {
            // Concepts without accounts: the example keeps them and fills the rest.
            auto manejo = db.connect();
            execute(*manejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) "
                                            "values ('1','Propio','C')"));
        }
        QCOMPARE(clDemo().Crear(db.path()), QString());
        QVERIFY(!clDemo().Crear(db.path()).isEmpty()); // it never writes over a ledger in use
        // Nor into a database another program is writing: it says so, and nothing escapes.
        {
            TestDatabase locked;
            locked.connect();
            sqlite3* raw = nullptr;
            sqlite3_open(locked.path().toUtf8().constData(), &raw);
            sqlite3_busy_timeout(raw, 0);
            sqlite3_exec(raw, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            QVERIFY(!clDemo().Crear(locked.path()).isEmpty());
            sqlite3_exec(raw, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(raw);
        }
        auto manejo = db.connect();
        QCOMPARE(query(*manejo, u"select * from BANCNT order by VAL(CNTSTNRO)"_s).RecordCount(),
                 3L);
        Recordset types = query(*manejo, u"select * from BANCON order by CONSTDSC"_s);
        QSet<QString> kinds;
        for (; !types.Eof(); types.MoveNext())
            kinds << *types.Fields(u"CONSTTIP"_s).get<QString>();
        QCOMPARE(kinds, (QSet<QString>{u"C"_s, u"D"_s}));
        // A year up to today, pending lately and realised before; the stored totals agree.
        const QDate today = QDate::currentDate();
        Recordset year = query(
            *manejo, QStringLiteral(
                         "SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as "
                         "TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE MOVDTALT<=datevalue('") +
                         rt::dateText(today) + u"') AND CNTSTNRO = '001'"_s);
        Recordset stored = query(*manejo, u"select * from BANCNT where CNTSTNRO = '001'"_s);
        QVERIFY(*year.Fields(u"TOTACR"_s).get<Money>() > Money());
        QVERIFY(*year.Fields(u"TOTAAC"_s).get<Money>() + *year.Fields(u"TOTADE"_s).get<Money>() >
                Money());
        QCOMPARE(stored.Fields(u"TOMDLACR"_s), year.Fields(u"TOTACR"_s));
        QCOMPARE(stored.Fields(u"TOMDLADE"_s), year.Fields(u"TOTADE"_s));
        Recordset old = query(
            *manejo, QStringLiteral(
                         "SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) as "
                         "TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE MOVDTALT<=datevalue('") +
                         rt::dateText(today.addMonths(-11)) + u"') AND CNTSTNRO = '001'"_s);
        QVERIFY(!old.Fields(u"TOTACR"_s).isNull());
    }

    void aHeldAccountOutlivesTheScreenAndLoadsOnTheNextUse() {
        TestDatabase db;
        storeInterval(u"01/03/2024"_s, u"31/03/2024"_s);
        gCuenta.CNTSTNRO = u"001"_s;
        gCuenta.CNTSTNOM = u"Caja"_s;
        MessageRecorder messages;
        QString statusAccount;
        QString statusInterval;
        bool connected = false;
        ModalDriver person;
        person.then([](QWidget* accounts) { ModalDriver::press(accounts, Qt::Key_Escape); });
        person.then([&](QWidget* modal) {
            auto* screen = qobject_cast<FrmBNKMain*>(modal);
            QVERIFY(screen);
            statusAccount = screen->StBar().panelText(1);
            statusInterval = screen->StBar().panelText(2);
            connected = gManejo && gManejo->EstadoConexion();
            ModalDriver::press(screen, Qt::Key_Escape);
        });
        gFechaDesde = gFechaHasta = QDate(2030, 1, 1); // the stored interval wins
        clMain().Show(db.path());
        QVERIFY(connected);
        QVERIFY(messages.boxes.empty());
        QCOMPARE(statusAccount, u"Cuenta:  001 - (Caja)"_s);
        QCOMPARE(statusInterval, u"Desde (01/03/2024) - Hasta (31/03/2024)"_s);
        QVERIFY(!gManejo);
        QCOMPARE(gCuenta.CNTSTNRO, u"001"_s);
        QCOMPARE(gFechaDesde, QDate(2024, 3, 1));
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
