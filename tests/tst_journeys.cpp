#include "LedgerTests.h"
#include "StatementFiles.h"
#include "controls/FlexGrid.h"
#include "entry/clMain.h"

#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

const QDate kFirst(QDate::currentDate().year(), QDate::currentDate().month(), 1);

QByteArray day(int offset) {
    return kFirst.addDays(offset).toString(u"yyMMdd"_s).toLatin1();
}

// What another program finds, asked in a process of its own: sqlite3 on the file, psql on the
// server. In the same process SQLite would share the program's locks and see what it holds.
QStringList outside(const QString& source, const QString& sql) {
    QProcess tool;
    if (onServer())
        tool.start(u"psql"_s,
                   {source, u"-X"_s, u"-A"_s, u"-t"_s, u"-q"_s, u"-F"_s, u"|"_s, u"-c"_s, sql});
    else
        tool.start(u"sqlite3"_s, {u"-batch"_s, u"-cmd"_s, u".timeout 0"_s, source, sql});
    tool.waitForFinished(20000);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    if (tool.exitCode() != 0)
        return {u"failed: "_s + QString::fromUtf8(tool.readAllStandardError()).trimmed()};
    return out.split(u'\n', Qt::SkipEmptyParts);
}

// Nobody holds the ledger: the file's write lock can be taken at once; the server has no session
// of this database idle inside a transaction.
bool nothingHeld(const QString& source) {
    if (onServer())
        return outside(source, u"select count(*) from pg_stat_activity where datname = "
                               "current_database() and state like 'idle in transaction%'"_s) ==
               QStringList{u"0"_s};
    return outside(source, u"BEGIN IMMEDIATE; ROLLBACK;"_s).isEmpty();
}

// Account 001 "Banco" with three pending movements and a realised one this month, 002 "Caja"
// empty; a credit and a debit concept. As a person moving from the old system brings it.
void writeImportFolder(const QString& folder) {
    writeFile(folder + u"/BANCNT.csv"_s, "CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC\r\n"
                                         "001,2024-01-15,Banco,Banco Uno,,\r\n"
                                         "002,2024-01-15,Caja,,,\r\n");
    writeFile(folder + u"/BANCON.csv"_s,
              "CONSTNRO,CONSTDSC,CONSTTIP\r\n1,Cobros,C\r\n7,Gastos bancarios,D\r\n");
    const QByteArray date = kFirst.toString(Qt::ISODate).toLatin1();
    auto on = [](int offset) { return kFirst.addDays(offset).toString(Qt::ISODate).toLatin1(); };
    writeFile(folder + u"/BANMOV.csv"_s,
              "CNTSTNRO,MOVINNRO,MOVDTALT,CONSTNRO,MOVSTCPT,MOVDLAAC,MOVDLADE,MOVDLACR,MOVDLDEB\r\n"
              "001,1," +
                  date +
                  ",1,Saldo anterior,0,0,1000,0\r\n"
                  "001,2," +
                  date +
                  ",1,Cobro factura 7,100,0,0,0\r\n"
                  "001,3," +
                  on(1) +
                  ",7,Pago proveedor,0,50,0,0\r\n"
                  "001,4," +
                  on(2) + ",7,Seguro local,0,20,0,0\r\n");
}

// Answers every question Yes, as a person who meant each key.
class Agreeing {
public:
    Agreeing() {
        previous_ = MessageBoxes::setHandler([this](const MessageBoxRequest& request) {
            prompts << request.prompt;
            return request.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
        });
    }
    ~Agreeing() { MessageBoxes::setHandler(previous_); }
    Agreeing(const Agreeing&) = delete;
    Agreeing& operator=(const Agreeing&) = delete;
    QStringList prompts;

private:
    MessageBoxes::Handler previous_;
};

} // namespace

// Journeys through the program as a person takes them: the ledger brought in with the real
// program's --import, then one feature after another in one run of the screens, keys only.
// After every step another process looks at the ledger: it sees what the screen shows, and
// finds no write lock or transaction left behind. Optionally another copy of the program
// writes between the steps, and its writes must survive ours.
class TstJourneys : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<ModalDriver> person_;
    QTemporaryDir settings_;
    QWidget* main_ = nullptr;
    QStringList before_;
    int copies_ = 0;
    int steps_ = 0;
    bool copyWrites_ = false;

    QString source() const { return db_->path(); }
    QString folder() const { return db_->folder(); }
    FlexGrid& grid() const { return *child<FlexGrid>(main_, "LstBNK"); }

    static int host(const QStringList& arguments, QString* said = nullptr) {
        QProcess program;
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(LEDGORA_HOST_PATH), arguments);
        program.waitForFinished(60000);
        if (said)
            *said = QString::fromUtf8(program.readAll());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    // The ledger as another program sees it: account 001's movements listed this month and its
    // two balances, the audit rows, concepts, accounts, and the other copy's movements.
    QStringList seen() {
        const QString from = kFirst.toString(Qt::ISODate);
        const QString to = kFirst.addMonths(1).addDays(-1).toString(Qt::ISODate);
        return outside(source(),
                       u"select (select count(*) from BANMOV where CNTSTNRO = '001' and MOVDTALT "
                       ">= '%1' and MOVDTALT <= '%2'), (select coalesce(sum(MOVDLAAC + MOVDLACR "
                       "- MOVDLADE - MOVDLDEB), 0) from BANMOV where CNTSTNRO = '001'), (select "
                       "coalesce(sum(MOVDLACR - MOVDLDEB), 0) from BANMOV where CNTSTNRO = "
                       "'001'), (select count(*) from BANAUD), (select count(*) from BANCON), "
                       "(select count(*) from BANCNT), (select count(*) from BANMOV where "
                       "CNTSTNRO = '002')"_s.arg(from, to))
            .value(0)
            .split(u'|');
    }

    // After a step: what the screen shows is what another program finds, nothing is held, a
    // step that writes left an audit row, and the other copy's movements are all there.
    void looked(const char* step, bool writes) {
        const QStringList now = seen();
        QVERIFY2(now.size() == 7, qPrintable(u"%1: %2"_s.arg(QLatin1String(step), now.join(u'|'))));
        QVERIFY2(nothingHeld(source()), step);
        auto amount = [&now](int k) {
            return rt::formatAmount(Money::fromUnits(now[k].toLongLong()));
        };
        QCOMPARE(grid().rows() - 1, now[0].toInt());
        QCOMPARE(child<QLabel>(main_, "lbTOTRCNT")->text(), amount(1));
        QCOMPARE(child<QLabel>(main_, "lbTOTRBCO")->text(), amount(2));
        if (writes)
            QVERIFY2(now[3].toInt() > before_.value(3).toInt(), step);
        QCOMPARE(now[6].toInt(), copies_);
        before_ = now;
        ++steps_;
        if (copyWrites_)
            anotherCopyWrites();
    }

    // Another copy of the program applies a statement of one line to account 002.
    void anotherCopyWrites() {
        const QString file = folder() + u"/copia-%1.n43"_s.arg(copies_);
        writeFile(file, norma43(ofBankAccount(
                            account(day(0), day(27), 0, {{day(0), '2', 1000 + copies_}}),
                            "210099990200099999")));
        QString said;
        QCOMPARE(host({u"--statement"_s, file, source(), u"002"_s}, &said), 0);
        ++copies_;
        before_ = seen();
    }

    // The main screen's journey, run by the component's Show as the host runs it: the account
    // choice first (ENTER takes 001), then `journey` on the main screen, then ESC.
    void show(std::function<void()> journey) {
        person_->then([](QWidget* accounts) { ModalDriver::press(accounts, Qt::Key_Return); });
        // The journey runs on its own turn of the main screen's loop, so that the person can
        // act on the screens each of its keys opens.
        person_->then([this, journey](QWidget* main) {
            QTimer::singleShot(0, main, [this, journey, main] {
                main_ = main;
                before_ = seen();
                journey();
                main_ = nullptr;
                ModalDriver::press(main, Qt::Key_Escape);
            });
        });
        clMain().Show(source());
    }

    // F9, the statement typed into the file dialog (in the ledger's own folder), the bank
    // account linked to 001 when asked, and F10.
    void reconcile(Agreeing& boxes) {
        const QString file = folder() + u"/extracto.n43"_s;
        writeFile(file, norma43(account(
                            day(0), day(27), 100000,
                            {{day(0), '2', 10000}, {day(1), '1', 5000}, {day(2), '1', 1250}})));
        person_->then([file](QWidget* dialog) {
            // The person goes to the statement's folder (the ledger's own) and reads its
            // listing, for which the dialog looks at every file there, then picks the file.
            auto* name = child<QLineEdit>(dialog, "fileNameEdit");
            QTest::keyClicks(name, QFileInfo(file).path());
            ModalDriver::press(dialog, Qt::Key_Return);
            auto* listing = dialog->findChild<QFileSystemModel*>();
            QTRY_VERIFY(listing->rowCount(listing->index(QFileInfo(file).path())) > 0);
            QTest::qWait(300);
            name->clear();
            QTest::keyClicks(name, QFileInfo(file).fileName());
            ModalDriver::press(dialog, Qt::Key_Return);
        });
        person_->then([](QWidget* which) { ModalDriver::press(which, Qt::Key_Return); });
        person_->then([](QWidget* lines) { ModalDriver::press(lines, Qt::Key_F10); });
        QTest::keyClick(&grid(), Qt::Key_F9);
        QCOMPARE(boxes.prompts.value(0),
                 u"Conciliación aplicada: 2 casados, 1 nuevo, 0 ya importados, 0 sin aplicar."_s);
        looked("F9 and F10", true);
    }

private Q_SLOTS:
    void initTestCase() {
        LEDGORA_SKIP_WITHOUT_SERVER();
        SettingsStore::setFolder(settings_.path());
        registerComponentClasses();
    }
    void init() {
        db_ = std::make_unique<TestDatabase>();
        person_ = std::make_unique<ModalDriver>();
        copies_ = 0;
        steps_ = 0;
        QDir(folder()).mkdir(u"anterior"_s);
        writeImportFolder(folder() + u"/anterior"_s);
        QString said;
        QCOMPARE(host({u"--import"_s, folder() + u"/anterior"_s, source()}, &said), 0);
        QVERIFY2(nothingHeld(source()), qPrintable(said));
    }
    void cleanup() {
        person_.reset();
        db_.reset();
    }

    void everyKeyAfterAStatementIsOnDiskWhenItReturns_data() {
        QTest::addColumn<bool>("copyWrites");
        QTest::newRow("alone") << false;
        QTest::newRow("another copy writing between the steps") << true;
    }
    void everyKeyAfterAStatementIsOnDiskWhenItReturns() {
        QFETCH(bool, copyWrites);
        copyWrites_ = copyWrites;
        Agreeing boxes;
        show([&] {
            reconcile(boxes);
            QTest::keyClick(&grid(), Qt::Key_Delete);
            looked("DELETE", true);
            person_->then([](QWidget* bin) {
                ModalDriver::press(bin, Qt::Key_Return);
                ModalDriver::press(bin, Qt::Key_Escape);
            });
            QTest::keyClick(&grid(), Qt::Key_F8);
            looked("F8 and ENTER", true);
            QTest::keyClick(&grid(), Qt::Key_F12);
            looked("F12", true);
            QTest::keyClick(&grid(), Qt::Key_Z, Qt::ControlModifier);
            looked("Ctrl+Z", true);
            person_->then([](QWidget* entry) {
                keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return});
                type(u"30"_s);
                keys({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return}); // status, "Agregar"
                ModalDriver::press(entry, Qt::Key_Escape);
            });
            QTest::keyClick(&grid(), Qt::Key_Insert);
            looked("INSERT", true);
            person_->then([](QWidget*) {
                keys({Qt::Key_Return, Qt::Key_Return});
                type(u"45"_s);
                keys({Qt::Key_Return, Qt::Key_Return}); // "Guardar"
            });
            QTest::keyClick(&grid(), Qt::Key_Return);
            looked("ENTER", true);
            QTest::keyClick(&grid(), Qt::Key_P, Qt::AltModifier); // the preview, left with ESC
            looked("Alt+P", false);
        });
        QVERIFY2(steps_ == 8, qPrintable(boxes.prompts.join(u'|')));
        // The program has closed its connection: nothing it held was laid over the copy's rows.
        QCOMPARE(seen().value(6).toInt(), copies_);
        QVERIFY(!boxes.prompts.join(u'|').contains(u"Error"_s));
    }

    // The lists kept beside the ledger, after a statement: a concept and an account typed in.
    void theConceptAndAccountScreensAfterAStatement() {
        Agreeing boxes;
        show([&] {
            reconcile(boxes);
            person_->then([](QWidget* concepts) {
                QTest::keyClick(child<FlexGrid>(concepts, "lstCON"), Qt::Key_Insert);
                type(u"9"_s);
                key(Qt::Key_Return);
                type(u"Intereses"_s);
                child(concepts, "Command1")->setFocus();
                key(Qt::Key_Return);
                ModalDriver::press(concepts, Qt::Key_Escape);
            });
            auto* toolbar = main_->findChild<QToolBar*>();
            QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().at(1)), Qt::LeftButton);
            looked("a concept", true);
            QCOMPARE(before_.value(4), u"3"_s);
            person_->then([](QWidget* accounts) {
                QTest::keyClick(accounts->findChild<FlexGrid*>(), Qt::Key_Insert);
                keys({Qt::Key_Return, Qt::Key_Return});
                type(u"Caja chica"_s);
                // ENTER walks the boxes to "Guardar", and presses it.
                for (int k = 0; k < 8 && focused()->objectName() != u"cmdGuardar"_s; ++k)
                    key(Qt::Key_Return);
                key(Qt::Key_Return);
                ModalDriver::press(accounts, Qt::Key_Escape);
            });
            QTest::keyClick(&grid(), Qt::Key_F6);
            looked("an account", true);
            QCOMPARE(before_.value(5), u"3"_s);
        });
        QCOMPARE(steps_, 3);
    }
};

LEDGORA_TEST_MAIN(TstJourneys)
#include "tst_journeys.moc"
