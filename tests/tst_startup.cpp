#include "LedgerTests.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "core/ClassRegistry.h"
#include "core/Conversions.h"
#include "domain/ModuleUtilities.h"
#include "entry/ComponentClasses.h"
#include "entry/clDemo.h"
#include "entry/clMain.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QtTest>

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

    // A start-up that fails says why in a critical box, then that no account is chosen; a
    // file that is no ledger is left as it was.
    void aFailedStartUpSaysWhy_data() {
        QTest::addColumn<QString>("message"); // how the first box begins
        QTest::newRow("stored interval not a date") << u"Inicio de Sistema 13 - "_s;
        QTest::newRow("file not a ledger") << u"Error en Acceder a Base de datos"_s;
        QTest::newRow("no data component") << u"Inicio de Sistema 429 - "_s;
    }
    void aFailedStartUpSaysWhy() {
        QFETCH(QString, message);
        const QString kind = QString::fromLatin1(QTest::currentDataTag());
        TestDatabase db;
        if (kind == u"stored interval not a date")
            storeInterval(u"ayer"_s, u"31/12/2026"_s);
        else if (kind == u"file not a ledger")
            writeFile(db.path(), QByteArray(2048, 'z'));
        else
            ClassRegistry::unregisterClass(u"Datorix.clManejo"_s);
        const QByteArray before = fileContent(db.path());
        MessageRecorder messages;
        clMain().Show(db.path());
        registerComponentClasses();
        QCOMPARE(messages.prompts().size(), 2);
        QVERIFY2(messages.prompts()[0].startsWith(message), qPrintable(messages.prompts()[0]));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QVERIFY(messages.boxes[0].systemModal);
        QCOMPARE(messages.prompts()[1], kNoAccount);
        QCOMPARE(fileContent(db.path()), before);
    }

    void theExampleLedgerFillsOnlyANewDatabase() {
        TestDatabase db;
        // Concepts without accounts: the example keeps them and fills the rest.
        addConcept(*db.connect(), u"1"_s, u"Propio"_s, u"C"_s);
        QCOMPARE(clDemo().Crear(db.path()).text(), QString());
        QCOMPARE(clDemo().Crear(db.path()).kind(),
                 Result::Kind::Refused); // never over a ledger in use
        QCOMPARE(sqliteRows(db.path(), u"select count(*) from BANCNT"_s), QStringList{"3"});
        QCOMPARE(sqliteRows(db.path(), u"select distinct CONSTTIP from BANCON order by 1"_s),
                 QStringList({"C", "D"}));
        // A year up to today, pending lately and realised before; the stored totals agree.
        const QString year = summedMovements(db.path());
        QCOMPARE(storedTotals(db.path()), year);
        const QStringList sums = year.split(u'|');
        QVERIFY(sums.value(2).toLongLong() > 0 &&
                sums.value(0).toLongLong() + sums.value(1).toLongLong() > 0);
        QVERIFY(!sqliteRows(
                     db.path(),
                     u"select MOVDTALT from BANMOV where MOVDLACR <> 0 and MOVDTALT <= '%1'"_s.arg(
                         QDate::currentDate().addMonths(-11).toString(Qt::ISODate)))
                     .isEmpty());
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

LEDGORA_TEST_MAIN(TstStartup)
#include "tst_startup.moc"
