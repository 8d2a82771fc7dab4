#include "LedgerFixture.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "ledger/MovementListing.h"
#include "screens/FrmABMConceptos.h"
#include "screens/FrmABMCuentas.h"
#include "screens/FrmConceptos.h"
#include "screens/FrmIntervalo.h"
#include "screens/FrmModConcepto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <sqlite3.h>

using namespace ledgora;
using namespace ledgora::test;

namespace {

const QStringList kDescriptions = {QStringLiteral("Deposito 100%"), QStringLiteral("Pago_luz"),
                                   QStringLiteral("Cheque")};

// The rows of the file as SQLite itself reads them, one text per row. The account totals are
// left out: entering or changing a movement changes them, and they are checked against the
// movements instead.
QStringList rowsOf(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList rows;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                        sqlite3_column_bytes(stmt, c));
        rows << values.join(u'\x1f');
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

struct FileState {
    QStringList accounts, movements, concepts;
    QString totals, sums;
    bool operator==(const FileState& o) const {
        return accounts == o.accounts && movements == o.movements && concepts == o.concepts;
    }
};

FileState stateOf(const QString& path) {
    FileState s;
    s.accounts = rowsOf(path, "select CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,CNTSTBKC from "
                              "BANCNT order by rowid");
    s.movements = rowsOf(path, "select * from BANMOV order by rowid");
    s.concepts = rowsOf(path, "select * from BANCON order by rowid");
    s.totals = rowsOf(path, "select TOMDLAAC,TOMDLADE,TOMDLACR,TOMDLDEB from BANCNT where "
                            "CNTSTNRO = '001'")
                   .value(0);
    s.sums = rowsOf(path, "select coalesce(sum(MOVDLAAC),0),coalesce(sum(MOVDLADE),0),"
                          "coalesce(sum(MOVDLACR),0),coalesce(sum(MOVDLDEB),0) from BANMOV")
                 .value(0);
    return s;
}

// The list of rows with those whose first value is `key` taken out.
QStringList without(QStringList rows, const QString& key, int column = 0) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(),
                       [&](const QString& r) { return r.split(u'\x1f').value(column) == key; }),
        rows.end());
    return rows;
}
QString valueIn(const QStringList& rows, const QString& key, int keyColumn, int column) {
    for (const QString& r : rows)
        if (r.split(u'\x1f').value(keyColumn) == key)
            return r.split(u'\x1f').value(column);
    return QStringLiteral("<no row>");
}

bool breaksTheForm(const QString& value) {
    return value.contains(u'\'');
}
bool holdsControl(const QString& value) {
    return std::any_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 0x20; });
}

QString runtimeMessage(long number, const char* description, const char* separator,
                       const char* section) {
    QString text =
        QString::number(number) + QString::fromUtf8(separator) + QString::fromUtf8(description);
    if (*section)
        text += QStringLiteral("\r\n\r\n") + QString::fromUtf8(section);
    return text;
}
QString syntaxError(const char* separator, const char* section) {
    return runtimeMessage(-2147217900, "Error de sintaxis en la instrucción SQL.", separator,
                          section);
}
QString typeMismatch(const char* separator, const char* section) {
    return runtimeMessage(-2147217913,
                          "No coinciden los tipos de datos en la expresión de criterios.",
                          separator, section);
}

// A person pastes the value into the box: it replaces what was there, within the box's limits.
// Gives what the box then holds.
QString paste(QWidget& screen, const QString& box, const QString& value) {
    auto* edit = screen.findChild<QLineEdit*>(box);
    if (!edit)
        qFatal("no box %s", qPrintable(box));
    edit->clear();
    edit->insert(value);
    return edit->text();
}

void click(QWidget& screen, const char* name) {
    screen.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

} // namespace

// Every text box of every screen given the values a person might paste by mistake or in
// malice. Whatever the value, nothing crashes, only the row the person meant is written
// (none where the screen refuses the value) and the message is the screen's own.
class TstHostile : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    QTemporaryDir settings_;
    QStringList table_;

    QString path() const { return data_->db().path(); }
    void show(QWidget& screen) {
        screen.show();
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
    }
    void reload() {
        FlexGrid grid;
        grid.setCols(7); // the listing's columns, as the main screen has them
        CARGAR_CUENTAS(grid);
    }

private Q_SLOTS:
    void initTestCase() { SettingsStore::setFolder(settings_.path()); }
    void cleanupTestCase() {
        for (const QString& line : table_)
            qInfo("%s", qPrintable(line));
    }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addAccount(QStringLiteral("001"), QStringLiteral("Caja"));
        execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                         "('3','Deposito','C')"));
        for (int k = 0; k < kDescriptions.size(); ++k)
            data_->addMovement(QStringLiteral("001"), k + 1, QDate(2024, 3, 5 + k),
                               kDescriptions[k], money(100 + k), {}, {}, {}, QStringLiteral("3"));
        gCuenta = cuenta(QStringLiteral("001"), QStringLiteral("Caja"));
        gFechaDesde = QDate(2024, 1, 1);
        gFechaHasta = QDate(2024, 12, 31);
        gFiltro = {};
        reload(); // the stored totals agree with the movements from the start
    }
    void cleanup() { data_.reset(); }

    void everyBoxTakesAnyValue_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        const std::pair<const char*, QString> values[] = {
            {"quote", QStringLiteral("'")},
            {"double quote", QStringLiteral("\"")},
            {"backslash", QStringLiteral("\\")},
            {"dashes", QStringLiteral("--")},
            {"semicolon", QStringLiteral(";")},
            {"NUL", QString(QChar(0))},
            {"newline", QStringLiteral("\n")},
            {"tab", QStringLiteral("\t")},
            {"10000 chars", QStringLiteral("Ab 1").repeated(2500)},
            {"RTL+emoji", QString::fromUtf8("שלום مرحبا 😀👍🏽")},
            {"percent", QStringLiteral("%")},
            {"underscore", QStringLiteral("_")},
        };
        const std::pair<const char*, const char*> boxes[] = {
            {"accounts", "txtCNTSTNRO"},  {"accounts", "txtCNTDTALT"}, {"accounts", "txtCNTSTNOM"},
            {"accounts", "txtCNTSTBNK"},  {"accounts", "txtCNTSTTEL"}, {"accounts", "txtCNTSTBKC"},
            {"entry", "txtMOVDTALT"},     {"entry", "txtMOVSTCPT"},    {"entry", "txtVALOR"},
            {"edit", "txtFecha"},         {"edit", "txtConcepto"},     {"edit", "txtValor"},
            {"concepts", "txtCONTSTNRO"}, {"concepts", "txtCONSTDSC"}, {"interval", "txtDesde"},
            {"interval", "txtHasta"},     {"interval", "txtValor"},
        };
        for (const auto& [screen, box] : boxes)
            for (const auto& [kind, value] : values)
                QTest::addRow("%s.%s %s", screen, box, kind)
                    << QString::fromLatin1(screen) << QString::fromLatin1(box) << value;
    }

    void everyBoxTakesAnyValue() {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QString, value);
        MessageRecorder messages;
        const FileState before = stateOf(path());
        QString typed;                             // what the box holds after the paste
        QString expectedMessage;                   // none when the value is to be written
        QString stored;                            // what the written row is to hold
        std::function<void(const FileState&)> row; // checks the one row meant

        if (screen == u"accounts") {
            FrmABMCuentas accounts;
            accounts.load();
            show(accounts);
            QTest::keyClick(accounts.findChild<QWidget*>(QStringLiteral("grdList")),
                            Qt::Key_Insert);
            paste(accounts, QStringLiteral("txtCNTSTNOM"), QStringLiteral("Caja Nueva"));
            typed = paste(accounts, box, value);
            click(accounts, "cmdGuardar");
            const int column = QStringList({"txtCNTSTNRO", "txtCNTDTALT", "txtCNTSTNOM",
                                            "txtCNTSTBNK", "txtCNTSTTEL", "txtCNTSTBKC"})
                                   .indexOf(box);
            if (box == u"txtCNTSTNRO")
                expectedMessage = QStringLiteral("En Nro. de Cuenta debe ser Númerico");
            else if (box == u"txtCNTDTALT")
                expectedMessage = breaksTheForm(typed)
                                      ? syntaxError(" - ", "Sección: Cuentas.PF_Guardar")
                                      : typeMismatch(" - ", "Sección: Cuentas.PF_Guardar");
            else if (box == u"txtCNTSTNOM" && rt::trimBlanks(typed).isEmpty())
                expectedMessage = QStringLiteral("Debe ingresar Nombre");
            else if (breaksTheForm(typed) || holdsControl(typed))
                expectedMessage = syntaxError(" - ", "Sección: Cuentas.PF_Guardar");
            stored = rt::trimBlanks(typed);
            row = [&, column](const FileState& after) {
                QCOMPARE(without(after.accounts, QStringLiteral("002")), before.accounts);
                QCOMPARE(valueIn(after.accounts, QStringLiteral("002"), 0, column), stored);
            };
        } else if (screen == u"entry") {
            gCuenta.UltimoMovimiento = 3;
            FrmConceptos entry;
            entry.load();
            show(entry);
            entry.findChild<QComboBox*>(QStringLiteral("cboCONTIP"))->setFocus();
            paste(entry, QStringLiteral("txtMOVSTCPT"), QStringLiteral("Entrada"));
            paste(entry, QStringLiteral("txtVALOR"), QStringLiteral("10"));
            typed = paste(entry, box, value);
            click(entry, "cmdAgregar");
            if (box == u"txtMOVDTALT")
                expectedMessage = QStringLiteral("Debe ingresar una FECHA valida.");
            else if (box == u"txtVALOR")
                expectedMessage = QStringLiteral("Debe Ingresar NÚMEROS en el campo VALOR.");
            else if (breaksTheForm(typed) || holdsControl(typed))
                expectedMessage = syntaxError(" / ", "Seccion Conceptos.Agregar");
            stored = rt::trimBlanks(typed).left(100);
            row = [&](const FileState& after) {
                QCOMPARE(without(after.movements, QStringLiteral("4"), 1), before.movements);
                QCOMPARE(valueIn(after.movements, QStringLiteral("4"), 1, 4), stored);
            };
        } else if (screen == u"edit") {
            gMovimiento = MovimientoRecord();
            gMovimiento.MOVDTALT = QStringLiteral("05/03/2024");
            gMovimiento.MOVINNRO = QStringLiteral("1");
            gMovimiento.MOVSTCPT = kDescriptions[0];
            gMovimiento.MOVDLAAC = money(100);
            FrmModConcepto edit;
            edit.load();
            show(edit);
            typed = paste(edit, box, value);
            click(edit, "cmdGuardar");
            if (box == u"txtFecha")
                expectedMessage = QStringLiteral("Debe ingresar una FECHA valida.");
            else if (box == u"txtValor")
                expectedMessage = QStringLiteral("Debe ingresar un valor NUMERICO.");
            else if (breaksTheForm(typed) || holdsControl(typed))
                expectedMessage = syntaxError(" / ", "");
            stored = rt::trimBlanks(typed);
            row = [&](const FileState& after) {
                QCOMPARE(without(after.movements, QStringLiteral("1"), 1),
                         without(before.movements, QStringLiteral("1"), 1));
                QCOMPARE(valueIn(after.movements, QStringLiteral("1"), 1, 4), stored);
            };
        } else if (screen == u"concepts") {
            FrmABMConceptos concepts;
            concepts.load();
            show(concepts);
            QTest::keyClick(concepts.findChild<QWidget*>(QStringLiteral("lstCON")), Qt::Key_Insert);
            paste(concepts, QStringLiteral("txtCONSTDSC"), QStringLiteral("Intereses"));
            typed = paste(concepts, box, value);
            click(concepts, "Command1");
            if (box == u"txtCONTSTNRO")
                expectedMessage = QStringLiteral("Debe ingresar un valor Númerico");
            else if (rt::trimBlanks(typed).isEmpty()) // longer than the box takes: not pasted
                expectedMessage = QStringLiteral("Debe ingresar una DESCRIPCIÓN");
            else if (breaksTheForm(typed) || holdsControl(typed))
                expectedMessage = syntaxError(" / ", "Seccion ABMConceptos.PP_AGREGARf");
            stored = typed; // as typed
            row = [&](const FileState& after) {
                QCOMPARE(without(after.concepts, QStringLiteral("4")), before.concepts);
                QCOMPARE(valueIn(after.concepts, QStringLiteral("4"), 0, 1), stored);
            };
        } else {
            const QDate from = gFechaDesde;
            {
                FrmIntervalo interval;
                interval.load();
                show(interval);
                interval.findChild<QCheckBox*>(QStringLiteral("chFIL"))->click();
                typed = paste(interval, box, value);
                click(interval, "cmdAceptar");
            }
            if (box != u"txtValor") {
                expectedMessage = QStringLiteral("Debe ingresar Fechas validas.!");
                QCOMPARE(gFechaDesde, from);
                QVERIFY(!gFiltro.Activo);
            } else {
                // The filter is kept as typed; the listing then takes it literally.
                QVERIFY(gFiltro.Activo);
                QCOMPARE(gFiltro.Valor, typed);
                FlexGrid grid;
                grid.setCols(7); // the listing's columns, as the main screen has them
                CARGAR_CUENTAS(grid);
                if (breaksTheForm(typed) || holdsControl(typed)) {
                    expectedMessage = syntaxError(" / ", "Seccion [BANCOS.CARGAR_CUENTAS]");
                } else {
                    const auto matching =
                        std::count_if(kDescriptions.begin(), kDescriptions.end(),
                                      [&](const QString& d) { return d.contains(typed); });
                    QCOMPARE(grid.rows(), int(matching) + 1);
                }
            }
            row = [&](const FileState& after) { QVERIFY(after == before); };
        }

        const FileState after = stateOf(path());
        const QString kind = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 1);
        const QString shown = messages.prompts().join(u'|').left(60).replace(
            QRegularExpression(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
        table_ << QStringLiteral("%1 | %2 | %3 | %4")
                      .arg(screen + u'.' + box, -24)
                      .arg(kind + (typed == value ? QString() : QStringLiteral(" (not pasted)")),
                           -12)
                      .arg(expectedMessage.isEmpty() ? QStringLiteral("written")
                                                     : QStringLiteral("refused"),
                           -8)
                      .arg(shown.isEmpty() ? QStringLiteral("(no message)") : shown);
        if (expectedMessage.isEmpty()) {
            QCOMPARE(messages.prompts(), QStringList());
            row(after);
        } else {
            QCOMPARE(messages.prompts(), QStringList{expectedMessage});
            QVERIFY(after == before);
        }
        QCOMPARE(after.totals, after.sums); // the account's totals still add up
    }
};

QTEST_MAIN(TstHostile)
#include "tst_hostile.moc"
